# cmake -DLIST=FILE -P print_program_list.cmake: the names the build reads
# from FILE as a list of programs, on one line, blank-separated; or the
# build's error and a failing status.
include(${CMAKE_CURRENT_LIST_DIR}/../../programs/program_list.cmake)
read_program_list("${LIST}" names)
string(JOIN " " line ${names})
execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${line}")
