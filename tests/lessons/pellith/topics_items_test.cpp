// Pellith's multiplication and division topics driven from the main menu:
// every item of both submenus through all its keys and back to its
// submenu.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "headless_fixture.h"
#include "item_run.h"
#include "page_reader.h"
#include "submenu_lines.h"

namespace {

const char* const kMultiplicationItems = SubmenuOf("pellith", 1);
const char* const kDivisionItems = SubmenuOf("pellith", 2);

class MultiplicationItems : public ::testing::TestWithParam<ItemCase> {};

TEST_P(MultiplicationItems, TakeTheirKeysAndComeBackToTheSubmenu) {
  ExpectItem("pellith", "1 Enter", kMultiplicationItems, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    EveryItem, MultiplicationItems,
    ::testing::Values(
        // 19 steps and 6 arrows, each arrow with its own key.
        ItemCase{"RepeatedAddition",
                 "1 Enter" + AnyKeys(25),
                 25,
                 0,
                 {"40 580 3 (1)", "121 580 0 (-3)*7", "283 580 5 =-21", "431 580 3 (2)",
                  "512 580 0 (-6)*8", "674 580 5 =-48", "822 580 3 (3)", "903 580 0 (-12)*6",
                  "1092 580 5 =-72"}},
        // 7 rows of 2 keys, the reversed arrows (3 keys and one more), row
        // ⑧ (4), the rule, the textbook line and 5 keys of answers.
        ItemCase{"PositiveByNegative",
                 "2 Enter" + AnyKeys(29),
                 29,
                 0,
                 {"40 380 3 　負の数をかけるとき", "40 430 5 (正の数)*(負の数)→ -(絶対値の積)",
                  "40 480 0 教科書 問2をしなさい。", "40 530 3 (1)", "121 530 0 5*(-6)",
                  "283 530 5 =-30", "431 530 3 (2)", "512 530 0 9*(-8)", "674 530 5 =-72",
                  "40 580 3 (3)", "121 580 0 10*(-10)", "337 580 5 =-100"}},
        ItemCase{"NegativeByNegative",
                 "3 Enter" + AnyKeys(29),
                 29,
                 0,
                 {"483 180 3 ⑧", "517 180 0 (-8)*(-5)=", "792 180 3 +",
                  "819 180 3 (8*5)=", "986 180 5 40", "40 380 3 　負の数をかけるとき",
                  "40 430 5 (負の数)*(負の数)→ +(絶対値の積)", "40 480 0 教科書 問3をしなさい。",
                  "40 530 3 (1)", "121 530 0 (-4)*(-9)", "364 530 5 =36", "485 530 3 (2)",
                  "566 530 0 (-8)*(-7)", "809 530 5 =56", "40 580 3 (3)", "121 580 0 (-10)*(-10)",
                  "418 580 5 =100"}},
        // The empty table, then one key before each of the eight answers.
        ItemCase{"ProductSignRule",
                 "4 Enter" + AnyKeys(8),
                 8,
                 0,
                 {"558.5 368 5 -", "700 368 5 2*3=6"}},  // the last row's answers
        // One example of each of the three parts, with a second of the first.
        ItemCase{"ProductDrill", "5 Enter a 2 Enter a 1 Enter a 1 Enter a 1 Enter", 4, 4, {}},
        ItemCase{"MinusOneProducts",
                 "6 Enter" + AnyKeys(9),
                 9,
                 0,
                 {"44 330 5 ※-1をかければ、符号が変わる。", "600 30 0 例　次の計算をしなさい。",
                  "600 90 0 ① (-1)*", "796 90 3 6", "823 90 0 =", "600 150 0 ② -(", "715 150 3 -3",
                  "769 150 0 )=", "600 210 0 ③ -(", "715 210 3 -1",
                  "769 210 0 )=", "855 90 0 (-1)*(+6)=", "1130 90 3 -6",
                  "828 150 0 (-1)*(-3)=", "1103 150 3 3", "828 210 0 (-1)*(-1)=", "1103 210 3 1"}},
        ItemCase{"OneAndZeroProducts",
                 "7 Enter" + AnyKeys(11),
                 11,
                 0,
                 {"600 30 0 問 0との積を求めなさい。", "600 90 0 ① 0*(", "742 90 3 +3",
                  "796 90 0 )=", "600 150 0 ② 0*(", "742 150 3 -3", "796 150 0 )=", "600 210 0 ③ (",
                  "688 210 3 +5", "742 210 0 )*0=", "600 270 0 ④ (", "688 270 3 -5",
                  "742 270 0 )*0=", "855 90 3 0", "855 150 3 0", "855 210 3 0", "855 270 3 0",
                  "600 330 5 ※0との積は0になる。"}}),
    ItemCaseName);

class DivisionItems : public ::testing::TestWithParam<ItemCase> {};

TEST_P(DivisionItems, TakeTheirKeysAndComeBackToTheSubmenu) {
  ExpectItem("pellith", "2 Enter", kDivisionItems, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    EveryItem, DivisionItems,
    ::testing::Values(
        // The review line in 4 steps, then 4 rows of 3 steps: 15 keys.
        ItemCase{"DivisionTask",
                 "1 Enter" + AnyKeys(15),
                 15,
                 0,
                 {"44 405 0 ④ (-6)", "213 405 3 /", "240 405 0 (", "267 405 3 -3", "321 405 0 )=",
                  "515 405 5 □", "549 405 3 *(-3)", "684 405 0 =-6  ", "380 405 5 +2"}},
        ItemCase{
            "Question4Answers",
            "4 Enter" + AnyKeys(5),
            5,
            0,
            {"480 198 3 (5)", "550 198 0 15/(-21)", "534 252 0 =-ﾀ15/21ﾀ", "534 332 5 =-ﾀ5/7ﾀ",
             "480 392 3 (6)", "550 392 0 (-45)/(-60)", "534 446 0 =+ﾀ45/60ﾀ", "534 526 5 =ﾀ3/4ﾀ"}},
        // One product (2 keys), one quotient (3 to 5 keys by its divisor),
        // then a key before the textbook line.
        ItemCase{
            "DecimalExamples",
            "5 Enter a a 1 Enter a a a a a 1 Enter a",
            8,
            2,
            {"640 350 3 わる数を整数にしてから計算する。", "160 600 7 教科書 問5　をしなさい。"}},
        ItemCase{"Question5Answers",
                 "6 Enter" + AnyKeys(3),
                 3,
                 0,
                 {"40 90 0 (1)", "110 90 0  0.5*(-3)", "94 144 0 =-(0.5*3)", "94 198 5 =-1.5",
                  "40 258 0 (2)", "110 258 0  (-0.8)*(-0.6)", "94 312 0 =+(0.8*0.6)",
                  "94 366 5 =0.48", "480 90 0 (3)", "550 90 0  2.4/(-0.6)", "534 144 0 =-(2.4/0.6)",
                  "534 198 0 =-(24/6)", "534 252 5 =-4", "480 312 0 (4)", "550 312 0  (-0.4)/8",
                  "534 366 0 =-(0.4/8)", "534 420 5 =-0.05"}}),
    ItemCaseName);

}  // namespace
