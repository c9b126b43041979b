// How a topic opens from the main menu: its goal page, then at once its
// submenu, which asks again for any choice it does not offer and leads back
// to the main menu on its last item.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

// One topic of a program's main menu.
struct GoalPageCase {
  const char* name;  // in failures
  int topic;         // its number on the main menu
  // Its goal page, "x y colour text" (Shift-JIS) from "<めあて>" on; empty
  // for a topic that opens on its submenu.
  std::vector<std::string> goal = {};
  // Whether it clears the content area first; otherwise it starts on the
  // white page the main menu left.
  bool clears = false;
  // An item chosen by a fraction worth its number ("6 / 3 Enter") with every
  // key the item takes, and the item's key waits; none when empty.
  std::string by_value = "";
  int by_value_waits = 0;
};

// `program` from the main menu into the case's topic, then at its submenu
// (the line submenu_lines.h gives the topic) every kind of choice it refuses (0, one past its last
// item, a negative number, an empty entry, a fraction short of the first item and one past the
// last), the case's item by value, its last item as a fraction, and the main menu's end item. The
// goal page shows its texts exactly, with no key wait, straight after the main menu's white box
// (and the cleared content area where the topic clears it); the submenu line stands at the bottom
// left each time it asks, and a refused choice shows nothing; the main menu
// comes back as it first stood, and its end item ends the program.
void ExpectGoalPage(const std::string& program, const GoalPageCase& c);
