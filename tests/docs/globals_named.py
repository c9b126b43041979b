#!/usr/bin/env python3
"""Every source file of shell/ and figures/ names, in its opening comment,
each shared global its code assigns, so that a caller sees from the top of a
file what calling its routines changes.

The shared globals are those that shell/globals.h and figures/figure_globals.h
declare (`extern TYPE NAME, NAME...;`). A file assigns a global when its code
(comments and string literals left out) does one of these:
  NAME = ...   NAME += ... (any compound assignment)   ++NAME   NAME--
  NAME(i) = ...   ++NAME(i, j)            (an element of a shared array)
  NAME.Clear()  NAME.erase(...)  NAME(i).append(...)   (a changing member call)
  std::swap(NAME, ...)
  TYPE& ref = NAME...                     (a non-const local reference to it)
  Fill(NAME)  where Fill is a routine of the same file that takes that
              argument by non-const reference
A declaration of a local that happens to carry a global's name (`float N = 0`)
is no assignment of the global. What the routines a file calls assign is
their own files' business; the opening comment may point to it ("and the
printer's"), the check does not follow calls into other files.

The opening comment is the run of // lines at the top of the file. A global is
named there when its name stands as a whole word (`X_a` in "X_a(1)"); a range
such as "HH1 to HH5" names only its two ends, so write every name out. The
article "A" (an "A" followed by a lowercase word) does not name the global A.
Whether a name is given as a result or as a work global is not checked.

Prints each file with the globals it assigns but does not name; the exit
status is 1 when there is any. Run from the source tree's root, or give the
root as the argument.
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


def opening_comment_names(text):
    lines = []
    for line in text.splitlines():
        if not line.startswith("//"):
            break
        lines.append(line[2:])
    comment = " ".join(lines)
    comment = re.sub(r"\bA(?= [a-z])", " ", comment)  # the article
    return set(re.findall(IDENT, comment))


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


def assigned_globals(code, names):
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
    # Arguments passed by non-const reference to a routine of the same file.
    for routine, positions in reference_routines(code).items():
        for m in re.finditer(r"(?<![\w.])" + routine + r"\s*\(", code):
            if re.search(r"\b(void|float|int|bool|auto)\s+$", code[:m.start()]):
                continue  # the definition itself
            args = split_arguments(code[m.end():closing_paren(code, m.end() - 1) - 1])
            for k in positions:
                if k < len(args) and leading_name(args[k]) in names:
                    assigned.add(leading_name(args[k]))
    return assigned


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else ".")
    names = shared_globals(root)
    if len(names) < 100:
        print(f"only {len(names)} shared globals found in {', '.join(HEADERS)}")
        return 1
    files = sorted(p for folder in FOLDERS for pattern in ("*.cpp", "*.h")
                   for p in (root / folder).glob(pattern))
    status, assignments = 0, 0
    for path in files:
        text = path.read_text(encoding="utf-8")
        assigned = assigned_globals(strip_code(text), names)
        assignments += len(assigned)
        missing = sorted(assigned - opening_comment_names(text))
        if missing:
            print(f"{path.relative_to(root)}: the opening comment does not name "
                  f"{' '.join(missing)}")
            status = 1
    if assignments == 0:
        print("no assignment of a shared global found: the check reads nothing")
        return 1
    if status == 0:
        print(f"{len(files)} files checked: each names the shared globals it assigns "
              f"({assignments} in all, counted once a file)")
    return status


if __name__ == "__main__":
    sys.exit(main())
