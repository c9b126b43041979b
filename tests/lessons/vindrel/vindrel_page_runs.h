// Test support for Vindrel's pages: a run of the program through the player,
// read back as the prompts put up and the texts the item printed.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "headless_fixture.h"
#include "item_run.h"
#include "page_reader.h"

namespace vindrel_test {

// Vindrel on `keys` (from the main menu on), read against the topic's
// submenu line `submenu` (Shift-JIS).
inline ItemRun RunItem(const std::string& submenu, const std::string& keys,
                       const std::string& clock = "12:00:00") {
  return ::RunItem("vindrel", keys, submenu, clock);
}

// How often the main menu was drawn in a run.
inline int MainMenus(const ItemRun& r) {
  int menus = 0;
  for (const std::string& line : r.run.log) {
    menus += line.find(Utf8("＜Vindrel　メニュー＞")) != std::string::npos;
  }
  return menus;
}

// One item of a topic from the main menu (`topic_keys`: "2 Enter"): the
// shared item check on Vindrel.
inline void ExpectItem(const std::string& topic_keys, const std::string& submenu,
                       const ItemCase& c) {
  ::ExpectItem("vindrel", topic_keys, submenu, c);
}

}  // namespace vindrel_test
