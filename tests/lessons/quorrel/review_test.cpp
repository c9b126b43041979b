// Quorrel's two chapter reviews: every page's texts in order with their waits, the review's number
// line and its points, and the magic square filled in.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "answer_columns.h"
#include "construct_globals.h"
#include "globals.h"
#include "headless_fixture.h"
#include "item_run.h"
#include "page_reader.h"
#include "review_pages.h"
#include "shell.h"
#include "submenu_lines.h"

namespace {

const char* const kCheckSubmenu = SubmenuOf("quorrel", 5);
const char* const kMasterSubmenu = SubmenuOf("quorrel", 6);

TEST(ReviewCheckTopic, EveryPageShowsItsAnswersWaitsItsKeysAndComesBack) {
  ExpectEveryItem(
      "quorrel", "5 Enter", kCheckSubmenu,
      {
          {.name = "1",
           .keys = "1 Enter" + AnyKeys(5),
           .key_waits = 5,
           .steps =  // "(1)" touches its cell; the other rows start 20 right of theirs.
           {"139 31 0 学びをたしかめよう",
            "48.5 90 13 1",
            "84 90 3 (1)",
            "165 90 5 -8",
            "279 90 3 (2)",
            "360 90 5 +15",
            "W",
            "48.5 150 13 2",
            "104 150 3 整数…",
            "206 150 5 +5,0,-7,10",
            "536 150 3 自然数…",
            "672 150 5 +5,10",
            "W",
            "48.5 210 13 3",
            "104 210 3 A",
            "483 210 5 5",
            "426 369 0 0",
            "353 369 0 -1",
            "486 369 0 1",
            "113 280 3 -5",
            "185.5 280 3 -3.5",
            "454 280 3 ﾀ1/2ﾀ",
            "W",
            "48.5 435 13 4",
            "482 435 5 －50円余る",
            "W",
            "48.5 495 13 5",
            "104 495 5 3",
            "W",
            "48.5 555 13 6",
            "710 555 5 -0.1<0"}},
          {.name = "2",
           .keys = "2 Enter",
           .key_waits = 0,
           .steps = {"518.5 30 13 7", "40 90 3 (1)", "121 90 0 (-3)+(-7)", "94 140 0 =-(3+7)",
                     "288 140 5 =-10", "40 320 3 (3)", "94 460 0 =-(ﾀ7/14ﾀ+ﾀ2/14ﾀ)", "600 30 3 (4)",
                     "654 570 0 =ﾀ8/12ﾀ+ﾀ9/12ﾀ"}},
          {.name = "3",
           .keys = "3 Enter",
           .key_waits = 0,
           .steps = {"518.5 30 13 8", "40 90 3 (1)", "121 90 0 -5+2", "94 140 5 =-3",
                     "94 360 0 =-15+2", "94 410 5 =-13", "600 30 3 (4)", "654 80 0 =52+(-51)",
                     "654 130 5 =1"}},
          {.name = "4",
           .keys = "4 Enter",
           .key_waits = 0,
           .steps = {"518.5 30 13 9", "40 420 3 (4)", "94 470 0 =-(45/3)", "600 50 3 (5)",
                     "654 120 0 =-(ﾀ21/10ﾀ*ﾀ5/7ﾀ)", "600 270 3 (6)", "654 510 0 =+(ﾀ1/3ﾀ*ﾀ1/1ﾀ)"}},
          {.name = "5",
           .keys = "5 Enter",
           .key_waits = 0,
           .steps = {"523 30 13 10", "40 90 3 (1)", "40 220 3 (2)", "94 360 0 =+(ﾀ1/1ﾀ*2*ﾀ3/1ﾀ)",
                     "40 440 3 (3)", "600 70 3 (4)", "654 280 0 =-(ﾀ1/1ﾀ*ﾀ1/1ﾀ*ﾀ1/1ﾀ)"}},
          {.name = "6",
           .keys = "6 Enter" + AnyKeys(1),
           .key_waits = 1,
           .steps = {"53 90 13 11", "40 140 3 (1)", "121 140 0 3^4", "94 190 0 =3*3*3*3",
                     "315 190 5 =81", "40 470 3 (4)", "396 520 5 =-40", "600 30 3 (5)",
                     "681 30 0 6-12/(-3)", "654 240 0 =6-9", "767 240 5 =-3", "W", "613 300 13 12",
                     "600 360 5 (ｲ)31 , (ｳ)41"}},
      });
}

TEST(ReviewMasterTopic, EveryPageShowsItsAnswersWaitsItsKeysAndComesBack) {
  ExpectEveryItem(
      "quorrel", "6 Enter", kMasterSubmenu,
      {
          {.name = "1",
           .keys = "1 Enter" + AnyKeys(4),
           .key_waits = 4,
           .steps = {"518.5 30 13 1", "40 90 3 (1)", "121 90 0 7-25", "94 140 0 =-(25-7)",
                     "315 140 5 =-18", "600 550 3 (8)", "W", "40 200 3 (10)",
                     "94 250 7 0は、何でわっても0", "W", "40 110 3 (17)", "600 30 3 (20)", "W",
                     "560 30 3 (25)", "W", "40 110 3 (29)", "600 260 3 (32)"}},
          {.name = "2",
           .keys = "2 Enter" + AnyKeys(6),
           .key_waits = 6,
           .steps =  // Each group on its line, a second one 40 after the first's result.
           {"139 21 0 学びを身につけよう",
            "518.5 20 13 2",
            "273.5 73 0 3月6日",
            "48 123 0 最高気温",
            "775.5 173 0 (ｴ)℃[+5.6]",
            "W",
            "40 230 7 ア ",
            "101 230 0 13.3-4.2=",
            "311 230 5 9.1",
            "W",
            "413 230 7 イ ",
            "657 230 5 -0.1",
            "W",
            "40 290 7 ウ ",
            "W",
            "378 290 7 エ ",
            "649 290 5 4.4",
            "W",
            "40 350 3 3月5日の最高気温 ",
            "542 350 5 14(℃)",
            "W",
            "40 410 3 3月5日の最低気温 ",
            "359 410 0 1.8+2.5=",
            "542 410 5 4.3(℃)"}},
          {.name = "3",
           .keys = "3 Enter",
           .key_waits = 0,
           .steps = {"518.5 30 13 3", "94 486 7 -ﾀ1/100ﾀ=-0.01 だから", "94 556 5 -ﾀ1/100ﾀ"}},
          {.name = "4",
           .keys = "4 Enter" + AnyKeys(15),
           .key_waits = 15,
           .steps = {"518.5 30 13 4", "781 83 0 9", "939.5 83 5 ①", "W",
                     "94 80 0 和は、ななめにたして", "94 130 0 9+3+0+(-6)=", "396 130 3 6", "W",
                     "94 180 0 9+", "148 180 3 ③", "546 180 0 は、", "W", "614 180 5 -2",
                     "767.5 133 5 -2", "W", "94 280 3 ②", "W", "614 280 5 6", "1024 83 5 6"}},
          {.name = "5",
           .keys = "5 Enter" + AnyKeys(4),
           .key_waits = 4,
           .steps = {"518.5 30 13 5", "W", "40 90 7 (ｱ)", "121 90 0 10以下の素数は",
                     "379 90 3 2,3,5,7の4個", "393 140 5  正しい", "W", "40 200 7 (ｲ)", "W",
                     "40 360 7 (ｳ)", "W", "40 470 7 (ｴ)"}},
          {.name = "6",
           .keys = "6 Enter" + AnyKeys(2),
           .key_waits = 2,
           .steps = {"139 11 0 学びを身につけよう", "518.5 10 13 6", "277.5 73 0 Aさん",
                     "69 123 0 基準にした", "52 167 0 得点との違い", "298 148 0 +8", "W",
                     "40 230 7 表から平均を求めると", "40 280 0 (8-7+2+12-7+10)/6=18/6=", "W",
                     "40 330 7 (基準にした得点)+3=73 ", "40 380 3 基準にした得点は、",
                     "40 430 0 73-3="}},
      });
}

TEST(MagicSquareAnswers, EveryOpenCellEndsWithItsValueAndEveryLineAddsUpToSix) {
  const PlayerRun run = RunPlayer("quorrel", "6 Enter 4 Enter" + AnyKeys(15));
  // The last text drawn in each cell of the grid, by its corner.
  std::map<std::pair<int, int>, std::string> cells;
  const double left = 754, top = 80;
  for (const Print& p : PrintsOf(run)) {
    if (p.routine != "PrintMarkup" || p.x < left || p.y < top || p.y > top + 200) continue;
    const int column = static_cast<int>((p.x - left) / 81),
              row = static_cast<int>((p.y - top) / 50);
    cells[{row, column}] = p.text;
  }
  ASSERT_EQ(cells.size(), 16u);
  std::map<std::pair<int, int>, int> grid;
  for (const auto& [place, text] : cells) grid[place] = std::stoi(text);
  for (int i = 0; i < 4; ++i) {
    int row = 0, column = 0;
    for (int j = 0; j < 4; ++j) {
      row += grid[{i, j}];
      column += grid[{j, i}];
    }
    EXPECT_EQ(row, 6) << i;
    EXPECT_EQ(column, 6) << i;
  }
  int diagonal = 0, other_diagonal = 0;
  for (int i = 0; i < 4; ++i) {
    diagonal += grid[{i, i}];
    other_diagonal += grid[{i, 3 - i}];
  }
  EXPECT_EQ(diagonal, 6);
  EXPECT_EQ(other_diagonal, 6);
  // The diagonal across the grid in colour 7, 5 wide.
  EXPECT_EQ(std::count(run.log.begin(), run.log.end(), "line\t754\t80\t1078\t280\t7\t5"), 1);
}

}  // namespace

namespace quorrel {
namespace {

class ReviewFigureTest : public StartedPageTest {};

TEST_F(ReviewFigureTest, TheMinus6To6LineTicksUpwardLongAtTheFivesAndLabelsItsPoints) {
  Y_a(31) = 0;
  ReviewNumberLine();
  EXPECT_EQ(Y_a(31), 240);
  EXPECT_EQ(X_a(31), 80);
  EXPECT_EQ(X_a(32), 440);
  EXPECT_EQ(X_a(33), 800);
  EXPECT_EQ(FE_GETDRAWWIDTH(), 3);
  std::vector<std::string> lines;
  for (const LoggedOp& op : Ops("line")) lines.push_back(op.Line());
  ASSERT_EQ(lines.size(), 15u);                          // the axis, the ticks, the minus of "-1"
  EXPECT_EQ(lines[0], "line\t60\t240\t820\t240\t0\t5");  // the axis, no arrowhead
  // Thirteen ticks upward, long in colour 7 at -5, 0 and 5.
  for (int k = 0; k < 13; ++k) {
    const int x = 80 + 60 * k;
    const bool fifth = k == 1 || k == 6 || k == 11;
    EXPECT_EQ(lines[k + 1], "line\t" + std::to_string(x) + "\t" + (fifth ? "210" : "220") + "\t" +
                                std::to_string(x) + "\t240\t" + (fifth ? "7" : "0") + "\t5");
  }
  std::vector<std::string> labels;
  for (const LoggedOp& op : PagePrints()) {
    labels.push_back(std::to_string(int(op.nums[0])) + " " + std::to_string(int(op.nums[1])) + " " +
                     op.text);
  }
  EXPECT_EQ(labels, (std::vector<std::string>{"426 249 0", "353 249 -1", "486 249 1"}));

  for (const auto& [value, dot] :
       {std::pair{-6.0f, 80}, std::pair{0.0f, 440}, std::pair{6.0f, 800}}) {
    ClearLog();
    T(1) = value;
    T_s(1) = "7";
    NumberLinePoint();
    EXPECT_EQ(T(11), dot);
    EXPECT_EQ(Ops("disc").at(0).Line().rfind("disc\t" + std::to_string(dot) + "\t240\t9\t3\t", 0),
              0u);
    EXPECT_EQ(PagePrints().at(0).nums[0], dot - 13.5);  // centred
    EXPECT_EQ(PagePrints().at(0).nums[1], 160);
    EXPECT_EQ(CCC1, 3);
  }
}

TEST_F(ReviewFigureTest, OnlyAFlaggedLineDrawsItsFirstBracketsTall) {
  auto bracket_heights = [&](const AnswerLine& line) {
    ClearLog();
    AnswerColumn(600);
    WorkedAnswers({{"(32)", 0, {line}}});
    std::vector<std::string> heights;
    for (const LoggedOp& op : Ops("text")) {
      if (op.text == "(" && op.nums[1] < 900) heights.push_back(std::to_string(op.nums[3]));
    }
    return heights;
  };
  const auto tall = bracket_heights(TallBrackets(Beside("(ﾀ1/4ﾀ+ﾀ5/6ﾀ)*(-12)", 0)));
  EXPECT_EQ(KAKKO, 0);  // set back by the first tall ")"
  const auto plain = bracket_heights(Beside("(ﾀ1/4ﾀ+ﾀ5/6ﾀ)*(-12)", 0));
  ASSERT_EQ(tall.size(), 3u);  // "(32)", the pair round the fractions, "(-12)"
  ASSERT_EQ(plain.size(), 3u);
  EXPECT_NE(tall[1], plain[1]);
  EXPECT_EQ(tall[2], plain[2]);
  EXPECT_EQ(tall[0], plain[0]);
}

}  // namespace
}  // namespace quorrel
