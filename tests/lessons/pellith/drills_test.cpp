// The product and quotient drills: their bands on one page, the hand-over
// from part to part, and the random draws of long runs under a fixed seed
// (ranges, signs, the prime table of the fraction quotients) checked
// against the answers the drills reveal.
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <numeric>
#include <set>
#include <string>
#include <vector>

#include "division_pages.h"
#include "headless_fixture.h"
#include "multiplication_pages.h"
#include "page_reader.h"
#include "quotient_drill.h"
#include "shell.h"

namespace {

class DrillsTest : public StartedPageTest {
 protected:
  void SetUp() override {
    StartedPageTest::SetUp();
    PaRandomize(11);
  }
  std::vector<Print> Markup() {
    std::vector<Print> out;
    for (const Print& p : PrintsOf(Log())) {
      if (p.routine == "PrintMarkup") out.push_back(p);
    }
    return out;
  }
  // The texts at (x, y), in order.
  std::vector<std::string> At(double x, double y) {
    std::vector<std::string> out;
    for (const Print& p : Markup()) {
      if (p.x == x && p.y == y) out.push_back(p.text);
    }
    return out;
  }
  // The texts after each text at (x, y), up to the next one there, in
  // colour `colour` on line `line`.
  std::vector<std::string> After(double x, double y, double line, double colour) {
    std::vector<std::string> out;
    bool open = false;
    for (const Print& p : Markup()) {
      if (p.x == x && p.y == y) {
        open = true;
        out.push_back("");
        continue;
      }
      if (open && p.y == line && p.colour == colour && out.back().empty()) out.back() = p.text;
    }
    return out;
  }
};

// Splits "(a)*(b)=" or "a/(b)=" at the operator into its two numbers.
std::pair<int, int> Operands(const std::string& question, const std::string& op) {
  const size_t at = question.find(op, 1);
  return {WrittenNumber(question.substr(0, at)),
          WrittenNumber(question.substr(at + op.size(), question.size() - at - op.size() - 1))};
}

TEST_F(DrillsTest, ProductDrillThreeBandsOnePageAndStraightIntoTheThirdPart) {
  Keys("a 1 Enter a 1 Enter a 1 Enter");
  pellith::ProductDrill();
  EXPECT_EQ(At(88, 18).size(), 1u);
  EXPECT_EQ(At(88, 178).size(), 1u);
  EXPECT_EQ(At(88, 338), (std::vector<std::string>{Utf8("問③　次の計算をしなさい。")}));
  EXPECT_EQ(At(220, 98).size(), 1u);
  EXPECT_EQ(At(220, 258).size(), 1u);
  EXPECT_EQ(At(220, 418).size(), 1u);
  // The first part blanks the page, the others only their bands.
  std::vector<std::vector<double>> blanks;
  for (const LoggedOp& op : Ops("box")) {
    if (op.nums[4] == 15 && op.nums[5] == 15 && op.nums[0] == 0 && op.nums[1] < 600) {
      blanks.push_back({op.nums[1], op.nums[2], op.nums[3]});
    }
  }
  EXPECT_EQ(blanks, (std::vector<std::vector<double>>{
                        {0, 1320, 1300}, {178, 1320, 418}, {338, 1320, 578}}));
  // The answer boxes: 44 wide right after the "=", then 88 wide 10 after
  // the given sign.
  std::vector<std::vector<double>> boxes;
  for (const LoggedOp& op : Ops("box")) {
    if (op.nums[5] == 13)
      boxes.push_back({op.nums[1], op.nums[2] - op.nums[0], op.nums[3] - op.nums[1]});
  }
  EXPECT_EQ(boxes, (std::vector<std::vector<double>>{
                       {98, 44, 46}, {98, 44, 46}, {258, 88, 46}, {258, 88, 46}}));
}

TEST_F(DrillsTest, ProductDrawsUnderAFixedSeed) {
  const int n = 300;
  Keys(Repeat("a 2 Enter", n - 1) + "a 1 Enter a 1 Enter " + Repeat("a 2 Enter", n - 1) +
       "a 1 Enter");
  pellith::ProductDrill();

  // The first part: both factors signed, from 1 to 9, each sign pair about a
  // quarter; the box shows the product's sign, beside it its absolute value.
  const std::vector<std::string> questions = At(220, 98);
  const std::vector<std::string> signs = After(220, 98, 99, 5);
  const std::vector<std::string> sizes = After(220, 98, 98, 3);
  ASSERT_EQ(questions.size(), static_cast<size_t>(n));
  std::map<std::string, int> pairs;
  std::set<int> factors;
  for (int i = 0; i < n; ++i) {
    const std::string& q = questions[i];
    const auto [a, b] = Operands(q, "*");
    EXPECT_EQ(q, "(" + std::string(a > 0 ? "+" : "") + std::to_string(a) + ")*(" +
                     (b > 0 ? "+" : "") + std::to_string(b) + ")=");
    factors.insert(a);
    factors.insert(b);
    pairs[std::string(a > 0 ? "+" : "-") + (b > 0 ? "+" : "-")]++;
    EXPECT_EQ(signs[i], a * b > 0 ? "+" : "-") << q;
    EXPECT_EQ(sizes[i], std::to_string(std::abs(a * b))) << q;
  }
  std::set<int> all;
  for (int v = 1; v <= 9; ++v) all.insert({v, -v});
  EXPECT_EQ(factors, all);
  for (const auto& [pair, count] : pairs) {
    EXPECT_GT(count, n / 4 - 40) << pair;
    EXPECT_LT(count, n / 4 + 40) << pair;
  }

  // The third part: never two positive factors; (+, -) about half.
  const std::vector<std::string> results = At(220, 418);
  const std::vector<std::string> answers = After(220, 418, 418, 5);
  ASSERT_EQ(results.size(), static_cast<size_t>(n));
  std::map<std::string, int> result_pairs;
  int notes = 0;
  for (int i = 0; i < n; ++i) {
    const auto [a, b] = Operands(results[i], "*");
    result_pairs[std::string(a > 0 ? "+" : "-") + (b > 0 ? "+" : "-")]++;
    EXPECT_EQ(answers[i], std::to_string(a * b)) << results[i];
    notes += a * b > 0;
  }
  EXPECT_EQ(result_pairs["++"], 0);
  EXPECT_GT(result_pairs["+-"], n / 2 - 40);
  EXPECT_LT(result_pairs["+-"], n / 2 + 40);
  int shown_notes = 0;
  for (const Print& p : Markup()) shown_notes += p.text == Utf8("答の + は書かない。");
  EXPECT_EQ(shown_notes, notes);
}

TEST_F(DrillsTest, QuotientDrawsUnderAFixedSeed) {
  const int n = 300;
  Keys(Repeat("a 2 Enter", n - 1) + "a 1 Enter a 1 Enter " + Repeat("a 2 Enter", n - 1) +
       "a 1 Enter " + Repeat("a a 2 Enter", n - 1) + "a a 1 Enter");
  pellith::QuotientDrill();
  EXPECT_EQ(FE_GETDRAWWIDTH(), 5);

  // The first part: an exact division; the box shows the quotient's sign.
  const std::vector<std::string> questions = At(160, 90);
  const std::vector<std::string> signs = After(160, 90, 91, 5);
  const std::vector<std::string> sizes = After(160, 90, 90, 3);
  ASSERT_EQ(questions.size(), static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) {
    const auto [dividend, divisor] = Operands(questions[i], "/");
    ASSERT_NE(divisor, 0);
    EXPECT_EQ(dividend % divisor, 0) << questions[i];
    const int quotient = dividend / divisor;
    EXPECT_LE(std::abs(quotient), 9);
    EXPECT_EQ(signs[i], quotient > 0 ? "+" : "-") << questions[i];
    EXPECT_EQ(sizes[i], std::to_string(std::abs(quotient))) << questions[i];
  }

  // The third part: never two positive numbers, positives bare.
  const std::vector<std::string> results = At(160, 330);
  const std::vector<std::string> answers = After(160, 330, 330, 5);
  ASSERT_EQ(results.size(), static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) {
    const auto [dividend, divisor] = Operands(results[i], "/");
    EXPECT_FALSE(dividend > 0 && divisor > 0) << results[i];
    EXPECT_EQ(answers[i], std::to_string(dividend / divisor)) << results[i];
  }

  // The fourth part: dividend and divisor the products of two different
  // primes of the table's first five, sharing one of 2, 3, 5, 7; the answer
  // in lowest terms.
  const std::vector<std::string> fractions = At(160, 470);
  const std::vector<std::string> reduced = After(160, 470, 470, 5);
  ASSERT_EQ(fractions.size(), static_cast<size_t>(n));
  const std::set<int> sizes_allowed = {6, 10, 14, 15, 21, 22, 33, 35, 55, 77};
  int elevens = 0;
  for (int i = 0; i < n; ++i) {
    const auto [dividend, divisor] = Operands(fractions[i], "/");
    EXPECT_TRUE(sizes_allowed.count(std::abs(dividend))) << fractions[i];
    EXPECT_TRUE(sizes_allowed.count(std::abs(divisor))) << fractions[i];
    EXPECT_FALSE(dividend > 0 && divisor > 0) << fractions[i];
    const int common = std::gcd(std::abs(dividend), std::abs(divisor));
    const int numerator = std::abs(dividend) / common, denominator = std::abs(divisor) / common;
    // The common factor is never 11: the divisor's own prime is 11 exactly
    // when 11 divides it.
    elevens += divisor % 11 == 0;
    const std::string sign = (dividend < 0) != (divisor < 0) ? "-" : "";
    const std::string want = denominator == 1 ? sign + std::to_string(numerator)
                                              : sign + "ﾀ" + std::to_string(numerator) + "/" +
                                                    std::to_string(denominator) + "ﾀ";
    EXPECT_EQ(reduced[i], Utf8(want)) << fractions[i];
  }
  // The divisor's own prime is 11 in 7 examples of 16.
  EXPECT_GT(elevens, n * 7 / 16 - 40);
  EXPECT_LT(elevens, n * 7 / 16 + 40);
  int task_lines = 0;
  for (const Print& p : Markup()) {
    task_lines += p.x == 44 && p.y == 540 && p.text == Utf8("教科書 問4 をしなさい。");
  }
  EXPECT_EQ(task_lines, 1);
}

TEST_F(DrillsTest, SampleFractionQuotientsWorkedThrough) {
  struct Case {
    float common, numerator, denominator;
    const char* question;  // T_s(11) / T_s(12) =
    const char* working;   // F_sa(1) ﾀ T_s(4) / T_s(5) ﾀ =
    const char* answer;    // X_sa(1)
  };
  const Case cases[] = {
      {3, -5, 7, "(-15)/21=", "-ﾀ15/21ﾀ=", "-ﾀ5/7ﾀ"},
      {2, -3, -11, "(-6)/(-22)=", "+ﾀ6/22ﾀ=", "ﾀ3/11ﾀ"},
      {7, 11, -11, "77/(-77)=", "-ﾀ77/77ﾀ=", "-1"},
  };
  for (const Case& c : cases) {
    Y_a(1) = c.common;
    T(1) = c.numerator;
    T(2) = c.denominator;
    pellith::MakeFractionQuotient();
    EXPECT_EQ(T_s(11) + "/" + T_s(12) + "=", c.question);
    EXPECT_EQ(F_sa(1) + "ﾀ" + T_s(4) + "/" + T_s(5) + "ﾀ=", c.working);
    EXPECT_EQ(X_sa(1), c.answer);
  }
}

}  // namespace
