#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "addition_layouts.h"
#include "answer_columns.h"
#include "answer_reveal.h"
#include "example_loop.h"
#include "explanation_page.h"
#include "expression_texts.h"
#include "globals.h"
#include "goal_page.h"
#include "headless_fixture.h"
#include "layout_cursor.h"
#include "number_line_keys.h"
#include "page_faces.h"
#include "practice_answers.h"
#include "practice_layouts.h"
#include "shell.h"
#include "textbook_answers.h"

namespace {

class PageConstructsTest : public StartedPageTest {
 protected:
  // x, y and colour of each markup print on the page, with its text.
  struct Print {
    double x, y, colour;
    std::string text;
    bool operator==(const Print&) const = default;
  };
  std::vector<Print> Prints() {
    std::vector<Print> out;
    for (const LoggedOp& op : PagePrints()) {
      if (op.face == "PrintMarkup") out.push_back({op.nums[0], op.nums[1], op.nums[2], op.text});
    }
    return out;
  }
};

TEST_F(PageConstructsTest, SayMovesTheCursorContinueGoesOnFromItPrintAtLeavesIt) {
  XI2 = 7;
  YI1 = 8;
  PrintAt("12", 100, 50, 3);
  EXPECT_EQ(XI2, 7);
  EXPECT_EQ(YI1, 8);
  Say("12", 100, 50, 3);
  const float end = X;
  EXPECT_GT(end, 100);
  EXPECT_EQ(XI2, end);
  EXPECT_EQ(YI1, 50);
  Continue("ﾀ1/2ﾀ", 5);
  EXPECT_GT(XI2, end);
  Say("3", XI1 = 44, YI1 + 60, 0);
  const std::vector<Print> want = {
      {100, 50, 3, "12"}, {100, 50, 3, "12"}, {end, 50, 5, Utf8("ﾀ1/2ﾀ")}, {44, 110, 0, "3"}};
  EXPECT_EQ(Prints(), want);
}

TEST_F(PageConstructsTest, GoalPagePutsEachAimALineStepBelowAndReturnsWithoutAKey) {
  // No key is queued: a key wait would end the test with the script used up.
  GoalPage(32, {{"1 一"}, {"2 二", 60}, {"※ 注", 50, 7}});
  const std::vector<Print> want = {{44, 240, 3, Utf8("<めあて>")},
                                   {76, 305, 0, Utf8("1 一")},
                                   {76, 365, 0, Utf8("2 二")},
                                   {76, 415, 7, Utf8("※ 注")}};
  EXPECT_EQ(Prints(), want);
  EXPECT_EQ(XI1, 44);
  EXPECT_EQ(YI1, 415);
}

TEST_F(PageConstructsTest, ExplanationPageBlanksItsSizeAndSetsTheMargins) {
  ExplanationPage(1760, 1800, 48, 18);
  EXPECT_EQ(Ops("box").front().nums, (std::vector<double>{0, 0, 1760, 1800, 15, 15, 15, 3}));
  EXPECT_EQ(XI1, 48);
  EXPECT_EQ(YI1, 18);
  ClearLog();
  TextbookAnswersPage("問6 解答", 40, 30);
  EXPECT_EQ(Ops("box").front().nums, (std::vector<double>{0, 0, 1760, 1300, 15, 15, 15, 3}));
  EXPECT_EQ(Prints(), (std::vector<Print>{{40, 30, 3, Utf8("問6 解答")}}));
  EXPECT_EQ(XI1, 40);
}

// A page opening blanks its box and sets the margins it names; the same
// margins set mid-page draw nothing.
TEST_F(PageConstructsTest, PageOpeningAndMarginsSetOnlyTheMarginsTheyName) {
  struct Case {
    const char* what;
    PageOpening page;
    float xi0, xi1, yi1;
  };
  const Case cases[] = {
      {"size only", {.width = 1320, .height = 2000}, 7, 8, 9},
      {"label column and indent", {.left = 40, .indent = 54, .top = 30}, 40, 94, 30},
      {"indent from the kept label column", {.indent = 27}, 7, 34, 9},
      {"text margin alone", {.margin = 44, .top = 18}, 7, 44, 18},
      {"label column and text margin", {.left = 30, .margin = 60}, 30, 60, 9},
      {"text margin given outright wins over the indent", {.indent = 54, .margin = 44}, 7, 44, 9},
  };
  for (const Case& c : cases) {
    for (const bool opening : {true, false}) {
      SCOPED_TRACE(std::string(c.what) + (opening ? ", page opening" : ", mid-page"));
      XI0 = 7;
      XI1 = 8;
      YI1 = 9;
      ClearLog();
      if (opening) {
        OpenPage(c.page);
        EXPECT_EQ(Ops("box").front().nums,
                  (std::vector<double>{0, 0, c.page.width, c.page.height, 15, 15, 15, 3}));
      } else {
        SetMargins({.left = c.page.left,
                    .indent = c.page.indent,
                    .margin = c.page.margin,
                    .top = c.page.top});
        EXPECT_TRUE(Log().empty());
      }
      EXPECT_EQ(XI0, c.xi0);
      EXPECT_EQ(XI1, c.xi1);
      EXPECT_EQ(YI1, c.yi1);
    }
  }
}

TEST_F(PageConstructsTest, BandBlanksOnlyBelowItsTop) {
  BlankBand(268, 1320, 2000);
  EXPECT_EQ(Ops("box").front().nums, (std::vector<double>{0, 268, 1320, 2268, 15, 15, 15, 3}));
}

TEST_F(PageConstructsTest, AnswerBoxAtAGivenCornerIsFilledThere) {
  Say("-", 44, 258, 3);
  EmptyAnswerBoxAt(XI2 + 10, 258, 88);
  const float corner = X11;
  EXPECT_EQ(Y11, 258);
  EXPECT_EQ(XI2, corner + 88);
  EXPECT_EQ(YI1, 258);
  Keys("a");
  WaitAnyKey();
  FillAnswerBox(88, "12");
  std::vector<double> corners;
  for (const LoggedOp& op : Ops("box")) {
    if (op.nums[5] == 13) corners.push_back(op.nums[0]);
  }
  EXPECT_EQ(corners, (std::vector<double>{corner, corner}));
  EXPECT_EQ(Prints().back(), (Print{Prints().back().x, 259, 5, "12"}));  // centred in 46
}

TEST_F(PageConstructsTest, SignedNumbersTakeTheirSizeThenTheirSignDraw) {
  for (float largest : {9.0f, 12.0f}) {
    PaRandomize(7);
    std::vector<float> draws;
    for (int i = 0; i < 2000; ++i) draws.push_back(PaRnd());
    PaRandomize(7);
    int negative = 0;
    for (int i = 0; i < 1000; ++i) {
      float sign_draw = 0;
      const float n = DrawSignedNumber(largest, sign_draw);
      const float size = PnFInt(draws[2 * i] * largest + 1);
      EXPECT_EQ(sign_draw, PnFInt(draws[2 * i + 1] * 2 + 1));
      EXPECT_EQ(n, sign_draw == 1 ? -size : size);
      EXPECT_TRUE(size >= 1 && size <= largest);
      negative += n < 0;
    }
    EXPECT_GT(negative, 400);
    EXPECT_LT(negative, 600);
  }
}

TEST_F(PageConstructsTest, PlusSignsGoOnlyBeforePositiveTextsInTheRange) {
  const float values[] = {3, -5, 0, 7, 8};
  for (int i = 1; i <= 5; ++i) T(i) = values[i - 1];
  TablesToTextAndKeyChoice();
  PlusSignTexts(2, 4);
  EXPECT_EQ((std::vector<std::string>{T_s(1), T_s(2), T_s(3), T_s(4), T_s(5)}),
            (std::vector<std::string>{"3", "-5", "0", "+7", "8"}));
}

TEST_F(PageConstructsTest, AnswerBoxIsFilledWhereItWasDrawnEmptyEvenWithTextAfterIt) {
  XI1 = 44;
  Say("(1) -5", 44, 100, 0);
  const float corner = XI2;
  EmptyAnswerBox(torvane::kSignBox);
  EXPECT_EQ(X11, corner);
  EXPECT_EQ(Y11, 100);
  EXPECT_EQ(XI2, corner + 44);
  Say("の符号", XI2 + 10, YI1, 0);
  Keys("Space");
  WaitAnyKey();
  ClearLog();
  FillAnswerBox(torvane::kSignBox, "-");
  const std::vector<LoggedOp> boxes = Ops("box");
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].nums[0], corner);
  EXPECT_EQ(boxes[0].nums[1], 100);
  EXPECT_EQ(boxes[0].nums[2], corner + 44);
  EXPECT_EQ(boxes[0].nums[3], 146);
  EXPECT_EQ(boxes[0].nums[4], 3);   // border
  EXPECT_EQ(boxes[0].nums[5], 13);  // fill
  ASSERT_EQ(Prints().size(), 1u);
  EXPECT_EQ(Prints()[0].colour, 5);
  EXPECT_EQ(Prints()[0].text, "-");
}

TEST_F(PageConstructsTest, RevealAnswerBoxWaitsOneKeyBetweenEmptyAndFilled) {
  Say("3の絶対値は", 44, 100, 0);
  Keys("Enter");
  RevealAnswerBox(torvane::kAbsoluteValueBox, "3");
  EXPECT_EQ(KeyWaits(), 1);
  std::vector<double> corners;
  for (const LoggedOp& op : Ops("box")) {
    if (op.nums[5] == 13) corners.push_back(op.nums[0]);
  }
  EXPECT_EQ(corners, (std::vector<double>{X11, X11}));
  EXPECT_EQ(Prints().back().text, "3");
}

TEST_F(PageConstructsTest, BoxlessAnswersGoToTheirKeptPlaces) {
  Say("① 収入の", 44, 115, 0);
  KeepAnswerPlace(1);
  const float first = XI2;
  Say("② 東へ", 44, 200, 0);
  KeepAnswerPlace(2);
  const float second = XI2;
  ShowAnswerAt(2, "西");
  ShowAnswerAt(1, "支出");
  const std::vector<Print> prints = Prints();
  ASSERT_EQ(prints.size(), 4u);
  EXPECT_EQ(prints[2], (Print{second, 200, 5, Utf8("西")}));
  EXPECT_EQ(prints[3], (Print{first, 115, 5, Utf8("支出")}));
  EXPECT_THROW(KeepAnswerPlace(5), RuntimeError);
}

int g_generated = 0, g_shown = 0;
std::vector<float> g_counts_seen;
void CountingGenerator() {
  ++g_generated;
  g_counts_seen.push_back(NO);
}
void CountingExample() {
  ++g_shown;
}

TEST_F(PageConstructsTest, ExampleLoopEndsOnlyOnExactlyOne) {
  struct Case {
    const char* keys;  // what is typed at the next-step prompts
    int examples;
  };
  const Case cases[] = {
      {"1 Enter", 1},
      {"2 Enter 0 Enter Enter - 1 Enter 1 . 5 Enter 1 Enter", 6},
      {"2 / 2 Enter", 1},
      {"1 . 0 Enter", 1},
  };
  for (const Case& c : cases) {
    g_generated = g_shown = 0;
    g_counts_seen.clear();
    AINP = 10;  // as the submenu leaves it
    Keys(c.keys);
    RandomExampleLoop(CountingGenerator, CountingExample);
    EXPECT_EQ(g_shown, c.examples) << c.keys;
    EXPECT_EQ(g_generated, c.examples) << c.keys;
    EXPECT_EQ(NO, c.examples) << c.keys;
    EXPECT_EQ(g_counts_seen.front(), 0) << c.keys;
  }
}

TEST_F(PageConstructsTest, ExampleLoopAfterAnotherPartStartsFreshOnlyWhenAsked) {
  g_shown = 0;
  AINP = 1;  // as the loop before left it
  RandomExampleLoop(nullptr, CountingExample);
  EXPECT_EQ(g_shown, 0);
  Keys("1 Enter");
  RandomExampleLoop(nullptr, CountingExample, LoopEntry::kFreshStart);
  EXPECT_EQ(g_shown, 1);
}

TEST_F(PageConstructsTest, PracticeAnswersPagesFollowTheirProgramsLayout) {
  PracticeAnswersPage(almeno::kBelowZeroAnswers, "練習問題 解答");
  std::vector<LoggedOp> boxes = Ops("box");
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].nums, (std::vector<double>{0, 0, 1760, 1800, 15, 15, 15, 3}));
  EXPECT_EQ(std::vector<double>(boxes[1].nums.begin(), boxes[1].nums.begin() + 6),
            (std::vector<double>{90, 30, 574, 78, 3, 13}));
  EXPECT_EQ(Prints().back().colour, 0);
  EXPECT_EQ(XI0, 40);
  EXPECT_EQ(XI1, 90);
  EXPECT_EQ(XI2, 574);
  ProblemNumberCell("1", XI0, YI1 + 90);
  EXPECT_EQ(YI1, 120);
  EXPECT_EQ(XI2, 84);
  boxes = Ops("box");
  EXPECT_EQ(std::vector<double>(boxes.back().nums.begin(), boxes.back().nums.begin() + 6),
            (std::vector<double>{40, 120, 84, 164, 4, 3}));
  EXPECT_EQ(Prints().back().colour, 13);

  ClearLog();
  XI0 = 1;
  PracticeAnswersPage(almeno::kOrderingAnswers, "練習問題 解答");
  EXPECT_EQ(XI0, 1);  // not used there
  EXPECT_EQ(XI1, 38);
  PracticeAnswersPage(torvane::kPracticeAnswers, "練習問題");
  ProblemNumberCellBesideTitle(torvane::kPracticeAnswers, "1");
  boxes = Ops("box");
  EXPECT_EQ(boxes.back().nums[0], 84 + 396 + 44);
  EXPECT_EQ(boxes.back().nums[1], 30);
  // Moved margins move the title and the number cell with them.
  constexpr PracticeAnswersLayout moved = torvane::kPracticeAnswers.WithMargins(40, 121);
  PracticeAnswersPage(moved, "練習問題");
  EXPECT_EQ(XI0, 40);
  EXPECT_EQ(XI1, 121);
  ProblemNumberCellBesideTitle(moved, "2");
  boxes = Ops("box");
  EXPECT_EQ(boxes[boxes.size() - 2].nums[0], 121);
  EXPECT_EQ(boxes.back().nums[0], 121 + 396 + 44);
}

TEST_F(PageConstructsTest, MarkerKeysAreTheArrowsAndEnterAndNothingElse) {
  Keys("Right Left x 5 Enter");
  const char* const notice = "点を ←→で動かす。Enterキーで確定";
  EXPECT_EQ(ReadMarkerKey(notice), MarkerKey::kRight);
  EXPECT_EQ(ReadMarkerKey(notice), MarkerKey::kLeft);
  EXPECT_EQ(ReadMarkerKey(notice), MarkerKey::kOther);
  EXPECT_EQ(ReadMarkerKey(notice), MarkerKey::kOther);
  EXPECT_EQ(ReadMarkerKey(notice), MarkerKey::kEnter);
  EXPECT_EQ(I_s, "\r");
  int notices = 0;
  for (const LoggedOp& op : PagePrints()) notices += op.text == Utf8(notice);
  EXPECT_EQ(notices, 5);
}

TEST_F(PageConstructsTest, CentredLabelsStandOnTheirMiddleWhateverTheirWidth) {
  for (const char* label : {"5", "-10", "ﾀ1/2ﾀ"}) {
    ClearLog();
    CentredLabel(label, 560, 300, 3);
    const std::vector<Print> prints = Prints();
    ASSERT_EQ(prints.size(), 1u) << label;
    EXPECT_GT(LLT, 0) << label;
    EXPECT_FLOAT_EQ(prints[0].x + LLT / 2, 560) << label;
    EXPECT_EQ(prints[0].y, 300);
    EXPECT_EQ(prints[0].colour, 3);
  }
}

TEST_F(PageConstructsTest, CellFacesDrawTheirBoxAndCentredText) {
  Cell(100, 200, 90, 50, 5, 3, 13, "12");
  const std::vector<LoggedOp> boxes = Ops("box");
  ASSERT_FALSE(boxes.empty());
  // The cell's box from its corner, border 3 and fill 13.
  EXPECT_EQ(boxes[0].nums[0], 100);
  EXPECT_EQ(boxes[0].nums[1], 200);
  EXPECT_EQ(boxes[0].nums[4], 3);
  EXPECT_EQ(boxes[0].nums[5], 13);
  bool text_inside = false;
  for (const LoggedOp& op : PagePrints()) {
    text_inside |= op.text == "12" && op.nums[0] > 100 && op.nums[0] < 190 && op.nums[2] == 5;
  }
  EXPECT_TRUE(text_inside);
  // What the face leaves: the cell's globals as set, the pen at the cell's top
  // right, and A_s as the printing leaves it, not as set.
  EXPECT_EQ(std::vector<float>({HABA, TATE, CCC1, CCC2, CCC3, X, Y}),
            std::vector<float>({90, 50, 5, 3, 13, 190, 200}));
  EXPECT_EQ(A_s, "2");
}

// Where the printer ends `text` begun at x.
float EndOf(const std::string& text, float x) {
  X = x;
  Y = 1800;
  A_s = text;
  MeasureMarkupWidth();
  return x + LLT;
}

TEST_F(PageConstructsTest, LabelsProblemsLinesAndBesideLinesInTwoColumns) {
  AnswerColumns({
      {40,
       {{"(1)", 75, {Problem("(-4)*3"), Below("=-12", 50, 5)}},
        {"(2)", 60, {Below("=ﾀ1/2ﾀ", 80), Beside("=+(1)", 7), Beside("ﾀ3/4ﾀ", 5, 60)}}}},
      {600, {{"(3)", 0, {Beside("5-2", 0), Below("=3", 50, 5, 10)}}}},
  });
  const float half_end = EndOf("=ﾀ1/2ﾀ", 94);
  const float plus_end = EndOf("=+(1)", half_end);
  const float label_end = EndOf("(3)", 600);
  const std::vector<Print> want = {
      {40, 105, 3, "(1)"},
      {121, 105, 0, Utf8("(-4)*3")},
      {94, 155, 5, "=-12"},
      {40, 215, 3, "(2)"},
      {94, 295, 0, Utf8("=ﾀ1/2ﾀ")},
      {half_end, 295, 7, "=+(1)"},
      {plus_end + 60, 295, 5, Utf8("ﾀ3/4ﾀ")},
      // The second column starts again at the top; its first label on it.
      {600, 30, 3, "(3)"},
      {label_end, 30, 0, "5-2"},
      {664, 80, 5, "=3"},
  };
  EXPECT_EQ(Prints(), want);
  EXPECT_EQ(XI0, 600);
  EXPECT_EQ(XI1, 654);
  EXPECT_EQ(YI1, 80);
}

TEST_F(PageConstructsTest, AnEmptyLabelOnlyMovesTheLineAndAColumnMayGoOnLater) {
  AnswerColumn(40, 27, 100);
  WorkedAnswers({{"", 75, {Problem("3*2")}}});
  WorkedAnswers({{"だから", 50, {Below("ok", 50, 3)}, 0}});
  const std::vector<Print> want = {
      {40, 175, 3, ""},  // prints nothing
      {94, 175, 0, Utf8("3*2")},
      {40, 225, 0, Utf8("だから")},
      {67, 275, 3, "ok"},
  };
  EXPECT_EQ(Prints(), want);
}

}  // namespace
