#include <gtest/gtest.h>

#include <cmath>

#include "runtime.h"

namespace {

TEST(WholeNumbers, RoundToNearestHalvesAwayFromZero) {
  const std::pair<double, int> cases[] = {{2.5, 3},   {-2.5, -3},       {2.4, 2},
                                          {-2.4, -2}, {0.5, 1},         {-0.5, -1},
                                          {7.0, 7},   {32767.4, 32767}, {-32768.0, -32768}};
  for (auto [value, whole] : cases) {
    EXPECT_EQ(PbFstInt(value), whole) << value;
    EXPECT_EQ(PbFstLng(value), whole) << value;
  }
}

TEST(WholeNumbers, OutOfRangeOrNotFiniteIsOverflow) {
  for (double v : {32768.0, -32769.0, double(INFINITY), double(NAN)}) {
    try {
      PbFstInt(v);
      ADD_FAILURE() << v;
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.code, kOverflow);
    }
  }
  EXPECT_THROW(PbFstLng(3e9), RuntimeError);
  EXPECT_EQ(PbFstLng(100000.0), 100000);
}

TEST(WholeNumbers, IntIsTheFloor) {
  EXPECT_EQ(PnFInt(2.7f), 2.0f);
  EXPECT_EQ(PnFInt(-2.2f), -3.0f);
  EXPECT_EQ(PnFInt(-3.0f), -3.0f);
}

TEST(CheckedArithmetic, DivisionByZeroAndOverflowAreErrorsWithTheCallersLine) {
  unsigned line = __LINE__ + 2;
  try {
    Div(1, 0);
    ADD_FAILURE();
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.code, kDivisionByZero);
    EXPECT_EQ(e.line, line);
  }
  EXPECT_FLOAT_EQ(Div(3, 4), 0.75f);
  try {
    Div(3e38, 1e-10);
    ADD_FAILURE();
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.code, kOverflow);
  }
  EXPECT_THROW(PnFXy(0, -1), RuntimeError);
  EXPECT_FLOAT_EQ(PnFXy(2, 10), 1024.0f);
  EXPECT_FLOAT_EQ(Mod(17, 5), 2.0f);
  EXPECT_FLOAT_EQ(Mod(-17, 5), -2.0f);
  EXPECT_THROW(Mod(1, 0), RuntimeError);
}

TEST(Random, StaysBelowOneAndASeedRestartsTheSequence) {
  PaRandomize(60);
  std::vector<float> first;
  for (int i = 0; i < 5; ++i) first.push_back(PaRnd());
  PaRandomize(60);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(PaRnd(), first[i]);
  PaRandomize(61);
  EXPECT_NE(PaRnd(), first[0]);

  PaRandomize(7);
  int counts[10] = {};
  for (int i = 0; i < 100000; ++i) {
    float r = PaRnd();
    ASSERT_GE(r, 0.0f);
    ASSERT_LT(r, 1.0f);
    ++counts[static_cast<int>(PnFInt(r * 10))];
  }
  for (int c : counts) EXPECT_GT(c, 9000);  // every digit of INT(RND*10) comes up
}

}  // namespace
