// The practice answers on order and steps, driven through the player from
// the main menu: item 1 runs through both pages, item 2 shows the second.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "headless_fixture.h"
#include "item_run.h"
#include "page_reader.h"
#include "submenu_lines.h"

namespace almeno {

namespace {

const char* const kSubmenu = SubmenuOf("almeno", 5);

int Count(const PlayerRun& run, const std::string& line) {
  return static_cast<int>(std::count(run.log.begin(), run.log.end(), line));
}
std::string Keys(const std::string& start, int waits) {
  std::string keys = start;
  for (int i = 0; i < waits; ++i) keys += " a";
  return keys;
}

TEST(OrderingPracticeAnswers, EachItemWaitsItsKeysThenAsksAgain) {
  struct Case {
    const char* item;
    int waits;
  };
  // Item 1 runs on into the second page: six waits on each.
  const Case cases[] = {{"1", 12}, {"2", 6}};
  for (const Case& c : cases) {
    const std::string keys = Keys(std::string("5 Enter ") + c.item + " Enter", c.waits);
    const PlayerRun short_run = RunPlayer("almeno", keys.substr(0, keys.size() - 2));
    EXPECT_EQ(Submenus(short_run, kSubmenu), 1) << "item " << c.item;

    const PlayerRun run = RunPlayer("almeno", keys);
    EXPECT_EQ(KeyWaits(PrintsOf(run)), c.waits) << "item " << c.item;
    EXPECT_EQ(Submenus(run, kSubmenu), 2) << "item " << c.item;
    // The second page's last steps: the answer 3, the note, the answer -6;
    // then no key wait before the submenu.
    const auto prints = MarkupPrints(PrintsOf(run));
    ASSERT_GE(prints.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(prints.end() - 3, prints.end()),
              (std::vector<std::string>{"594.5 270 5 3", "755 340 3 " + Utf8(" 6小さい数"),
                                        "328 340 5 -6"}));
    const auto last_wait = std::find_if(run.log.rbegin(), run.log.rend(), [](const std::string& l) {
      return l.find(Utf8("何かキーを押して下さい。")) != std::string::npos;
    });
    const auto last_menu = std::find_if(run.log.rbegin(), run.log.rend(), [](const std::string& l) {
      return l.find(Utf8(kSubmenu)) != std::string::npos;
    });
    EXPECT_LT(last_menu, last_wait);  // the submenu came after the last wait
    // The boxes of problem 5 are drawn empty, then again at the same corner
    // (after page 1 the empty ones keep its width 5, the line sets 3).
    EXPECT_EQ(CountStarting(run, "box\t583\t267\t633\t317\t3\t15\t15\t"), 2);
    EXPECT_EQ(CountStarting(run, "box\t325\t337\t385\t387\t3\t15\t15\t"), 2);
    EXPECT_EQ(Count(run, "box\t583\t267\t633\t317\t3\t15\t15\t3"), c.item[0] == '1' ? 1 : 2);
  }
}

TEST(OrderingPracticeAnswers, BothPagesLayoutAndRevealOrder) {
  // Item 1: page 1, then page 2 without the submenu between them. Every text
  // on the page, "x y colour text", "KEY" for each wait and "MENU" for the
  // submenu's prompt.
  const ItemRun r = RunItem("almeno", Keys("5 Enter 1 Enter", 12), kSubmenu);
  std::vector<std::string> events = ShownLines(r.shown);
  // From the title cell's text on.
  events.erase(events.begin(), std::find_if(events.begin(), events.end(), [](const std::string& e) {
                 return e.ends_with(Utf8(" 練習問題 解答"));
               }));
  // The title cell's text and the number cells' digits are centred in them;
  // the line's own labels show where it stands (Y_a(31) 260, then 490).
  const std::vector<std::vector<std::string>> steps = {
      {"164.5 30 0 練習問題 解答"},
      {"46.5 100 13 1", "82 100 0  ", "KEY", "109 100 5 -2,-1,0,1,2", "KEY"},
      {"46.5 160 13 2", "82 160 5 　6個", "546 269 0 0", "746 269 0 5", "933 269 0 10",
       "333 269 0 -5", "119 269 0 -10", "333 270 3 -5", "453 270 3 -2", "626 270 3 2",
       "746 270 3 5", "409.5 186 7 3個", "649.5 186 7 3個", "KEY"},
      {"46.5 360 13 3", "112 360 0 (1) -0.01", "357.5 360 5 >", "406 360 0 -0.1 ", "KEY"},
      {"582 360 0 (2) -ﾀ1/2ﾀ", "770.5 360 5 <", "819 360 0 -ﾀ1/3ﾀ ", "KEY"},
      {"112 430 0 (3) -1", "295.5 430 5 <", "344 430 0 -0.6 ", "KEY"},
      // Page 2.
      {"164.5 30 0 練習問題 解答"},
      {"46.5 90 13 4", "112 90 0 小さい順…", "KEY", "282 90 5 -ﾀ8/5ﾀ,-1.2,-0.5,0,0.2,ﾀ3/5ﾀ",
       "98 170 0 絶対値の小さい順…", "KEY", "404 170 5 0,0.2,-0.5,ﾀ3/5ﾀ,-1.2,-ﾀ8/5ﾀ", "KEY"},
      {"46.5 270 13 5", "112 270 0 (1) -2より5大きい数は、", "608 270 5 ", "643 270 0 である。 ",
       "112 340 0 (2) 5より", "355 340 5 ", "395 340 0 大きい数は-1である。", "546 499 0 0",
       "746 499 0 5", "933 499 0 10", "333 499 0 -5", "119 499 0 -10", "KEY"},
      {"594.5 270 5 3", "KEY", "755 340 3  6小さい数", "KEY", "328 340 5 -6", "MENU"},
  };
  std::vector<std::string> want;
  for (const auto& step : steps) {
    for (const std::string& e : step) want.push_back(Utf8(e));
  }
  EXPECT_EQ(events, want);
}

TEST(OrderingPracticeAnswers, FirstPageFigureAndComparisons) {
  const PlayerRun run = RunPlayer("almeno", Keys("5 Enter 1 Enter", 5));
  // Problem 2: the line at 260, open points at -5 and 5, filled at -2 and 2,
  // drawn 5 wide, labelled in colour 3 over the line's own labels.
  EXPECT_EQ(Count(run, "line\t60\t260\t1060\t260\t0\t5"), 1);
  EXPECT_EQ(Count(run, "circle\t360\t260\t10\t3\t5"), 1);
  EXPECT_EQ(Count(run, "disc\t480\t260\t10\t3\t5"), 1);
  EXPECT_EQ(Count(run, "disc\t640\t260\t10\t3\t5"), 1);
  EXPECT_EQ(Count(run, "circle\t760\t260\t10\t3\t5"), 1);
  const auto prints = MarkupPrints(PrintsOf(run));
  for (const char* label : {"333 270 3 -5", "453 270 3 -2", "626 270 3 2", "746 270 3 5"}) {
    EXPECT_NE(std::find(prints.begin(), prints.end(), label), prints.end()) << label;
  }
  // Two arcs of 23 dots each over -4 to -2 and 2 to 4, each labelled 3個.
  EXPECT_EQ(std::count_if(prints.begin(), prints.end(),
                          [](const std::string& p) {
                            return p.find(" 7 " + Utf8("3個")) != std::string::npos;
                          }),
            2);
  int dots = 0;
  for (const std::string& line : run.log)
    dots += line.rfind("disc\t", 0) == 0 && line.find("\t0.5\t3\t5") != std::string::npos;
  EXPECT_EQ(dots, 2 * 23);

  // Problem 3: each comparison box drawn with its sign at once, 5 wide.
  EXPECT_EQ(Count(run, "box\t346\t357\t396\t407\t3\t15\t15\t5"), 1);
  for (const char* sign : {">", "<"}) {
    EXPECT_NE(std::find_if(prints.begin(), prints.end(),
                           [&](const std::string& p) {
                             return p.size() > 2 &&
                                    p.substr(p.size() - 2) == std::string(" ") + sign;
                           }),
              prints.end());
  }
  EXPECT_EQ(PrintsAt(run, "PrintMarkup", 112, 360), std::vector<std::string>{"(1) -0.01"});
  EXPECT_EQ(PrintsAt(run, "PrintMarkup", 112, 430), std::vector<std::string>{"(3) -1"});
}

}  // namespace

}  // namespace almeno
