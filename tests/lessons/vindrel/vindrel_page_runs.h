// Test support for Vindrel's pages: a run of the program through the player,
// read back as the prompts put up and the texts the item printed.
#pragma once

#include <string>
#include <vector>

#include "headless_fixture.h"
#include "page_reader.h"

namespace vindrel_test {

inline const char* const kWaitAnyKey = "何かキーを押して下さい。";
inline const char* const kNextStep = "次のステップは１を入力。";

// How often each prompt was put up, and the texts printed on the page
// ("x y colour text", UTF-8): before the first showing of the submenu (the
// goal page) and between its first and second showing (the item's page).
struct ItemRun {
  PlayerRun run;
  int key_waits = 0;
  int next_steps = 0;
  int submenus = 0;
  std::vector<std::string> goal_texts;
  std::vector<std::string> page_texts;
};

inline ItemRun RunItem(const std::string& submenu, const std::string& keys,
                       const std::string& clock = "12:00:00") {
  ItemRun r;
  r.run = RunPlayer("vindrel", keys, clock);
  bool asked_menu = false;
  for (const Print& p : PrintsOf(r.run)) {
    if (p.routine == "DrawPlainText") {
      r.key_waits += p.text == Utf8(kWaitAnyKey);
      r.next_steps += p.text == Utf8(kNextStep);
      r.submenus += p.text == Utf8(submenu);
      asked_menu = asked_menu || p.text == Utf8("番号を入力して下さい。");
      continue;
    }
    if (p.routine != "PrintMarkup") continue;
    if (r.submenus == 0 && asked_menu) r.goal_texts.push_back(Placed(p));
    if (r.submenus == 1) r.page_texts.push_back(Placed(p));
  }
  return r;
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
