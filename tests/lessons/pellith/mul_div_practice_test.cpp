// Pellith's practice answers, driven through the player: each page's header
// cells and worked answers, and page 4's two screens.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "headless_fixture.h"
#include "item_run.h"
#include "page_reader.h"
#include "pellith_page_log.h"
#include "submenu_lines.h"

namespace {

using namespace pellith_test;

const char* const kSubmenu = SubmenuOf("pellith", 5);

// "x1 y1 x2 y2 border fill" of the filled boxes drawn above the bottom line
// since the page was blanked last.
std::vector<std::string> CellsOfLastScreen(const PlayerRun& run) {
  std::vector<std::string> cells;
  for (const std::string& line : run.log) {
    const auto f = Fields(line);
    if (f[0] != "box") continue;
    if (f[1] == "0" && f[2] == "0") cells.clear();  // a blanked page
    if (f[6] != "15" && std::stod(f[2]) < 657)
      cells.push_back(f[1] + " " + f[2] + " " + f[3] + " " + f[4] + " " + f[5] + " " + f[6]);
  }
  return cells;
}

TEST(MulDivPracticeAnswers, EveryPageShowsItsHeaderAndAnswersAndComesBack) {
  ExpectEveryItem(
      "pellith", "5 Enter", kSubmenu,
      {
          {.name = "1",
           .keys = "1 Enter",
           .key_waits = 0,
           .steps = {"40 90 3 (1)", "121 90 0 9*(-7)", "94 144 0 =-(9*7)", "94 198 5 =-63",
                     "40 258 3 (2)", "40 426 3 (3)", "121 426 0 (-15)*0", "94 480 5 =0",
                     "480 90 3 (4)", "561 90 0 4*(-0.1)", "534 312 0 =+(0.3*0.2)",
                     "534 366 5 =0.06", "534 480 0 =-(0.7*10)", "534 534 5 =-7"}},
          {.name = "2",
           .keys = "2 Enter",
           .key_waits = 0,
           .steps = {"40 90 3 (1)", "94 144 0 =-(32/4)", "94 194 5 =-8", "40 254 3 (2)",
                     "40 418 3 (3)", "94 472 0 =+(45/9)", "94 522 5 =5", "534 144 0 =-(6/0.3)",
                     "534 198 0 =-(60/3)", "534 248 5 =-20", "480 308 3 (5)", "534 358 5 =0",
                     "534 522 5 =-0.05"}},
          {.name = "3",
           .keys = "3 Enter",
           .key_waits = 0,
           .steps = {"40 90 3 (1)", "121 90 0 (-ﾀ2/9ﾀ)*(-ﾀ3/4ﾀ)", "94 165 0 =+(ﾀ2/9ﾀ*ﾀ3/4ﾀ)",
                     "94 240 5 =ﾀ1/6ﾀ", "40 320 3 (2)", "94 470 5 =-ﾀ2/3ﾀ", "600 90 3 (3)",
                     "681 90 0 (-6)/ﾀ2/3ﾀ", "654 165 0 =-(6*ﾀ3/2ﾀ)", "654 240 5 =-9"}},
          {.name = "4",
           .keys = "4 Enter a",
           .key_waits = 1,
           .steps = {"40 90 3 (1)", "94 165 0 =+(2*5*27)", "94 240 0 =+(10*27)", "94 315 5 =270",
                     "40 375 3 (2)", "94 600 5 =-8", "600 30 3 (3)", "681 30 0 (-12)/4*(-8)",
                     "654 255 5 =24", "600 335 3 (4)", "654 560 5 =2",
                     // the second screen
                     "121 90 0 (-ﾀ1/3ﾀ)*(-ﾀ3/2ﾀ)*(-ﾀ5/6ﾀ)", "94 240 5 =-ﾀ5/12ﾀ", "40 300 3 (2)",
                     "94 525 5 =-ﾀ3/2ﾀ", "681 30 0 (-ﾀ7/4ﾀ)/ﾀ14/15ﾀ*(-ﾀ4/5ﾀ)",
                     "681 335 0 ﾀ3/5ﾀ/(-0.3)/(-ﾀ2/3ﾀ)", "654 560 5 =3"}},
      });
}

TEST(MulDivPracticeAnswers, EachScreenHasItsHeaderCellsAndContinuationsGoOnWhereTheirLineEnded) {
  struct Case {
    const char* keys;
    std::vector<std::string> cells;  // title cell, page cell
  };
  const Case cases[] = {
      {"5 Enter 1 Enter", {"94 30 334 76 3 13", "378 30 422 74 4 3"}},
      {"5 Enter 2 Enter", {"94 30 334 76 3 13", "378 30 422 74 4 3"}},
      {"5 Enter 3 Enter", {"40 30 524 76 3 13", "554 30 598 74 4 3"}},
      {"5 Enter 4 Enter", {"94 30 454 76 3 13", "484 30 528 74 4 3"}},
      {"5 Enter 4 Enter a", {"94 30 454 76 3 13", "484 30 528 74 4 3"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    const PlayerRun run = RunPlayer("pellith", c.keys);
    EXPECT_EQ(CellsOfLastScreen(run), c.cells);
  }
  // Each continuation line (colour 7) begins where its working line ended,
  // on its line.
  const PlayerRun run = RunPlayer("pellith", "5 Enter 4 Enter a");
  const auto prints = PrintsOf(run);
  int continuations = 0;
  for (size_t i = 1; i < prints.size(); ++i) {
    if (prints[i].routine != "PrintMarkup" || prints[i].colour != 7) continue;
    ++continuations;
    // The working line's end is where the printer's next glyph would go:
    // past its last glyph, so right of its start.
    const Print& working = prints[i - 1];
    EXPECT_EQ(working.colour, 0);
    EXPECT_EQ(working.y, prints[i].y);
    EXPECT_GT(prints[i].x, working.x + 200);
  }
  EXPECT_EQ(continuations, 7);  // all but problem 1 of the first screen
}

}  // namespace
