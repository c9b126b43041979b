// Torvane's addition topic: every submenu item driven from the main menu
// through all its keys back to the submenu, the drill's examples, and the generator of its sums.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "addition_pages.h"
#include "globals.h"
#include "headless_fixture.h"
#include "item_run.h"
#include "page_reader.h"
#include "submenu_lines.h"
#include "topic_pages.h"

namespace torvane {

namespace {

using topic_pages::Move;

const char* const kSubmenu = SubmenuOf("torvane", 1);

// Both moves of each sum on the number line.
std::string Sum(int t1, int t2) {
  return Move(t1) + Move(t2);
}

std::string NumberLineKeys() {
  std::string k = "1 Enter a " + Sum(3, 5) + "a a ";
  for (auto [t1, t2] : {std::pair{-4, 5}, {5, -6}, {-2, -6}}) k += "a " + Sum(t1, t2) + "a ";
  k += "a ";
  const std::pair<int, int> exercises[] = {{3, 4},  {6, 2},  {-3, -4}, {-6, -2},
                                           {3, -4}, {6, -2}, {-3, 4},  {-6, 2}};
  for (int i = 0; i < 8; ++i)
    k += Sum(exercises[i].first, exercises[i].second) + (i < 7 ? "a " : "");
  return k;
}

class AdditionItems : public ::testing::TestWithParam<ItemCase> {};

TEST_P(AdditionItems, TakesItsKeysAndComesBackToTheSubmenu) {
  ExpectItem("torvane", "1 Enter", kSubmenu, GetParam(), EmptyTexts::kLeftOut);
}

INSTANTIATE_TEST_SUITE_P(
    EveryItem, AdditionItems,
    ::testing::Values(
        // Four worked sums (10 keys), eight exercises (7 keys); 24 moves, one
        // prompt per key of each move. The last answer goes after ⑧'s "=".
        ItemCase{.name = "NumberLine",
                 .keys = NumberLineKeys(),
                 .key_waits = 17,
                 .last_texts = {"373 529 5 -4", "794 330 5 -4"},
                 .notices = 3 + 1 + 5 + 1 + 4 + 1 + 5 + 1 + 5 + 1 + 6 + 1 + 2 + 1 + 6 + 1 + 3 + 1 +
                            4 + 1 + 6 + 1 + 2 + 1 + 3 + 1 + 4 + 1 + 6 + 1 + 2 + 1 + 3 + 1 + 4 + 1 +
                            6 + 1 + 2 + 1 + 3 + 1 + 4 + 1 + 6 + 1 + 2 + 1},
        // The table is whole at once; its four rule cells fill one per key,
        // each text 8 below its cell's top.
        ItemCase{.name = "SignRuleTable",
                 .keys = "2 Enter a a a a",
                 .key_waits = 4,
                 .last_texts = {"504 488 5 同じ符号", "883 488 5 絶対値の和",
                                "385 548 5 絶対値の大きい方の符号", "883 548 5 絶対値の差"}},
        ItemCase{.name = "Drill",
                 .keys = "3 Enter a 2 Enter a 1 Enter a 1 Enter a 1 Enter",
                 .key_waits = 4,
                 .next_steps = 4},
        // Both sums on one line, the rule under them; a sum of 0 is labelled
        // "0" in colour 3 over the line's own "0".
        ItemCase{.name = "Opposites",
                 .keys = "4 Enter " + Sum(5, -5) + "a a " + Sum(-7, 7) + "a a",
                 .key_waits = 4,
                 .last_texts = {"546.5 529 3 0", "876 78 3 =0",
                                "88 138 5 ※絶対値の等しい異符号の和は、0である。"},
                 .notices = 5 + 1 + 5 + 1 + 7 + 1 + 7 + 1},
        // A move of 0 is taken at once.
        ItemCase{.name = "AddZero",
                 .keys = "5 Enter " + Sum(-3, 0) + "a a " + Sum(0, -5) + "a a a",
                 .key_waits = 5,
                 .last_texts = {"88 198 5 ※どんな数に0を加えても、和ははじめの数になる。",
                                "88 258 5 ※0にどんな数を加えても、和は加えた数になる。",
                                "44 570 3 教科書 問1,問2　をしなさい。"},
                 .notices = 3 + 1 + 1 + 1 + 5 + 1},
        ItemCase{.name = "AnswersQ12",
                 .keys = "6 Enter a a",
                 .key_waits = 2,
                 .last_texts = {"840 200 3 (6)", "921 200 0 0+(-37)", "894 250 5 =-37",
                                "40 570 7 教科書 問3　をしなさい。"}},
        // No key at all: the submenu comes back under the six answers.
        ItemCase{.name = "AnswersQ3",
                 .keys = "7 Enter",
                 .key_waits = 0,
                 .last_texts = {"874 150 5 =+2", "604 220 0 (6) (+4)+(-10)", "680 270 0 =-(10-4)",
                                "901 270 5 =-6"}}),
    ItemCaseName);

TEST(AdditionTopic, DrillAsksSignThenAbsoluteValueThenResultOfItsOwnSums) {
  for (const char* clock : {"12:00:00", "07:31:59", "23:59:58"}) {
    SCOPED_TRACE(clock);
    const ItemRun r = RunItem("torvane", "1 Enter 3 Enter a 1 Enter a 1 Enter a 1 Enter", kSubmenu,
                              clock, EmptyTexts::kLeftOut);
    ASSERT_EQ(r.submenus, 2);
    // Each band: the question 80 below its heading at x 220, then its answers.
    const std::regex question(R"((\d+) (98|258|418) 0 \(([-+]\d)\)\+\(([-+]\d)\)=)");
    std::map<std::string, int> sums;  // by band
    std::map<std::string, std::vector<std::string>> after;
    std::string band;
    for (const std::string& t : r.page_texts) {
      std::smatch m;
      if (std::regex_match(t, m, question)) {
        band = m[2];
        sums[band] = WrittenNumber(m[3]) + WrittenNumber(m[4]);
        continue;
      }
      // The answers and the given parts, in colour; the next heading in 0.
      const std::string coloured = t.substr(t.find(' ', t.find(' ') + 1) + 1);
      if (!band.empty() && coloured[0] != '0') after[band].push_back(coloured);
    }
    ASSERT_EQ(sums.size(), 3u);
    for (const auto& [b, sum] : sums) {
      EXPECT_NE(sum, 0);
      const std::string sign = sum > 0 ? "+" : "-";
      const std::string size = std::to_string(std::abs(sum));
      if (b == "98") {
        EXPECT_EQ(after[b], (std::vector<std::string>{"3 " + size, "5 " + sign}));
      }
      if (b == "258") {
        EXPECT_EQ(after[b], (std::vector<std::string>{"3 " + sign, "5 " + size}));
      }
      if (b == "418") {
        EXPECT_EQ(after[b], (std::vector<std::string>{"5 " + sign + size}));
      }
    }
  }
}

class SumGenerator : public StartedPageTest {};

TEST_F(SumGenerator, TermsAreSignedDigitsAndTheSumIsNeverZero) {
  PaRandomize(7);
  std::set<int> sums;
  int equal = 0, opposite_signs = 0;
  const int n = 4000;
  for (int i = 0; i < n; ++i) {
    GenerateSumExample();
    for (int k = 1; k <= 2; ++k) {
      ASSERT_GE(std::abs(T(k)), 1);
      ASSERT_LE(std::abs(T(k)), 9);
      ASSERT_EQ(T(k), PnFInt(T(k)));
      // A positive term carries its "+", a negative one its "-".
      ASSERT_EQ(T_s(k), (T(k) > 0 ? "+" : "") + std::to_string(int(T(k))));
    }
    ASSERT_EQ(T(3), T(1) + T(2));
    ASSERT_NE(T(3), 0);
    ASSERT_EQ(T(4), std::abs(T(3)));
    ASSERT_EQ(T_s(4), std::to_string(int(T(4))));
    ASSERT_EQ(F_s, T(3) > 0 ? "+" : "-");
    sums.insert(int(T(3)));
    equal += T(1) == T(2);
    opposite_signs += T(1) * T(2) < 0;
  }
  // Every sum from -18 to 18 but 0.
  EXPECT_EQ(sums.size(), 36u);
  EXPECT_EQ(*sums.begin(), -18);
  EXPECT_EQ(*sums.rbegin(), 18);
  // A drawn pair of opposites becomes a pair of equal terms: equal pairs come
  // twice as often as by chance (2/18 instead of 1/18).
  EXPECT_NEAR(double(equal) / n, 2.0 / 18, 0.02);
  EXPECT_NEAR(double(opposite_signs) / n, 0.5 - 1.0 / 18, 0.03);
}

}  // namespace

}  // namespace torvane
