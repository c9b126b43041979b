// Every topic's submenu line as its program puts it up on the bottom line:
// the one table the tests read a submenu's text and its items from.
#pragma once

#include <string>
#include <vector>

struct SubmenuRow {
  const char* program;
  int topic;         // the topic's number on the main menu
  const char* line;  // Shift-JIS
  int items;         // its items before the last, "終了"
};

// `program`'s submenus, in menu order; none for a program the table leaves
// out.
std::vector<SubmenuRow> SubmenusOf(const std::string& program);

// The submenu line of `program`'s topic `topic` (Shift-JIS); throws
// std::out_of_range naming both when the table has none.
const char* SubmenuOf(const std::string& program, int topic);
