// Quorrel's practice answers of prime factorisation: the three pages'
// headers, texts, ladders and waits.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "headless_fixture.h"
#include "item_run.h"
#include "page_reader.h"
#include "submenu_lines.h"

namespace {

const char* const kSubmenu = SubmenuOf("quorrel", 3);

TEST(FactorPracticeAnswers, EveryPageShowsItsHeaderLaddersAndAnswersOneKeyAtATime) {
  ExpectEveryItem(
      "quorrel", "3 Enter", kSubmenu,
      {
          {.name = "1",
           .keys = "1 Enter" + AnyKeys(6),
           .key_waits = 6,
           .steps =  // Side by side: each part 44 after the answer before it.
           {"146 31 0 練習問題", "386.5 30 13 1", "W", "94 100 0 (1)", "182 180 0 2)",
            "182 372 0 3)", "W", "175 100 3 2*3^3*7", "W", "378 100 0 (2)", "422 180 0 2)",
            "422 372 0 5)", "W", "459 100 3 2^2*3*5*7", "W", "716 100 0 (3)", "760 308 0 7)", "W",
            "797 100 3 3^2*7*11"}},
          {.name = "2",
           .keys = "2 Enter" + AnyKeys(5),
           .key_waits = 5,
           .steps = {"146 31 0 練習問題", "386.5 30 13 2", "W", "40 100 0 540 を素因数分解すると",
                     "840 50 0 2)", "840 306 0 3)", "W", "94 150 3 540=2^2*3^3*5", "W",
                     "40 200 0 ある数の2乗にするには、素因数分解したとき、",
                     "40 250 3 すべての素数が2乗になればよい。", "W",
                     "40 300 0 また、できるだけ小さい数でわるから", "94 350 3 2^2*3^2",
                     "223 350 0 となればよい。", "W", "40 400 0 したがって、わる数は ",
                     "407 400 3 3*5=", "520 400 5 15"}},
          {.name = "3",
           .keys = "3 Enter" + AnyKeys(9),
           .key_waits = 9,
           .steps = {"166.5 31 0 練習問題 解答",
                     "562.5 30 13 3",
                     "W",
                     "40 100 0 336 を素因数分解すると",
                     "840 242 0 2)",
                     "840 306 0 3)",
                     "W",
                     "94 150 3 336=2^4*3*7",
                     "W",
                     "40 210 0 770 を素因数分解すると",
                     "840 114 0 5)",
                     "840 178 0 7)",
                     "W",
                     "94 260 3 770=2*5*7*11",
                     "W",
                     "40 320 0 840 を素因数分解すると",
                     "840 306 0 5)",
                     "W",
                     "94 370 3 840=2^3*3*5*7",
                     "W",
                     "40 430 3 2",
                     "67 430 0 は3つの数をすべてわり切る。",
                     "W",
                     "40 490 3 7",
                     "67 490 0 も3つの数をすべてわり切る。",
                     "W",
                     "40 540 0 一番大きい自然数だから",
                     "414 540 3 2*7=",
                     "527 540 5 14"}},
      });
}

TEST(FactorPracticeAnswers, HeaderCellsAndOneLadderAtATimeOnTheLastPage) {
  const PlayerRun run = RunPlayer("quorrel", "3 Enter 3 Enter" + AnyKeys(9));
  auto count = [&](const std::string& head) {
    int n = 0;
    for (const std::string& line : run.log) n += line.rfind(head, 0) == 0;
    return n;
  };
  // The title cell 484 wide at the margin, the page cell 30 right of it;
  // then the erasing box before the second and the third ladder.
  EXPECT_EQ(count("box\t40\t30\t524\t76\t3\t13\t"), 1);
  EXPECT_EQ(count("box\t554\t30\t598\t74\t4\t3\t"), 1);
  EXPECT_EQ(count("box\t840\t0\t2600\t1800\t15\t15\t"), 2);
}

}  // namespace
