#!/bin/sh
# The names of the programs of programs/program_list.h (or of the file
# given), one a line, as the build reads them (programs/program_list.cmake):
# the PROGRAM(name) lines, blanks before and after allowed. The build stops
# at any other line that is not blank or a // comment, and at a // comment
# that ends in a backslash; this only skips them.
sed -n 's/^[[:blank:]]*PROGRAM(\([a-z][a-z_0-9]*\))[[:blank:]]*$/\1/p' \
  "${1:-$(dirname "$0")/../programs/program_list.h}"
