#!/usr/bin/env bash
# The list of programs as the build's configure reads it (the top
# CMakeLists.txt) and as run.sh reads it (scripts/program_names.sh): the
# lines each accepts give the same names, and a line the build refuses
# stops the configure with the line's number and the line as it stands,
# blanks kept.
#
# The configure runs on a scratch tree: the top CMakeLists.txt and
# programs/program_list.cmake as they are, the list of each case, and in
# place of each folder the top file adds, an empty one, but programs/, whose
# CMakeLists.txt writes the names it was given.
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

tree=$work/tree
mkdir -p "$tree/programs"
cp "$root/CMakeLists.txt" "$tree/"
cp "$root/programs/program_list.cmake" "$tree/programs/"
for folder in $(sed -n 's/^add_subdirectory(\([a-z_]*\))$/\1/p' "$root/CMakeLists.txt"); do
  mkdir -p "$tree/$folder"
  : >"$tree/$folder/CMakeLists.txt"
done
cat >"$tree/programs/CMakeLists.txt" <<'EOF'
string(JOIN " " names ${PROGRAMS})
file(WRITE ${CMAKE_BINARY_DIR}/programs_read "${names}")
EOF

# configure CONTENT: the configure of the scratch tree with the list
# CONTENT (printf's %b); its output, and its status.
configure() {
  printf '%b' "$1" >"$tree/programs/program_list.h"
  rm -f "$work/build/programs_read"
  "$cmake" -S "$tree" -B "$work/build" -DBUILD_TESTING=OFF 2>&1
}

# accepted NAME CONTENT NAMES: the build and run.sh both read NAMES.
accepted() {
  local out
  if ! out=$(configure "$2"); then
    fail "$1: the build refused it: $out"
    return
  fi
  local built
  built=$(cat "$work/build/programs_read")
  [ "$built" = "$3" ] || fail "$1: the build read \"$built\", not \"$3\""
  local run
  run=$("$root/scripts/program_names.sh" "$tree/programs/program_list.h" | tr '\n' ' ')
  [ "${run% }" = "$3" ] || fail "$1: run.sh reads \"${run% }\", not \"$3\""
}

# refused NAME CONTENT NUMBER LINE [WHY]: the build stops at line NUMBER,
# saying it WHY (by default, that it is not one of the lines the list
# takes), and showing LINE between quotes on a line of its own.
refused() {
  local why=${5:-"is not blank, a // comment or PROGRAM(name) with a name"}
  local out
  if out=$(configure "$2"); then
    fail "$1: the build accepted it ($(cat "$work/build/programs_read"))"
    return
  fi
  local said
  said=$(echo "$out" | tr -s ' \n' '  ')
  [[ $said == *"programs/program_list.h line $3 $why"* ]] ||
    fail "$1: the error does not say that line $3 $why: $out"
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
accepted "a backslash inside a comment" "// a \\\\ b\nPROGRAM(a)\n" "a"

refused "a capital" "PROGRAM(a)\nPROGRAM(Bee)\n" 2 "PROGRAM(Bee)"
refused "a name that starts with a digit" "\n\nPROGRAM(2a)\n" 3 "PROGRAM(2a)"
refused "blanks inside the brackets" "PROGRAM(a)\n\n  PROGRAM( b )  \n" 3 "  PROGRAM( b )  "
refused "a comment after a program" "PROGRAM(a) // first\n" 1 "PROGRAM(a) // first"
refused "a block comment" "PROGRAM(a)\n/* more */\n" 2 "/* more */"
refused "a shell comment" "   # more\n" 1 "   # more"
refused "a semicolon" "PROGRAM(a);\nPROGRAM(b)\n" 1 "PROGRAM(a);"
refused "a semicolon before the refused line" "// a; b\n\nPROGRAM(a)\nprogram(b)\n" 4 "program(b)"
refused "a last line without newline" "PROGRAM(a)\n \tPROGRAM()" 2 $' \tPROGRAM()'
# C++ joins the line after a backslash that ends a line to it: the
# program on the next line would be in the build and in run.sh's list,
# but not in the C++ table.
ends_in_backslash="is a // comment that ends in a backslash"
refused "a comment that ends in a backslash" "PROGRAM(a)\n// note \\\\\nPROGRAM(b)\n" 2 \
  '// note \' "$ends_in_backslash"
refused "an indented comment that ends in a backslash and blanks" "  //\\\\ \t\nPROGRAM(b)\n" 1 \
  $'  //\\ \t' "$ends_in_backslash"

[ "$failures" -eq 0 ] || exit 1
echo "all cases hold"
