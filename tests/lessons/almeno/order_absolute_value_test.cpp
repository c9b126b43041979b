// The topic on absolute value and order: every item driven through the
// player from the main menu, and the figures of its pages against the
// operation log.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <ostream>
#include <set>
#include <sstream>

#include "figure_globals.h"
#include "globals.h"
#include "goal_page.h"
#include "headless_fixture.h"
#include "item_run.h"
#include "order_absolute_value_pages.h"
#include "page_reader.h"
#include "shell.h"
#include "submenu_lines.h"

namespace almeno {

namespace {

const char* const kSubmenu = SubmenuOf("almeno", 3);

// An item of the topic and the height of the number line on its page (0:
// none).
struct OrderItem {
  int line_y;
  ItemCase item;
};

// A case prints as its name in test listings.
void PrintTo(const OrderItem& c, std::ostream* out) {
  *out << c.item.name;
}

// The item's page as the learner sees it, its texts and key waits, without
// the number line's labels "-7" to "7" (25 below the line at `line_y`): its
// own test checks them.
std::vector<std::string> StepsWithoutLineLabels(const ItemRun& r, int line_y) {
  static const std::set<std::string> labels = {"-7", "-6", "-5", "-4", "-3", "-2", "-1", "0",
                                               "1",  "2",  "3",  "4",  "5",  "6",  "7"};
  std::vector<std::string> out;
  for (const std::string& step : r.steps) {
    // "x y colour text"; a prompt has no blank.
    const size_t y = step.find(' ') + 1, colour = step.find(' ', y) + 1,
                 text = step.find(' ', colour) + 1;
    const bool label = y > 0 && colour > y && text > colour &&
                       step.substr(y, colour - 1 - y) == std::to_string(line_y + 25) &&
                       labels.count(step.substr(text));
    if (!label) out.push_back(step);
  }
  return out;
}

const OrderItem kItems[] = {
    {.line_y = 260,
     .item =
         {.name = "Item1",
          .keys = "1 Enter" + AnyKeys(37),
          .key_waits = 37,
          .steps =
              {// The sign change.
               "30 20 7 Q ", "* 20 0 +3の符号を変えた数をいいなさい。", "W", "* 20 5 -3", "W",
               "30 80 5 符号を変える", "W", "* 80 3 …+,-の符号をとりかえた数をつくること", "W",
               "30 140 7 ① ", "* 140 0 -4の符号を変えた数をいいなさい。", "W", "* 140 5 +4", "W",
               "30 200 7 ② ", "* 200 0 3の符号を変えた数をいいなさい。", "W", "* 200 5 -3", "W",
               "* 140 5 (4でもよい)", "W", "30 260 7 ③ ",
               "* 260 0 -1.5の符号を変えた数をいいなさい。", "W", "* 260 5 1.5",
               // The absolute value, on its own screen.
               "W", "30 20 0 Q ", "* 20 3 3,-3,-4,4,-1.5,1.5 ", "* 20 0 を数直線上に表しなさい。",
               "W", "W", "W", "W", "W", "W", "W", "60 80 3 3,-4,-1.5 ",
               "* 80 0 とその符号を変えた数との関係は?", "W", "* * 7 3", "W", "* * 7 3", "W",
               "* * 3 4", "W", "* * 3 4", "W", "* * 9 1.5", "W", "* * 9 1.5", "W",
               "* 80 3 0からの距離が等しい", "W", "60 380 3 絶対値",
               "* 380 0 …0からある数までの距離", "* 380 5 (符号はつけない)", "W",
               "60 455 0 3の絶対値…", "W", "* 455 3 3　　", "W", "* 455 0 -4の絶対値…", "W",
               "* 455 3 4　　", "W", "60 525 0 +1.5の絶対値…", "W", "* 525 3 1.5　　", "W",
               "* 525 0 -ﾀ1/2ﾀの絶対値…", "W", "* 525 3 ﾀ1/2ﾀ　　", "W", "* 525 0 0の絶対値…", "W",
               "* 525 3 0　　", "W", "40 585 7 教科書 問1 をしなさい。"}}},
    {.line_y = 0,
     .item = {.name = "Item2",
              .keys = "2 Enter" + AnyKeys(10),
              .key_waits = 10,
              .steps = {"48 18 3 問1　解答",
                        "92 88 0 (1)-5 (2)+8 (3)-3.5 (4)ﾀ3/4ﾀ",
                        "W",
                        "44 148 3 絶対値",
                        "W",
                        "92 208 0 (1)",
                        "* 208 5 5",
                        "W",
                        "* 208 0  (2)",
                        "* 208 5 8",
                        "W",
                        "* 208 0  (3)",
                        "* 208 5 3.5",
                        "W",
                        "* 208 0  (4)",
                        "* 208 5 ﾀ3/4ﾀ",
                        "W",
                        "44 268 3 符号を変えた数",
                        "W",
                        "92 328 0 (1)",
                        "* 328 5 +5",
                        "W",
                        "* 328 0  (2)",
                        "* 328 5 -8",
                        "W",
                        "* 328 0  (3)",
                        "* 328 5 +3.5",
                        "W",
                        "* 328 0  (4)",
                        "* 328 5 -ﾀ3/4ﾀ"}}},
    {.line_y = 300,
     .item = {.name = "Item3",
              .keys = "3 Enter" + AnyKeys(15),
              .key_waits = 15,
              .steps = {"30 20 0 復習　1,3の大小を不等号で表しなさい。",
                        "W",
                        "W",
                        "44 80 0 解答…",
                        "* 80 3 1<3",
                        "W",
                        "* 80 5 （数直線上で右にある数ほど大きい）",
                        "W",
                        "30 140 0 問題　-1,-3の大小を不等号で表しなさい。",
                        "W",
                        "W",
                        "44 200 0 解答…",
                        "* 200 3 -3<-1  (-1>-3)",
                        "W",
                        "980 390 3 大きい",
                        "W",
                        "194 390 3 小さい",
                        "W",
                        "40 440 7 教科書 問2 をしなさい。",
                        "30 490 0 (1)-4と3   (2)-5と-2",
                        "W",
                        "44 550 3 大きい数",
                        "W",
                        "* 550 0 (1)",
                        "* 550 5 3",
                        "W",
                        "* 550 0  (2)",
                        "* 550 5 -2",
                        "W",
                        "* 550 3 絶対値が大きい数",
                        "W",
                        "* 550 0 (1)",
                        "* 550 5 -4",
                        "W",
                        "* 550 0  (2)",
                        "* 550 5 -5"}}},
    {.line_y = 270,
     .item = {.name = "Item4",
              .keys = "4 Enter" + AnyKeys(7),
              .key_waits = 7,
              .steps = {"48 18 0 問　絶対値が2,5である正の数をいいなさい。", "W", "W",
                        "44 93 0 解答…", "* 93 3 +2,+5", "W", "* 93 5 ①正の数は0より大きい",
                        "* 143 5 ②正の数は絶対値が大きいほど大きい",
                        "48 383 0 問2　絶対値が2,5である負の数をいいなさい。", "W", "W",
                        "44 443 0 解答…", "* 443 3 -2,-5", "W", "* 443 5 ①負の数は0より小さい",
                        "* 493 5 ②負の数は絶対値が大きいほど小さい", "W",
                        "44 553 7 教科書 問3 をしなさい。"}}},
    {.line_y = 0,
     .item = {.name = "Item5",
              .keys = "5 Enter" + AnyKeys(4),
              .key_waits = 4,
              .steps = {"40 30 3 問3　解答",
                        "40 100 0 (1) 4",
                        "* 100 5 ①",
                        "* 100 0 5",
                        "40 170 0 (2) -3",
                        "* 170 5 ②",
                        "* 170 0 -7",
                        "40 240 0 (3) -1.6",
                        "* 240 5 ③",
                        "* 240 0 -0.6",
                        "40 310 0 (4) -ﾀ3/8ﾀ",
                        "* 310 5 ④",
                        "* 310 0 -ﾀ5/8ﾀ",
                        "W",
                        "* 100 5 <",
                        "W",
                        "* 170 5 >",
                        "W",
                        "* 240 5 <",
                        "W",
                        "* 310 5 >"}}},
    {.line_y = 280,
     .item = {.name = "Item6",
              .keys = "6 Enter" + AnyKeys(6),
              .key_waits = 6,
              .steps = {"48 18 0 問題　0,-3,2の大小を不等号で表しなさい。", "W", "W",
                        "44 93 0 解答…", "* 93 3 -3<0<2", "W", "* 93 3   (2>0>-3)", "W",
                        "48 168 5 注…小さい順か、大きい順に並べて書く。", "W", "626 370 3 0",
                        "992 370 3 正の数", "156 370 3 負の数", "W",
                        "48 445 5 注…正の数は０より大きく、負の数は０より小さい"}}},
};

class OrderAbsoluteItems : public ::testing::TestWithParam<OrderItem> {};

// Every text and key wait of the page in order, and nothing else.
TEST_P(OrderAbsoluteItems, RevealsStepByStepAndReturnsToTheSubmenu) {
  const OrderItem& c = GetParam();
  const ItemRun r = ExpectItem("almeno", "3 Enter", kSubmenu, c.item);
  const std::vector<std::string> steps = StepsWithoutLineLabels(r, c.line_y);
  ASSERT_EQ(steps.size(), c.item.steps.size());
  for (size_t i = 0; i < steps.size(); ++i) {
    EXPECT_TRUE(StepMatches(steps[i], c.item.steps[i]))
        << "step " << i << ": " << steps[i] << " is not " << Utf8(c.item.steps[i]);
  }
}

INSTANTIATE_TEST_SUITE_P(EveryItem, OrderAbsoluteItems, ::testing::ValuesIn(kItems),
                         [](const auto& test) { return std::string(test.param.item.name); });

// ---- the figures, against the operation log -------------------------------------

class OrderAbsoluteFigures : public StartedPageTest {
 protected:
  std::vector<std::string> Lines(const std::string& name) {
    std::vector<std::string> out;
    for (const LoggedOp& op : Ops(name)) {
      std::string line;
      for (double v : op.nums) line += (line.empty() ? "" : " ") + LogNumber(v);
      out.push_back(line);
    }
    return out;
  }
};

TEST_F(OrderAbsoluteFigures, TheMinus7To7LineTicksEveryHalfUnitAndLabelsByFixedOffsets) {
  Y_a(31) = 260;
  FE_SETDRAWWIDTH(2);  // as a page that set 2 leaves it
  AbsoluteValueNumberLine();
  EXPECT_EQ(X_a(31), 80);
  EXPECT_EQ(X_a(32), 640);
  EXPECT_EQ(X_a(33), 1200);
  EXPECT_EQ(Y_a(31), 260);
  for (int i = 1; i <= 15; ++i) EXPECT_EQ(F_sa(i), std::to_string(i - 8)) << i;

  std::vector<std::string> lines = Lines("line");
  ASSERT_GE(lines.size(), 29u + 1 + 15);
  // 29 half-unit ticks at the width in force, every 40 from -7 to 7.
  for (int i = 0; i < 29; ++i) {
    EXPECT_EQ(lines[i], LogNumber(80 + 40 * i) + " 250 " + LogNumber(80 + 40 * i) + " 270 0 2")
        << i;
  }
  // The axis at width 4, 20 beyond the end ticks.
  EXPECT_EQ(lines[29], "60 260 1220 260 0 4");
  // The whole-number ticks over them at width 4: the printer puts back the
  // width it found after the minus of a label.
  std::vector<std::string> long_ticks;
  for (const std::string& l : lines) {
    if (l.find(" 245 ") != std::string::npos) long_ticks.push_back(l);
  }
  ASSERT_EQ(long_ticks.size(), 15u);
  for (int i = 0; i < 15; ++i) {
    EXPECT_EQ(long_ticks[i], LogNumber(80 + 80 * i) + " 245 " + LogNumber(80 + 80 * i) + " 275 0 4")
        << i;
  }
  // Labels by the fixed offsets: 27 left of the tick for "-7" to "-1", 14
  // for "0" to "7", their tops 25 below the line; no other text.
  std::vector<LoggedOp> prints = PagePrints();
  ASSERT_EQ(prints.size(), 15u);
  for (int i = 0; i < 15; ++i) {
    const double tick = 80 + 80 * i;
    EXPECT_EQ(prints[i].nums[0], tick - (i < 7 ? 27 : 14)) << i;
    EXPECT_EQ(prints[i].nums[1], 285) << i;
    EXPECT_EQ(prints[i].nums[2], 0) << i;
    EXPECT_EQ(prints[i].text, std::to_string(i - 7)) << i;
  }
  EXPECT_EQ(FE_GETDRAWWIDTH(), 3);
  EXPECT_EQ(CCC1, 0);
  EXPECT_EQ(Y, 285);
}

TEST_F(OrderAbsoluteFigures, NumberLineAt240WhenNoHeightIsGiven) {
  Y_a(31) = 0;
  XI1 = 11;
  XI2 = 22;
  YI1 = 33;
  AbsoluteValueNumberLine();
  EXPECT_EQ(Y_a(31), 240);
  EXPECT_EQ(Lines("line")[29], "60 240 1220 240 0 4");
  // The page's layout cursor is not the figure's.
  EXPECT_EQ(XI1, 11);
  EXPECT_EQ(XI2, 22);
  EXPECT_EQ(YI1, 33);
}

// The filled discs a page draws, "x y r colour", in order.
std::vector<std::string> Discs(const std::vector<LoggedOp>& log) {
  std::vector<std::string> out;
  for (const LoggedOp& op : log) {
    if (op.name != "disc" || op.nums[2] != 15) continue;
    std::ostringstream s;
    s << op.nums[0] << " " << op.nums[1] << " " << op.nums[3];
    out.push_back(s.str());
  }
  return out;
}

// The small dots of the dotted arcs, by colour: how many, and the highest.
struct ArcDots {
  int count = 0;
  double top = 1e9, left = 1e9, right = -1e9;
};
std::map<int, ArcDots> DotsByColour(const std::vector<LoggedOp>& log) {
  std::map<int, ArcDots> out;
  for (const LoggedOp& op : log) {
    if (op.name != "disc" || op.nums[2] != 0.5) continue;
    ArcDots& d = out[static_cast<int>(op.nums[3])];
    ++d.count;
    d.top = std::min(d.top, op.nums[1]);
    d.left = std::min(d.left, op.nums[0]);
    d.right = std::max(d.right, op.nums[0]);
  }
  return out;
}

TEST_F(OrderAbsoluteFigures, EachPointIsKeptAndItsDistanceFromZeroArcsAboveTheLine) {
  Keys(AnyKeys(37));
  AbsoluteValuePage();
  EXPECT_EQ(Discs(Log()), (std::vector<std::string>{"880 260 7", "400 260 7", "320 260 3",
                                                    "960 260 3", "520 260 9", "760 260 9"}));
  // The stored points, 0 first.
  const float values[] = {0, 3, -3, -4, 4, -1.5, 1.5};
  for (int m = 0; m <= 6; ++m) {
    EXPECT_EQ(X_a(m), 640 + 80 * values[m]) << m;
    EXPECT_EQ(Y_a(m), 260) << m;
  }
  // Pairs of arcs above the line, one each side of 0: 3 (50 high, a dot
  // every 2 degrees), 4 (60 high, every degree), 1.5 (15 high).
  std::map<int, ArcDots> dots = DotsByColour(Log());
  EXPECT_EQ(dots[7].count, 2 * 91);
  EXPECT_NEAR(dots[7].top, 210, 0.5);
  EXPECT_NEAR(dots[7].left, 400, 0.5);
  EXPECT_NEAR(dots[7].right, 880, 0.5);
  EXPECT_EQ(dots[3].count, 2 * 181);
  EXPECT_NEAR(dots[3].top, 200, 0.5);
  EXPECT_NEAR(dots[3].left, 320, 0.5);
  EXPECT_NEAR(dots[3].right, 960, 0.5);
  EXPECT_EQ(dots[9].count, 2 * 91);
  EXPECT_NEAR(dots[9].top, 245, 0.5);
  // The note on line ① stands 20 behind "+4"; the pen after "+4" is kept.
  bool found = false;
  for (const LoggedOp& op : PagePrints()) {
    if (op.text == Utf8("(4でもよい)")) {
      found = true;
      EXPECT_EQ(op.nums[0], U(1) + 20);
      EXPECT_EQ(op.nums[1], 140);
      EXPECT_EQ(V(1), 140);
    }
  }
  EXPECT_TRUE(found);
}

TEST_F(OrderAbsoluteFigures, AbsoluteValueOrderArcsRiseFromZero) {
  Keys(AnyKeys(7));
  AbsoluteValueOrderPage();
  EXPECT_EQ(Discs(Log()),
            (std::vector<std::string>{"800 270 7", "1040 270 9", "480 270 7", "240 270 9"}));
  std::map<int, ArcDots> dots = DotsByColour(Log());
  // One dot a degree; 2 and -2 rise 24, 5 and -5 rise 48, all from 640.
  EXPECT_EQ(dots[7].count, 2 * 181);
  EXPECT_NEAR(dots[7].top, 270 - 24, 0.5);
  EXPECT_NEAR(dots[7].left, 480, 0.5);
  EXPECT_NEAR(dots[7].right, 800, 0.5);
  EXPECT_EQ(dots[9].count, 2 * 181);
  EXPECT_NEAR(dots[9].top, 270 - 48, 0.5);
  EXPECT_NEAR(dots[9].left, 240, 0.5);
  EXPECT_NEAR(dots[9].right, 1040, 0.5);
  // The rules stand 40 behind the last answer.
  EXPECT_EQ(V(1), 443);
  EXPECT_EQ(Y_a(31), 270);
}

// The lines drawn at width 12: the thick arrows, "x1 y1 x2 y2 colour".
std::vector<std::string> ThickLines(const std::vector<LoggedOp>& log) {
  std::vector<std::string> out;
  for (const LoggedOp& op : log) {
    if (op.name != "line" || op.nums[5] != 12) continue;
    std::ostringstream s;
    s << std::lround(op.nums[0]) << " " << std::lround(op.nums[1]) << " " << std::lround(op.nums[2])
      << " " << std::lround(op.nums[3]) << " " << op.nums[4];
    out.push_back(s.str());
  }
  return out;
}

TEST_F(OrderAbsoluteFigures, TwoNumbersMarkTheLargerInColour9AndLeaveTheThinPen) {
  Keys(AnyKeys(15));
  TwoNumberOrderPage();
  // The larger of each pair in colour 9, the smaller in 5.
  EXPECT_EQ(Discs(Log()),
            (std::vector<std::string>{"720 300 5", "880 300 9", "560 300 9", "400 300 5"}));
  // Shaft, then the two strokes of the head at the tip (32 back, 16 aside).
  EXPECT_EQ(ThickLines(Log()), (std::vector<std::string>{
                                   "800 410 960 410 3", "928 426 960 410 3", "928 394 960 410 3",
                                   "480 410 320 410 5", "352 394 320 410 5", "352 426 320 410 5"}));
  EXPECT_EQ(Y_a(31), 300);
  EXPECT_EQ(MUKI, 0);
  // The page leaves the thin pen it set after the arrows.
  EXPECT_EQ(FE_GETDRAWWIDTH(), 2);
}

TEST_F(OrderAbsoluteFigures, ThreeNumbersGetTheirDiscsAndArrowsAndLeavePenWidth3) {
  Keys(AnyKeys(6));
  ThreeNumberOrderPage();
  EXPECT_EQ(Discs(Log()), (std::vector<std::string>{"400 280 5", "640 280 9", "800 280 7"}));
  EXPECT_EQ(ThickLines(Log()), (std::vector<std::string>{
                                   "662 390 970 390 3", "938 406 970 390 3", "938 374 970 390 3",
                                   "618 390 310 390 5", "342 374 310 390 5", "342 406 310 390 5"}));
  EXPECT_EQ(FE_GETDRAWWIDTH(), 3);
  EXPECT_EQ(MUKI, 0);
  EXPECT_EQ(Y_a(31), 280);
}

TEST_F(OrderAbsoluteFigures, InequalityCellsKeepTheirPlace) {
  Keys(AnyKeys(4));
  InequalityAnswers();
  // Every cell twice (the circled digit, then the sign), 60 x 50 from 3
  // above its text line; the second exactly over the first.
  std::vector<LoggedOp> boxes;
  for (const LoggedOp& op : Ops("box")) {
    if (op.nums[4] == 3 && op.nums[5] == 13) boxes.push_back(op);
  }
  ASSERT_EQ(boxes.size(), 8u);
  const double lines_y[] = {100, 170, 240, 310};
  for (int k = 0; k < 4; ++k) {
    EXPECT_EQ(boxes[k].nums, boxes[4 + k].nums) << k;
    EXPECT_EQ(boxes[k].nums[0], T(k + 1));
    EXPECT_EQ(boxes[k].nums[1], lines_y[k] - 3);
    EXPECT_EQ(boxes[k].nums[2] - boxes[k].nums[0], 60);
    EXPECT_EQ(boxes[k].nums[3] - boxes[k].nums[1], 50);
    EXPECT_EQ(F(k + 1), lines_y[k]);
  }
  EXPECT_EQ(HABA, 60);
  EXPECT_EQ(TATE, 50);
}

}  // namespace

}  // namespace almeno
