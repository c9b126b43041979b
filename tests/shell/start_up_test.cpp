#include <gtest/gtest.h>

#include "fresh_run.h"
#include "globals.h"
#include "headless_fixture.h"
#include "program.h"

namespace {

class StartUpTest : public HeadlessTest {};

std::vector<float> FiveNumbersAfterReseedAt(HeadlessBackend& backend, const std::string& clock) {
  backend.SetClock(clock);
  ReseedRandom();
  std::vector<float> numbers;
  for (int i = 0; i < 5; ++i) numbers.push_back(PaRnd());
  return numbers;
}

TEST_F(StartUpTest, SeedIsHoursPlusMinutesPlusSeconds) {
  const std::pair<const char*, float> cases[] = {
      {"10:20:30", 60}, {"10:30:20", 60}, {"00:00:00", 0}, {"23:59:59", 141}, {"07:05:09", 21}};
  for (auto [clock, seed] : cases) {
    backend().SetClock(clock);
    ReseedRandom();
    EXPECT_EQ(A, seed) << clock;
  }
  EXPECT_EQ(FiveNumbersAfterReseedAt(backend(), "10:20:30"),
            FiveNumbersAfterReseedAt(backend(), "10:30:20"));
  EXPECT_NE(FiveNumbersAfterReseedAt(backend(), "10:20:30"),
            FiveNumbersAfterReseedAt(backend(), "10:20:31"));
}

TEST_F(StartUpTest, SetsTheStartValuesFontAndPen) {
  CCC1 = 0;
  KAIX = KAIY = 0;
  StartUp();
  EXPECT_EQ(CCC1, 4);
  EXPECT_EQ(KAIX, 1056);
  EXPECT_EQ(KAIY, 648);
  EXPECT_EQ(FE_GETDRAWWIDTH(), 3);
  EXPECT_EQ(backend().page().font.face, "ｺﾞｼｯｸ");
  EXPECT_EQ(backend().page().font.size, 16);
}

TEST_F(StartUpTest, SharedArraysRunFromZeroToTheirBound) {
  StartUp();
  T(80) = 5;
  T(0) = 1;
  EXPECT_EQ(T(80), 5);
  unsigned line = __LINE__ + 2;
  try {
    T(81) = 1;
    ADD_FAILURE();
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.code, kSubscriptOutOfRange);
    EXPECT_EQ(e.line, line);
  }
  EXPECT_THROW(T(-1), RuntimeError);
  // G runs 0 to 2 by 0 to 10: the factorisation writes G(1, k) and G(2, k).
  G(2, 10) = 3;
  EXPECT_EQ(G(2, 10), 3);
  EXPECT_THROW(G(3, 0), RuntimeError);
  EXPECT_THROW(G(0, 11), RuntimeError);
  TKAI_s(5, 2) = "x";
  EXPECT_THROW(TKAI_s(6, 0), RuntimeError);
  const std::pair<int, int> bounds[] = {{F.bound, 40},   {X_a.bound, 50},  {Y_a.bound, 50},
                                        {R_a.bound, 10}, {X_sa.bound, 20}, {RAB_sa.bound, 10},
                                        {U.bound, 40},   {V.bound, 40},    {T_s.bound, 80}};
  for (auto [bound, expected] : bounds) EXPECT_EQ(bound, expected);
  // A new start empties them again.
  StartUp();
  EXPECT_EQ(T(80), 0);
  EXPECT_EQ(TKAI_s(5, 2), "");
}

// The start of a run sets back what a FreshEachRun names, numbers, texts and
// arrays alike, and every shared global with them.
TEST(FreshEachRun, TheStartOfARunSetsItsVariablesBack) {
  static float number;
  static std::string text;
  static Array1<std::string, 3> texts;
  static const FreshEachRun fresh(number, text, texts);
  number = 7;
  text = "x";
  texts(3) = "y";
  KAKKO = 1;
  AA_s = "z";
  T(80) = 5;
  StartEveryVariableAfresh();
  EXPECT_EQ(number, 0);
  EXPECT_EQ(text, "");
  EXPECT_EQ(texts(3), "");
  EXPECT_EQ(KAKKO, 0);
  EXPECT_EQ(AA_s, "");
  EXPECT_EQ(T(80), 0);
}

}  // namespace
