# read_program_list(FILE VAR): the names of the PROGRAM(name) lines of FILE
# (programs/program_list.h), in their order, into VAR. The C++ table
# includes every line of that file, so a line that is not blank (nothing but
# spaces and tabs), a // comment (indented or not) or PROGRAM(name) (blanks
# before and after allowed) with a name of lowercase letters, digits and _
# that starts with a letter stops the build, naming the line by its number;
# so does a // comment that ends in a backslash.
# scripts/program_names.sh reads the names as this does, for run.sh.
function(read_program_list file var)
  file(READ "${file}" text)
  set(names)
  set(number 0)
  # Line by line by hand: a list of lines would drop the empty ones (and
  # with them the count) and split a line at its semicolons.
  while(NOT text STREQUAL "")
    string(FIND "${text}" "\n" end)
    if(end EQUAL -1)
      set(line "${text}")
      set(text "")
    else()
      string(SUBSTRING "${text}" 0 ${end} line)
      math(EXPR end "${end} + 1")
      string(SUBSTRING "${text}" ${end} -1 text)
    endif()
    math(EXPR number "${number} + 1")
    if(line MATCHES "^[ \t]*PROGRAM\\(([a-z][a-z0-9_]*)\\)[ \t]*$")
      list(APPEND names ${CMAKE_MATCH_1})
    elseif(line MATCHES "^[ \t]*//.*\\\\[ \t\r]*$")
      # C++ joins the next line to a line that ends in a backslash (blanks
      # after it too): the comment would swallow it, and a program there
      # would be built and listed by run.sh but missing from the C++ table.
      message(FATAL_ERROR "${file} line ${number} is a // comment that ends in a backslash, "
                          "which joins the next line to it in C++:\n  \"${line}\"")
    elseif(NOT line MATCHES "^[ \t]*(//.*)?$")
      # The line itself on a line of its own, indented: CMake shows such a
      # line as it is, where it would fold the blanks of a paragraph.
      message(FATAL_ERROR "${file} line ${number} is not blank, a // comment or PROGRAM(name) "
                          "with a name of lowercase letters, digits and _ that starts with a "
                          "letter:\n  \"${line}\"")
    endif()
  endwhile()
  set(${var} ${names} PARENT_SCOPE)
endfunction()
