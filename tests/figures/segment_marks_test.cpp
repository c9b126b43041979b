#include <gtest/gtest.h>

#include <functional>
#include <tuple>

#include "figures.h"
#include "headless_fixture.h"

namespace {

class SegmentMarksTest : public StartedPageTest {
 protected:
  void SetUp() override {
    StartedPageTest::SetUp();
    AX = 100, AY = 200, BX = 300, BY = 200;
    A = 1, B = 1;
    CCC2 = 3;
    ITI = 0;
  }
};

void ExpectLine(const LoggedOp& op, double x1, double y1, double x2, double y2) {
  ASSERT_EQ(op.name, "line");
  EXPECT_NEAR(op.nums[0], x1, 1e-3);
  EXPECT_NEAR(op.nums[1], y1, 1e-3);
  EXPECT_NEAR(op.nums[2], x2, 1e-3);
  EXPECT_NEAR(op.nums[3], y2, 1e-3);
}

TEST_F(SegmentMarksTest, ChevronsStartPastTheDividingPointAndFaceB) {
  NAGASA = 10;
  HONSU = 2;
  DrawChevronMarks();
  auto lines = Ops("line");
  ASSERT_EQ(lines.size(), 4u);
  ExpectLine(lines[0], 206, 205, 216, 200);
  ExpectLine(lines[1], 206, 195, 216, 200);
  ExpectLine(lines[2], 222, 205, 232, 200);
  ExpectLine(lines[3], 222, 195, 232, 200);
  EXPECT_EQ(lines[0].nums[4], 3);  // colour CCC2
  EXPECT_FLOAT_EQ(BX1, 232);
  EXPECT_EQ(HONSU, 2);
  EXPECT_EQ(II, 3);
  EXPECT_FLOAT_EQ(D, 200);
  EXPECT_FLOAT_EQ(DX, 1);
  EXPECT_FLOAT_EQ(DY, 0);
}

TEST_F(SegmentMarksTest, ChevronRatioMovesTheDividingPoint) {
  // (A, B) -> apex x of the first chevron on the segment x 100..300.
  const std::tuple<float, float, double> cases[] = {{1, 3, 166}, {0, 1, 116}, {1, 0, 316}};
  for (auto [a, b, apex] : cases) {
    ClearLog();
    A = a, B = b, NAGASA = 10, HONSU = 1;
    DrawChevronMarks();
    auto lines = Ops("line");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NEAR(lines[0].nums[2], apex, 1e-3) << a << ":" << b;
  }
}

TEST_F(SegmentMarksTest, TicksStartOneSpacingPastTheMiddle) {
  AIDA = 0;
  NAGASA = 6;
  HONSU = 2;
  DrawTickMarks();
  auto lines = Ops("line");
  ASSERT_EQ(lines.size(), 2u);
  ExpectLine(lines[0], 208, 194, 208, 206);
  ExpectLine(lines[1], 216, 194, 216, 206);
  EXPECT_EQ(AIDA1, 8);
  EXPECT_EQ(AIDA, 24);
  // A second call starts from the grown spacing.
  ClearLog();
  HONSU = 2;
  DrawTickMarks();
  lines = Ops("line");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_NEAR(lines[0].nums[0], 224, 1e-3);
  EXPECT_NEAR(lines[1].nums[0], 248, 1e-3);
}

TEST_F(SegmentMarksTest, AShiftMovesTheTicksAndASpacingOver30Becomes8) {
  // (AIDA, ITI) -> x of the first two ticks; the middle is x = 200.
  const std::tuple<float, float, double, double> cases[] = {
      {30, 0, 230, 260}, {31, 0, 208, 216}, {-8, 0, 192, 184}, {8, 20, 228, 236}};
  for (auto [aida, iti, first, second] : cases) {
    ClearLog();
    AIDA = aida, ITI = iti, NAGASA = 6, HONSU = 2;
    DrawTickMarks();
    auto lines = Ops("line");
    ASSERT_EQ(lines.size(), 2u) << aida;
    EXPECT_NEAR(lines[0].nums[0], first, 1e-3) << aida << " " << iti;
    EXPECT_NEAR(lines[1].nums[0], second, 1e-3) << aida << " " << iti;
  }
}

TEST_F(SegmentMarksTest, CountsBelowOneOrOverSixDrawOneMarkAndAFractionDrawsItsWholePart) {
  struct Case {
    float honsu;
    size_t chevrons;
    float chevron_honsu_after;
    size_t ticks;
    float tick_honsu_after;
  };
  const Case cases[] = {{0, 1, 1, 1, 0},  {6, 6, 6, 6, 6},       {7, 1, 1, 1, 1},
                        {-1, 1, 1, 1, 1}, {2.5, 2, 2.5, 2, 2.5}, {0.5, 1, 0.5, 1, 0.5}};
  for (const Case& c : cases) {
    ClearLog();
    NAGASA = 6, HONSU = c.honsu;
    DrawChevronMarks();
    EXPECT_EQ(Ops("line").size(), 2 * c.chevrons) << c.honsu;
    EXPECT_EQ(HONSU, c.chevron_honsu_after) << c.honsu;
    ClearLog();
    AIDA = 8, HONSU = c.honsu;
    DrawTickMarks();
    EXPECT_EQ(Ops("line").size(), c.ticks) << c.honsu;
    EXPECT_EQ(HONSU, c.tick_honsu_after) << c.honsu;
  }
}

TEST_F(SegmentMarksTest, ObliqueSegmentMarksFollowItsDirection) {
  AX = 0, AY = 0, BX = 300, BY = 400;  // length 500, direction (0.6, 0.8)
  AIDA = 10, NAGASA = 5, HONSU = 1;
  DrawTickMarks();
  auto lines = Ops("line");
  ASSERT_EQ(lines.size(), 1u);
  // Centre (150, 200) + 10 * (0.6, 0.8); ends 5 across on either side.
  ExpectLine(lines[0], 156 + 4, 208 - 3, 156 - 4, 208 + 3);
}

TEST_F(SegmentMarksTest, NoSegmentOrNoRatioIsADivisionByZero) {
  const std::function<void()> calls[] = {DrawChevronMarks, DrawTickMarks};
  for (const auto& call : calls) {
    ClearLog();
    BX = AX, BY = AY, HONSU = 1;
    try {
      call();
      ADD_FAILURE() << "no error";
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.code, kDivisionByZero);
    }
    EXPECT_TRUE(Log().empty());
  }
  BX = 300, A = 1, B = -1;
  try {
    DrawChevronMarks();
    ADD_FAILURE() << "no error";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.code, kDivisionByZero);
  }
  EXPECT_TRUE(Log().empty());
}

}  // namespace
