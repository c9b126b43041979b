// Torvane's subtraction topic: every submenu item driven from the main menu
// back to the submenu, the drill's examples and its generator.
#include <gtest/gtest.h>

#include <cstdlib>
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

const char* const kSubmenu = SubmenuOf("torvane", 3);

class SubtractionItems : public ::testing::TestWithParam<ItemCase> {};

TEST_P(SubtractionItems, TakesItsKeysAndComesBackToTheSubmenu) {
  ExpectItem("torvane", "3 Enter", kSubmenu, GetParam(), EmptyTexts::kLeftOut);
}

const std::string kNineMinusThree = Move(9) + Move(-3);

INSTANTIATE_TEST_SUITE_P(
    EveryItem, SubtractionItems,
    ::testing::Values(
        // Two builds of 9 and a move of -3; no key between the reading of
        // row 3 and the second build. The conclusion ends the page.
        ItemCase{.name = "NumberLine",
                 .keys = "1 Enter a " + kNineMinusThree + "a a a " + kNineMinusThree + "a a a",
                 .key_waits = 7,
                 .last_texts = {"649 330 3 +", "676 330 0 (", "703 330 3 -3", "757 330 0 )"},
                 .notices = 2 * (10 + 4)},
        // Twelve keys, three for each of the examples ② to ④; the rule
        // follows the last at once.
        ItemCase{.name = "Rule",
                 .keys = "2 Enter " + Repeat("a", 12),
                 .key_waits = 12,
                 .last_texts = {"101 530 5 ひき算", "203 530 3 は、その数の",
                                "407 530 5 符号を変えてたす", "679 530 3 計算"}},
        ItemCase{.name = "Drill",
                 .keys = "3 Enter a 2 Enter a 1 Enter a a 1 Enter",
                 .key_waits = 4,
                 .next_steps = 3},
        ItemCase{.name = "Zero",
                 .keys = "4 Enter " + Repeat("a", 10),
                 .key_waits = 10,
                 .last_texts = {"88 438 5 ※どんな数から0をひいても、差ははじめの数になる。",
                                "44 570 3 教科書 問5,問6　をしなさい。"}},
        // The second column's first answer stands level with the heading.
        ItemCase{.name = "AnswersQ5",
                 .keys = "5 Enter",
                 .key_waits = 0,
                 .last_texts = {"413 350 0 (6)", "480 350 0  (-17)-(+54)", "480 400 0 =(-17)+(-54)",
                                "480 450 5 =-71"}},
        ItemCase{.name = "AnswersQ6",
                 .keys = "6 Enter",
                 .key_waits = 0,
                 .last_texts = {"560 30 0  (+ﾀ1/2ﾀ)-(-ﾀ1/3ﾀ)", "560 100 0 =(+ﾀ1/2ﾀ)+(+ﾀ1/3ﾀ)",
                                "560 170 0 =(+ﾀ3/6ﾀ)+(+ﾀ2/6ﾀ)", "560 240 5 =+ﾀ5/6ﾀ"}}),
    ItemCaseName);

TEST(SubtractionTopic, DrillRewritesAndWorksOutItsOwnSubtractions) {
  for (const char* clock : {"12:00:00", "07:31:59", "23:59:58"}) {
    SCOPED_TRACE(clock);
    const ItemRun r = RunItem("torvane", "3 Enter 3 Enter a 1 Enter a a 1 Enter", kSubmenu, clock,
                              EmptyTexts::kLeftOut);
    ASSERT_EQ(r.submenus, 2);
    const std::regex subtraction(R"(220 (98|338) 0 (\([-+]\d\))-(\([-+]\d\)))");
    std::vector<std::string> texts = r.page_texts;
    for (size_t i = 0; i < texts.size(); ++i) {
      std::smatch m;
      if (!std::regex_match(texts[i], m, subtraction)) continue;
      const long a = WrittenNumber(m[2]), b = WrittenNumber(m[3]);
      EXPECT_NE(a - b, 0);
      const std::string opposite = (-b > 0 ? "(+" : "(") + std::to_string(-b) + ")";
      ASSERT_LT(i + 2, texts.size());
      if (m[1] == "98") {
        // The rewriting with the box, which shows the opposite after a key.
        EXPECT_EQ(texts[i + 1], "176 158 0 =" + m[2].str());
        EXPECT_EQ(texts[i + 3].substr(texts[i + 3].rfind(' ') + 1), opposite);
      } else {
        EXPECT_EQ(texts[i + 1], "176 403 0 =" + m[2].str() + "+" + opposite);
        const std::string result = (a - b > 0 ? "+" : "") + std::to_string(a - b);
        EXPECT_EQ(texts[i + 3], "208 468 3 " + result);
      }
    }
  }
}

TEST(SubtractionTopic, DrillDrawsItsBoxesWithPenWidthFive) {
  const ItemRun r = RunItem("torvane", "3 Enter 3 Enter a 1 Enter a a 1 Enter", kSubmenu,
                            "12:00:00", EmptyTexts::kLeftOut);
  int boxes = 0;
  for (const std::string& line : r.run.log) {
    const std::vector<std::string> f = Fields(line);
    if (f[0] != "box" || f[6] != "13") continue;
    ++boxes;
    EXPECT_EQ(f[8], "5");
  }
  // Empty, then with the opposite number.
  EXPECT_EQ(boxes, 2);
}

class SubtractionGenerator : public StartedPageTest {};

std::string Bracketed(float v) {
  return (v > 0 ? "(+" : "(") + std::to_string(int(v)) + ")";
}

TEST_F(SubtractionGenerator, TheDifferenceIsNeverZeroAndOppositesStay) {
  PaRandomize(11);
  std::set<int> differences;
  int opposites = 0;
  for (int i = 0; i < 3000; ++i) {
    RandomSubtractionPair();
    ASSERT_NE(T(1), 0);
    ASSERT_NE(T(2), 0);
    ASSERT_LE(std::abs(T(1)), 9);
    ASSERT_LE(std::abs(T(2)), 9);
    ASSERT_NE(T(1), T(2));  // the same number twice is turned
    ASSERT_EQ(T(3), T(1));
    ASSERT_EQ(T(4), -T(2));
    ASSERT_EQ(T(5), T(1) - T(2));
    for (int k = 1; k <= 4; ++k) ASSERT_EQ(T_s(k), Bracketed(T(k)));
    ASSERT_EQ(T_s(5), (T(5) > 0 ? "+" : "") + std::to_string(int(T(5))));
    differences.insert(int(T(5)));
    opposites += T(1) == -T(2);
  }
  EXPECT_EQ(differences.size(), 36u);
  EXPECT_EQ(*differences.begin(), -18);
  EXPECT_EQ(*differences.rbegin(), 18);
  // Opposite numbers come as drawn, and as often again from the turned
  // equal pairs.
  EXPECT_NEAR(opposites / 3000.0, 2.0 / 18, 0.02);
}

}  // namespace

}  // namespace torvane
