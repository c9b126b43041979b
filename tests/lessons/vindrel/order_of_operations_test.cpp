// Vindrel's topic on expressions with the four operations: every item
// driven from the main menu through all its keys and back to the submenu,
// the random examples' numbers and texts under a fixed clock, and the
// dotted arcs of the distributive law.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <string>

#include "headless_fixture.h"
#include "item_run.h"
#include "page_reader.h"
#include "powers_sets_pages.h"
#include "shell.h"
#include "submenu_lines.h"

namespace vindrel {
namespace {

const char* const kSubmenu = SubmenuOf("vindrel", 2);

class OrderOfOperationsItems : public ::testing::TestWithParam<ItemCase> {};

TEST_P(OrderOfOperationsItems, TakesItsKeysAndComesBackToTheSubmenu) {
  ExpectItem("vindrel", "2 Enter", kSubmenu, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    EveryItem, OrderOfOperationsItems,
    ::testing::Values(
        // Under this clock both quotients are positive: no sign lines. Two
        // keys and 1, a key and the rule, three keys and 1, the rule lines,
        // a key and the task line.
        ItemCase{"RandomMixed",
                 "1 Enter a a 1 Enter a a a a 1 Enter a",
                 7,
                 2,
                 {"40 30 3 例3　次の計算をしなさい。", "40 90 0 ① -5*(-3)-(-6)/(-2)",
                  "74 150 0 =15-3", "74 210 5 =12", "74 280 5 ※乗除を先に計算する",
                  "600 90 0 ② (-4)^3-56/2^3", "634 140 0 =-64-56/8", "634 190 0 =-64-7",
                  "634 240 5 =-71", "600 310 3 ※指数をふくむときは、",
                  "634 360 5 指数をふくむ計算をさきにする。", "600 430 7 教科書 問3　をやろう。"}},
        ItemCase{"Question3Answers",
                 "2 Enter a",
                 1,
                 0,
                 {"40 30 3 問3　解答",
                  "40 80 3 (1)",
                  "94 80 0  -4-6*(-3)",
                  "94 130 0 =-4+18",
                  "261 130 5 =14",
                  "40 200 3 (2)",
                  "94 200 0  3*(-7)-9*(-8)",
                  "94 250 0 =-21+72",
                  "288 250 5 =51",
                  "40 320 3 (3)",
                  "94 320 0  5*(-12)+14/7",
                  "94 370 0 =-60+2",
                  "261 370 5 =-58",
                  "40 440 3 (4)",
                  "94 440 0  10/(-5)-(-6)*2",
                  "94 490 0 =-2-(-12)",
                  "94 540 0 =-2+12",
                  "261 540 5 =10",
                  "640 80 3 (5)",
                  "694 80 0  4*(-2)+(-3^2)",
                  "694 130 0 =-8+(-9)",
                  "694 180 0 =-8-9",
                  "834 180 5 =-17",
                  "640 250 3 (6)",
                  "694 250 0  (-2)^2+2^3/(-4)",
                  "694 300 0 =4+8/(-4)",
                  "694 350 0 =4-2",
                  "807 350 5 =2"}},
        // Five keys, the result after step 5's text, 1, then two keys.
        ItemCase{"RandomBrackets",
                 "3 Enter a a a a a 1 Enter a a",
                 7,
                 1,
                 {"40 30 3 例4　次の計算をしなさい。", "101 90 0 12-{-2+(6-8)}*3",
                  "74 150 0 =12-(-2-2)*3", "74 210 0 =12-(-4)*3", "74 270 0 =12-(-12)",
                  "74 330 0 =12+12", "241 330 5 =24", "74 400 5 ※かっこの中をさきに計算する。",
                  "74 460 3 　（）、{}、[] の順", "40 530 7 教科書 問4　をやろう。"}},
        ItemCase{
            "Question4Answers",
            "4 Enter a",
            1,
            0,
            {"40 30 3 問4　解答", "40 80 3 (1)", "94 80 0  -5+(13-7)/3", "94 130 0 =-5+6/3",
             "94 180 0 =-5+2", "234 180 5 =-3", "640 80 3 (2)", "694 80 0  7-{(-2)^2-(9-14)}",
             "694 130 0 =7-{4-(-5)}", "694 180 0 =7-(4+5)", "694 230 0 =7-9", "807 230 5 =-2"}},
        // Sixteen keys; "だから" on the text line, not after the cell.
        ItemCase{"AreaDistributive",
                 "5 Enter a a a a a a a a a a a a a a a a",
                 16,
                 0,
                 {"484 350 0 水色の面積は…",
                  "722 350 3 ●*▲ m^2",
                  "157.5 418 5 ●*▲ m^2",
                  "895 350 0    だから",
                  "484 400 0 全体の面積は…",
                  "722 400 3 ■*▲+●*▲ m^2",
                  "1017 400 0 　…②",
                  "484 450 0 ①②から　",
                  "484 550 3 (",
                  "511 550 5 ■",
                  "545 550 3 +",
                  "572 550 5 ●",
                  "606 550 3 )*",
                  "660 550 5 ▲",
                  "694 550 3 =",
                  "726 550 5 ■",
                  "760 550 3 *",
                  "787 550 5 ▲",
                  "821 550 3 +",
                  "848 550 5 ●",
                  "882 550 3 *",
                  "909 550 5 ▲",
                  "595.5 476 0 ",
                  "626 496 0 ",
                  "484 610 5 分配法則"}},
        ItemCase{"DistributiveLetters",
                 "6 Enter a a a a a a a a a a a",
                 11,
                 0,
                 {"40 300 7 教科書 問5 をやろう。", "40 360 3 ①", "94 360 0  {3+(-4)}*(-5)",
                  "94 420 0 =(-1)*(-5)", "369 420 5 =5", "40 480 3 ②", "94 480 0  3*(-5)+(-4)*(-5)",
                  "94 540 0 =-15+20", "288 540 5 =5", "427 540 0 したがって、両方の結果は等しい",
                  "94 600 7 教科書 練習問題　をしなさい。"}},
        ItemCase{"MethodComparison",
                 "7 Enter a a",
                 2,
                 0,
                 {"40 30 3 <ほのたさんの方法>", "94 90 0  (ﾀ1/3ﾀ+ﾀ1/2ﾀ)*(-6)",
                  "94 160 0 =(ﾀ2/6ﾀ+ﾀ3/6ﾀ)*(-6)", "94 230 0 =ﾀ5/6ﾀ*(-6)", "94 300 0 =-5",
                  "600 30 3 <みつりさんの方法>", "654 90 0  (ﾀ1/3ﾀ+ﾀ1/2ﾀ)*(-6)",
                  "654 160 0 =ﾀ1/3ﾀ*(-6)+ﾀ1/2ﾀ*(-6)", "654 230 0 =-2+(-3)", "654 300 0 =-5",
                  "40 360 3 かっこの中を", "40 410 3 さきに計算している。",
                  "600 360 3 分配法則でかっこをはずし、", "600 410 3 約分して計算している。"}}),
    ItemCaseName);

// The dots of the dotted arcs: how many in each colour and at which pen width.
struct Dots {
  int count = 0;
  std::string width;
};
std::map<std::string, Dots> DotsByColour(const ItemRun& r) {
  std::map<std::string, Dots> dots;
  for (const std::string& line : r.run.log) {
    const std::vector<std::string> f = Fields(line);
    if (f[0] != "disc" || f[3] != "0.5") continue;
    ++dots[f[4]].count;
    dots[f[4]].width = f[5];
  }
  return dots;
}

TEST(OrderOfOperationsTopic, AreaFigureArcsThenTheTwoArcsOfTheLaw) {
  // The lengths: 21, 26 and 19 dots in colour 3; then every degree of the
  // two arcs over the equation, in colours 7 and 9; all at the pen width 5.
  const ItemRun r = RunItem("vindrel", "2 Enter 5 Enter " + Repeat("a", 16), kSubmenu);
  std::map<std::string, Dots> dots = DotsByColour(r);
  EXPECT_EQ(dots["3"].count, 21 + 26 + 19);
  EXPECT_EQ(dots["7"].count, 181);
  EXPECT_EQ(dots["9"].count, 181);
  EXPECT_EQ(dots["3"].width, "5");
  // The labels beyond the middles of the length arcs: "■m" and "●m" end at
  // X 108, "▲m" stands centred on X 244 with its top at 180.
  std::vector<std::string> labels;
  for (const Print& p : PrintsOf(r.run)) {
    if (p.y < 150 || (p.text != Utf8("■m") && p.text != Utf8("▲m") && p.text != Utf8("●m"))) {
      continue;
    }
    labels.push_back(p.text + " " + std::to_string(std::lround(p.x)) + " " +
                     std::to_string(std::lround(p.y)));
  }
  EXPECT_EQ(labels, Utf8All({"■m 47 293", "▲m 214 180", "●m 47 418"}));
}

TEST(OrderOfOperationsTopic, TheLawInLettersDrawsWithThePenItFinds) {
  // Four arcs of every degree; width 3 from start-up, 5 after the area page.
  const ItemRun fresh = RunItem("vindrel", "2 Enter 6 Enter " + Repeat("a", 11), kSubmenu);
  std::map<std::string, Dots> dots = DotsByColour(fresh);
  EXPECT_EQ(dots["7"].count, 2 * 181);
  EXPECT_EQ(dots["9"].count, 2 * 181);
  EXPECT_EQ(dots["7"].width, "3");
  const ItemRun after = RunItem(
      "vindrel", "2 Enter 5 Enter " + Repeat("a", 16) + "6 Enter " + Repeat("a", 11), kSubmenu);
  EXPECT_EQ(DotsByColour(after)["9"].width, "5");
}

// ---- the generators, in-process under the fixed clock ----------------------

class OperationNumbers : public StartedPageTest {};

std::string Text(float v) {
  return std::to_string(static_cast<int>(v));
}
std::string Bracketed(float v) {
  return v < 0 ? "(" + Text(v) + ")" : Text(v);
}

TEST_F(OperationNumbers, ProductsAndQuotientsComeOutWholeAndAreWrittenAsTheyRead) {
  for (int example = 0; example < 200; ++example) {
    MixedProductNumbers();
    ASSERT_TRUE(T(1) >= -6 && T(1) <= -2);
    ASSERT_TRUE(std::abs(T(2)) >= 2 && std::abs(T(2)) <= 4);
    ASSERT_TRUE(std::abs(T(4)) >= 2 && std::abs(T(4)) <= 5);
    EXPECT_EQ(std::abs(T(3)), std::abs(T(2)) * std::abs(T(4)));
    EXPECT_EQ(std::abs(T(6)), std::abs(T(2)));
    EXPECT_EQ(T(8), T(1) * T(2) - T(3) / T(4));
    EXPECT_NE(T(8), 0);
    EXPECT_EQ(Utf8(T_s(1)), Text(T(1)));
    EXPECT_EQ(Utf8(T_s(22)), Bracketed(T(2)));
    EXPECT_EQ(Utf8(T_s(23)), Bracketed(T(3)));
    EXPECT_EQ(Utf8(T_s(24)), Bracketed(T(4)));
    EXPECT_EQ(Utf8(T_s(26)), Bracketed(T(6)));
    EXPECT_EQ(Utf8(T_s(27)), (T(7) > 0 ? "+" : "") + Text(T(7)));
  }
}

TEST_F(OperationNumbers, CubesComeFirstAndTheResultIsAlwaysNegative) {
  for (int example = 0; example < 200; ++example) {
    MixedPowerNumbers();
    ASSERT_TRUE(T(11) >= -5 && T(11) <= -2);
    ASSERT_TRUE(T(13) == -3 || T(13) == -2 || T(13) == 2 || T(13) == 3);
    EXPECT_EQ(T(14), T(11) * T(11) * T(11));
    EXPECT_EQ(T(12), T(16) * T(15));
    ASSERT_TRUE(std::abs(T(16)) >= 2 && std::abs(T(16)) <= 7);
    ASSERT_TRUE(T(18) >= -132 && T(18) <= -1);
    // The cube bare at the head of each line; the others bracketed when
    // negative; -q with its "+".
    EXPECT_EQ(Utf8(T_s(14)), Text(T(14)));
    EXPECT_EQ(Utf8(T_s(11)), Bracketed(T(11)));
    EXPECT_EQ(Utf8(T_s(12)), Bracketed(T(12)));
    EXPECT_EQ(Utf8(T_s(15)), Bracketed(T(15)));
    EXPECT_EQ(Utf8(T_s(16)), Bracketed(T(16)));
    EXPECT_EQ(Utf8(T_s(17)), (T(17) > 0 ? "+" : "") + Text(T(17)));
  }
}

TEST_F(OperationNumbers, BracketExamplesKeepTheirRangesAndSigns) {
  for (int example = 0; example < 200; ++example) {
    BracketExampleNumbers();
    ASSERT_TRUE(std::abs(T(1)) >= 5 && std::abs(T(1)) <= 15);
    ASSERT_TRUE(std::abs(T(2)) >= 1 && std::abs(T(2)) <= 8);
    ASSERT_TRUE(T(3) >= 2 && T(3) <= 7);
    ASSERT_TRUE(T(4) >= -10 && T(4) <= -3);
    ASSERT_TRUE(T(5) == 2 || T(5) == 3 || T(5) == 5);
    EXPECT_EQ(T(10), T(1) - (T(2) + (T(3) + T(4))) * T(5));
    EXPECT_EQ(Utf8(T_s(6)), (T(6) >= 0 ? "+" : "") + Text(T(6)));
    EXPECT_EQ(Utf8(T_s(7)), Bracketed(T(7)));
    EXPECT_EQ(Utf8(T_s(8)), Bracketed(T(8)));
    EXPECT_EQ(Utf8(T_s(9)), (T(9) >= 0 ? "+" : "") + Text(T(9)));
  }
}

}  // namespace
}  // namespace vindrel
