// Vindrel's topic on powers: every item driven from the main menu through
// all its keys and back to the submenu, the random products and quotients
// under a fixed clock, and the exponents drawn by the two marks.
#include <gtest/gtest.h>

#include "headless_fixture.h"
#include "item_run.h"
#include "log_lines.h"
#include "page_reader.h"
#include "powers_sets_pages.h"
#include "submenu_lines.h"

namespace vindrel {
namespace {

const char* const kSubmenu = SubmenuOf("vindrel", 1);

class PowersItems : public ::testing::TestWithParam<ItemCase> {};

TEST_P(PowersItems, TakesItsKeysAndComesBackToTheSubmenu) {
  ExpectItem("vindrel", "1 Enter", kSubmenu, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    EveryItem, PowersItems,
    ::testing::Values(
        // Seventeen keys; the answers of the exercise where their "=" ended.
        ItemCase{"ExponentNotation",
                 "1 Enter a a a a a a a a a a a a a a a a a",
                 17,
                 0,
                 {"44 500 3 (1)",       "125 500 0 (-2)*(-2)*(-2)=",
                  "775 500 3 (2)",      "856 500 0 0.5*0.5=",
                  "44 580 3 (3)",       "125 580 0 ﾀ3/5ﾀ*ﾀ3/5ﾀ=",
                  "535 500 3 (",        "562 500 5 -2",
                  "616 500 3 )",        "643 500 5 \\3",
                  "1039 500 5 0.5^2",   "248 580 3 (",
                  "275 580 5 ﾀ3/5ﾀ",    "307 580 3 )",
                  "334 570 5 ^2",       "400 580 7 教科書 問1　をしなさい。",
                  "792 30 3 問1　解答", "792 80 3 (1)",
                  "873 80 0 4^2",       "924 80 0 =4*4",
                  "1037 80 5 =16",      "792 130 3 (2)",
                  "873 130 0 3^3",      "924 130 0 =3*3*3",
                  "1091 130 5 =27",     "792 180 3 (3)",
                  "873 180 0 2^5",      "846 230 0 =2*2*2*2*2",
                  "1121 230 5 =32"}},
        // The four problems, then each line completed after its "=".
        ItemCase{"PowerExamples",
                 "2 Enter a a a a a a a a",
                 8,
                 0,
                 {"40 30 3 例1 次の計算をしなさい。", "40 105 3 (1)",
                  "121 105 0 (-2)^4=", "40 180 3 (2)", "121 180 0 -2^4=", "40 255 3 (3)",
                  "121 255 0 2*3^2=", "40 330 3 (4)",
                  "121 330 0 (2*3)^2=", "285 105 3 (-2)*(-2)*(-2)*(-2)=", "830 105 5 16",
                  "231 180 3 -(2*2*2*2)=", "533 180 5 -16", "258 255 3 2*9=", "371 255 5 18",
                  "312 330 3 6^2=", "395 330 5 36"}},
        // One product (n = 1 under this clock), the closing lines, one
        // quotient, one key and the task line.
        ItemCase{"RandomPowers",
                 "3 Enter a a 1 Enter a a 1 Enter a",
                 5,
                 2,
                 {"40 30 3 例2 次の計算をしなさい。", "40 90 0 ① (-3)^3*(-5)^",
                  "74 170 0 =(-27)*(-5)", "74 250 5 =135", "40 325 3 まず、", "40 375 3 (-3)^3",
                  "172 375 3 を計算する。", "640 100 0 ② (-4)^3/(-5)^2", "674 180 0 =(-64)/25",
                  "674 280 5 =ﾀ-64/25ﾀ=-ﾀ64/25ﾀ", "674 380 7 教科書 問2　をしなさい。"}},
        // Drawn whole at once: the submenu follows without a key.
        ItemCase{"Question2Answers",
                 "4 Enter",
                 0,
                 0,
                 {"40 30 3 問2　解答",       "40 90 3 (1)",
                  "110 90 0 (-3)^3",         "94 144 0 =(-3)*(-3)*(-3)",
                  "94 194 5 =-27",           "40 254 3 (2)",
                  "110 254 0 -5^3",          "94 308 0 =-5*5*5",
                  "94 358 5 =-125",          "40 418 3 (3)",
                  "110 418 0 -1.5^2",        "94 472 0 =-1.5*1.5",
                  "94 522 5 =-2.25",         "600 90 3 (4)",
                  "670 90 0 (-4)^2*(-7)",    "654 144 0 =16*(-7)",
                  "654 194 5 =-112",         "600 254 3 (5)",
                  "670 254 0 (-6^2)/(-2)^3", "654 324 0 =-36/(-8)",
                  "654 394 0 =+ﾀ36/8ﾀ",      "654 464 5 =ﾀ9/2ﾀ"}},
        // Twenty-six keys; each even power 30 after the odd one's value.
        ItemCase{"SignPattern",
                 "5 Enter a a a a a a a a a a a a a a a a a a a a a a a a a a",
                 26,
                 0,
                 {"94 270 3 (-2)^7", "226 270 0 =64*(-2)", "447 270 0 =-128", "617 270 3 (-2)^8",
                  "749 270 0 =-128*(-2)", "1024 270 0 =256", "94 330 5 偶数のとき", "40 400 7 Q2 ",
                  "121 400 3 (-2)^□ ", "280 400 0 が負の数になるのは□がどんな数のとき? ",
                  "94 460 5 奇数のとき"}}),
    ItemCaseName);

TEST(PowersTopic, TheMenuDispatchesOnTheValueAndItsEmptyItemLeadsBack) {
  // 4/2 opens topic 2; 5 (the empty item) draws the menu again.
  const ItemRun r = RunItem("vindrel", "5 Enter 4 / 2 Enter", SubmenuOf("vindrel", 2));
  EXPECT_EQ(r.submenus, 1);
  int menus = 0;
  for (const Print& p : PrintsOf(r.run)) menus += p.text == Utf8("＜Vindrel　メニュー＞");
  EXPECT_EQ(menus, 2);
}

// The exponent marks as drawn: "^" at the line's top with magnifications 3
// and 2, "\" size 8 and 10 higher with 6 and 3.
TEST(PowersTopic, ExponentNotationDrawsBothExponentMarks) {
  const ItemRun r = RunItem("vindrel", "1 Enter 1 Enter a a a", kSubmenu);
  std::vector<std::string> exponents;
  for (const std::string& line : r.run.log) {
    const std::vector<std::string> f = Fields(line);
    if (f[0] != "text" || (f[4] != "2" && f[6] != "8")) continue;
    exponents.push_back(f[1] + " " + f[2] + " " + f[3] + " " + f[4] + " " + f[6] + " " + f[10]);
  }
  // 5^2 on lines 80 and 140; the 3 of (-5)\3 above line 200.
  EXPECT_EQ(exponents,
            (std::vector<std::string>{"139 80 3 2 16 2", "152 140 3 2 16 2", "220 190 6 3 8 3"}));
}

TEST(PowersTopic, AnEmptyExponentChangesNothingPrintedAfterIt) {
  // Under this clock the product's second factor has exponent 1: the problem
  // ends with the mark, and the powers line below is drawn at full height.
  const ItemRun r = RunItem("vindrel", "1 Enter 3 Enter a a", kSubmenu);
  ASSERT_GE(r.page_texts.size(), 3u);
  EXPECT_EQ(r.page_texts[1], Utf8("40 90 0 ① (-3)^3*(-5)^"));
  for (const std::string& line : r.run.log) {
    const std::vector<std::string> f = Fields(line);
    if (f[0] == "text" && f[2] == "170") {
      EXPECT_EQ(f[4], "3") << line;
    }
  }
}

// ---- the generators, in-process under the fixed clock ----------------------

class PowerNumbers : public StartedPageTest {
 protected:
  void SetUp() override {
    StartedPageTest::SetUp();
    FMAESU = 0;
  }
};

float Power(float base, float exponent) {
  float p = 1;
  for (int i = 0; i < exponent; ++i) p *= base;
  return p;
}

TEST_F(PowerNumbers, ProductsKeepTheirRangesAndNeverRepeatTheSecondExponent) {
  for (int example = 0; example < 60; ++example) {
    const float previous = FMAESU;
    PowerProductNumbers();
    EXPECT_NE(F(2), previous);
    EXPECT_EQ(FMAESU, F(2));
    ASSERT_TRUE(F(1) == 2 || F(1) == 3);
    ASSERT_TRUE(F(2) >= 1 && F(2) <= 3);
    ASSERT_TRUE(T(1) <= -2 && T(1) >= -5 && T(2) <= -2 && T(2) >= -5);
    EXPECT_EQ(T(3), Power(T(1), F(1)));
    EXPECT_EQ(T(4), Power(T(2), F(2)));
    EXPECT_EQ(T(5), T(3) * T(4));
    // Bases always bracketed, a negative power bracketed, exponent 1 empty.
    EXPECT_EQ(Utf8(T_s(1)), "(" + std::to_string(static_cast<int>(T(1))) + ")");
    EXPECT_EQ(Utf8(T_s(4)).front() == '(', T(4) < 0);
    EXPECT_EQ(F_sa(2).empty(), F(2) == 1);
    EXPECT_EQ(T_s(5).front() == '(', false);
  }
}

TEST_F(PowerNumbers, QuotientsShareTheMemoryAndWriteTheirReduction) {
  PowerProductNumbers();
  for (int example = 0; example < 60; ++example) {
    const float previous = FMAESU;
    PowerQuotientNumbers();
    EXPECT_NE(F(12), previous);
    EXPECT_EQ(T(13), Power(T(11), F(11)));
    EXPECT_EQ(T(14), Power(T(12), F(12)));
    // The third line starts with the fraction as it stands.
    const std::string p = std::to_string(static_cast<int>(T(13)));
    const std::string q = std::to_string(static_cast<int>(T(14)));
    EXPECT_EQ(Utf8(RAB_sa(1)).rfind(Utf8("ﾀ") + p + "/" + q + Utf8("ﾀ"), 0), 0u) << p << "/" << q;
  }
}

// A refused draw is drawn again from the running sequence: under a clock
// that never moves the example still comes, whatever exponent it must avoid.
TEST_F(PowerNumbers, ARefusedQuotientIsDrawnAgainWithoutWaitingForTheClock) {
  for (float avoided : {1.0f, 2.0f, 3.0f}) {
    FMAESU = avoided;
    PowerQuotientNumbers();
    EXPECT_NE(F(12), avoided);
    EXPECT_EQ(FMAESU, F(12));
  }
}

TEST_F(PowerNumbers, QuotientReductionsAsTheyAreWritten) {
  struct Case {
    float p, q;
    const char* text;
  };
  for (const Case& c : {Case{9, 4, "ﾀ9/4ﾀ"}, Case{4, 16, "ﾀ4/16ﾀ=ﾀ1/4ﾀ"},
                        Case{16, -2, "ﾀ16/-2ﾀ=-8"}, Case{4, -3, "ﾀ4/-3ﾀ=-ﾀ4/3ﾀ"},
                        Case{-8, -27, "ﾀ-8/-27ﾀ=ﾀ8/27ﾀ"}, Case{-64, -2, "ﾀ-64/-2ﾀ=32"},
                        Case{-27, 9, "ﾀ-27/9ﾀ=-3"}, Case{-125, -125, "ﾀ-125/-125ﾀ=1"}}) {
    DS = c.p;
    DB = c.q;
    ReduceFraction();
    EXPECT_EQ(Utf8(A3_s), Utf8(c.text));
  }
}

}  // namespace
}  // namespace vindrel
