// Prime factorisation into the table G() and the short-division ladder drawn
// from it.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "figures.h"
#include "headless_fixture.h"

namespace {

using Factors = std::vector<std::pair<float, float>>;  // (prime, exponent)

struct FactorCase {
  float number;
  Factors factors;
  float cofactor;
};

// The table's prime slots 1 to 9, as (prime, exponent) up to the first
// empty one.
Factors FilledSlots() {
  Factors out;
  for (int k = 1; k <= 9 && G(1, k) != 0; ++k) out.push_back({G(1, k), G(2, k)});
  return out;
}

TEST(PrimeFactoriseTest, EachNumberGivesItsPrimesWithTheirExponents) {
  const FactorCase cases[] = {
      {840, {{2, 3}, {3, 1}, {5, 1}, {7, 1}}, 1},
      {360, {{2, 3}, {3, 2}, {5, 1}}, 1},
      {1800, {{2, 3}, {3, 2}, {5, 2}}, 1},
      {1024, {{2, 10}}, 1},
      {378, {{2, 1}, {3, 3}, {7, 1}}, 1},
      {693, {{3, 2}, {7, 1}, {11, 1}}, 1},
      {2431, {{11, 1}, {13, 1}, {17, 1}}, 1},
      {9699690, {{2, 1}, {3, 1}, {5, 1}, {7, 1}, {11, 1}, {13, 1}, {17, 1}, {19, 1}}, 1},
      {23, {{23, 1}}, 1},
      {7, {{7, 1}}, 1},
      {1, {}, 1},
      {29, {}, 29},  // beyond the trial primes
      {31, {}, 31},
      {58, {{2, 1}}, 29},
      {116, {{2, 2}}, 29},
  };
  for (const FactorCase& c : cases) {
    SOSU = c.number;
    PrimeFactorise();
    EXPECT_EQ(FilledSlots(), c.factors) << c.number;
    EXPECT_EQ(Q, c.factors.size()) << c.number;
    EXPECT_EQ(G(1, 10), c.cofactor) << c.number;
    EXPECT_EQ(G(2, 10), 1) << c.number;
    for (int k = Q + 1; k <= 9; ++k) {
      EXPECT_EQ(G(1, k), 0) << c.number << " slot " << k;
      EXPECT_EQ(G(2, k), 0) << c.number << " slot " << k;
    }
    EXPECT_EQ(SOSU, c.number);
    EXPECT_EQ(SOSU1, c.number);
    EXPECT_EQ(P, 10);
    EXPECT_EQ(TJ, 11);
  }
}

TEST(PrimeFactoriseTest, FillsThePrimesTableAndClearsEarlierSlots) {
  SOSU = 2431;
  PrimeFactorise();
  SOSU = 16;
  PrimeFactorise();
  EXPECT_EQ(FilledSlots(), (Factors{{2, 4}}));
  EXPECT_EQ(G(1, 2), 0);
  EXPECT_EQ(G(1, 3), 0);
  const float primes[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29};
  for (int k = 1; k <= 10; ++k) EXPECT_EQ(R_a(k), primes[k - 1]);
}

TEST(PrimeFactoriseTest, SignIsIgnoredAndNotGivenBack) {
  SOSU = -12;
  PrimeFactorise();
  EXPECT_EQ(FilledSlots(), (Factors{{2, 2}, {3, 1}}));
  EXPECT_EQ(Q, 2);
  EXPECT_EQ(SOSU, 12);
}

TEST(PrimeFactoriseTest, ZeroHasNoFactorsAndReturns) {
  SOSU = 840;
  PrimeFactorise();
  SOSU = 0;
  PrimeFactorise();  // must come back
  EXPECT_EQ(Q, 0);
  EXPECT_EQ(FilledSlots(), Factors{});
  EXPECT_EQ(G(1, 10), 0);  // the whole number is the cofactor
  EXPECT_EQ(SOSU, 0);
}

// ---- the ladder ------------------------------------------------------------

class LadderTest : public StartedPageTest {
 protected:
  void Ladder(float number, float xtake, float ytake, float nasi) {
    SOSU = number;
    PrimeFactorise();
    XTAKE = xtake;
    YTAKE = ytake;
    NASI = nasi;
    ClearLog();
    DrawShortDivision();
  }
  // The texts printed by the ladder, "x y text" with the blanks of the
  // number texts kept.
  std::vector<std::string> Prints() {
    std::vector<std::string> out;
    for (const LoggedOp& op : Ops("print")) {
      if (op.face != "PrintMarkup" || op.nums[1] >= 900) continue;
      out.push_back(std::to_string(int(op.nums[0])) + " " + std::to_string(int(op.nums[1])) + " " +
                    op.text);
      EXPECT_EQ(op.nums[2], 0) << op.Line();  // colour
    }
    return out;
  }
  std::vector<std::string> Bars() {
    std::vector<std::string> out;
    for (const LoggedOp& op : Ops("line")) {
      EXPECT_EQ(op.nums[1], op.nums[3]);
      EXPECT_EQ(op.nums[4], 0);
      out.push_back(std::to_string(int(op.nums[0])) + "-" + std::to_string(int(op.nums[2])) + " " +
                    std::to_string(int(op.nums[1])));
    }
    return out;
  }
};

TEST_F(LadderTest, Ladder840DividesDownToSevenWithABarUnderEachDividend) {
  Ladder(840, 840, 50, 0);
  EXPECT_EQ(Prints(), (std::vector<std::string>{
                          "840 50 2)", "870 50  840", "870 114  420",    // 2: 840 -> 420
                          "840 114 2)", "870 114  420", "870 178  210",  // 2: 420 -> 210
                          "840 178 2)", "870 178  210", "870 242  105",  // 2: 210 -> 105
                          "840 242 3)", "870 242  105", "900 306  35",   // 3: 105 -> 35
                          "840 306 5)", "900 306  35", "930 370  7",     // 5: 35 -> 7
                      }));
  // A bar under each dividend, over the top number's columns.
  EXPECT_EQ(Bars(), (std::vector<std::string>{"870-990 96", "870-990 160", "870-990 224",
                                              "870-990 288", "870-990 352"}));
  EXPECT_EQ(YTAKE, 370);
  EXPECT_EQ(TA, 7);
  EXPECT_EQ(TA1, 4);
  EXPECT_EQ(SO_s, "7");
  EXPECT_EQ(NASI, 0);
  EXPECT_EQ(SOSU, 840);
  EXPECT_EQ(Q, 4);
}

TEST_F(LadderTest, EachRowDividesByTheSmallestTriedPrimeUntilNoneDivides) {
  struct Case {
    float number;
    std::vector<std::string> rows;  // divisor: dividend -> quotient
    float bottom;
  } cases[] = {
      {20, {"2: 20 -> 10", "2: 10 -> 5"}, 5},
      {54, {"2: 54 -> 27", "3: 27 -> 9", "3: 9 -> 3"}, 3},
      {8, {"2: 8 -> 4", "2: 4 -> 2"}, 2},
      {116, {"2: 116 -> 58"}, 58},                       // 29 is never tried
      {2431, {"11: 2431 -> 221", "13: 221 -> 17"}, 17},  // a two-digit divisor
      {1800,
       {"2: 1800 -> 900", "2: 900 -> 450", "2: 450 -> 225", "3: 225 -> 75", "3: 75 -> 25",
        "5: 25 -> 5"},
       5},
      {7, {}, 7},
  };
  for (const Case& c : cases) {
    Ladder(c.number, 704, 100, 0);
    auto prints = Prints();
    ASSERT_EQ(prints.size(), 3 * c.rows.size()) << c.number;
    std::vector<std::string> rows;
    for (size_t r = 0; r < c.rows.size(); ++r) {
      auto text_of = [&](size_t k) {
        std::string p = prints[3 * r + k];
        std::string t = p.substr(p.find(' ', p.find(' ') + 1) + 1);
        while (!t.empty() && t[0] == ' ') t.erase(0, 1);
        return t;
      };
      std::string divisor = text_of(0);
      divisor.pop_back();  // the ")"
      rows.push_back(divisor + ": " + text_of(1) + " -> " + text_of(2));
    }
    EXPECT_EQ(rows, c.rows) << c.number;
    EXPECT_EQ(Bars().size(), c.rows.size()) << c.number;
    EXPECT_EQ(TA, c.bottom) << c.number;
    EXPECT_EQ(YTAKE, 100 + 64 * c.rows.size()) << c.number;
    EXPECT_EQ(NASI, 0);
  }
}

TEST_F(LadderTest, TwoDigitDivisorEndsWhereAOneDigitDivisorEnds) {
  // 2 × 11 × 13 × 17: the divisors 11 and 13 move one digit left of the
  // column where "2)" stands, so that their ")" meets the dividend as "2)"'s
  // does; the numbers keep their columns.
  Ladder(2 * 11 * 13 * 17, 844, 210, 0);
  EXPECT_EQ(Prints(), (std::vector<std::string>{
                          "844 210 2)", "874 210  4862", "874 274  2431",  // 2: 4862 -> 2431
                          "817 274 11)", "874 274  2431", "904 338  221",  // 11: 2431 -> 221
                          "817 338 13)", "904 338  221", "934 402  17",    // 13: 221 -> 17
                      }));
  for (const LoggedOp& op : Ops("print")) {
    if (op.face != "PrintMarkup" || op.nums[1] >= 900 || op.text.back() != ')') continue;
    A_s = op.text;
    MeasureMarkupWidth();
    EXPECT_EQ(op.nums[0] + LLT, 844 + 54) << op.text;  // where "2)" ends
  }
}

TEST_F(LadderTest, WorkedExampleWaitsAfterEveryBarAndQuotient) {
  // 20: two rows, four keys; the quotient appears only after the first key.
  Keys("1 2 3 4");
  SOSU = 20;
  PrimeFactorise();
  XTAKE = 844;
  YTAKE = 100;
  NASI = 1;
  CCC1 = 4;
  ClearLog();
  DrawShortDivision();
  EXPECT_EQ(backend().keys_left(), 0u);
  EXPECT_EQ(NASI, 0);
  // Order: divisor, dividend, bar, prompt, quotient, prompt, ...
  std::vector<std::string> order;
  for (const LoggedOp& op : Log()) {
    if (op.name == "print" && op.nums[1] < 900) {
      order.push_back(op.face == "PrintMarkup" ? Utf8(op.text) : "wait");
    }
    if (op.name == "line" && op.nums[4] == 0) order.push_back("bar");
  }
  EXPECT_EQ(order, (std::vector<std::string>{"2)", " 20", "bar", "wait", " 10", "wait", "2)", " 10",
                                             "bar", "wait", " 5", "wait"}));

  // A prime has no row: no key is awaited.
  Keys("1");
  SOSU = 7;
  PrimeFactorise();
  NASI = 1;
  DrawShortDivision();
  EXPECT_EQ(backend().keys_left(), 1u);
  EXPECT_EQ(NASI, 0);
}

TEST_F(LadderTest, OnlyNasiOneWaits) {
  // No key is queued: a wait would stop the test.
  Ladder(20, 840, 50, 2);
  EXPECT_EQ(Bars().size(), 2u);
  EXPECT_EQ(NASI, 0);
}

TEST_F(LadderTest, EmptyTableDrawsNothing) {
  for (float number : {1.0f, 29.0f, 0.0f}) {
    Ladder(number, 840, 50, 1);  // no key is queued: a wait would stop the test
    EXPECT_TRUE(Log().empty()) << number;
    EXPECT_EQ(NASI, 0);
    EXPECT_EQ(YTAKE, 50);
    EXPECT_EQ(TA, number);
  }
}

}  // namespace
