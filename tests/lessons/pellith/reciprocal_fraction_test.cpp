// Pellith's topic on fractions and reciprocals, driven through the player
// from the main menu: every item's fixed texts and key waits, and random
// examples under two clocks worked out right with every stroke on its number.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <regex>
#include <string>
#include <vector>

#include "headless_fixture.h"
#include "item_run.h"
#include "pellith_page_log.h"
#include "submenu_lines.h"

namespace {

using namespace pellith_test;

const char* const kSubmenu = SubmenuOf("pellith", 3);

TEST(ReciprocalFractionTopic, EveryItemShowsItsPageWaitsItsKeysAndComesBack) {
  ExpectEveryItem(
      "pellith", "3 Enter", kSubmenu,
      {
          {.name = "1",
           .keys = "1 Enter" + AnyKeys(6) + " 1 Enter",
           .key_waits = 6,
           .next_steps = 1,
           .steps = {"40 30 3 例6 次の計算をしなさい。", "40 390 3 ① 符号を決める。",
                     "40 440 3 ② 分母どうし，分子どうしをかける。",
                     "40 490 3 ③ 約分できれば約分する。", "160 600 7 教科書 問6　をしなさい。"}},
          {.name = "2",
           .keys = "2 Enter",
           .key_waits = 0,
           .steps = {"40 30 3 教科書　問6の答", "40 110 3 (1)", "121 110 0 ﾀ6/5ﾀ*(-ﾀ10/3ﾀ)",
                     "94 190 0 =-ﾀ6*10/5*3ﾀ", "158 270 7 -ﾀ2*2/1*1ﾀ", "94 324 5 =-4",
                     "360 110 3 (2)", "478 270 7 +(ﾀ1/3ﾀ*ﾀ11/1ﾀ)", "854 324 5 =-ﾀ4/3ﾀ"}},
          {.name = "3",
           .keys = "3 Enter" + AnyKeys(15),
           .key_waits = 15,
           .steps = {"40 30 0 問　次の数の逆数を求めなさい。", "40 105 0 ① ", "720 30 5 <逆数>",
                     "720 80 7 その数の逆数はかけて1になる数", "40 185 3 ① ", "40 265 3 ② ",
                     "40 505 3 ⑤ ", "720 160 3 整数の逆数…", "780 240 0 1/(-2)=-ﾀ1/2ﾀ",
                     "720 320 3 分数の逆数…", "720 370 5 分母と分子を入れかえた数",
                     "780 450 0 -ﾀ3/4ﾀ → -ﾀ4/3ﾀ", "720 530 3 0の逆数はない",
                     "160 600 7 教科書 問7　をしなさい。"}},
          {.name = "4",
           .keys = "4 Enter",
           .key_waits = 0,
           .steps = {"40 30 3 問7 解答", "40 130 3 (1)", "121 130 3 -ﾀ2/5ﾀ", "40 330 3 (3)"}},
          {.name = "5",
           .keys = "5 Enter" + AnyKeys(5),
           .key_waits = 5,
           .steps = {"40 30 0 問 次の計算をしなさい。", "40 105 3 (1)", "121 105 0 10/(-2)=",
                     "40 180 3 (2)", "121 180 0 10*(-ﾀ1/2ﾀ)=", "40 260 0 この結果からわかること",
                     "40 340 3  10/(-2)=10*(-ﾀ1/2ﾀ)", "40 420 3    <除法を乗法に>",
                     "94 470 5 除法は逆数をかければよい。"}},
          {.name = "6",
           .keys = "6 Enter" + AnyKeys(7) + " 1 Enter" + AnyKeys(1),
           .key_waits = 8,
           .next_steps = 1,
           .steps = {"40 30 3 例8 次の計算をしなさい。", "600 100 3 ① 逆数をかける。",
                     "600 250 3 ④ 約分できれば約分する。", "160 600 7 教科書 問8　をしなさい。"}},
          {.name = "7",
           .keys = "7 Enter",
           .key_waits = 0,
           .steps = {"40 30 3 教科書 問8解答", "40 105 3 (1)", "94 105 0  ﾀ5/4ﾀ/(-15)",
                     "454 330 5 =-4", "800 105 3 (3)", "854 330 5 =ﾀ2/3ﾀ"}},
      });
}

TEST(ReciprocalFractionTopic,
     ReciprocalsPageClearsNarrowAndTheUnclosedMarkOfItsSecondAnswerShowsTwo) {
  const PlayerRun run = RunPlayer("pellith", "3 Enter 3 Enter" + AnyKeys(5));
  // The reciprocals page clears only 1320 wide.
  EXPECT_EQ(std::count_if(run.log.begin(), run.log.end(),
                          [](const std::string& l) {
                            return l.rfind("box\t0\t0\t1320\t1300\t15\t15\t", 0) == 0;
                          }),
            1);
  // The answer is printed right after its reason; the stray mark is dropped.
  bool shown = false;
  for (size_t i = 0; i + 1 < run.log.size(); ++i) {
    const auto f = Fields(run.log[i]);
    if (f[0] == "print" && f.size() > 5 && f[5] == Utf8("2ﾀ") && f[4] == "5") {
      const auto glyph = Fields(run.log[i + 1]);
      shown = glyph[0] == "text" && glyph[10] == "2";
    }
  }
  EXPECT_TRUE(shown);
}

// ---- random examples -------------------------------------------------------------------

TEST(ReciprocalFractionTopic, RandomProductsAndQuotientsAreRightAndEveryStrokeSitsOnItsNumber) {
  const std::string ta = Utf8("ﾀ");
  const std::regex question("\\(([+-])" + ta + "(\\d+)/(\\d+)" + ta + "\\)([*/])\\(([+-])" + ta +
                            "(\\d+)/(\\d+)" + ta + "\\)");
  const std::regex result("=(-?)" + ta + "(\\d+)/(\\d+)" + ta);
  struct Case {
    const char* item;
    int waits;              // per example
    std::string result_at;  // "x y colour" of the result line
    std::string closing;
  };
  const Case cases[] = {{"1", 6, "67 310 5", ""}, {"6", 7, "67 390 5", " a"}};
  const int examples = 6;
  for (const char* clock : {"12:00:00", "07:31:59"}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(clock) + " item " + c.item);
      std::string keys = std::string("3 Enter ") + c.item + " Enter";
      for (int i = 0; i < examples; ++i) {
        keys +=
            AnyKeys(c.waits) + (i + 1 < examples ? (i % 2 ? " 0 Enter" : " Enter") : " 1 Enter");
      }
      const PlayerRun run = RunPlayer("pellith", keys + c.closing, clock);
      EXPECT_EQ(Submenus(run, kSubmenu), 2);
      std::vector<std::smatch> questions, results;
      std::vector<std::string> texts;
      for (const std::string& p : MarkupPrints(PrintsOf(run), EmptyTexts::kLeftOut))
        texts.push_back(p);
      std::vector<std::string> q_texts, r_texts;
      for (const std::string& p : texts) {
        if (p.rfind("94 110 0 ", 0) == 0) q_texts.push_back(p.substr(9));
        if (p.rfind(c.result_at + " ", 0) == 0) r_texts.push_back(p.substr(c.result_at.size() + 1));
      }
      ASSERT_EQ(q_texts.size(), examples);
      ASSERT_EQ(r_texts.size(), examples);
      for (int i = 0; i < examples; ++i) {
        SCOPED_TRACE(q_texts[i] + "  " + r_texts[i]);
        std::smatch q, r;
        ASSERT_TRUE(std::regex_match(q_texts[i], q, question));
        ASSERT_TRUE(std::regex_match(r_texts[i], r, result));
        long n1 = std::stol(q[2]), d1 = std::stol(q[3]), n2 = std::stol(q[6]), d2 = std::stol(q[7]);
        if (q[4] == "/") std::swap(n2, d2);
        EXPECT_EQ(q[4], c.item[0] == '1' ? "*" : "/");
        const bool negative = (q[1] == "-") != (q[5] == "-");
        const Fraction want = Reduced(n1 * n2, d1 * d2);
        EXPECT_EQ(r[1] == "-", negative);
        EXPECT_EQ(std::stol(r[2]), want.num);
        EXPECT_EQ(std::stol(r[3]), want.den);
        EXPECT_LT(want.num, want.den);  // a proper fraction, never whole
        // Something always cancels crosswise.
        EXPECT_GT(std::gcd(n1, d2), 1);
        EXPECT_GT(std::gcd(n2, d1), 1);
      }
      ExpectStrokesOnTheirNumbers(run, 4 * examples);
    }
  }
}

}  // namespace
