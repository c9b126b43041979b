// The decimal products and quotients of the example pages: sample draws
// worked through to their question, working and answer, every product and
// quotient the pages can draw written with exactly its own digits, and the
// random draws of a long run under a fixed seed.
#include "decimal_examples.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "division_pages.h"
#include "headless_fixture.h"
#include "multiplication_globals.h"
#include "number_texts.h"
#include "page_reader.h"
#include "shell.h"
#include "signed_draws.h"

namespace {

using pellith::MakeDecimalProduct;
using pellith::MakeDecimalQuotient;

// `whole` / 10^`places` as a decimal: "0" before the point below 1, no
// trailing zeros, no point for a whole number.
std::string Exact(long whole, int places) {
  std::string sign = whole < 0 ? "-" : "";
  std::string digits = std::to_string(std::labs(whole));
  while (static_cast<int>(digits.size()) <= places) digits = "0" + digits;
  std::string integer = digits.substr(0, digits.size() - places);
  std::string fraction = digits.substr(digits.size() - places);
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  return sign + integer + (fraction.empty() ? "" : "." + fraction);
}

class DecimalExamplesTest : public StartedPageTest {};

TEST(DecimalTexts, ZeroGoesOnlyBeforeAPoint) {
  const std::pair<const char*, const char*> cases[] = {
      {".25", "0.25"}, {"-.5", "-0.5"}, {"0", "0"}, {"1", "1"}, {"2.1", "2.1"}, {"-3", "-3"},
  };
  for (const auto& [text, shown] : cases) EXPECT_EQ(WithLeadingZero(text), shown);
}

TEST_F(DecimalExamplesTest, SampleProductsWorkedThrough) {
  struct Case {
    float first, second, places;
    const char* question;  // T_s(1) * T_s(2)
    const char* working;   // = F_s ( T_s(4) * T_s(5) )
    const char* answer;    // = T_s(3)
    const char* count;     // F_sa(2)
  };
  const Case cases[] = {
      {-13, 7, 2, "(-0.13)*(+0.7)", "=-(0.13*0.7)", "=-0.091", "3"},
      {15, 6, 1, "(+1.5)*(+0.6)", "=+(1.5*0.6)", "=0.9", "2"},
      {29, -9, 1, "(+2.9)*(-0.9)", "=-(2.9*0.9)", "=-2.61", "2"},
      {25, -4, 1, "(+2.5)*(-0.4)", "=-(2.5*0.4)", "=-1", "2"},
      {-25, -4, 2, "(-0.25)*(-0.4)", "=+(0.25*0.4)", "=0.1", "3"},
      {-2, 2, 2, "(-0.02)*(+0.2)", "=-(0.02*0.2)", "=-0.004", "3"},
      {-13, 2, 1, "(-1.3)*(+0.2)", "=-(1.3*0.2)", "=-0.26", "2"},
  };
  for (const Case& c : cases) {
    MakeDecimalProduct(c.first, c.second, c.places);
    EXPECT_EQ(T_s(1) + "*" + T_s(2), c.question);
    EXPECT_EQ("=" + pellith::F_s + "(" + T_s(4) + "*" + T_s(5) + ")", c.working);
    EXPECT_EQ("=" + T_s(3), c.answer);
    EXPECT_EQ(F_sa(2), c.count);
  }
}

TEST_F(DecimalExamplesTest, EveryProductWrittenWithItsOwnDigits) {
  for (int first = -29; first <= 29; ++first) {
    if (std::abs(first) < 2 || std::abs(first) % 10 == 0) continue;
    for (int second = -9; second <= 9; ++second) {
      if (std::abs(second) < 2) continue;
      for (int places = 1; places <= 2; ++places) {
        MakeDecimalProduct(first, second, places);
        const std::string sign = first > 0 ? "(+" : "(-";
        ASSERT_EQ(T_s(1), sign + Exact(std::abs(first), places) + ")") << first;
        ASSERT_EQ(T_s(4), Exact(std::abs(first), places));
        ASSERT_EQ(T_s(5), Exact(std::abs(second), 1));
        ASSERT_EQ(T_s(3), Exact(first * second, places + 1)) << first << " " << second;
        ASSERT_EQ(T_s(6), Exact(std::abs(first * second), places + 1));
      }
    }
  }
}

TEST_F(DecimalExamplesTest, SampleQuotientsWorkedThrough) {
  struct Case {
    float q, d, q_places, d_places, q_sign, d_sign;
    const char* question;  // T_s(3) / T_s(2)
    const char* sign;      // F_sa(4)
    const char* working;   // ( T_s(13) / T_s(12) )
    const char* moved;     // ( T_s(6) / T_s(5) ), shown for a decimal divisor
    const char* answer;    // = F_sa(7) T_s(1)
  };
  const Case cases[] = {
      {3, 7, 0, 1, 1, -1, "(-2.1)/(-0.7)", "+", "(2.1/0.7)", "(21/7)", "=3"},
      {3, 7, 1, 0, -1, 1, "(-2.1)/7", "-", "(2.1/7)", "(2.1/7)", "=-0.3"},
      {3, 7, 1, 1, -1, -1, "0.21/(-0.7)", "-", "(0.21/0.7)", "(2.1/7)", "=-0.3"},
      {5, 2, 0, 1, -1, 1, "(-1)/0.2", "-", "(1/0.2)", "(10/2)", "=-5"},
      {5, 2, 1, 1, -1, 1, "(-0.1)/0.2", "-", "(0.1/0.2)", "(1/2)", "=-0.5"},
      {5, 4, 1, 0, -1, 1, "(-2)/4", "-", "(2/4)", "(2/4)", "=-0.5"},
      {2, 2, 1, 1, -1, -1, "0.04/(-0.2)", "-", "(0.04/0.2)", "(0.4/2)", "=-0.2"},
      {9, 9, 0, 1, 1, 1, "(-8.1)/(-0.9)", "+", "(8.1/0.9)", "(81/9)", "=9"},
  };
  for (const Case& c : cases) {
    MakeDecimalQuotient(c.q, c.d, c.q_places, c.d_places, c.q_sign, c.d_sign);
    EXPECT_EQ(T_s(3) + "/" + T_s(2), c.question);
    EXPECT_EQ(F_sa(4), c.sign);
    EXPECT_EQ("(" + T_s(13) + "/" + T_s(12) + ")", c.working);
    EXPECT_EQ("(" + T_s(6) + "/" + T_s(5) + ")", c.moved);
    EXPECT_EQ("=" + F_sa(7) + T_s(1), c.answer);
  }
}

TEST_F(DecimalExamplesTest, EveryQuotientWrittenWithItsOwnDigits) {
  const int places[][2] = {{0, 1}, {1, 0}, {1, 1}};
  for (int q = 2; q <= 9; ++q) {
    for (int d = 2; d <= 9; ++d) {
      for (const auto& p : places) {
        MakeDecimalQuotient(q, d, p[0], p[1], -1, 1);
        ASSERT_EQ(T_s(13), Exact(q * d, p[0] + p[1]));
        ASSERT_EQ(T_s(12), Exact(d, p[1]));
        ASSERT_EQ(T_s(1), Exact(q, p[0]));
        ASSERT_EQ(T_s(6), Exact(q * d, p[0]));
        ASSERT_EQ(T_s(3), "(-" + Exact(q * d, p[0] + p[1]) + ")");
      }
    }
  }
}

// A long run of the page under a fixed seed: each product's and quotient's
// question as the page prints it.
TEST_F(DecimalExamplesTest, ALongRunSpreadsTheSignsEvenlyAndDrawsAgainForTheExcludedSizes) {
  const int examples = 300;
  PaRandomize(7);
  Keys(Repeat("a a 2 Enter", examples - 1) + "a a 1 Enter " +
       Repeat("a a a a a 2 Enter", examples - 1) + "a a a a a 1 Enter a");
  try {
    pellith::DecimalProductsExample();
  } catch (...) {
    // A whole divisor takes two keys fewer: the script runs out early.
  }
  std::map<std::string, int> signs;
  std::set<std::string> first_sizes;
  int products = 0;
  std::map<std::string, int> quotient_signs;
  int quotients = 0;
  for (const LoggedOp& op : PagePrints()) {
    if (op.face != "PrintMarkup") continue;
    if (op.nums[0] == 94 && op.nums[1] == 110) {
      ++products;
      // "(±a)×(±b)": the factors' signs and the first factor's size.
      const std::string& q = op.text;
      signs[q.substr(1, 1) + q.substr(q.rfind('(') + 1, 1)]++;
      const std::string first = q.substr(2, q.find(')') - 2);
      first_sizes.insert(first);
      EXPECT_NE(first.back(), '0') << q;
    }
    if (op.nums[0] == 694 && op.nums[1] == 90) {
      ++quotients;
      const std::string& q = op.text;
      const bool dividend_negative = q.rfind("(-", 0) == 0;
      const bool divisor_negative = q.find("(-", 1) != std::string::npos;
      quotient_signs[std::string(dividend_negative ? "-" : "+") + (divisor_negative ? "-" : "+")]++;
    }
  }
  EXPECT_EQ(products, examples);
  // Each sign pair about a quarter of the products.
  for (const char* pair : {"++", "+-", "-+", "--"}) {
    EXPECT_GT(signs[pair], examples / 4 - 30) << pair;
    EXPECT_LT(signs[pair], examples / 4 + 30) << pair;
  }
  EXPECT_TRUE(first_sizes.count("0.02") || first_sizes.count("0.29") || first_sizes.count("2.9"));
  // 10 and 20 are drawn again: no 0.1 or 1, no 2 (0.2 is 2 tenths).
  for (const char* never : {"0.1", "1", "2"}) EXPECT_EQ(first_sizes.count(never), 0u) << never;
  // Never two positive numbers; both negative about half the quotients.
  EXPECT_GT(quotients, 100);
  EXPECT_EQ(quotient_signs["++"], 0);
  EXPECT_GT(quotient_signs["--"], quotients / 2 - quotients / 8);
  EXPECT_LT(quotient_signs["--"], quotients / 2 + quotients / 8);
}

}  // namespace
