// Test support for Vindrel's pages: a run of the program through the player,
// read back from its operation log as the prompts put up and the texts the
// item printed on the page.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "headless_fixture.h"

namespace vindrel_test {

inline const char* const kWaitAnyKey = "何かキーを押して下さい。";
inline const char* const kNextStep = "次のステップは１を入力。";

inline std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> out;
  std::stringstream in(line);
  std::string field;
  while (std::getline(in, field, '\t')) out.push_back(field);
  if (!line.empty() && line.back() == '\t') out.push_back("");
  return out;
}

// How often each prompt was put up, and the texts printed on the page
// ("x y colour text", UTF-8) between the first showing of the submenu and
// the second (the item's page), and before the first (the goal page).
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
  for (const std::string& line : r.run.log) {
    const std::vector<std::string> f = Fields(line);
    if (f.size() < 6 || f[0] != "print") continue;
    const std::string& text = f[5];
    if (f[1] == "DrawPlainText") {
      if (text == Utf8(kWaitAnyKey)) ++r.key_waits;
      if (text == Utf8(kNextStep)) ++r.next_steps;
      if (text == Utf8(submenu)) ++r.submenus;
      if (text == Utf8("番号を入力して下さい。")) asked_menu = true;
      continue;
    }
    // The measuring prints go below the page.
    if (f[1] != "PrintMarkup" || std::stod(f[3]) >= 900) continue;
    const std::string placed = f[2] + " " + f[3] + " " + f[4] + " " + text;
    if (r.submenus == 0 && asked_menu) r.goal_texts.push_back(placed);
    if (r.submenus == 1) r.page_texts.push_back(placed);
  }
  return r;
}

inline std::vector<std::string> Utf8All(const std::vector<std::string>& sjis) {
  std::vector<std::string> out;
  for (const std::string& s : sjis) out.push_back(Utf8(s));
  return out;
}

template <typename T>
std::vector<T> Tail(const std::vector<T>& v, size_t n) {
  return n > v.size() ? v : std::vector<T>(v.end() - n, v.end());
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
