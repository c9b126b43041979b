// Vindrel's practice answers: three pages drawn whole at once from their
// submenu, each with its title and page-number cells and every problem in
// place, and a page chosen again drawn again.
#include <gtest/gtest.h>

#include <string>

#include "headless_fixture.h"
#include "item_run.h"
#include "page_reader.h"
#include "submenu_lines.h"

namespace vindrel {
namespace {

const char* const kSubmenu = SubmenuOf("vindrel", 3);

class PracticeAnswerPages : public ::testing::TestWithParam<ItemCase> {};

TEST_P(PracticeAnswerPages, DrawnWholeWithoutAKey) {
  ExpectItem("vindrel", "3 Enter", kSubmenu, GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    EveryPage, PracticeAnswerPages,
    ::testing::Values(
        ItemCase{
            "Powers",
            "1 Enter",
            0,
            0,
            {"166.5 31 0 練習問題 解答", "562.5 30 13 1", "40 90 3 (1)", "121 90 0 (-3^2)*(-2)^3",
             "94 165 0 =-9*(-8)", "94 235 5 =72", "40 295 3 (2)", "110 295 0 (-9)^2/(-3^3)",
             "94 365 0 =81/(-27)", "94 435 5 =-3", "600 90 3 (3)", "670 90 0 2*(-2)/(-2^2)",
             "654 160 0 =-4/(-4)", "654 230 5 =1", "600 290 3 (4)", "670 290 0 (-5)/(-5)^2*(-25)",
             "654 360 0 =(-5)/25*(-25)", "654 430 0 =+(5*ﾀ1/25ﾀ*25)", "654 500 5 =5"}},
        // Every answer after its last step; the right column level with the title.
        ItemCase{"Operations",
                 "2 Enter",
                 0,
                 0,
                 {"158.5 31 0 練習問題 解答",
                  "492.5 30 13 2",
                  "40 90 3 (1)",
                  "110 90 0 -2-18/(-6)",
                  "94 140 0 =-2+3",
                  "234 140 5 =1",
                  "40 200 3 (2)",
                  "110 200 0 9-(-13)+7*(-8)",
                  "94 250 0 =9+13-56",
                  "94 300 0 =22-56",
                  "261 300 5 =-34",
                  "40 360 3 (3)",
                  "110 360 0 -5+(15-6)/3",
                  "94 410 0 =-5+9/3",
                  "94 460 0 =-5+3",
                  "234 460 5 =-2",
                  "600 30 3 (4)",
                  "670 30 0 ｛2+(4-8)｝*3",
                  "654 80 0 =(2-4)*3",
                  "654 130 0 =-2*3",
                  "794 130 5 =-6",
                  "600 190 3 (5)",
                  "670 190 0 8*(-2)-(-2^3)",
                  "654 260 0 =-16-(-8)",
                  "654 330 0 =-16+8",
                  "821 330 5 =-8",
                  "600 390 3 (6)",
                  "670 390 0 (-2)^3-(3^2-5)",
                  "654 460 0 =-8-(9-5)",
                  "654 530 0 =-8-4",
                  "794 530 5 =-12"}},
        ItemCase{"Distributive",
                 "3 Enter",
                 0,
                 0,
                 {"158.5 31 0 練習問題 解答", "492.5 30 13 3", "40 110 3 (1)",
                  "110 110 0 12*(-ﾀ1/3ﾀ+ﾀ3/2ﾀ)", "94 180 0 =12*(-ﾀ1/3ﾀ)+12*(ﾀ3/2ﾀ)",
                  "94 250 0 =4*(-1)+6*3", "94 320 0 =-4+18", "94 390 5 =14", "600 90 3 (2)",
                  "670 90 0 (-ﾀ4/7ﾀ+ﾀ3/2ﾀ)*28", "654 160 0 =-ﾀ4/7ﾀ*28+ﾀ3/2ﾀ*28",
                  "654 230 0 =-4*4+3*14", "654 300 0 =-16+42", "654 370 5 =26"}}),
    ItemCaseName);

// The title cell and the page-number cell 30 right of it.
std::vector<std::string> HeaderCells(const ItemRun& r) {
  std::vector<std::string> cells;
  for (const std::string& line : r.run.log) {
    const std::vector<std::string> f = Fields(line);
    if (f[0] == "box" && f[2] == "30") cells.push_back(line);
  }
  return cells;
}

TEST(PracticeAnswersTopic, TitleCellsOfTheFirstPageAndTheOthers) {
  EXPECT_EQ(HeaderCells(RunItem("vindrel", "3 Enter 1 Enter", kSubmenu)),
            (std::vector<std::string>{"box\t40\t30\t524\t76\t3\t13\t15\t3",
                                      "box\t554\t30\t598\t74\t4\t3\t15\t3"}));
  EXPECT_EQ(HeaderCells(RunItem("vindrel", "3 Enter 3 Enter", kSubmenu)),
            (std::vector<std::string>{"box\t94\t30\t454\t76\t3\t13\t15\t3",
                                      "box\t484\t30\t528\t74\t4\t3\t15\t3"}));
}

TEST(PracticeAnswersTopic, ThePageChosenAgainIsDrawnAgain) {
  // 0, 5 and 9 ask again and leave the page; the same page again is drawn
  // again.
  const ItemRun r =
      RunItem("vindrel", "3 Enter 0 Enter 5 Enter 9 Enter 2 Enter 2 Enter 4 Enter", kSubmenu);
  EXPECT_EQ(r.submenus, 6);
  int titles = 0;
  for (const Print& p : PrintsOf(r.run)) titles += p.text == Utf8("練習問題 解答") && p.y < 900;
  EXPECT_EQ(titles, 2);
}

}  // namespace
}  // namespace vindrel
