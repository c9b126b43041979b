// Torvane's topic on the laws of addition and clever calculation, driven
// from the main menu: every page line by line and key by key, with the
// underlines and strokes it draws and the pen width it leaves.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "submenu_lines.h"
#include "topic_pages.h"

namespace {

using namespace topic_pages;

const char* const kSubmenu = SubmenuOf("torvane", 5);

class AdditionLawsItems : public ::testing::TestWithParam<FixedItem> {};

TEST_P(AdditionLawsItems, ShowsItsPageKeyByKeyAndComesBackToTheSubmenu) {
  ExpectFixedItem("5", kSubmenu, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    EveryItem, AdditionLawsItems,
    ::testing::Values(FixedItem{"Laws",
                                "1 Enter " + Repeat("a", 13),
                                {Menu(),
                                 {77, 20, 0, "問　①～③はどんな計算のくふうをしていますか。"},
                                 {50, 95, 3, "① "},
                                 {kAfter, 0, 0, "3-9"},
                                 {kAfter, 0, 0, "+7"},
                                 {77, 155, 0, "=-6+7"},
                                 {77, 215, 0, "=1"},
                                 {360, 95, 3, "② "},
                                 {kAfter, 0, 0, "3"},
                                 {kAfter, 0, 0, "-9+7"},
                                 {387, 155, 0, "=3-2"},
                                 {387, 215, 0, "=1"},
                                 {680, 95, 3, "③ "},
                                 {kAfter, 0, 0, "3-9+7"},
                                 {707, 155, 0, "="},
                                 {kAfter, 0, 0, "3"},
                                 {kAfter, 0, 0, "+7"},
                                 {kAfter, 0, 0, "-9"},
                                 {707, 215, 0, "=10-9"},
                                 {707, 275, 0, "=1"},
                                 Key(),
                                 {67, 345, 7, "①は、"},
                                 Key(),  // the underline of 3-9
                                 Key(),
                                 {kAfter, 345, 7, "前から順番に計算している。"},
                                 Key(),
                                 {67, 415, 7, "②は、"},
                                 Key(),  // the underline of -9+7
                                 Key(),
                                 {kAfter, 415, 3, "後ろから計算している。"},
                                 Key(),
                                 {kAfter, 0, 5, "(加法の結合法則)"},
                                 Key(),
                                 {67, 485, 7, "③は、"},
                                 Key(),  // the underline of +7-9
                                 Key(),
                                 {kAfter, 485, 3, "入れかえて"},
                                 Key(),  // the underline of 3+7
                                 Key(),
                                 {kAfter, 485, 7, "正の数どうし計算している。"},
                                 Key(),
                                 {kAfter, 0, 5, "(加法の交換法則)"},
                                 Menu()},
                                // Under "3-9" and "-9+7" at 145; under "+7-9" at 205 and,
                                // 10 lower, under "3+7".
                                {{2, "line 111 145 192 145 7 8"},
                                 {5, "line 448 145 556 145 3 8"},
                                 {9, "line 766 205 874 205 3 8"},
                                 {11, "line 739 215 820 215 7 8"}}},
                      FixedItem{"SignGrouping",
                                "2 Enter a a a a",
                                {Menu(),
                                 {40, 20, 0, "問 次の計算はどんなくふうをしていますか。"},
                                 {40, 95, 3, " "},
                                 {kAfter, 0, 0, " 3-8+7-5"},
                                 {67, 155, 0, "=3"},
                                 {kAfter, 0, 0, "+7-8"},
                                 {kAfter, 0, 0, "-5"},
                                 {67, 215, 0, "=("},
                                 {kAfter, 0, 0, "3+7"},
                                 {kAfter, 0, 0, ")+("},
                                 {kAfter, 0, 0, "-8-5"},
                                 {kAfter, 0, 0, ")"},
                                 {67, 275, 0, "=10-13"},
                                 {67, 335, 0, "=-3"},
                                 Key(),  // the underline of +7-8
                                 Key(),
                                 {67, 425, 3, "①加法の交換法則を使っている。"},
                                 Key(),  // the underlines of 3+7 and -8-5
                                 Key(),
                                 {67, 495, 3, "②正の数どうし、負の数どうしを先に計算している。"},
                                 Menu()},
                                {{1, "line 126 205 234 205 3 8"},
                                 {3, "line 126 265 207 265 3 8"},
                                 {3, "line 288 265 396 265 3 8"}}},
                      FixedItem{"ZeroSum",
                                "3 Enter a",
                                {Menu(),
                                 {40, 20, 0, "問　次の計算はどんなくふうをしていますか。"},
                                 {67, 95, 0, " -3+9-5-9"},
                                 {67, 155, 0, "=-3"},
                                 {kAfter, 0, 0, "+9"},
                                 {kAfter, 0, 0, "-5"},
                                 {kAfter, 0, 0, "-9"},
                                 {67, 215, 0, "=-3-5"},
                                 {67, 275, 0, "=-8"},
                                 Key(),
                                 {67, 345, 3, "① 9-9=0を使っている。"},
                                 Menu()},
                                // Down across "+9" (43) and "-9" (40), before the key.
                                {{0, "line 153 155 207 198 3 5"}, {0, "line 261 155 315 195 3 5"}}},
                      FixedItem{"Summary",
                                "4 Enter a",
                                {Menu(),
                                 {88, 18, 5, "<加法の計算法則>"},
                                 {44, 93, 3, "① 加法の結合法則"},
                                 {132, 153, 0, "どこから計算してもよい。( )をどこにつけてもよい。"},
                                 {44, 228, 3, "② 加法の交換法則"},
                                 {44, 288, 0, " 　順番を交換することがでる。"},
                                 {88, 378, 5, "<計算の工夫>"},
                                 {44, 453, 3, "① 正の数どうし、負の数どうしを先に計算する。"},
                                 {44, 528, 3, "② たして0になる計算を利用する。"},
                                 Key(),
                                 {44, 588, 7, "教科書 問9　をしなさい。"},
                                 Menu()}},
                      FixedItem{"Question9",
                                "5 Enter a a a a a",
                                {Menu(),
                                 {108, 18, 3, "問9 解答"},
                                 {108, 78, 0, "｛3+(-4)｝+(-5)"},
                                 Key(),
                                 {108, 138, 0, "=-1+(-5)"},
                                 Key(),
                                 {108, 198, 5, "=-6"},
                                 {108, 258, 0, "3+｛(-4)+(-5)｝"},
                                 Key(),
                                 {108, 318, 0, "=3+(-9)"},
                                 Key(),
                                 {108, 378, 5, "=-6"},
                                 Key(),
                                 {108, 438, 3, "だから、両方の結果は等しい。"},
                                 Menu()}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(AdditionLawsTopic, PagesBlankTheirAreaAndLeaveThePenWidthOfTheirMarks) {
  struct Case {
    const char* keys;
    int width;  // of the boxes the next page's blanking draws
  };
  // After each page the summary page's blank box is drawn at the width left.
  const Case cases[] = {{"1 Enter "
                         "a a a a a a a a a a a a a",
                         8},
                        {"2 Enter a a a a", 8},
                        {"3 Enter a", 5},
                        {"5 Enter a a a a a", 3}};
  for (const Case& c : cases) {
    const ItemRun r = RunItem("torvane", std::string("5 Enter ") + c.keys + " 4 Enter", kSubmenu);
    int blanks = 0;
    std::string last;
    for (const std::string& line : r.run.log) {
      if (line.rfind("box\t0\t0\t1320\t1300\t15\t15\t15\t", 0) == 0) {
        ++blanks;
        last = line;
      }
    }
    EXPECT_EQ(blanks, 2) << c.keys;
    EXPECT_EQ(last, "box\t0\t0\t1320\t1300\t15\t15\t15\t" + std::to_string(c.width)) << c.keys;
  }
}

}  // namespace
