// Torvane's practice answers, driven from the main menu: the three pages
// line by line and key by key, and each screen under its header.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "submenu_lines.h"
#include "topic_pages.h"

namespace {

using namespace topic_pages;

const char* const kSubmenu = SubmenuOf("torvane", 7);

// The header of a screen: "練習問題" centred in the title cell at `title`,
// the page's number centred in its cell 44 right of it.
std::vector<Want> Header(double title, const char* number) {
  return {{title + 130, 32, 0, "練習問題"}, {title + 396 + 44 + 8.5, 30, 13, number}};
}

std::vector<Want> Join(std::initializer_list<std::vector<Want>> parts) {
  std::vector<Want> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

class PracticeAnswersPages : public ::testing::TestWithParam<FixedItem> {};

TEST_P(PracticeAnswersPages, ShowEachScreenKeyByKeyAndComeBackToTheSubmenu) {
  ExpectFixedItem("7", kSubmenu, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    EveryPage, PracticeAnswersPages,
    ::testing::Values(FixedItem{"Page1", "1 Enter " + Repeat("a", 24),
                                Join({{Menu()},
                                      Header(84, "1"),
                                      {{30, 90, 3, "(1)"},
                                       {kAfter, 0, 0, "(+32)-(+47)"},
                                       Key(),
                                       {84, 140, 0, "=(+32)+(-47)"},
                                       Key(),
                                       {84, 190, 5, "=-15"},
                                       {30, 240, 3, "(2)"},
                                       {kAfter, 0, 0, "(-14)+(+22)"},
                                       Key(),
                                       {84, 290, 5, "=+8"},
                                       {30, 340, 3, "(3)"},
                                       {kAfter, 0, 0, "(-28)+(-72)"},
                                       Key(),
                                       {84, 390, 5, "=-100"},
                                       {30, 440, 3, "(4)"},
                                       {kAfter, 0, 0, "(+47)-(+32)"},
                                       Key(),
                                       {84, 490, 0, "=(+47)+(-32)"},
                                       Key(),
                                       {84, 540, 5, "=+15"},
                                       {440, 80, 3, "(5)"},
                                       {kAfter, 0, 0, "(-36)-(-18)"},
                                       Key(),
                                       {494, 130, 0, "=(-36)+(+18)"},
                                       Key(),
                                       {494, 180, 5, "=-18"},
                                       {440, 230, 3, "(6)"},
                                       {kAfter, 0, 0, "(-35)+(+35)"},
                                       Key(),
                                       {494, 280, 5, "=0"},
                                       {440, 330, 3, "(7)"},
                                       {kAfter, 0, 0, "(-3.3)+(-4.7)"},
                                       Key(),
                                       {494, 380, 0, "=-(3.3+4.7)"},
                                       Key(),
                                       {494, 430, 5, "=-8"},
                                       {440, 480, 3, "(8)"},
                                       {kAfter, 0, 0, "(-3.9)-(-6.4)"},
                                       Key(),
                                       {494, 530, 0, "=(-3.9)+(+6.4)"},
                                       Key(),
                                       {494, 580, 5, "=+2.5"},
                                       {840, 30, 3, "(9)"},
                                       {kAfter, 0, 0, "(-1.2)-(+1.2)"},
                                       Key(),
                                       {894, 80, 0, "=(-1.2)+(-1.2)"},
                                       Key(),
                                       {894, 130, 5, "=-2.4"},
                                       {840, 200, 3, "(10)"},
                                       {kAfter, 0, 0, "(-ﾀ7/9ﾀ)+(-ﾀ5/9ﾀ)"},
                                       Key(),
                                       {894, 280, 5, "=-ﾀ12/9ﾀ=-ﾀ4/3ﾀ"},
                                       {840, 350, 3, "(11)"},
                                       {kAfter, 0, 0, "(+ﾀ4/5ﾀ)+(-ﾀ3/2ﾀ)"},
                                       Key(),
                                       {894, 430, 0, "=(+ﾀ8/10ﾀ)+(-ﾀ15/10ﾀ)"},
                                       Key(),
                                       {894, 500, 5, "=-ﾀ7/10ﾀ"},
                                       Key()},
                                      // The second screen, under the same header.
                                      Header(84, "1"),
                                      {{30, 110, 3, "(12)"},
                                       {kAfter, 0, 0, "(-ﾀ1/8ﾀ)-(-ﾀ5/6ﾀ)"},
                                       Key(),
                                       {84, 190, 0, "=(-ﾀ1/8ﾀ)+(+ﾀ5/6ﾀ)"},
                                       Key(),
                                       {84, 270, 0, "=(-ﾀ3/24ﾀ)+(+ﾀ20/24ﾀ)"},
                                       Key(),
                                       {84, 350, 5, "=+ﾀ17/24ﾀ"},
                                       {30, 410, 3, "(13)"},
                                       {kAfter, 0, 0, "(-4)-(+15)-(-9)"},
                                       Key(),
                                       {84, 460, 0, "=(-4)+(-15)+(+9)"},
                                       {84, 510, 0, "=(-19)+(+9)"},
                                       {84, 560, 5, "=-10"},
                                       {560, 90, 3, "(14)"},
                                       {kAfter, 0, 0, "(+12)+(-3)-(+6)-(-1)"},
                                       Key(),
                                       {614, 140, 0, "=(+12)+(-3)+(-6)+(+1)"},
                                       {614, 190, 0, "=(+12)+(+1)+(-3)+(-6)"},
                                       {614, 240, 0, "=(+13)+(-9)"},
                                       {614, 290, 5, "=4"},
                                       Menu()}})},
                      FixedItem{
                          "Page2", "2 Enter a",
                          Join({{Menu()},
                                Header(94, "2"),
                                {{40, 90, 3, "(1)"},
                                 {110, 90, 0, "20-(-13)"},
                                 {94, 140, 0, "=20+13"},
                                 {94, 190, 5, "=33"},
                                 {40, 250, 3, "(2)"},
                                 {110, 250, 0, "-11+5"},
                                 {94, 300, 5, "=-6"},
                                 {40, 360, 3, "(3)"},
                                 {110, 360, 0, "-7.8+4.8"},
                                 {94, 410, 5, "=-3"},
                                 {40, 470, 3, "(4)"},
                                 {110, 470, 0, "-6.3-1.8"},
                                 {94, 520, 5, "=-8.1"},
                                 {360, 100, 3, "(5)"},
                                 {430, 100, 0, "ﾀ2/3ﾀ-ﾀ5/6ﾀ"},
                                 {414, 180, 0, "=ﾀ4/6ﾀ-ﾀ5/6ﾀ"},
                                 {414, 260, 0, "=-ﾀ5-4/6ﾀ"},
                                 // Right after the fraction line (its width is the printer's).
                                 {569, 260, 5, "=-ﾀ1/6ﾀ"},
                                 {360, 340, 3, "(6)"},
                                 {430, 340, 0, "-ﾀ5/7ﾀ-(-ﾀ3/4ﾀ)"},
                                 {414, 420, 0, "=-ﾀ5/7ﾀ+ﾀ3/4ﾀ"},
                                 {414, 500, 0, "=-ﾀ20/28ﾀ+ﾀ21/28ﾀ"},
                                 {414, 580, 0, "=+ﾀ21-20/28ﾀ"},
                                 {633, 580, 5, "=ﾀ1/28ﾀ"},
                                 {760, 30, 3, "(7)"},
                                 {830, 30, 0, "-8+7-9"},
                                 {814, 80, 0, "=7-8-9"},
                                 {814, 130, 0, "=7-17"},
                                 {814, 180, 5, "=-10"},
                                 {760, 240, 3, "(8)"},
                                 {830, 240, 0, "-16-(-14)+8"},
                                 {814, 290, 0, "=-16+14+8"},
                                 {814, 340, 0, "=-16+22"},
                                 {814, 390, 5, "=6"},
                                 Key()},
                                // 27 further right on the second screen.
                                Header(121, "2"),
                                {{40, 90, 3, "(9)"},
                                 {137, 90, 0, "24-15-22+13"},
                                 {121, 140, 0, "=24+13-22-15"},
                                 {121, 190, 0, "=37-37"},
                                 {121, 240, 5, "=0"},
                                 {40, 300, 3, "(10)"},
                                 {137, 300, 0, "12+(-31)-45-(-31)"},
                                 {121, 350, 0, "=12-31-45+31"},
                                 {121, 400, 0, "=12-45+31-31"},
                                 {121, 450, 0, "=12-45+0"},
                                 {121, 500, 5, "=-33"},
                                 Menu()}})},
                      FixedItem{"Page3", "3 Enter a a a a",
                                Join({{Menu()},
                                      Header(94, "3"),
                                      {{40, 90, 3, "(ｱ)"},
                                       {110, 90, 0, "a+bは0になる。"},
                                       Key(),
                                       {94, 140, 0, "a=2,b=-1のとき"},
                                       {94, 190, 0, "a+b=2-1=1"},
                                       {94, 240, 3, "0にならない場合がある"},
                                       {40, 310, 3, "(ｲ)"},
                                       {110, 310, 0, "a-bは正の数になる。"},
                                       Key(),
                                       {94, 360, 0, "bは負の数だから -bは正の数"},
                                       {94, 410, 0, "a-bは正の数どうしの和 だから"},
                                       {94, 460, 3, "いつでも成り立つ"},
                                       {640, 30, 3, "(ｳ)"},
                                       {710, 30, 0, "a-bは負の数になる。"},
                                       Key(),
                                       {694, 80, 0, "a-bは正の数どうしの和 だから"},
                                       {694, 130, 3, "成り立たない"},
                                       {640, 190, 3, "(ｴ)"},
                                       {710, 190, 0, "3+aは3+bより小さくなる。"},
                                       Key(),
                                       {694, 240, 0, "aは正の数だから"},
                                       {694, 290, 0, " 3+aは3より大きい"},
                                       {694, 340, 0, "bは負の数だから"},
                                       {694, 390, 0, " 3+bは3より小さい"},
                                       {694, 440, 0, "したがって"},
                                       {694, 490, 3, "成り立たない"},
                                       Menu()}})}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(AddSubPracticeAnswers, EachScreenIsBlankedWholeFirst) {
  const std::string blank = "box\t0\t0\t1760\t1800\t15\t15\t";
  // The main menu's own white pages, before the topic.
  const int before = CountStarting(RunItem("torvane", "7 Enter", kSubmenu).run, blank);
  struct Case {
    std::string keys;
    int screens;
  };
  const Case cases[] = {
      {"1 Enter " + Repeat("a", 24), 2}, {"2 Enter a", 2}, {"3 Enter a a a a", 1}};
  for (const Case& c : cases) {
    const ItemRun r = RunItem("torvane", "7 Enter " + c.keys, kSubmenu);
    EXPECT_EQ(CountStarting(r.run, blank) - before, c.screens) << c.keys;
  }
}

}  // namespace
