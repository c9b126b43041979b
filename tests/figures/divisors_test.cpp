// The divisor list with its co-divisors.
#include <gtest/gtest.h>

#include <vector>

#include "figures.h"

namespace {

std::vector<float> Xs() {
  std::vector<float> v;
  for (int k = 1; k <= P; ++k) v.push_back(X_a(k));
  return v;
}
std::vector<float> Ys() {
  std::vector<float> v;
  for (int k = 1; k <= P; ++k) v.push_back(Y_a(k));
  return v;
}

TEST(ListDivisorsTest, DivisorsAscendWithTheirCoDivisors) {
  struct Case {
    float number;
    std::vector<float> divisors, codivisors;
    float pairs;
  } cases[] = {
      {12, {1, 2, 3, 4, 6, 12}, {12, 6, 4, 3, 2, 1}, 3},
      {36, {1, 2, 3, 4, 6, 9, 12, 18, 36}, {36, 18, 12, 9, 6, 4, 3, 2, 1}, 5},
      {48, {1, 2, 3, 4, 6, 8, 12, 16, 24, 48}, {48, 24, 16, 12, 8, 6, 4, 3, 2, 1}, 5},
      {154, {1, 2, 7, 11, 14, 22, 77, 154}, {154, 77, 22, 14, 11, 7, 2, 1}, 4},
      {120,
       {1, 2, 3, 4, 5, 6, 8, 10, 12, 15, 20, 24, 30, 40, 60, 120},
       {120, 60, 40, 30, 24, 20, 15, 12, 10, 8, 6, 5, 4, 3, 2, 1},
       8},
      {10, {1, 2, 5, 10}, {10, 5, 2, 1}, 2},
      {17, {1, 17}, {17, 1}, 1},  // a prime
      {1, {1}, {1}, 1},           // a half pair rounds away from zero
      {0, {1}, {0}, 1},           // the first candidate is always tried
  };
  for (const auto& c : cases) {
    DY = c.number;
    ListDivisors();
    EXPECT_EQ(P, c.divisors.size()) << c.number;
    EXPECT_EQ(Xs(), c.divisors) << c.number;
    EXPECT_EQ(Ys(), c.codivisors) << c.number;
    EXPECT_EQ(KOSUU, c.pairs) << c.number;
    EXPECT_EQ(DY, c.number);
    EXPECT_EQ(II, c.number == 0 ? 2 : c.number + 1) << c.number;
  }
}

TEST(ListDivisorsTest, NegativeNumberListsItsSize) {
  DY = -12;
  ListDivisors();
  EXPECT_EQ(Xs(), (std::vector<float>{1, 2, 3, 4, 6, 12}));
  EXPECT_EQ(Ys(), (std::vector<float>{12, 6, 4, 3, 2, 1}));
  EXPECT_EQ(DY, 12);
}

TEST(ListDivisorsTest, EntriesBeyondTheCountKeepTheirValues) {
  DY = 120;
  ListDivisors();
  DY = 10;
  ListDivisors();
  EXPECT_EQ(P, 4);
  EXPECT_EQ(X_a(5), 5);
  EXPECT_EQ(X_a(16), 120);
  EXPECT_EQ(Y_a(5), 24);
  EXPECT_EQ(Y_a(16), 1);
}

TEST(ListDivisorsTest, MoreDivisorsThanTheTablesHoldIsTheSubscriptError) {
  // 5040 has 60 divisors; the 51st does not fit.
  DY = 5040;
  try {
    ListDivisors();
    ADD_FAILURE() << "no error";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.code, kSubscriptOutOfRange);
  }
  EXPECT_EQ(P, 51);
  EXPECT_EQ(X_a(50), 420);  // the fiftieth divisor; 504 would be the next
}

}  // namespace
