// Test support for Torvane's topics: one item driven from the main menu by a
// key script, read back from the operation log.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "headless_fixture.h"
#include "page_reader.h"
#include "topic_pages.h"

namespace torvane {

// How often each prompt was put up, and the texts the item printed on the
// page ("x y colour text", UTF-8) between the submenu that opened it and the
// one that follows it.
struct ItemRun {
  PlayerRun run;
  int key_waits = 0;
  int next_steps = 0;
  int notices = 0;  // number-line prompts, one per key
  int submenus = 0;
  std::vector<std::string> page_texts;
  std::vector<std::string> goal_texts;  // between the main menu and the submenu
};

// `keys` from the main menu on; `submenu` the topic's item line (Shift-JIS).
inline ItemRun RunItem(const std::string& keys, const std::string& submenu,
                       const std::string& clock = "12:00:00") {
  ItemRun r;
  r.run = RunPlayer("torvane", keys, clock);
  bool asked_menu = false;
  for (const Print& p : PrintsOf(r.run)) {
    if (p.routine == "DrawPlainText") {
      if (p.text == Utf8("何かキーを押して下さい。")) ++r.key_waits;
      if (p.text == Utf8("次のステップは１を入力。")) ++r.next_steps;
      if (p.text.find(Utf8("の移動, ENTERで次へ")) != std::string::npos) ++r.notices;
      if (p.text == Utf8(submenu)) ++r.submenus;
      if (p.text == Utf8("番号を入力して下さい。")) asked_menu = true;
      continue;
    }
    if (p.routine != "PrintMarkup" || p.text.empty()) continue;
    if (r.submenus == 0 && asked_menu) r.goal_texts.push_back(Placed(p));
    if (r.submenus == 1) r.page_texts.push_back(Placed(p));
  }
  return r;
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
