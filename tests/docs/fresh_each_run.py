#!/usr/bin/env python3
"""Every variable that the shell, the figures, the page constructs, the number
lines and the programs' pages keep from one routine call to the next is named
in a FreshEachRun beside its definition (shell/fresh_run.h), so that each run
of a program starts from the start values whatever an earlier run in the same
process left.

The variables are read from the built libraries, not from the sources: every
symbol `nm` lists in a writable data section (b, B, d, D) of an object file,
but for a function's own statics (a name with "()::" in it: keep what a run
changes at file level), constants (a last name of k and a capital, as
kChoiceKeys) and the compiler's and sanitizer's own symbols. Each must stand in
the argument list of a FreshEachRun of the source file the object was
compiled from.

Arguments: LIBRARY=FOLDER pairs, a static library and the source folder of its
objects. Prints each variable not named, with its file; the exit status is 1
when there is any.
"""
import pathlib
import re
import subprocess
import sys

FRESH = re.compile(r"\bFreshEachRun\s+\w+\s*\(([^;]*)\)\s*;")
CONSTANT = re.compile(r"^k[A-Z]")


def named_in(source):
    """The names in the FreshEachRun argument lists of a source file."""
    names = set()
    for args in FRESH.findall(source.read_text(encoding="utf-8")):
        names.update(a.strip() for a in args.split(","))
    return names


def variables(library):
    """(object file, unqualified name) of each variable the library keeps."""
    out = subprocess.run(["nm", "-A", "-C", "--defined-only", library], check=True,
                         capture_output=True, text=True).stdout
    for line in out.splitlines():
        # LIBRARY:OBJECT:ADDRESS TYPE NAME
        head, _, rest = line.partition(" ")
        kind, _, name = rest.partition(" ")
        if kind not in ("b", "B", "d", "D"):
            continue
        obj = head.split(":")[1]
        name = name.replace("(anonymous namespace)::", "")
        if ")::" in name or name.startswith(("__", "guard variable", "typeinfo", "vtable")):
            continue
        if "asan" in name or name.startswith((".", "DW.ref")):
            continue
        base = name.replace("[abi:cxx11]", "").split("::")[-1]
        if CONSTANT.match(base):
            continue
        yield obj, base


def main(pairs):
    missing = []
    for pair in pairs:
        library, _, folder = pair.partition("=")
        for obj, name in variables(library):
            source = pathlib.Path(folder) / obj.removesuffix(".o")
            if not source.is_file() or name not in named_in(source):
                missing.append(f"{source}: {name}")
    for m in sorted(set(missing)):
        print(f"not set back at the start of a run (no FreshEachRun names it): {m}")
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
