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

// One item of a topic: the keys after the topic's number, how often it
// waits for a key and asks for the next step, and its last texts (all of
// them when the list is complete).
struct ItemCase {
  const char* name;
  std::string keys;
  int key_waits;
  int next_steps;
  std::vector<std::string> last_texts;  // Shift-JIS
};

// A case prints as its name in test listings.
inline void PrintTo(const ItemCase& c, std::ostream* out) {
  *out << c.name;
}

inline std::string CaseName(const ::testing::TestParamInfo<ItemCase>& info) {
  return info.param.name;
}

// The item takes exactly its keys and comes back to the submenu: one key
// fewer and it is still waiting.
inline void ExpectItem(const std::string& topic_keys, const std::string& submenu,
                       const ItemCase& c) {
  const ItemRun r = RunItem(submenu, topic_keys + " " + c.keys);
  EXPECT_EQ(r.run.ending, "script used up");
  EXPECT_EQ(r.key_waits, c.key_waits);
  EXPECT_EQ(r.next_steps, c.next_steps);
  EXPECT_EQ(r.submenus, 2);
  EXPECT_EQ(Tail(r.page_texts, c.last_texts.size()), Utf8All(c.last_texts));
  const std::string shorter = c.keys.substr(0, c.keys.rfind(' '));
  EXPECT_EQ(RunItem(submenu, topic_keys + " " + shorter).submenus, 1);
}

}  // namespace vindrel_test
