// Items ④ to ⑧ of Almeno's first topic, driven through the player from the
// main menu: every key wait until the page is back at its submenu, what the
// page shows at its end, and the submenu again.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "headless_fixture.h"

namespace {

const char* const kSubmenu =
    "①温度計　②正負説明　③整数説明　④数直線正　⑤負　⑥問５　⑦問６　⑧練習問題　⑨終了";

// The kinds of key wait a page can stop at.
const char* const kAnyKey = "何かキーを押して下さい。";
const char* const kNextStep = "次のステップは１を入力。";
const char* const kMoveConfirm = "点を ←→で動かす。Enterキーで確定";
const char* const kMoveEnd = "点を ←→で動かす。Enterキーで終了";

struct ItemRun {
  std::vector<std::string> waits;  // the prompts, in order (Shift-JIS names above)
  // The printer's texts on the page after the last wait ("x y colour text").
  std::vector<std::string> closing_texts;
  bool back_at_submenu = false;
  std::string ending;
};

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> out;
  size_t start = 0;
  for (;;) {
    size_t tab = line.find('\t', start);
    out.push_back(line.substr(start, tab - start));
    if (tab == std::string::npos) return out;
    start = tab + 1;
  }
}

// Opens item `item` of the topic and runs `keys` on it.
ItemRun OpenItem(int item, const std::string& keys) {
  PlayerRun run = RunPlayer("almeno", "1 Enter " + std::to_string(item) + " Enter " + keys);
  ItemRun out;
  out.ending = run.ending;
  const std::vector<std::string> prompts = {kAnyKey, kNextStep, kMoveConfirm, kMoveEnd};
  int submenus = 0;
  for (const std::string& line : run.log) {
    const std::vector<std::string> f = Fields(line);
    if (f[0] != "print" || f.size() < 6) continue;
    if (f[1] == "DrawPlainText" && f[5] == Utf8(kSubmenu)) {
      if (++submenus == 2) {
        out.back_at_submenu = true;
        break;
      }
      continue;
    }
    if (submenus != 1) continue;
    bool is_wait = false;
    for (const std::string& p : prompts) {
      if (f[1] == "DrawPlainText" && f[5] == Utf8(p)) {
        out.waits.push_back(p);
        out.closing_texts.clear();
        is_wait = true;
      }
    }
    if (!is_wait && f[1] == "PrintMarkup" && std::stod(f[3]) < 900) {
      out.closing_texts.push_back(f[2] + " " + f[3] + " " + f[4] + " " + f[5]);
    }
  }
  return out;
}

std::vector<std::string> Repeated(const char* wait, int n) {
  return std::vector<std::string>(n, wait);
}

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
  std::vector<std::string> out;
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

bool Contains(const std::vector<std::string>& texts, const std::string& sjis_tail) {
  for (const std::string& t : texts) {
    if (t.size() >= Utf8(sjis_tail).size() &&
        t.compare(t.size() - Utf8(sjis_tail).size(), std::string::npos, Utf8(sjis_tail)) == 0) {
      return true;
    }
  }
  return false;
}

TEST(MarkingPages, PositivePointsTriesUntilOneThenShowsTheTargets) {
  // Attempt 1 hits 2; attempt 2 is confirmed on 0; then 1 at the next step.
  ItemRun run = OpenItem(4, "Right Right Right Right Enter 2 Enter Enter 1 Enter");
  EXPECT_EQ(run.ending, "script used up");
  EXPECT_TRUE(run.back_at_submenu);
  EXPECT_EQ(run.waits, Join({Repeated(kMoveConfirm, 5), {kNextStep}, {kMoveConfirm}, {kNextStep}}));
  // After the last wait: the fresh line's digits and the two targets, nothing
  // else (no textbook line).
  ASSERT_EQ(run.closing_texts.size(), 8u + 2);
  EXPECT_EQ(run.closing_texts[0], "668 265 0 0");
  EXPECT_TRUE(Contains({run.closing_texts[8]}, "150 5 2"));
  EXPECT_TRUE(Contains({run.closing_texts[9]}, "150 5 3.5"));
}

TEST(MarkingPages, PositivePointsKeepsAHitInTheNextAttempt) {
  ItemRun run = OpenItem(4, "Right Right Right Right Enter 0 Enter A Enter 1 Enter");
  EXPECT_TRUE(run.back_at_submenu);
  // The letter is ignored: one more prompt of the same attempt.
  EXPECT_EQ(run.waits,
            Join({Repeated(kMoveConfirm, 5), {kNextStep}, Repeated(kMoveConfirm, 2), {kNextStep}}));
}

TEST(MarkingPages, NegativePointsOneTryThenTheFullLineAndTheTextbookLine) {
  // The try at -2, a key, on the full line -3.5 and then 0, then 1; a key.
  ItemRun run = OpenItem(5,
                         "Left Left Left Left Enter A "
                         "Left Left Left Left Left Left Left Enter 3 Enter Enter 1 Enter A");
  EXPECT_EQ(run.ending, "script used up");
  EXPECT_TRUE(run.back_at_submenu);
  EXPECT_EQ(run.waits, Join({Repeated(kMoveConfirm, 5),
                             {kAnyKey},
                             Repeated(kMoveEnd, 8),
                             {kNextStep},
                             {kMoveEnd},
                             {kNextStep},
                             {kAnyKey}}));
  // Only the textbook line after the last key.
  EXPECT_EQ(run.closing_texts, std::vector<std::string>{Utf8("44 580 7 教科書 問5　をしなさい。")});
}

TEST(MarkingPages, Question5RevealsTheValuesOneAKeyThenTheTextbookLine) {
  ItemRun run = OpenItem(6, "A A A A");
  EXPECT_EQ(run.ending, "script used up");
  EXPECT_TRUE(run.back_at_submenu);
  EXPECT_EQ(run.waits, Repeated(kAnyKey, 4));
  EXPECT_EQ(run.closing_texts, std::vector<std::string>{Utf8("44 580 7 教科書 問6　をしなさい。")});
}

TEST(MarkingPages, Question6EndsOnTheFourthPointWithoutAKey) {
  ItemRun run = OpenItem(7, "A A A A");
  EXPECT_EQ(run.ending, "script used up");
  EXPECT_TRUE(run.back_at_submenu);
  EXPECT_EQ(run.waits, Repeated(kAnyKey, 4));
  ASSERT_EQ(run.closing_texts.size(), 1u);
  // "-2.5" centred over 440, 140 above the line at 320.
  EXPECT_TRUE(Contains(run.closing_texts, " 180 3 -2.5"));
}

TEST(MarkingPages, PracticeAnswersEndWithTheNaturalNumbers) {
  ItemRun run = OpenItem(8, "A A A");
  EXPECT_EQ(run.ending, "script used up");
  EXPECT_TRUE(run.back_at_submenu);
  EXPECT_EQ(run.waits, Repeated(kAnyKey, 3));
  ASSERT_EQ(run.closing_texts.size(), 1u);
  EXPECT_TRUE(Contains(run.closing_texts, " 310 5 +9,6"));
}

TEST(MarkingPages, AScriptOneKeyShortNeverReachesTheSubmenu) {
  EXPECT_FALSE(OpenItem(6, "A A A").back_at_submenu);
  EXPECT_FALSE(OpenItem(5, "Enter A Enter").back_at_submenu);
}

}  // namespace
