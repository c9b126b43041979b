// Items ④ to ⑧ of Almeno's first topic, driven through the player from the
// main menu: every key wait until the page is back at its submenu, what the
// page shows at its end, and the submenu again.
#include "marking_pages.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "globals.h"
#include "headless_fixture.h"
#include "item_run.h"
#include "page_reader.h"
#include "shell.h"
#include "submenu_lines.h"

namespace almeno {

namespace {

const char* const kSubmenu = SubmenuOf("almeno", 1);

// The kinds of key wait a page can stop at.
const char* const kAnyKey = "何かキーを押して下さい。";
const char* const kNextStep = "次のステップは１を入力。";
const char* const kMoveConfirm = "点を ←→で動かす。Enterキーで確定";
const char* const kMoveEnd = "点を ←→で動かす。Enterキーで終了";

struct MarkingRun {
  std::vector<std::string> waits;  // the prompts, in order (Shift-JIS names above)
  // The printer's texts on the page after the last wait ("x y colour text").
  std::vector<std::string> closing_texts;
  bool back_at_submenu = false;
  std::string ending;
};

// Opens item `item` of the topic and runs `keys` on it.
MarkingRun OpenItem(int item, const std::string& keys) {
  PlayerRun run = RunPlayer("almeno", "1 Enter " + std::to_string(item) + " Enter " + keys);
  MarkingRun out;
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

// One item on a key script that takes it back to the submenu: the prompts it
// stops at, in order, and all it shows after the last one ("x y colour
// text", Shift-JIS; "*" for an X that depends on the text's width).
struct MarkingCase {
  const char* name;
  int item;
  std::string keys;
  std::vector<std::string> waits;
  std::vector<std::string> closing_texts;
};

void PrintTo(const MarkingCase& c, std::ostream* out) {
  *out << c.name;
}

// After item ④'s last next-step prompt: a fresh line's digits and the two
// targets, nothing else (no textbook line).
const std::vector<std::string> kPositivePointsEnd = {
    "668 265 0 0",  "748 265 0 1",  "828 265 0 2",  "908 265 0 3", "988 265 0 4",
    "1068 265 0 5", "1148 265 0 6", "1228 265 0 7", "* 150 5 2",   "* 150 5 3.5"};

class MarkingItems : public ::testing::TestWithParam<MarkingCase> {};

// The item takes exactly its keys: with them it stops at its prompts, ends
// with its closing texts and comes back to the submenu; one key fewer and it
// is still waiting.
TEST_P(MarkingItems, StopAtTheirPromptsAndComeBackToTheSubmenu) {
  const MarkingCase& c = GetParam();
  const MarkingRun run = OpenItem(c.item, c.keys);
  EXPECT_EQ(run.ending, "script used up");
  EXPECT_TRUE(run.back_at_submenu);
  EXPECT_EQ(run.waits, c.waits);
  ASSERT_EQ(run.closing_texts.size(), c.closing_texts.size());
  for (size_t i = 0; i < c.closing_texts.size(); ++i) {
    EXPECT_TRUE(StepMatches(run.closing_texts[i], c.closing_texts[i]))
        << run.closing_texts[i] << " is not " << Utf8(c.closing_texts[i]);
  }
  EXPECT_FALSE(OpenItem(c.item, WithoutLastKey(c.keys)).back_at_submenu);
}

INSTANTIATE_TEST_SUITE_P(
    FirstTopic, MarkingItems,
    ::testing::Values(
        // Attempt 1 hits 2; attempt 2 is confirmed on 0; then 1 at the next
        // step.
        MarkingCase{"PositivePointsTriesUntilOne", 4,
                    "Right Right Right Right Enter 2 Enter Enter 1 Enter",
                    Join({Repeated(kMoveConfirm, 5), {kNextStep}, {kMoveConfirm}, {kNextStep}}),
                    kPositivePointsEnd},
        // The letter is ignored: one more prompt of the same attempt.
        MarkingCase{
            "PositivePointsIgnoreALetter", 4,
            "Right Right Right Right Enter 0 Enter A Enter 1 Enter",
            Join({Repeated(kMoveConfirm, 5), {kNextStep}, Repeated(kMoveConfirm, 2), {kNextStep}}),
            kPositivePointsEnd},
        // The try at -2, a key, on the full line -3.5 and then 0, then 1; a
        // key; only the textbook line after it.
        MarkingCase{"NegativePointsOneTryThenTheFullLineAndTheTextbookLine",
                    5,
                    "Left Left Left Left Enter A "
                    "Left Left Left Left Left Left Left Enter 3 Enter Enter 1 Enter A",
                    Join({Repeated(kMoveConfirm, 5),
                          {kAnyKey},
                          Repeated(kMoveEnd, 8),
                          {kNextStep},
                          {kMoveEnd},
                          {kNextStep},
                          {kAnyKey}}),
                    {"44 580 7 教科書 問5　をしなさい。"}},
        MarkingCase{"Question5RevealsTheValuesOneAKeyThenTheTextbookLine",
                    6,
                    "A A A A",
                    Repeated(kAnyKey, 4),
                    {"44 580 7 教科書 問6　をしなさい。"}},
        // "-2.5" centred over 440, 140 above the line at 320, with no key
        // after it.
        MarkingCase{"Question6EndsOnTheFourthPointWithoutAKey",
                    7,
                    "A A A A",
                    Repeated(kAnyKey, 4),
                    {"* 180 3 -2.5"}},
        MarkingCase{"PracticeAnswersEndWithTheNaturalNumbers",
                    8,
                    "A A A",
                    Repeated(kAnyKey, 3),
                    {"* 310 5 +9,6"}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(MarkingPages, PositivePointsKeepsAHitInTheNextAttempt) {
  const std::string hit_then_miss = "Right Right Right Right Enter 0 Enter A Enter 1 Enter";
  // What the learner sees before the first key of an attempt: the found
  // points' discs (radius 15) and labels on the line at y 240.
  struct Picture {
    std::vector<double> discs;
    std::vector<std::string> labels;
  };
  std::vector<Picture> attempts;  // per visit and attempt, in order
  bool drawing = false;
  const PlayerRun player =
      RunPlayer("almeno", "1 Enter 4 Enter " + hit_then_miss + " 4 Enter Enter 1 Enter");
  for (const std::string& line : player.log) {
    const std::vector<std::string> f = Fields(line);
    if (f[0] == "print" && f.size() >= 6 && f[1] == "DrawPlainText") {
      // An attempt starts after the page's heading or a next-step prompt
      // and is shown until its first notice.
      if (f[5] == Utf8(kNextStep)) {
        attempts.push_back({});
        drawing = true;
      }
      if (f[5] == Utf8(kMoveConfirm)) drawing = false;
      continue;
    }
    if (f[0] == "print" && f.size() >= 6 && f[1] == "PrintMarkup" &&
        f[5] == Utf8("復習　数直線上に,2,3.5を表す数をしるしましょう。")) {
      attempts.push_back({});
      drawing = true;
      continue;
    }
    if (!drawing) continue;
    if (f[0] == "disc" && f[2] == "240" && f[3] == "15")
      attempts.back().discs.push_back(std::stod(f[1]));
    if (f[0] == "print" && f[1] == "PrintMarkup" && f[3] == "150")
      attempts.back().labels.push_back(f[5]);
  }
  // Visit 1: attempt 1, attempt 2, the closing pictures; visit 2: attempt 1.
  ASSERT_EQ(attempts.size(), 5u);
  // Nothing is found in the first attempt of each visit: every slot lies
  // off the page (2400 right of 0).
  for (const Picture* p : {&attempts[0], &attempts[3]}) {
    EXPECT_EQ(p->discs, (std::vector<double>{3080, 3080}));
  }
  // The hit of 2 stays drawn and labelled in the next attempt.
  EXPECT_EQ(attempts[1].discs, (std::vector<double>{840, 3080}));
  ASSERT_FALSE(attempts[1].labels.empty());
  EXPECT_EQ(attempts[1].labels[0], "2");
}

// A try confirmed where it starts, a key and a point on the full line leave
// the page waiting for the rest.
TEST(MarkingPages, AScriptShortOfTheEndNeverReachesTheSubmenu) {
  EXPECT_FALSE(OpenItem(5, "Enter A Enter").back_at_submenu);
}

// ---- the answer pages, step by step ---------------------------------------------

class AnswerPagesTest : public StartedPageTest {
 protected:
  static std::string Placed(float x, float y, float colour, const std::string& sjis) {
    return ::Placed({"PrintMarkup", x, y, colour, Utf8(sjis)});
  }
  // `sjis` centred over x with its top at y.
  std::string Centred(float x, float y, float colour, const std::string& sjis) {
    return Placed(x - MarkupWidth(sjis) / 2, y, colour, sjis);
  }
  // The page's texts and key waits in order; the number line's own labels
  // (25 below the line at y 320) left out.
  std::vector<std::string> Steps() {
    std::vector<std::string> out;
    for (const Print& p : PrintsOf(Log())) {
      if (IsKeyWait(p)) out.push_back("key");
      if (p.routine == "PrintMarkup" && p.y != 345) out.push_back(::Placed(p));
    }
    return out;
  }
};

TEST_F(AnswerPagesTest, Question5ShowsTheLettersThenOneValueAKeyAboveThem) {
  std::vector<std::string> want = {Placed(44, 30, 0, "問5　点A,B,Cにあたる数をいいなさい。"),
                                   Centred(320, 230, 3, "A"), Centred(520, 230, 3, "B"),
                                   Centred(680, 230, 3, "C")};
  for (const auto& [x, value] :
       {std::pair<float, const char*>{320, "-4"}, {520, "-1.5"}, {680, "0.5"}}) {
    want.push_back("key");
    want.push_back(Centred(x, 160, 5, value));
  }
  want.push_back("key");
  want.push_back(Placed(44, 580, 7, "教科書 問6　をしなさい。"));
  ClearLog();
  Keys("A A A A");
  Question5AnswersPage();
  EXPECT_EQ(Steps(), want);
  EXPECT_EQ(Y_a(31), 320);
  std::vector<double> discs;
  for (const LoggedOp& op : Ops("disc")) {
    if (op.nums[1] == 320) discs.push_back(op.nums[0]);
  }
  EXPECT_EQ(discs, (std::vector<double>{320, 520, 680}));
}

TEST_F(AnswerPagesTest, Question6ListsTheNumbersThenPlacesThemOneAKey) {
  // The list line: each number 40 after the comma before it.
  std::vector<std::string> want = {Placed(40, 30, 3, "問6 解答")};
  const char* const numbers[] = {"-3", "ﾀ7/2ﾀ", "+4.5", "-2.5"};
  float x = 40;
  for (int k = 0; k < 4; ++k) {
    if (k > 0) {
      want.push_back(Placed(x, 100, 0, ","));
      x += MarkupWidth(",") + 40;
    }
    want.push_back(Placed(x, 100, 3, numbers[k]));
    x += MarkupWidth(numbers[k]);
  }
  want.push_back("key");
  want.push_back(Centred(400, 230, 3, "-3"));
  want.push_back("key");
  want.push_back(Centred(920, 230, 3, "ﾀ7/2ﾀ"));
  want.push_back("key");
  want.push_back(Centred(1000, 230, 3, "+4.5"));
  want.push_back("key");
  want.push_back(Centred(440, 180, 3, "-2.5"));  // 140 above the line, clear of -3
  ClearLog();
  Keys("A A A A");
  Question6AnswersPage();
  EXPECT_EQ(Steps(), want);
}

TEST_F(AnswerPagesTest, PracticeAnswersShowProblemOneAtOnceAndProblemTwoAKeyAPiece) {
  const float title = MarkupWidth("練習問題 解答"), one = MarkupWidth("1"), two = MarkupWidth("2");
  std::vector<std::string> want = {Placed(90 + (484 - title) / 2, 32, 0, "練習問題 解答"),
                                   Placed(40 + (44 - one) / 2, 120, 13, "1")};
  float x = 90;
  for (const char* piece :
       {"(1)", "+18   ", "(2)", "-36   ", "(3)", "+ﾀ1/3ﾀ   ", "(4)", "-0.8   "}) {
    want.push_back(Placed(x, 120, piece[0] == '(' ? 0 : 5, piece));
    x += MarkupWidth(piece);
  }
  want.push_back("key");
  want.push_back(Placed(40 + (44 - two) / 2, 230, 13, "2"));
  want.push_back(Placed(90, 230, 0, "負の数 "));
  want.push_back("key");
  want.push_back(Placed(90 + MarkupWidth("負の数 "), 230, 5, "-3.2, -10, -ﾀ5/6ﾀ, -1, -0.1"));
  want.push_back(Placed(90, 310, 0, "自然数 "));
  want.push_back("key");
  want.push_back(Placed(90 + MarkupWidth("自然数 "), 310, 5, "+9,6"));
  ClearLog();
  Keys("A A A");
  BelowZeroPracticeAnswers();
  EXPECT_EQ(Steps(), want);
}

}  // namespace

}  // namespace almeno
