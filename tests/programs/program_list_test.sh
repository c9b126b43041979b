#!/usr/bin/env bash
# The list of programs as the build reads it (programs/program_list.cmake)
# and as run.sh reads it (scripts/program_names.sh): the lines each accepts
# give the same names, and a line the build refuses stops it with the line's
# number and the line as it stands, blanks kept.
#   tests/programs/program_list_test.sh [CMAKE]   (CMAKE: cmake by default)
set -uo pipefail
cmake=${1:-cmake}
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $1"
  failures=$((failures + 1))
}

# accepted NAME CONTENT NAMES: the build and run.sh both read NAMES.
accepted() {
  printf '%b' "$2" > "$work/list"
  local built
  if ! built=$("$cmake" -DLIST="$work/list" -P "$root/tests/programs/print_program_list.cmake" 2>&1)
  then
    fail "$1: the build refused it: $built"
    return
  fi
  [ "$built" = "$3" ] || fail "$1: the build read \"$built\", not \"$3\""
  local run
  run=$("$root/scripts/program_names.sh" "$work/list" | tr '\n' ' ')
  [ "${run% }" = "$3" ] || fail "$1: run.sh reads \"${run% }\", not \"$3\""
}

# refused NAME CONTENT NUMBER LINE: the build stops at line NUMBER, showing
# LINE between quotes on a line of its own.
refused() {
  printf '%b' "$2" > "$work/list"
  local out
  if out=$("$cmake" -DLIST="$work/list" -P "$root/tests/programs/print_program_list.cmake" 2>&1)
  then
    fail "$1: the build accepted it ($out)"
    return
  fi
  local said
  said=$(echo "$out" | tr -s ' \n' '  ')
  [[ $said == *"list line $3 is not blank, a // comment or PROGRAM(name) with a name"* ]] ||
    fail "$1: the error does not name line $3: $out"
  printf '%s\n' "$out" | grep -qxF "    \"$4\"" || fail "$1: the error does not show \"$4\": $out"
}

accepted "the list as it stands" "$(cat "$root/programs/program_list.h")" \
  "$(paste -sd ' ' <("$root/scripts/program_names.sh"))"
accepted "blank lines" "\nPROGRAM(a)\n\n\nPROGRAM(b)\n\n" "a b"
accepted "lines of spaces and tabs" "PROGRAM(a)\n   \n\t\n \t \nPROGRAM(b)\n" "a b"
accepted "indented comments" "  // one\n\t// two\nPROGRAM(a)\n //\n" "a"
accepted "blanks around a program line" "  PROGRAM(a)\nPROGRAM(b)  \n\tPROGRAM(c)\t \n" "a b c"
accepted "no newline at the end" "PROGRAM(a)\nPROGRAM(b_2)" "a b_2"
accepted "nothing but comments" "// none yet\n" ""

refused "a capital" "PROGRAM(a)\nPROGRAM(Bee)\n" 2 "PROGRAM(Bee)"
refused "a name that starts with a digit" "\n\nPROGRAM(2a)\n" 3 "PROGRAM(2a)"
refused "blanks inside the brackets" "PROGRAM(a)\n\n  PROGRAM( b )  \n" 3 "  PROGRAM( b )  "
refused "a comment after a program" "PROGRAM(a) // first\n" 1 "PROGRAM(a) // first"
refused "a block comment" "PROGRAM(a)\n/* more */\n" 2 "/* more */"
refused "a shell comment" "   # more\n" 1 "   # more"
refused "a semicolon" "PROGRAM(a);\nPROGRAM(b)\n" 1 "PROGRAM(a);"
refused "a semicolon before the refused line" "// a; b\n\nPROGRAM(a)\nprogram(b)\n" 4 "program(b)"
refused "a last line without newline" "PROGRAM(a)\n \tPROGRAM()" 2 $' \tPROGRAM()'

[ "$failures" -eq 0 ] || exit 1
echo "all cases hold"
