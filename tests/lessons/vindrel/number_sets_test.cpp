// Vindrel's topic on the sets of numbers: the two items driven from the
// main menu, the rows of the four operations with fixed and typed pairs
// (whole, decimal, refused and zero-denominator entries), and the nested
// sets figure.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "headless_fixture.h"
#include "item_run.h"
#include "layout_cursor.h"
#include "log_lines.h"
#include "page_pixels.h"
#include "page_reader.h"
#include "powers_sets_pages.h"
#include "shell.h"
#include "submenu_lines.h"

namespace vindrel {
namespace {

const char* const kSubmenu = SubmenuOf("vindrel", 4);

class NumberSetsItems : public ::testing::TestWithParam<ItemCase> {};

TEST_P(NumberSetsItems, TakesItsKeysAndComesBackToTheSubmenu) {
  ExpectItem("vindrel", "4 Enter", kSubmenu, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    EveryItem, NumberSetsItems,
    ::testing::Values(
        // The two fixed pairs (sixteen keys), one typed pair 6 and 4 (four
        // keys), 1 at the next step, then nine keys to the end.
        ItemCase{
            "FourOperations",
            "1 Enter " + Repeat("a", 16) + "6 Enter 4 Enter a a a a 1 Enter " + Repeat("a", 8) +
                "a",
            29,
            1,
            {"936 450 13 自然数", "860 500 15 1,2,3,…", "40 430 3 自然数の集合",
             "244 430 0 …自然数全体の集まり", "40 480 3 整数の集合",
             "210 480 0 …自然数と0と負の整数の集まり", "40 530 3 数全体の集合",
             "244 530 0 …整数,小数,分数の集まり", "40 590 7 教科書P45「ひろげよう」をやろう。"}},
        // Thirteen keys: twelve marks, then the figure and its summary lines.
        ItemCase{"ClosureTable",
                 "2 Enter " + Repeat("a", 12) + "a",
                 13,
                 0,
                 {"899 70 13 数全体", "740 130 15 …,-ﾀ1/2ﾀ,-0.3,0.2,ﾀ1/3ﾀ…", "910 200 13 整数",
                  "760 250 15 …,-3,-2,-1,0", "896 320 13 自然数", "820 370 15 1,2,3,…",
                  "780 70 13 数全体…四則計算", "780 200 13 整数…加法,減法,乗法",
                  "800 320 13 自然数…加法,乗法"}}),
    ItemCaseName);

TEST(NumberSetsTopic, ClosureMarksOneAKeyInReadingOrderWithThePenLeftAt5) {
  const ItemRun r = RunItem("vindrel", "4 Enter 2 Enter " + Repeat("a", 13), kSubmenu);
  std::vector<std::string> marks;
  for (const Print& p : PrintsOf(r.run)) {
    if (p.text == Utf8("○") || p.text == Utf8("△")) marks.push_back(p.text);
  }
  EXPECT_EQ(marks, Utf8All({"○", "△", "○", "△", "○", "○", "○", "△", "○", "○", "○", "○"}));
  // Every cell and box of the page at the pen width 5.
  int boxes_at_5 = 0;
  for (const std::string& line : r.run.log) {
    const std::vector<std::string> f = Fields(line);
    boxes_at_5 += f[0] == "box" && f[8] == "5";
  }
  // The table's cells, the marks' cells, the three boxes, the top border of
  // the outer one drawn again and the three summary strips.
  EXPECT_EQ(boxes_at_5, 5 + 3 * 5 + 12 + 3 + 1 + 3);
}

TEST(NumberSetsTopic, TypedPairsOnThePageNeverReachTheErrorScreen) {
  // 5/0 and 100 are asked again; 0.1 and 0.9 give the quotient 1/9; then a
  // whole pair, 8 and 6, gives 4/3 in the same rows.
  const ItemRun r =
      RunItem("vindrel",
              "4 Enter 1 Enter " + Repeat("a", 16) +
                  "5 / 0 Enter 0 . 1 Enter 1 0 0 Enter 0 . 9 Enter " + Repeat("a", 4) +
                  "2 Enter 8 Enter 6 Enter " + Repeat("a", 4) + "1 Enter " + Repeat("a", 9),
              kSubmenu);
  EXPECT_EQ(r.run.ending, "script used up");
  EXPECT_EQ(r.submenus, 2);
  EXPECT_EQ(r.next_steps, 2);
  std::vector<std::string> quotients;
  for (const Print& p : PrintsOf(r.run)) {
    if (p.routine == "PrintMarkup" && p.x >= 1099 && p.y == 215) quotients.push_back(p.text);
  }
  EXPECT_EQ(quotients, Utf8All({"③", "ﾀ5/2ﾀ", "③", "ﾀ2/5ﾀ", "③", "ﾀ1/9ﾀ", "③", "ﾀ4/3ﾀ"}));
}

TEST(NumberSetsTopic, ATypedFractionIsShownAsItsExactValueRounded) {
  // 200/3 is 66.666666...: its boxes show 66.66667, as its sum and product
  // do, never single precision's 66.66666.
  const ItemRun r = RunItem(
      "vindrel", "4 Enter 1 Enter " + Repeat("x", 16) + "2 0 0 / 3 Enter 1 Enter " + Repeat("x", 4),
      kSubmenu);
  EXPECT_EQ(r.run.ending, "script used up");
  std::vector<std::string> firsts, results;
  for (const Print& p : PrintsOf(r.run)) {
    if (p.routine != "PrintMarkup" || p.y > 215 || p.text.find(".6666") == std::string::npos) {
      continue;
    }
    (p.x < 940 ? firsts : results).push_back(p.text);
  }
  // Once when typed, once when the results begin, in each of the four rows.
  EXPECT_EQ(firsts, std::vector<std::string>(8, "66.66667"));
  EXPECT_EQ(results, (std::vector<std::string>{"67.66667", "65.66667", "66.66667"}));
}

// ---- the rows of the four operations, in-process -----------------------------

class OperationRows : public StartedPageTest {
 protected:
  void SetUp() override {
    StartedPageTest::SetUp();
    OperationBoxes();
    ClearLog();
  }

  // The texts printed in the result boxes (X 1099 on), in order.
  std::vector<std::string> Results() {
    std::vector<std::string> out;
    for (const LoggedOp& op : PagePrints()) {
      if (op.face == "PrintMarkup" && op.nums[0] >= 1099) out.push_back(op.text);
    }
    return out;
  }
  // How often a prompt was put up.
  int Prompts(const std::string& sjis) {
    int n = 0;
    for (const LoggedOp& op : PagePrints()) n += op.text == Utf8(sjis);
    return n;
  }
};

TEST_F(OperationRows, TwelveBoxesInFourRowsOfOneColumnLayout) {
  const float rows[] = {30, 85, 140, 215};
  for (int row = 1; row <= 4; ++row) {
    SCOPED_TRACE(row);
    EXPECT_EQ(X_a(3 * row - 2), 880);
    EXPECT_EQ(X_a(3 * row - 1), 987);
    EXPECT_EQ(X_a(3 * row), 1099);
    for (int box = 0; box < 3; ++box) EXPECT_EQ(Y_a(3 * row - 2 + box), rows[row - 1]);
  }
}

struct PairCase {
  float first, second;
  std::vector<std::string> results;  // sum, difference, product, quotient (Shift-JIS)
};

TEST_F(OperationRows, EachPairGivesItsFourResultsExactlyAsItsBoxesShowIt) {
  const PairCase cases[] = {
      {5, 2, {"7", "3", "10", "ﾀ5/2ﾀ"}},
      {2, 5, {"7", "-3", "10", "ﾀ2/5ﾀ"}},
      {6, 4, {"10", "2", "24", "ﾀ3/2ﾀ"}},
      {6, 3, {"9", "3", "18", "2"}},
      {7, 1, {"8", "6", "7", "7"}},
      {7, 7, {"14", "0", "49", "1"}},
      {99, 99, {"198", "0", "9801", "1"}},
      {1, 99, {"100", "-98", "99", "ﾀ1/99ﾀ"}},
      // Numbers with decimals are taken exactly as their boxes show them:
      // 0.1 and 0.9 give 1/9, 99.9 and 0.7 give 999/7.
      {0.1f, 0.9f, {"1", "-.8", ".09", "ﾀ1/9ﾀ"}},
      {99.9f, 0.7f, {"100.6", "99.2", "69.93", "ﾀ999/7ﾀ"}},
      {0.5f, 0.5f, {"1", "0", ".25", "1"}},
      {1.5f, 2, {"3.5", "-.5", "3", "ﾀ3/4ﾀ"}},
  };
  for (const PairCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.first) + " " + std::to_string(c.second));
    ClearLog();
    T(1) = c.first;
    T(2) = c.second;
    Keys("a a a a");
    OperationResults();
    EXPECT_EQ(Results(), Utf8All(c.results));
  }
}

// The keys of an entry: "1/3" is "1 / 3 Enter".
std::string EntryKeys(const std::string& entry) {
  std::string keys;
  for (char c : entry) keys += std::string(1, c) + " ";
  return keys + "Enter ";
}

// Typed pairs are computed exactly as typed: no single-precision rounding in
// the sum, difference or product, and the quotient in lowest terms of the
// exact fraction, also for typed fractions.
TEST_F(OperationRows, TypedPairsGiveExactResults) {
  struct Case {
    const char* first;
    const char* second;
    std::vector<std::string> results;  // sum, difference, product, quotient
  };
  const Case cases[] = {
      {"33.3", "3", {"36.3", "30.3", "99.9", "ﾀ111/10ﾀ"}},
      {"9.9", "9.9", {"19.8", "0", "98.01", "1"}},
      {"99.9", ".1", {"100", "99.8", "9.99", "999"}},
      {"99.9", "99", {"198.9", ".9", "9890.1", "ﾀ111/110ﾀ"}},
      {"1/3", "3", {"3.333333", "-2.666667", "1", "ﾀ1/9ﾀ"}},
      {"2/3", "1/3", {"1", ".3333333", ".2222222", "2"}},
      {"0.1", "0.9", {"1", "-.8", ".09", "ﾀ1/9ﾀ"}},
      {"99.9", ".7", {"100.6", "99.2", "69.93", "ﾀ999/7ﾀ"}},
      {"1.5/.3", "2", {"7", "3", "10", "ﾀ5/2ﾀ"}},
      {"1/7", "7", {"7.142857", "-6.857143", "1", "ﾀ1/49ﾀ"}},
      {"200/3", "1", {"67.66667", "65.66667", "66.66667", "ﾀ200/3ﾀ"}},
      // Rounded to seven digits, halves away from zero.
      {"1.0000005", "1", {"2.000001", ".0000005", "1.000001", "ﾀ2000001/2000000ﾀ"}},
      {".0000001", "99", {"99", "-99", ".0000099", "ﾀ1/990000000ﾀ"}},
      // Whole pairs as always.
      {"5", "2", {"7", "3", "10", "ﾀ5/2ﾀ"}},
      {"6", "4", {"10", "2", "24", "ﾀ3/2ﾀ"}},
      {"7", "7", {"14", "0", "49", "1"}},
      {"99", "99", {"198", "0", "9801", "1"}},
      {"1", "99", {"100", "-98", "99", "ﾀ1/99ﾀ"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.first) + " and " + c.second);
    Keys(EntryKeys(c.first) + EntryKeys(c.second) + "a a a a");
    const TypedPair typed = AskTwoNumbers();
    ClearLog();
    OperationResults(typed);
    EXPECT_EQ(Results(), Utf8All(c.results));
  }
}

// However long a typed number or its result, every glyph and line of it
// stays between the sides of its box, clear of the signs beside the box; the
// texts of whole pairs fit and keep their whole magnifications.
TEST_F(OperationRows, EveryTextStaysInsideItsBox) {
  struct Case {
    const char* first;
    const char* second;
    bool narrowed;  // some text of the pair is wider than its box
  };
  const Case cases[] = {
      {"33.3", "3", true},
      {"1/3", "3", true},
      {"99.99999", "0.0001", true},
      {"12.5/3.7", ".0000001", true},
      {"99.9", ".7", true},
      {"1/7", "7", true},
      {"5", "2", false},
      {"99", "99", false},
      {"1", "99", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.first) + " and " + c.second);
    Keys(EntryKeys(c.first) + EntryKeys(c.second) + "a a a a");
    ClearLog();
    OperationResults(AskTwoNumbers());
    bool narrowed = false;
    int marks = 0;
    for (const Mark& m : MarksOf(OnPage(Log()))) {
      if (m.y >= 600) continue;  // the prompts and key waits below the rows
      ++marks;
      narrowed = narrowed || m.hmag != static_cast<int>(m.hmag);
      // The box the mark starts in: 60 or 120 wide, from 2 above to 46 below
      // its text line, or from 13 above to 57 below in the quotient row.
      int box = 0;
      for (int k = 1; k <= 12 && box == 0; ++k) {
        const double width = k % 3 == 0 ? 120 : 60;
        const double above = k > 9 ? 13 : 2, below = k > 9 ? 57 : 46;
        if (m.left >= X_a(k) && m.left < X_a(k) + width && m.y >= Y_a(k) - above &&
            m.y <= Y_a(k) + below) {
          box = k;
        }
      }
      ASSERT_NE(box, 0) << m.text << " at " << m.left << " " << m.y;
      const double width = box % 3 == 0 ? 120 : 60;
      EXPECT_GE(m.left, X_a(box) + 1) << m.text << " in box " << box;
      EXPECT_LE(m.right, X_a(box) + width - 1) << m.text << " in box " << box;
    }
    EXPECT_GT(marks, 12);
    EXPECT_EQ(narrowed, c.narrowed);
  }
}

TEST_F(OperationRows, AnEntryWorthExactly100IsAskedAgain) {
  // 30/.3 is 100, though single precision makes it 99.99999.
  Keys("3 0 / . 3 Enter 5 Enter 2 Enter");
  const TypedPair typed = AskTwoNumbers();
  EXPECT_EQ(Prompts("①　を入力して下さい。"), 2);
  EXPECT_EQ(typed.first, (ExactFraction{5, 1}));
  EXPECT_EQ(T(1), 5);
}

// Each typed number is shown from its exact value, rounded to seven digits
// as the results are; an entry whose value or shown text is not strictly
// between 0 and 100 is asked again (then 5 is typed and taken).
TEST_F(OperationRows, TypedNumbersAreShownExactlyRoundedOrAskedAgain) {
  struct Case {
    const char* typed;
    const char* shown;  // in the four boxes ①; "5" when the entry is asked again
    bool taken;
  };
  const Case cases[] = {
      {"200/3", "66.66667", true},
      {"1/3", ".3333333", true},
      {"2/3", ".6666667", true},
      {"33.3", "33.3", true},
      {"99.999994", "99.99999", true},
      {"1/2", ".5", true},
      {"99", "99", true},
      {"7", "7", true},
      {".0000001", ".0000001", true},
      {"99.999997", "5", false},
      {"100", "5", false},
      {"100/1", "5", false},
      {"30/.3", "5", false},
      {"0", "5", false},
      {"0/5", "5", false},
      {"5/0", "5", false},
      {"/", "5", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    ClearLog();
    Keys(EntryKeys(c.typed) + (c.taken ? "" : "5 Enter ") + "2 Enter");
    AskTwoNumbers();
    EXPECT_EQ(Prompts("①　を入力して下さい。"), c.taken ? 1 : 2);
    std::vector<std::string> firsts;
    for (const LoggedOp& op : PagePrints()) {
      if (op.face == "PrintMarkup" && op.nums[0] >= 880 && op.nums[0] < 940) {
        firsts.push_back(op.text);
      }
    }
    EXPECT_EQ(firsts, std::vector<std::string>(4, c.shown));
    EXPECT_EQ(T_s(1), c.shown);
  }
}

TEST_F(OperationRows, RefusedAndZeroDenominatorEntriesAreAskedAgain) {
  // ①: 0, 100, empty, -3 and 5/0 (worth 0) are refused; 99 is taken. ②:
  // 1/2 is worth 0.5 and taken.
  Keys("0 Enter 1 0 0 Enter Enter - 3 Enter 5 / 0 Enter 9 9 Enter 1 / 2 Enter");
  AskTwoNumbers();
  EXPECT_EQ(T(1), 99);
  EXPECT_EQ(T(2), 0.5f);
  EXPECT_EQ(Prompts("①　を入力して下さい。"), 6);
  EXPECT_EQ(Prompts("② を入力して下さい。"), 1);
  // Both prompts stand at (800, 648).
  for (const LoggedOp& op : PagePrints()) {
    if (op.text == Utf8("①　を入力して下さい。") || op.text == Utf8("② を入力して下さい。")) {
      EXPECT_EQ(op.nums[0], 800);
      EXPECT_EQ(op.nums[1], 648);
    }
  }
}

TEST_F(OperationRows, ARefusedSecondNumberLeavesTheFirstInItsBoxes) {
  Keys("6 Enter 0 Enter 4 Enter");
  AskTwoNumbers();
  EXPECT_EQ(Prompts("①　を入力して下さい。"), 1);
  EXPECT_EQ(Prompts("② を入力して下さい。"), 2);
  int firsts = 0;
  for (const LoggedOp& op : PagePrints()) firsts += op.face == "PrintMarkup" && op.text == "6";
  EXPECT_EQ(firsts, 4);
}

// ---- the sets figure ----------------------------------------------------------------

class SetsFigure : public StartedPageTest {
 protected:
  std::vector<std::string> Boxes() {
    std::vector<std::string> out;
    for (const LoggedOp& op : Ops("box")) out.push_back(op.Line());
    return out;
  }
};

TEST_F(SetsFigure, TheThreeBoxesNestFromTheCornerGiven) {
  X_a(1) = 760;
  Y_a(1) = 200;
  SetsFigureLayout();
  AllNumbersBox();
  IntegersBox();
  NaturalNumbersBox();
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"box\t760\t200\t1220\t620\t11\t10\t15\t3",
                                               "box\t780\t320\t1200\t598\t11\t6\t15\t3",
                                               "box\t800\t440\t1180\t576\t11\t8\t15\t3"}));
}

TEST_F(SetsFigure, TheInnerBoxAloneStandsAtItsNestedPlace) {
  X_a(1) = 720;
  Y_a(1) = 70;
  SetsFigureLayout();
  NaturalNumbersBox();
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"box\t760\t310\t1140\t446\t11\t8\t15\t3"}));
  std::vector<std::string> texts;
  for (const LoggedOp& op : PagePrints()) {
    texts.push_back(std::to_string(static_cast<int>(op.nums[0])) + " " +
                    std::to_string(static_cast<int>(op.nums[1])) + " " + op.text);
  }
  EXPECT_EQ(texts, Utf8All({"896 320 自然数", "820 370 1,2,3,…"}));
}

// The summary strip of the all-numbers box starts inside its border, but the
// name it replaces reaches into the border: once the new name stands, the top
// border looks as if the box and the new name had been drawn on a clean page.
TEST_F(SetsFigure, TheSummaryLineLeavesNoTraceOfTheOldNameOnTheBorder) {
  Keys(Repeat("a", 13));
  ClosureTable();
  auto border = [&] {
    std::vector<uint32_t> pixels;
    for (int y = 66; y < 78; ++y) {
      for (int x = 720; x < 1180; ++x) pixels.push_back(backend().page().Pixel(x, y));
    }
    return pixels;
  };
  const std::vector<uint32_t> after_the_page = border();
  FE_SETDRAWWIDTH(5);
  PsBOX(720, 70, 1180, 490, 11, 10);
  PrintAt("数全体…四則計算", 780, 70, 13);
  EXPECT_EQ(after_the_page, border());
}

}  // namespace
}  // namespace vindrel
