// The programs of the family, one line each, in the order the tools list them:
// PROGRAM(name) names the executable, its namespace (whose Program() is its
// entry, in programs/<name>.cpp) and its lesson folder (lessons/<name>/).
// The build reads this file as well (programs/program_list.cmake): a
// program added here gets its lesson library, its executable, its place in
// the player, the storms, the walk and the window test from this line alone.
// A name is lowercase letters, digits and _, starting with a letter; the
// build stops, naming the line by its number, at any line that is not blank,
// a // comment or PROGRAM(name) (blanks before and after each allowed), and
// at a // comment that ends in a backslash (C++ joins the next line to it).
PROGRAM(almeno)
PROGRAM(torvane)
PROGRAM(pellith)
PROGRAM(vindrel)
PROGRAM(quorrel)
