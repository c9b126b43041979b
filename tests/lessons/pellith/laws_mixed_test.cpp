// Pellith's topic on the laws of multiplication and mixed multiplication and
// division, driven through the player: every item's texts, key waits and
// return, and examples 9 and 10 in both halves under two clocks.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "headless_fixture.h"
#include "in_process_run.h"
#include "item_run.h"
#include "pellith_page_log.h"
#include "submenu_lines.h"

namespace {

using namespace pellith_test;

const char* const kSubmenu = SubmenuOf("pellith", 4);

TEST(LawsMixedTopic, EveryItemShowsItsPageWaitsItsKeysAndComesBack) {
  ExpectEveryItem(
      "pellith", "4 Enter", kSubmenu,
      {
          {.name = "1",
           .keys = "1 Enter" + AnyKeys(14),
           .key_waits = 14,
           .steps = {"40 30 0 問　①～③はどんな計算のくふうをしていますか。", "40 105 3 ① ",
                     "94 105 0 37*(-4)", "67 165 0 =(-148)*(-25)", "67 225 0 =3700", "40 300 3 ②",
                     "94 300 0 37*", "67 360 0 =37*100", "67 420 0 =3700", "704 105 3 ③",
                     "758 105 0 (-15)*", "731 155 0 =", "731 205 0 =30*13", "731 255 5 =390",
                     "423 375 7 ①は、", "44 490 7 ②は、計算しやすい", "44 560 7 ③は、",
                     "160 610 0 教科書 問9,問10　をしなさい。"}},
          {.name = "2",
           .keys = "2 Enter" + AnyKeys(3),
           .key_waits = 3,
           .steps = {"40 30 3 問9 解答", "121 105 0 {3*(-4)}*(-5)", "94 155 0 =-12*(-5)",
                     "94 205 5 =60", "121 280 0 3*{(-4)*(-5)}", "94 380 5 =60", "40 430 0 だから",
                     "94 480 3 両方の結果は等しい。", "560 30 3 問10 解答", "560 105 3 (1)",
                     "641 105 0 25*11*(-4)", "614 255 5 =-1100", "560 345 3 (2)",
                     "614 425 0 =(-2)*(-15)*12", "614 505 0 =30*12", "614 555 5 =360"}},
          {.name = "3",
           .keys = "3 Enter" + AnyKeys(9) + AnyKeys(3) + " 1 Enter" + AnyKeys(5) + " 1 Enter" +
                   AnyKeys(1),
           .key_waits = 18,
           .next_steps = 2,
           .steps = {"40 30 3 次の計算をして、結果をくらべよう。", "40 80 3 (1)",
                     "121 80 0 1*2*3*4=", "40 230 3 (4)", "121 230 0 (-1)*(-2)*(-3)*4=",
                     "40 280 0 この結果からわかること", "40 330 3 ① 積の絶対値は同じ",
                     "40 380 3 ② 積の符号は", "94 430 5 (-)が偶数個…(+)",
                     "94 480 5 (-)が奇数個…(-)", "40 30 3 例9 次の計算をしなさい。",
                     "67 350 0 =", "160 540 7 教科書 問11　をしなさい。"}},
          {.name = "4",
           .keys = "4 Enter",
           .key_waits = 0,
           .steps = {"40 30 3 問11 解答", "40 105 3 (1)", "121 105 0 (-4)*(-12)*(-5)",
                     "94 155 0 =-(4*12*5)", "94 205 0 =-(20*12)", "94 255 5 =-240", "560 80 3 (2)",
                     "641 80 0 (-ﾀ3/5ﾀ)*ﾀ5/6ﾀ*(-3)", "614 160 0 =+(ﾀ3/5ﾀ*ﾀ5/6ﾀ*3)",
                     "614 240 0 =+(ﾀ3/1ﾀ*ﾀ1/2ﾀ*1)", "614 320 5 =ﾀ3/2ﾀ"}},
          {.name = "5",
           .keys = "5 Enter" + AnyKeys(4) + " 1 Enter" + AnyKeys(6) + " 1 Enter" + AnyKeys(1),
           .key_waits = 11,
           .next_steps = 2,
           .steps = {"40 30 3 例10 次の計算をしなさい。",
                     "67 350 0 =", "667 480 7 教科書 問12　をしなさい。"}},
          {.name = "6",
           .keys = "6 Enter",
           .key_waits = 0,
           .steps = {"40 30 3 問12 解答", "40 90 0 (1)", "121 90 0 (-12)*(-5)/3",
                     "94 165 0 =(-12)*(-5)*ﾀ1/3ﾀ", "94 240 0 =+(12*5*ﾀ1/3ﾀ)", "94 300 5 =20",
                     "40 360 0 (2)", "94 585 5 =-50", "640 30 0 (3)",
                     "721 30 0 (-ﾀ3/7ﾀ)/2/(-ﾀ3/4ﾀ)", "694 255 5 =ﾀ2/7ﾀ", "640 315 0 (4)",
                     "694 540 5 =-35"}},
          {.name = "7",
           .keys = "7 Enter" + AnyKeys(5),
           .key_waits = 5,
           .steps = {"40 30 7 Q ", "67 80 3 正しく計算するにはどうしますか。",
                     "94 140 0 (-36)/(-3)*2", "67 190 0 =(-36)/(-6)", "67 240 0 =6",
                     "40 300 3 乗除の混じった計算に乗法の結合法則",
                     "40 350 3 を使い、後ろから計算している。", "40 410 7 前から順に計算する。",
                     "94 470 0 (-36)/(-3)*2", "67 570 0 =24", "640 60 7 -3の逆数を使って計算する。",
                     "721 120 0 (-36)/(-3)*2", "694 190 0 =(-36)*(-ﾀ1/3ﾀ)*2",
                     "694 260 0 =(-36)*(-ﾀ2/3ﾀ)", "694 310 0 =24"}},
      });
}

TEST(LawsMixedTopic, TheLawsPageUnderlinesEachFirstProductAtPenWidthEight) {
  const PlayerRun run = RunPlayer("pellith", "4 Enter 1 Enter" + AnyKeys(14));
  // "x1 x2 y colour" of the underlines, in the order of the reveals.
  std::vector<std::string> underlines;
  for (const std::string& line : run.log) {
    const auto f = Fields(line);
    if (f[0] == "line" && f[6] == "8" && f[2] == f[4]) {
      underlines.push_back(f[1] + " " + f[3] + " " + f[2] + " " + f[5]);
    }
  }
  // Each runs from where its product was printed to where the next piece
  // of its line begins, 50 below the line's top.
  const auto prints = MarkupPrints(PrintsOf(run), EmptyTexts::kLeftOut);
  auto underline = [&](const std::string& product, const std::string& y, int below,
                       const std::string& colour) {
    for (size_t i = 0; i + 1 < prints.size(); ++i) {
      const auto f = Fields(std::regex_replace(prints[i], std::regex(" "), "\t"));
      const auto next = Fields(std::regex_replace(prints[i + 1], std::regex(" "), "\t"));
      if (f[3] == Utf8(product) && f[1] == y) {
        return f[0] + " " + next[0] + " " + std::to_string(std::stoi(y) + below) + " " + colour;
      }
    }
    return std::string("not printed");
  };
  ASSERT_EQ(underlines.size(), 4);
  // Where a piece follows on the line, the underline ends where it begins.
  EXPECT_EQ(underlines[0], underline("37*(-4)", "105", 50, "7"));
  EXPECT_EQ(underlines[3], underline("(-15)*(-2)", "155", 50, "7"));
  EXPECT_EQ(underlines[0].substr(0, 3), "94 ");
  // Where the product ends its line, it starts where the product does.
  const std::string second = underline("(-4)*(-25)", "300", 50, "3");
  const std::string third = underline("13*(-2)", "105", 50, "3");
  EXPECT_EQ(underlines[1].substr(0, underlines[1].find(' ')), second.substr(0, second.find(' ')));
  EXPECT_EQ(underlines[2].substr(0, underlines[2].find(' ')), third.substr(0, third.find(' ')));
  EXPECT_EQ(underlines[1].substr(underlines[1].rfind(' ', underlines[1].rfind(' ') - 1)), " 350 3");
  EXPECT_EQ(underlines[2].substr(underlines[2].rfind(' ', underlines[2].rfind(' ') - 1)), " 155 3");
}

// ---- examples 9 and 10 ------------------------------------------------------------------

TEST(LawsMixedTopic, ExamplesNineAndTenInBothHalvesAreRightAndNeverRepeatTheirFirstNumerator) {
  const std::string ta = Utf8("ﾀ");
  const std::string fraction = "\\(([+-])" + ta + "(\\d+)/(\\d+)" + ta + "\\)";
  const std::regex three_fractions(Utf8("②　") + fraction + "([*/])" + fraction + "\\*" + fraction);
  const std::regex fraction_answer("=(-?)" + ta + "(\\d+)/(\\d+)" + ta);
  const int examples = 5;
  std::string keys = "4 Enter 3 Enter" + AnyKeys(9);
  for (int i = 0; i < examples; ++i)
    keys += AnyKeys(3) + (i + 1 < examples ? " 2 Enter" : " 1 Enter");
  for (int i = 0; i < examples; ++i)
    keys += AnyKeys(5) + (i + 1 < examples ? " Enter" : " 1 Enter");
  keys += " a 5 Enter";
  for (int i = 0; i < examples; ++i)
    keys += AnyKeys(4) + (i + 1 < examples ? " 0 Enter" : " 1 Enter");
  for (int i = 0; i < examples; ++i)
    keys += AnyKeys(6) + (i + 1 < examples ? " 3 Enter" : " 1 Enter");
  keys += " a";
  for (const char* clock : {"12:00:00", "07:31:59"}) {
    SCOPED_TRACE(clock);
    const PlayerRun run = RunPlayer("pellith", keys, clock);
    EXPECT_EQ(Submenus(run, kSubmenu), 3);

    // First halves: the problems and the answers printed after their "=".
    std::vector<std::string> wholes, answers, fractions, fraction_answers;
    for (const std::string& p : MarkupPrints(PrintsOf(run), EmptyTexts::kLeftOut)) {
      const size_t text_at = p.find(' ', p.find(' ', p.find(' ') + 1) + 1) + 1;
      const std::string at = p.substr(0, text_at - 1), text = p.substr(text_at);
      if (at == "40 90 0") wholes.push_back(text);
      if (at.rfind(" 350 5") != std::string::npos && at.rfind(" 350 5") + 6 == at.size()) {
        answers.push_back(text);
      }
      if (at == "640 100 0") fractions.push_back(text);
      if (at == "667 300 5" || at == "667 380 5") fraction_answers.push_back(text);
    }
    ASSERT_EQ(wholes.size(), 2 * examples);
    ASSERT_EQ(answers.size(), 2 * examples);
    for (int i = 0; i < 2 * examples; ++i) {
      SCOPED_TRACE(wholes[i] + "  " + answers[i]);
      const bool divides = i >= examples;
      static const std::regex whole_problem(Utf8("① ") + "(\\S+?)([*/])(\\S+?)\\*(\\S+)");
      std::smatch m;
      ASSERT_TRUE(std::regex_match(wholes[i], m, whole_problem));
      const long a = WrittenNumber(m[1]), b = WrittenNumber(m[3]), c = WrittenNumber(m[4]);
      EXPECT_EQ(m[2], divides ? "/" : "*");
      if (divides) {
        EXPECT_EQ(a % b, 0);
        EXPECT_EQ(std::to_string(a / b * c), answers[i]);
      } else {
        EXPECT_EQ(c, -5);  // the last factor is always -5
        EXPECT_EQ(std::to_string(a * b * c), answers[i]);
      }
    }

    // Second halves: three fractions, cancelled down to a quotient of primes.
    ASSERT_EQ(fractions.size(), 2 * examples);
    ASSERT_EQ(fraction_answers.size(), 2 * examples);
    long last_first_numerator = 0;
    for (int i = 0; i < 2 * examples; ++i) {
      SCOPED_TRACE(fractions[i] + "  " + fraction_answers[i]);
      std::smatch q, r;
      ASSERT_TRUE(std::regex_match(fractions[i], q, three_fractions));
      ASSERT_TRUE(std::regex_match(fraction_answers[i], r, fraction_answer));
      long num = 1, den = 1;
      int minus = 0;
      for (int g : {1, 5, 8}) {  // sign, numerator and denominator of each
        minus += q[g] == "-";
        long n = std::stol(q[g + 1]), d = std::stol(q[g + 2]);
        if (g == 5 && q[4] == "/") std::swap(n, d);
        num *= n;
        den *= d;
      }
      EXPECT_EQ(q[4], i < examples ? "*" : "/");
      const Fraction want = Reduced(num, den);
      EXPECT_EQ(r[1] == "-", minus % 2 == 1);
      EXPECT_EQ(std::stol(r[2]), want.num);
      EXPECT_EQ(std::stol(r[3]), want.den);
      const long first_numerator = std::stol(q[2]);
      EXPECT_NE(first_numerator, last_first_numerator);
      last_first_numerator = first_numerator;
    }
    // Two strokes per example of example 10's first half, six per second half.
    ExpectStrokesOnTheirNumbers(run, 2 * examples + 6 * 2 * examples);
  }
}

// Example 9 shown once, then the end item: a second run in the same process
// shows the same example, whatever fractions the first left behind.
TEST(LawsMixedTopic, ASecondRunInTheSameProcessShowsTheSameExample) {
  const std::string keys = "4 Enter 3 Enter" + AnyKeys(9) + AnyKeys(3) + " 1 Enter" + AnyKeys(5) +
                           " 1 Enter" + AnyKeys(1) + " 8 Enter 7 Enter";
  const InProcessRun first = RunInProcess("pellith", keys);
  const InProcessRun second = RunInProcess("pellith", keys);
  EXPECT_EQ(first.status, 0);
  EXPECT_EQ(second.status, 0);
  EXPECT_EQ(FirstDifference(first, second), "");
}

int LinesStarting(const PlayerRun& run, const std::string& head) {
  return static_cast<int>(std::count_if(
      run.log.begin(), run.log.end(), [&](const std::string& l) { return l.rfind(head, 0) == 0; }));
}

TEST(LawsMixedTopic, NarrowClearsAndThePenWidthTheLawsPageLeaves) {
  // The laws page and the first screen of example 9 clear only 1320 wide.
  for (const char* item : {"1", "3"}) {
    const PlayerRun run = RunPlayer("pellith", std::string("4 Enter ") + item + " Enter");
    EXPECT_EQ(LinesStarting(run, "box\t0\t0\t1320\t1300\t15\t15\t"), 1) << item;
  }
  // The laws page leaves pen width 8: the next page clears with it.
  const PlayerRun run = RunPlayer("pellith", "4 Enter 1 Enter" + AnyKeys(14) + " 2 Enter");
  EXPECT_EQ(LinesStarting(run, "box\t0\t0\t1760\t1300\t15\t15\t15\t8"), 1);
}

}  // namespace
