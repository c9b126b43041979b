#!/usr/bin/env python3
"""Every source file of shell/ and figures/ names, in its opening comment,
each shared global that calling its routines changes, so that a caller sees
from the top of a file what a call leaves changed. And no comment anywhere
in the tree writes a global in the old notation (`T$(3)`, `A$`, or `X(1)` for
an element of `X_a()`): comments name globals as the code spells them
(`T_s(3)`, `A_s`, `X_a(1)`).

The shared globals are those that shell/globals.h and figures/figure_globals.h
declare (`extern TYPE NAME, NAME...;`). A routine assigns a global when its
code (comments and string literals left out) does one of these:
  NAME = ...   NAME += ... (any compound assignment)   ++NAME   NAME--
  NAME(i) = ...   ++NAME(i, j)            (an element of a shared array)
  NAME.Clear()  NAME.erase(...)  NAME(i).append(...)   (a changing member call)
  std::swap(NAME, ...)
  TYPE& ref = NAME...                     (a non-const local reference to it)
  Fill(NAME)  where Fill is a routine of shell/ or figures/ that takes that
              argument by non-const reference
A declaration of a local that happens to carry a global's name (`float N = 0`)
is no assignment of the global.

A routine changes what it assigns and, through the routines of shell/ and
figures/ it calls (by name, or handed on as a routine to call), everything
they change, however deep. A call goes to the routine of that name in the
same file when the file defines one, else to the routines of that name that
other files define outside an unnamed namespace. A file changes what its
routines change, and what the code outside its routines assigns.

The opening comment is the run of // lines at the top of the file. A global is
named there when its name stands as a whole word (`X_a` in "X_a(1)"); a range
such as "HH1 to HH5" names only its two ends, so write every name out. The
article "A" (an "A" followed by a lowercase word) does not name the global A.
A routine's name in the possessive ("and PrintMarkup's", "RayAngles'") not
followed by a global's name points to that routine's Work: it names
everything that routine changes. ("RayAngles' HH1, HH2" names HH1 and HH2
only.) A pointer to a routine the file does not use fails, so that a pointer
cannot outlive its call.

What a routine that other files call (one defined outside an unnamed
namespace) changes is named in the part of the comment that speaks of it or
in a part that speaks of no routine. The part of a routine of the file
begins where its name stands, neither in brackets nor in the possessive, and
runs to the next such name of a routine of the file, to the end of the
paragraph (an empty comment line) or to a label "In:", "Out:" or "Work:";
the rest of the comment speaks of no routine. So in "RayAngles: ... HH5 the
bisector. SegmentAngle: ... HHP radians" HHP is named for SegmentAngle, not
for RayAngles. What the rest of the file's code changes may be named
anywhere in the comment. Whether a name is given as an input, a result or a
work global is not checked: a global given only as an input that a routine
changes ("the whole number DY", left as its size) passes.

Prints each file (and routine) with the globals it changes but does not name,
each with the routine it is changed through, and each comment line in the
old notation; the exit status is 1 when there is any. Run from the source
tree's root, or give the root as the argument.
"""
import pathlib
import re
import sys

HEADERS = ("shell/globals.h", "figures/figure_globals.h")
FOLDERS = ("shell", "figures")
IDENT = r"[A-Za-z_]\w*"
MUTATORS = r"(?:Clear|clear|append|assign|erase|insert|pop_back|push_back|replace|resize|swap)"
ASSIGN_OP = r"(?:[-+*/%&|^]|<<|>>)?=(?!=)"
# Words that start a declaration of a local when they stand before a name.
DECLARING = {"auto", "bool", "char", "const", "double", "float", "int", "long", "short",
             "signed", "size_t", "string", "unsigned", "int64_t", "int32_t", "uint8_t"}


def strip_code(text):
    """The text with comments and string and character literals blanked out
    (line breaks kept, so that nothing else moves)."""
    out = []
    i, n = 0, len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            j = text.find("\n", i)
            j = n if j < 0 else j
            out.append(" " * (j - i))
            i = j
        elif text.startswith("/*", i):
            j = text.find("*/", i + 2)
            j = n if j < 0 else j + 2
            out.append(re.sub(r"[^\n]", " ", text[i:j]))
            i = j
        elif c in "\"'":
            j = i + 1
            while j < n and text[j] != c:
                j += 2 if text[j] == "\\" else 1
            out.append(c + " " * (j - i - 1) + c)
            i = j + 1
        else:
            out.append(c)
            i += 1
    return "".join(out)


def shared_globals(root):
    names = set()
    for header in HEADERS:
        code = strip_code((root / header).read_text(encoding="utf-8"))
        for decl in re.findall(r"^\s*extern\s+([^;(]*);", code, re.M):
            # Template arguments hold commas of their own: drop them first.
            while "<" in decl:
                decl = re.sub(r"<[^<>]*>", "", decl)
            for part in decl.split(","):
                found = re.findall(IDENT, part)
                if found:
                    names.add(found[-1])
    return names


def closing_paren(code, open_at):
    """The index just past the ")" that closes the "(" at open_at."""
    depth = 0
    for k in range(open_at, len(code)):
        if code[k] == "(":
            depth += 1
        elif code[k] == ")":
            depth -= 1
            if depth == 0:
                return k + 1
    return len(code)


def split_arguments(inside):
    """The top-level comma-separated arguments of an argument list's inside."""
    args, depth, start = [], 0, 0
    for k, c in enumerate(inside):
        if c in "([{":
            depth += 1
        elif c in ")]}":
            depth -= 1
        elif c == "," and depth == 0:
            args.append(inside[start:k])
            start = k + 1
    args.append(inside[start:])
    return [a.strip() for a in args]


def leading_name(expression):
    m = re.match(r"\s*(" + IDENT + r")", expression)
    return m.group(1) if m else None


def is_declared_here(code, at):
    """Whether the name at `at` is being declared (a type word before it)."""
    before = re.search(r"([\w:>&*]+)\s*$", code[:at])
    if not before:
        return False
    word = before.group(1)
    return word.split("::")[-1] in DECLARING or word.endswith((">", "&", "*"))


def reference_routines(code):
    """{routine: [argument positions taken by non-const reference]} of the
    routines defined in the code."""
    routines = {}
    for m in re.finditer(r"\b(" + IDENT + r")\s*\(([^()]*)\)\s*(?:const\s*)?\{", code):
        positions = [k for k, p in enumerate(split_arguments(m.group(2)))
                     if "&" in p and "&&" not in p and not re.match(r"\s*const\b", p)]
        if positions:
            routines[m.group(1)] = positions
    return routines


def assigned_globals(code, names, by_reference):
    """The shared globals the code assigns; `by_reference` gives the routines
    that take arguments by non-const reference."""
    assigned = set()
    for m in re.finditer(r"\b(" + IDENT + r")\b", code):
        name = m.group(1)
        if name not in names or code[max(0, m.start() - 1)] in ".>" or \
                code[max(0, m.start() - 2):m.start()] == "::":
            continue
        if is_declared_here(code, m.start()):
            continue
        end = m.end()
        rest = code[end:]
        if re.match(r"\s*\(", rest):  # an element of an array
            end = closing_paren(code, end + rest.index("("))
            rest = code[end:]
        if (re.match(r"\s*" + ASSIGN_OP, rest) or re.match(r"\s*(\+\+|--)", rest)
                or re.search(r"(\+\+|--)\s*$", code[:m.start()])
                or re.match(r"\s*\.\s*" + MUTATORS + r"\s*\(", rest)):
            assigned.add(name)
    # std::swap(a, b) changes both.
    for m in re.finditer(r"\bstd::swap\s*\(", code):
        inside = code[m.end():closing_paren(code, m.end() - 1) - 1]
        assigned.update(n for n in map(leading_name, split_arguments(inside)) if n in names)
    # A non-const local reference bound to a global (or an element of one).
    for m in re.finditer(r"(?<!const )\b[\w:<>]+\s*&\s*" + IDENT + r"\s*=\s*(" + IDENT + r")",
                         code):
        if m.group(1) in names and not re.search(r"\bconst\b", code[m.start() - 30:m.start()]):
            assigned.add(m.group(1))
    # Arguments passed by non-const reference.
    for routine, positions in by_reference.items():
        for m in re.finditer(r"(?<![\w.])" + routine + r"\s*\(", code):
            if re.search(r"\b(void|float|int|bool|auto)\s+$", code[:m.start()]):
                continue  # the definition itself
            args = split_arguments(code[m.end():closing_paren(code, m.end() - 1) - 1])
            for k in positions:
                if k < len(args) and leading_name(args[k]) in names:
                    assigned.add(leading_name(args[k]))
    return assigned


NOT_ROUTINES = {"if", "for", "while", "switch", "catch", "return", "sizeof", "decltype",
                "alignof", "static_assert", "noexcept", "defined"}


def opening_paren(code, close_at):
    """The index of the "(" that the ")" at close_at closes."""
    depth = 0
    for k in range(close_at, -1, -1):
        if code[k] == ")":
            depth += 1
        elif code[k] == "(":
            depth -= 1
            if depth == 0:
                return k
    return -1


def defined_name(code, brace_at):
    """The name of the routine whose body the "{" at brace_at opens, or None
    (a namespace, a class, an initializer, a block)."""
    head = re.search(r"\)\s*(?:(?:const|noexcept|override|final)\s*)*$", code[:brace_at])
    if not head:
        return None
    close_at = code.rindex(")", 0, head.end())
    open_at = opening_paren(code, close_at)
    m = re.search(r"(" + IDENT + r")\s*$", code[:max(open_at, 0)])
    if open_at < 0 or not m or m.group(1) in NOT_ROUTINES:
        return None
    return m.group(1)


def split_routines(code):
    """The routines the code defines, as [(name, body, file_local)], and the
    code outside their bodies. Lambdas and blocks inside a body belong to its
    routine; a routine inside an unnamed namespace or declared static is
    file-local."""
    routines, outside = [], []
    stack = []  # (kind, name, start): "ns", "unnamed", "other", "fn", "block"
    last = 0
    for m in re.finditer(r"[{}]", code):
        at = m.start()
        if m.group() == "{":
            if any(kind == "fn" for kind, _, _ in stack):
                stack.append(("block", None, at))
                continue
            name = defined_name(code, at)
            if name:
                outside.append(code[last:at])
                stack.append(("fn", name, at))
            elif re.search(r"\bnamespace\s*$", code[:at]):
                stack.append(("unnamed", None, at))
            elif re.search(r"\bnamespace\s+[\w:]+\s*$", code[:at]):
                stack.append(("ns", None, at))
            else:
                stack.append(("other", None, at))
        elif stack:
            kind, name, start = stack.pop()
            if kind == "fn":
                line_start = code.rfind(";", 0, start) + 1
                line_start = max(line_start, code.rfind("}", 0, start) + 1)
                declaration = code[line_start:start]
                local = (any(k == "unnamed" for k, _, _ in stack)
                         or re.search(r"\bstatic\b", declaration) is not None)
                routines.append((name, code[start:at + 1], local))
                last = at + 1
    outside.append(code[last:])
    return routines, "".join(outside)


class Tree:
    """The routines of shell/ and figures/, what each assigns, what each
    calls, and what each changes through its calls."""

    def __init__(self, root, files, names):
        self.root = root
        self.names = names
        self.codes = {}
        self.routines = {}     # (file, name) -> {"direct": set, "calls": set of names}
        self.outside = {}      # file -> globals assigned outside routines
        self.public = {}       # name -> [files that define it outside an unnamed namespace]
        self.local_names = {}  # file -> names it defines
        by_reference = {}
        for path in files:
            code = strip_code(path.read_text(encoding="utf-8"))
            self.codes[path] = code
            by_reference.update(reference_routines(code))
        parsed = {path: split_routines(code) for path, code in self.codes.items()}
        routine_names = {name for routines, _ in parsed.values() for name, _, _ in routines}
        routine_names -= names
        for path, (routines, outside) in parsed.items():
            self.outside[path] = assigned_globals(outside, names, by_reference)
            self.local_names[path] = set()
            for name, body, local in routines:
                entry = self.routines.setdefault((path, name), {"direct": set(), "calls": set()})
                entry["direct"] |= assigned_globals(body, names, by_reference)
                entry["calls"] |= self.used_routines(body, routine_names) - {name}
                self.local_names[path].add(name)
                if not local:
                    self.public.setdefault(name, set()).add(path)
        self.routine_names = routine_names
        self.changes = self.close()

    @staticmethod
    def used_routines(code, routine_names):
        """The routine names the code uses: called, or handed on to be called."""
        used = set()
        for m in re.finditer(r"(?<![\w.>])(?<!->)(" + IDENT + r")\b", code):
            if m.group(1) in routine_names:
                used.add(m.group(1))
        return used

    def resolve(self, path, name):
        """The routines (file, name) a use of `name` in `path` reaches."""
        if name in self.local_names.get(path, ()):
            return [(path, name)]
        return [(other, name) for other in sorted(self.public.get(name, ())) if other != path]

    def close(self):
        """{(file, name): {global: the routine it is changed by}}, callees' changes included."""
        changes = {key: {g: key[1] for g in entry["direct"]}
                   for key, entry in self.routines.items()}
        grown = True
        while grown:
            grown = False
            for key, entry in self.routines.items():
                mine = changes[key]
                for callee_name in entry["calls"]:
                    for callee in self.resolve(key[0], callee_name):
                        for g in changes[callee]:
                            if g not in mine:
                                mine[g] = callee[1]
                                grown = True
        return changes

    def reached(self, path, routine):
        """The routines of `path` that `routine` of `path` reaches through
        calls within the file, itself included."""
        seen, todo = set(), [routine]
        while todo:
            name = todo.pop()
            if name in seen or (path, name) not in self.routines:
                continue
            seen.add(name)
            todo.extend(n for n in self.routines[(path, name)]["calls"]
                        if n in self.local_names[path])
        return seen

    def pointed_changes(self, path, pointer):
        """What the routines a pointer from `path` to `pointer` reaches change."""
        changed = set()
        for key in self.resolve(path, pointer):
            changed |= set(self.changes[key])
        return changed


def pointers(comment, names, routine_names):
    """The routines whose Work the comment points to: a routine's name in
    the possessive, not followed by a global's name."""
    found = set()
    for m in re.finditer(r"\b(" + IDENT + r")(?:'s\b|(?<=s)'(?!\w))\s*(" + IDENT + r")?",
                         comment):
        if m.group(1) in routine_names and m.group(2) not in names:
            found.add(m.group(1))
    return found


def opening_comment(text):
    """The run of // lines at the top, one line each; an empty comment line
    stays as a blank line, which ends a paragraph."""
    lines = []
    for line in text.splitlines():
        if not line.startswith("//"):
            break
        lines.append(line[2:].strip())
    return "\n".join(lines)


LABEL = re.compile(r"(?:In|Out|Work):")
POSSESSIVE = r"(?:'s\b|(?<=s)'(?!\w))"


def parts(comment, routines):
    """{routine or None: the text of the comment that speaks of it}. A
    routine's part begins where its name stands (not in brackets, not in the
    possessive) and runs to the next such name, to the end of the paragraph
    or to a label "In:", "Out:" or "Work:"; what lies outside every routine's
    part speaks of them all (None)."""
    found = {None: ""}
    current, depth, last = None, 0, 0
    pattern = r"\n\s*\n|[()]|\b(?:In|Out|Work):|" + IDENT + POSSESSIVE + "?"
    for m in re.finditer(pattern, comment):
        token = m.group()
        found[current] = found.get(current, "") + comment[last:m.start()]
        last = m.start()
        if token == "(":
            depth += 1
        elif token == ")":
            depth = max(0, depth - 1)
        elif not token.strip() or LABEL.fullmatch(token):
            current, depth = None, 0
        elif depth == 0 and token in routines:
            current = token
    found[current] = found.get(current, "") + comment[last:]
    return found


def named_in(text, names):
    """The identifiers the text names, the article "A" left out."""
    return set(re.findall(IDENT, re.sub(r"\bA(?= [a-z])", " ", text))) & names


OLD_NOTATION = re.compile(r"\b[A-Z][A-Z0-9_]*\$")
TREE_FOLDERS = ("platform", "shell", "figures", "lessons", "programs", "tools", "tests", "bench")


def comments_of(text):
    """[(line number, comment text)] of the // and /* */ comments."""
    found = []
    i, n, line = 0, len(text), 1
    while i < n:
        c = text[i]
        if text.startswith("//", i) or text.startswith("/*", i):
            j = text.find("\n", i) if text[i + 1] == "/" else text.find("*/", i + 2)
            j = n if j < 0 else j
            for k, part in enumerate(text[i:j].split("\n")):
                found.append((line + k, part))
            line += text.count("\n", i, j)
            i = j
        elif c in "\"'":
            j = i + 1
            while j < n and text[j] != c and text[j] != "\n":
                j += 2 if text[j] == "\\" else 1
            i = j + 1
        else:
            line += c == "\n"
            i += 1
    return found


def old_notation(root, names):
    """Each comment line of the tree's C++ files that writes a global in the
    old notation: a name ending in "$" (`T$(3)`, `A$`), or an element of a
    shared array under the name of the scalar beside it (`X(1)` for
    `X_a(1)`, `X_s(1)` for `X_sa(1)`)."""
    twins = {n for n in names if n + "_a" in names or (n.endswith("_s") and n + "a" in names)}
    as_scalar = re.compile(r"\b(" + "|".join(sorted(twins)) + r")\(") if twins else None
    lines = []
    for folder in TREE_FOLDERS:
        for pattern in ("*.cpp", "*.h"):
            for path in sorted((root / folder).rglob(pattern)):
                for number, comment in comments_of(path.read_text(encoding="utf-8")):
                    written = [w for w in OLD_NOTATION.findall(comment)]
                    if as_scalar:
                        written += [w + "(" for w in as_scalar.findall(comment)]
                    if written:
                        lines.append(f"{path.relative_to(root)}:{number}: a comment writes "
                                     f"{' '.join(written)}; write the name as the code spells it")
    return lines


def check_file(tree, path, names):
    """The lines that say what the file's opening comment leaves unnamed."""
    comment = opening_comment(path.read_text(encoding="utf-8"))
    own = {name for (file, name) in tree.routines
           if file == path and path in tree.public.get(name, ())}
    speaks = parts(comment, own)
    relative = path.relative_to(tree.root)
    problems = []
    used = Tree.used_routines(tree.codes[path], tree.routine_names)
    for pointer in sorted(pointers(comment, names, tree.routine_names)):
        if pointer not in used and pointer not in own:
            problems.append(f"{relative}: the opening comment points to {pointer}'s Work, "
                            f"but the file does not use {pointer}")

    def covered(texts, routine):
        cover = set()
        for text in texts:
            cover |= named_in(text, names)
            for pointer in pointers(text, names, tree.routine_names):
                if pointer != routine:
                    cover |= tree.pointed_changes(path, pointer)
        return cover

    def report(routine, changed, cover):
        """`changed`: {global: the routine it is changed through}."""
        missing = sorted(set(changed) - cover)
        if missing:
            problems.append(
                f"{relative}: {routine + ': ' if routine else ''}the opening comment does not "
                "name " + ", ".join(g if changed[g] in (routine, None) else
                                    f"{g} (through {changed[g]})" for g in missing))

    # Each routine of the file that other files call: in its own part, or in
    # the part that speaks of them all.
    reached = set()
    for routine in sorted(own):
        reached |= tree.reached(path, routine)
        report(routine, tree.changes[(path, routine)],
               covered([speaks[None], speaks.get(routine, "")], routine))
    # The rest of the file's code: anywhere in the comment.
    rest = {g: None for g in tree.outside[path]}
    for (file, name), changed in tree.changes.items():
        if file == path and name not in reached:
            for g, by in changed.items():
                rest.setdefault(g, None if by == name else by)
    report(None, rest, covered([comment], None))
    return problems


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".")
    names = shared_globals(root)
    if len(names) < 100:
        print(f"only {len(names)} shared globals found in {', '.join(HEADERS)}")
        return 1
    files = sorted(p for folder in FOLDERS for pattern in ("*.cpp", "*.h")
                   for p in (root / folder).glob(pattern))
    tree = Tree(root, files, names)
    changes = sum(len(changed) for changed in tree.changes.values())
    through_calls = sum(1 for (_, name), changed in tree.changes.items()
                        for by in changed.values() if by != name)
    if changes == 0 or through_calls == 0:
        print("no change of a shared global found (or none through a call): the check reads "
              "nothing")
        return 1
    problems = [line for path in files for line in check_file(tree, path, names)]
    problems += old_notation(root, names)
    for line in problems:
        print(line)
    if problems:
        return 1
    print(f"{len(files)} files checked: each names the shared globals its routines change "
          f"({changes} changes of {len(tree.changes)} routines, {through_calls} of them "
          "through calls); no comment writes the old notation")
    return 0


if __name__ == "__main__":
    sys.exit(main())
