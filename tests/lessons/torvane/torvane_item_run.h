// Test support for Torvane's topics: one item driven from the main menu by a
// key script, read back from the operation log.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "headless_fixture.h"
#include "item_run.h"
#include "page_reader.h"
#include "topic_pages.h"

namespace torvane {

// `keys` from the main menu on; `submenu` the topic's item line (Shift-JIS).
// The texts leave out empty prints.
inline ItemRun RunItem(const std::string& keys, const std::string& submenu,
                       const std::string& clock = "12:00:00") {
  return ::RunItem("torvane", keys, submenu, clock, EmptyTexts::kLeftOut);
}

// The keys of one move on the number line: as many arrow presses as the
// move's size, towards its sign, then Enter.
inline std::string Move(int units) {
  return Repeat(units > 0 ? "Right" : "Left", units > 0 ? units : -units) + "Enter ";
}

// One item of a topic: its keys from the submenu on, and what it shows.
struct ItemCase {
  const char* name;
  std::string keys;  // the item's number and every key it takes
  int key_waits;
  int next_steps;
  int notices;                          // number-line prompts
  std::vector<std::string> last_texts;  // the item's last texts, Shift-JIS
};

// A case prints as its name in test listings.
inline void PrintTo(const ItemCase& c, std::ostream* out) {
  *out << c.name;
}

// Runs the item from the main menu (`topic`: "1 Enter" and so on): it takes
// all its keys, shows its prompts as often as the case says, ends with the
// case's last texts and comes back to the submenu; one key fewer and it is
// still waiting.
inline void ExpectItem(const std::string& topic, const std::string& submenu, const ItemCase& c) {
  const ItemRun r = RunItem(topic + " " + c.keys, submenu);
  EXPECT_EQ(r.run.ending, "script used up");
  EXPECT_EQ(r.key_waits, c.key_waits);
  EXPECT_EQ(r.next_steps, c.next_steps);
  EXPECT_EQ(r.notices, c.notices);
  // The submenu once on entry and once more under the finished page.
  EXPECT_EQ(r.submenus, 2);
  const size_t n = std::min(c.last_texts.size(), r.page_texts.size());
  EXPECT_EQ(std::vector<std::string>(r.page_texts.end() - n, r.page_texts.end()),
            Utf8All(c.last_texts));
  EXPECT_EQ(RunItem(topic + " " + topic_pages::WithoutLastKey(c.keys), submenu).submenus, 1);
}

inline std::string ItemName(const ::testing::TestParamInfo<ItemCase>& info) {
  return info.param.name;
}

}  // namespace torvane
