// Exact fractions: entries read as the answer field reads them, the four
// operations without rounding, and the texts of the results.
#include "exact_fractions.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <ostream>
#include <string>

#include "errors.h"
#include "numbers.h"

// A fraction in failures as "numerator/denominator".
void PrintTo(const ExactFraction& fraction, std::ostream* out) {
  *out << fraction.numerator << "/" << fraction.denominator;
}

namespace {

TEST(ExactFractions, EntriesReadAsTheFieldReadsThem) {
  struct Case {
    const char* entry;
    std::int64_t numerator, denominator;
  };
  const Case cases[] = {
      {"33.3", 333, 10},
      {".1", 1, 10},
      {"0.0000001", 1, 10000000},
      {"99.99999", 9999999, 100000},
      {"1/3", 1, 3},
      {"2/3", 2, 3},
      {"6/4", 3, 2},
      {"1.5/.3", 5, 1},
      {"-1/-2", 1, 2},
      {"-4", -4, 1},
      // The number a text begins with: the rest is ignored, no digit is 0.
      {"1.2.3", 6, 5},
      {"5-3", 5, 1},
      {"1/2/3", 1, 2},
      {"/5", 0, 1},
      {"", 0, 1},
      {"0050", 50, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    const std::optional<ExactFraction> value = ExactEntryValue(c.entry);
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(*value, (ExactFraction{c.numerator, c.denominator}));
  }
  // No quotient by 0; more digits than 64 bits hold.
  for (const char* entry : {"5/0", "3/", "1/.", "1234567890123456789012",
                            "123456789012345678901234567890123456789012345"}) {
    EXPECT_FALSE(ExactEntryValue(entry).has_value()) << entry;
  }
  // The runtime's number texts, exponents included, read back exactly.
  EXPECT_EQ(ExactNumberValue(" 1E-08"), (ExactFraction{1, 100000000}));
  EXPECT_EQ(ExactNumberValue("-1.5E+02"), (ExactFraction{-150, 1}));
  EXPECT_FALSE(ExactNumberValue("3.402823E+38").has_value());
}

// The exact value of a text and the runtime's, each the value written here:
// the number the text begins with, read by one grammar (blanks, a sign "-"
// or "+", digits, a point and digits, then "E" or "e", a sign and digits;
// a sign or an "E" that nothing read follows ends the number).
TEST(ExactFractions, TextsReadAsTheRuntimeReadsThem) {
  struct Case {
    const char* text;
    std::int64_t numerator, denominator;
  };
  const Case cases[] = {
      {"3", 3, 1},        {"-.75", -3, 4},    {" .5", 1, 2},       {"+4", 4, 1},
      {"007.50", 15, 2},  {"12abc", 12, 1},   {"3/4", 3, 1},       {"2.5.3", 5, 2},
      {"-7-", -7, 1},     {"1.5E3", 1500, 1}, {"2e5x", 200000, 1}, {"1.25e-2", 1, 80},
      {"-3E+2", -300, 1}, {"1E", 1, 1},       {"1E+", 1, 1},       {"1e-", 1, 1},
      {"4E-x", 4, 1},     {"", 0, 1},         {"-", 0, 1},         {".", 0, 1},
      {"abc", 0, 1},      {"0.000", 0, 1},    {" - 5", 0, 1},      {"1 E2", 1, 1},
      {"   -42", -42, 1}, {"  +2.5", 5, 2},   {"+", 0, 1},         {"+.5e+1", 5, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("'") + c.text + "'");
    const std::optional<ExactFraction> exact = ExactNumberValue(c.text);
    ASSERT_TRUE(exact.has_value());
    EXPECT_EQ(*exact, (ExactFraction{c.numerator, c.denominator}));
    EXPECT_FLOAT_EQ(PfVAL(c.text), float(double(c.numerator) / double(c.denominator)));
  }
}

TEST(ExactFractions, TextsRoundToSevenDigitsAsTheRuntimeWritesNumbers) {
  struct Case {
    std::int64_t numerator, denominator;
    const char* text;
  };
  const Case cases[] = {
      {999, 10, "99.9"},
      {9801, 100, "98.01"},
      {999, 100, "9.99"},
      {9, 10, ".9"},
      {10, 3, "3.333333"},
      {-8, 3, "-2.666667"},
      {198, 1, "198"},
      {-98, 1, "-98"},
      {0, 1, "0"},
      {9801, 1, "9801"},
      {1, 3, ".3333333"},
      {2, 9, ".2222222"},
      // Halves away from zero, carried into a new digit.
      {20000005, 10000000, "2.000001"},
      {-20000005, 10000000, "-2.000001"},
      {99999995, 1000000, "100"},
      {9999999995LL, 100, "1E+08"},
      {1, 10000000, ".0000001"},
      {1, 100000000000000LL, "1E-14"},
      {123456789, 10000000000LL, ".01234568"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ExactNumberText({c.numerator, c.denominator}), c.text);
  }
  // Where single precision holds the value, the text is the runtime's own.
  for (float v : {0.5f, 1234.5f, -0.25f, 7e-8f, 12345670.f, 0.0001f}) {
    const std::optional<ExactFraction> exact = ExactNumberValue(PfSTR244(v));
    ASSERT_TRUE(exact.has_value());
    std::string runtime = PfSTR244(v);
    if (runtime[0] == ' ') runtime.erase(0, 1);
    EXPECT_EQ(ExactNumberText(*exact), runtime);
  }
}

TEST(ExactFractions, OperationsInLowestTermsAndTheirErrors) {
  const ExactFraction third{1, 3}, two_thirds{2, 3}, three{3, 1};
  EXPECT_EQ(ExactSum(third, three), (ExactFraction{10, 3}));
  EXPECT_EQ(ExactDifference(third, two_thirds), (ExactFraction{-1, 3}));
  EXPECT_EQ(ExactProduct(ExactFraction{333, 10}, three), (ExactFraction{999, 10}));
  EXPECT_EQ(ExactQuotient(two_thirds, third), (ExactFraction{2, 1}));
  EXPECT_EQ(ExactQuotient(ExactFraction{-1, 2}, ExactFraction{-3, 4}), (ExactFraction{2, 3}));
  EXPECT_EQ(ExactFractionMarkup({2, 1}), "2");
  EXPECT_EQ(ExactFractionMarkup({111, 10}), "ﾀ111/10ﾀ");
  EXPECT_EQ(ExactFractionMarkup({-1, 9}), "-ﾀ1/9ﾀ");

  // Terms of 64 bits multiply in 128: only a result that does not fit fails.
  const std::int64_t big = std::numeric_limits<std::int64_t>::max();
  EXPECT_EQ(ExactProduct(ExactFraction{big, 3}, ExactFraction{3, big}), (ExactFraction{1, 1}));
  try {
    ExactProduct(ExactFraction{big, 1}, ExactFraction{2, 1});
    ADD_FAILURE() << "no overflow";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.code, kOverflow);
  }
  try {
    ExactQuotient(three, ExactFraction{0, 1});
    ADD_FAILURE() << "no division by zero";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.code, kDivisionByZero);
  }
}

}  // namespace
