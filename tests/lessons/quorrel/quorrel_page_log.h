// Reading Quorrel's pages from a player run: what an item put on the page,
// in order, with its key waits and next-step prompts between the texts.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "headless_fixture.h"
#include "page_reader.h"

namespace quorrel_test {

// `n` keys of every kind: any key advances a page, Enter and the arrows too.
inline std::string AnyKeys(int n) {
  const char* const kinds[] = {"Space", "Enter", "Right", "Left", "x", "5"};
  std::string keys;
  for (int i = 0; i < n; ++i) keys += std::string(" ") + kinds[i % 6];
  return keys;
}

// The steps of the item chosen at the first submenu prompt of `submenu`
// (Shift-JIS), up to the next one: "x y colour text" for every markup print
// on the page (UTF-8), "W" for a press-a-key prompt, "N" for a next-step
// prompt.
inline std::vector<std::string> ItemSteps(const PlayerRun& run, const std::string& submenu) {
  std::vector<std::string> steps;
  const std::string items = Utf8(submenu);
  int asked = 0;
  for (const Print& p : PrintsOf(run)) {
    if (p.routine == "DrawPlainText" && p.text == items) {
      if (++asked == 2) break;
      continue;
    }
    if (asked != 1) continue;
    if (p.routine == "DrawPlainText") {
      if (p.text == Utf8("何かキーを押して下さい。")) steps.push_back("W");
      if (p.text == Utf8("次のステップは１を入力。")) steps.push_back("N");
    } else if (p.routine == "PrintMarkup" && !p.text.empty()) {
      steps.push_back(Placed(p));
    }
  }
  return steps;
}

inline int Count(const std::vector<std::string>& steps, const std::string& step) {
  int n = 0;
  for (const std::string& s : steps) n += s == step;
  return n;
}

// The first of `expected` (Shift-JIS; "W" for a key wait between) that does
// not come in this order in `steps`; empty when all do.
inline std::string FirstOutOfOrder(const std::vector<std::string>& steps,
                                   const std::vector<std::string>& expected) {
  size_t at = 0;
  for (const std::string& e : expected) {
    const std::string want = Utf8(e);
    while (at < steps.size() && steps[at] != want) ++at;
    if (at == steps.size()) return want;
    ++at;
  }
  return "";
}

// One item of a topic: the keys after it is chosen, its key waits, and the
// steps it must show in this order.
struct ItemCase {
  const char* item;
  std::string keys;
  int waits;
  std::vector<std::string> steps;
};

// Each item chosen from the main menu's `topic`: its steps in order, exactly
// its key waits, no key wait after its last text, and the submenu again.
inline void ExpectEveryItem(const std::string& topic, const std::string& submenu,
                            const std::vector<ItemCase>& cases) {
  for (const ItemCase& c : cases) {
    SCOPED_TRACE(c.item);
    const PlayerRun run = RunPlayer("quorrel", topic + " Enter " + c.item + " Enter" + c.keys);
    EXPECT_EQ(run.ending, "script used up");
    const std::vector<std::string> steps = ItemSteps(run, submenu);
    EXPECT_EQ(Count(steps, "W"), c.waits);
    ASSERT_FALSE(steps.empty());
    EXPECT_NE(steps.back(), "W");
    EXPECT_EQ(FirstOutOfOrder(steps, c.steps), "");
    // The submenu is asked again under the finished page.
    int asked = 0;
    for (const Print& p : PrintsOf(run)) asked += p.text == Utf8(submenu);
    EXPECT_EQ(asked, 2);
  }
}

// The goal page drawn on entry with its aims, and the submenu at once.
inline void ExpectGoalPage(const std::string& topic, const std::string& submenu,
                           const std::vector<std::string>& aims) {
  const PlayerRun run = RunPlayer("quorrel", topic + " Enter");
  std::vector<std::string> prints;
  for (const Print& p : PrintsOf(run)) prints.push_back(Placed(p));
  std::vector<std::string> want = {"44 240 3 <めあて>"};
  for (size_t i = 0; i < aims.size(); ++i) {
    want.push_back("76 " + std::to_string(305 + 65 * i) + " 0 " + aims[i]);
  }
  want.push_back("16 666 0 " + submenu);
  EXPECT_EQ(FirstOutOfOrder(prints, want), "");
  for (const Print& p : PrintsOf(run)) EXPECT_NE(p.text, Utf8("何かキーを押して下さい。"));
}

}  // namespace quorrel_test
