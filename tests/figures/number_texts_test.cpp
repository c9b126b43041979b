// Number texts: signs and brackets stripped, square roots simplified.
#include <gtest/gtest.h>

#include <string>

#include "figures.h"
#include "headless_fixture.h"

namespace {

TEST(StripBracketsPlusTest, RemovesEveryBracketAndPlus) {
  struct Case {
    std::string text, result;
  } cases[] = {
      {"(-3)", "-3"},
      {"(+5)", "5"},
      {"+7", "7"},
      {"(-12)", "-12"},
      {"((2+3))+4", "234"},
      {"-2.5", "-2.5"},
      {"", ""},
      {"(-ﾀ3/8ﾀ)", "-ﾀ3/8ﾀ"},
      {"（－３）＋５", "（－３）＋５"},  // full-width characters stay
      {"（(－3)）", "（－3）"},
  };
  for (const Case& c : cases) {
    A_s = c.text;
    StripBracketsPlus();
    EXPECT_EQ(Utf8(A_s), Utf8(c.result)) << Utf8(c.text);
  }
}

TEST(StripBracketsPlusTest, PositionsOfTheLastCutsAndUntouchedOnes) {
  A_s = "((2+3))+4";
  StripBracketsPlus();
  EXPECT_EQ(TA1, 1);
  EXPECT_EQ(TA2, 4);  // in "2+3))+4"
  EXPECT_EQ(TA3, 3);  // in "23+4"

  TA1 = TA2 = TA3 = -7;
  A_s = "12";
  StripBracketsPlus();
  EXPECT_EQ(A_s, "12");
  EXPECT_EQ(TA1, -7);
  EXPECT_EQ(TA2, -7);
  EXPECT_EQ(TA3, -7);
}

// ---- square roots ------------------------------------------------------------

class SquareRootTest : public HeadlessTest {};

TEST_F(SquareRootTest, SimplifiesIntoFactorAndRoot) {
  struct Case {
    float radicand, factor, left;
    std::string r1a, rab, rabm, r1b;
  } cases[] = {
      {8, 2, 2, "2", "2!2ﾝ", "!8ﾝ=", "!2ﾝ"},
      {12, 2, 3, "2", "2!3ﾝ", "!12ﾝ=", "!3ﾝ"},
      {18, 3, 2, "3", "3!2ﾝ", "!18ﾝ=", "!2ﾝ"},
      {48, 4, 3, "4", "4!3ﾝ", "!48ﾝ=", "!3ﾝ"},
      {50, 5, 2, "5", "5!2ﾝ", "!50ﾝ=", "!2ﾝ"},
      {72, 6, 2, "6", "6!2ﾝ", "!72ﾝ=", "!2ﾝ"},
      {200, 10, 2, "10", "10!2ﾝ", "!200ﾝ=", "!2ﾝ"},
      {16, 4, 1, "4", "4ﾝ", "!16ﾝ=", "ﾝ"},
      {7, 1, 7, "", "!7ﾝ", "", "!7ﾝ"},
      {30, 1, 30, "", "!30ﾝ", "", "!30ﾝ"},  // square-free
      {1, 1, 1, "1", "1ﾝ", "", "ﾝ"},
      {40000, 200, 1, "200", "200ﾝ", "!40000ﾝ=", "ﾝ"},
      {44521, 1, 44521, "", "!44521ﾝ", "", "!44521ﾝ"},  // 211 squared: beyond the search
      {40804, 202, 1, "202", "202ﾝ", "!40804ﾝ=", "ﾝ"},  // 2 x 2 x 101 x 101
  };
  for (const Case& c : cases) {
    R1B = c.radicand;
    SimplifySquareRoot();
    EXPECT_EQ(R1B1, c.radicand);
    EXPECT_EQ(R1A, c.factor) << c.radicand;
    EXPECT_EQ(R1B, c.left) << c.radicand;
    EXPECT_EQ(Utf8(R1A_s), Utf8(c.r1a)) << c.radicand;
    EXPECT_EQ(Utf8(RAB_s), Utf8(c.rab)) << c.radicand;
    EXPECT_EQ(Utf8(RABM_s), Utf8(c.rabm)) << c.radicand;
    EXPECT_EQ(Utf8(R1B_s), Utf8(c.r1b)) << c.radicand;
    EXPECT_EQ(R1I, 201);
  }
}

TEST_F(SquareRootTest, RootPartKeepsTheNumberTextAsItIs) {
  R1B = 12;
  SimplifySquareRoot();
  EXPECT_EQ(R1A1_s, "! 3");
  R1B = 16;
  SimplifySquareRoot();
  EXPECT_EQ(R1A1_s, "");
}

TEST_F(SquareRootTest, RadicandBelowOneIsLeftUnreduced) {
  struct Case {
    float radicand;
    std::string rab;
  } cases[] = {{0, "!0ﾝ"}, {-4, "!-4ﾝ"}, {0.5f, "!.5ﾝ"}};
  for (const Case& c : cases) {
    R1B = c.radicand;
    SimplifySquareRoot();  // must come back
    EXPECT_EQ(R1A, 1) << c.radicand;
    EXPECT_EQ(R1B, c.radicand);
    EXPECT_EQ(R1A_s, "") << c.radicand;
    EXPECT_EQ(Utf8(RAB_s), Utf8(c.rab)) << c.radicand;
    EXPECT_EQ(RABM_s, "") << c.radicand;
    EXPECT_EQ(Utf8(R1B_s), Utf8(c.rab)) << c.radicand;
  }
}

}  // namespace
