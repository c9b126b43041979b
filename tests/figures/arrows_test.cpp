// Arrows and the directions of rays and segments.
#include <gtest/gtest.h>

#include <cmath>

#include "figures.h"
#include "headless_fixture.h"

namespace {

class ArrowTest : public StartedPageTest {
 protected:
  void SetUp() override {
    StartedPageTest::SetUp();
    FE_SETDRAWWIDTH(10);
    YA = 0;
  }
  // Sets the end points and the head, then draws.
  void Arrow(float x0, float y0, float x1, float y1, float muki, float nagasa) {
    ZX0 = x0;
    ZY0 = y0;
    ZX = x1;
    ZY = y1;
    MUKI = muki;
    NAGASA = nagasa;
    CCC2 = 9;
    DrawArrow();
  }
};

struct Segment {
  double x1, y1, x2, y2;
};

void ExpectLine(const LoggedOp& op, Segment s, double colour, double width) {
  ASSERT_EQ(op.name, "line");
  EXPECT_NEAR(op.nums[0], s.x1, 1e-3) << op.Line();
  EXPECT_NEAR(op.nums[1], s.y1, 1e-3) << op.Line();
  EXPECT_NEAR(op.nums[2], s.x2, 1e-3) << op.Line();
  EXPECT_NEAR(op.nums[3], s.y2, 1e-3) << op.Line();
  EXPECT_EQ(op.nums[4], colour) << op.Line();
  EXPECT_EQ(op.nums[5], width) << op.Line();
}

// One arrow in one direction: its ends P0 to P1, MUKI, head and draw width,
// and the three lines it draws: the shaft from tail to tip, then the head's
// stroke on the right of a walker from tail to tip, then the one on the left.
struct ArrowCase {
  struct {
    const char* name;
    Segment ends;
    float muki, head;
    double width;
  } arrow;
  Segment lines[3];
};

const ArrowCase kArrows[] = {
    {{"Rightward", {100, 200, 300, 200}, 1, 16, 10},
     {{100, 200, 300, 200}, {284, 208, 300, 200}, {284, 192, 300, 200}}},
    // MUKI -1 heads the first point.
    {{"LeftwardByMukiMinusOne", {100, 200, 300, 200}, -1, 16, 10},
     {{300, 200, 100, 200}, {116, 192, 100, 200}, {116, 208, 100, 200}}},
    {{"RiseAtTheLargeHead", {500, 400, 500, 200}, 1, 32, 12},
     {{500, 400, 500, 200}, {516, 232, 500, 200}, {484, 232, 500, 200}}},
    {{"FallAtTheLargeHead", {500, 200, 500, 400}, 1, 32, 12},
     {{500, 200, 500, 400}, {484, 368, 500, 400}, {516, 368, 500, 400}}},
    // A 3-4-5 shaft, 500 long.
    {{"Oblique", {100, 100, 400, 500}, 1, 32, 10},
     {{100, 100, 400, 500}, {368, 484, 400, 500}, {393.6, 464.8, 400, 500}}},
};

TEST_F(ArrowTest, EachDirectionDrawsItsShaftThenItsRightThenItsLeftStroke) {
  for (const ArrowCase& c : kArrows) {
    const auto& a = c.arrow;
    SCOPED_TRACE(a.name);
    ClearLog();
    FE_SETDRAWWIDTH(a.width);
    Arrow(a.ends.x1, a.ends.y1, a.ends.x2, a.ends.y2, a.muki, a.head);
    auto lines = Ops("line");
    ASSERT_EQ(lines.size(), 3u);
    for (int k = 0; k < 3; ++k) ExpectLine(lines[k], c.lines[k], 9, a.width);
    // The end points come back tip first.
    const Segment& shaft = c.lines[0];
    EXPECT_EQ(ZX0, shaft.x2);
    EXPECT_EQ(ZY0, shaft.y2);
    EXPECT_EQ(ZX, shaft.x1);
    EXPECT_EQ(ZY, shaft.y1);
    EXPECT_EQ(MUKI, 0);
  }
}

TEST_F(ArrowTest, RightwardArrowLeavesItsHeadGeometry) {
  Arrow(100, 200, 300, 200, 1, 16);
  EXPECT_EQ(EX, 284);
  EXPECT_EQ(EY, 200);
  EXPECT_EQ(DX, 1);
  EXPECT_EQ(DY, 0);
  EXPECT_EQ(D, 200);
  EXPECT_EQ(CX, 200);
  EXPECT_EQ(YA, 0);
}

TEST_F(ArrowTest, EveryMukiButMinusOneHeadsTheSecondPoint) {
  for (float muki : {0.0f, 1.0f, 2.0f, 0.5f, -2.0f}) {
    ClearLog();
    Arrow(100, 200, 300, 200, muki, 16);
    auto lines = Ops("line");
    ASSERT_EQ(lines.size(), 3u) << muki;
    EXPECT_EQ(lines[1].nums[2], 300) << muki;
    EXPECT_EQ(lines[2].nums[2], 300) << muki;
    EXPECT_EQ(MUKI, 0) << muki;
  }
}

TEST_F(ArrowTest, ObliqueHeadFollowsTheShaftAtAbout26Degrees) {
  // A 3-4-5 shaft, 500 long.
  Arrow(100, 100, 400, 500, 1, 32);
  auto lines = Ops("line");
  ASSERT_EQ(lines.size(), 3u);
  const double shaft = std::atan2(400.0, 300.0);
  for (int k = 1; k <= 2; ++k) {
    double dx = lines[k].nums[2] - lines[k].nums[0];
    double dy = lines[k].nums[3] - lines[k].nums[1];
    EXPECT_NEAR(std::hypot(dx, dy), 32 * std::sqrt(1.25), 1e-3);
    EXPECT_NEAR(std::fabs(std::atan2(dy, dx) - shaft), std::atan(0.5), 1e-4);
  }
}

TEST_F(ArrowTest, TwoHeadsDrawTheShaftTwiceAndClearYa) {
  YA = 2;
  Arrow(100, 200, 300, 200, 1, 16);
  auto lines = Ops("line");
  ASSERT_EQ(lines.size(), 6u);
  ExpectLine(lines[0], {100, 200, 300, 200}, 9, 10);
  ExpectLine(lines[1], {284, 208, 300, 200}, 9, 10);
  ExpectLine(lines[2], {284, 192, 300, 200}, 9, 10);
  ExpectLine(lines[3], {300, 200, 100, 200}, 9, 10);
  ExpectLine(lines[4], {116, 192, 100, 200}, 9, 10);
  ExpectLine(lines[5], {116, 208, 100, 200}, 9, 10);
  EXPECT_EQ(YA, 0);
  EXPECT_EQ(ZX0, 100);  // the end that got the second head
  EXPECT_EQ(ZX, 300);

  // With MUKI -1 the second head lands on P1.
  ClearLog();
  YA = 2;
  Arrow(100, 200, 300, 200, -1, 16);
  EXPECT_EQ(Ops("line").size(), 6u);
  EXPECT_EQ(ZX0, 300);
}

TEST_F(ArrowTest, YaOtherThanTwoGivesOneHeadAndStays) {
  for (float ya : {0.0f, 1.0f, 3.0f}) {
    ClearLog();
    YA = ya;
    Arrow(100, 200, 300, 200, 1, 16);
    EXPECT_EQ(Ops("line").size(), 3u) << ya;
    EXPECT_EQ(YA, ya);
  }
}

TEST_F(ArrowTest, AZeroHeadDrawsPointStrokesAndALongHeadIsNotShortened) {
  Arrow(100, 200, 300, 200, 1, 0);
  auto lines = Ops("line");
  ASSERT_EQ(lines.size(), 3u);
  ExpectLine(lines[1], {300, 200, 300, 200}, 9, 10);
  ExpectLine(lines[2], {300, 200, 300, 200}, 9, 10);

  // Nothing is shortened: the base lies beyond the tail.
  ClearLog();
  Arrow(100, 200, 110, 200, 1, 32);
  EXPECT_EQ(EX, 78);
  ExpectLine(Ops("line")[1], {78, 216, 110, 200}, 9, 10);
}

TEST_F(ArrowTest, CoincidingEndsAreTheDivisionError) {
  try {
    Arrow(200, 200, 200, 200, 1, 16);
    ADD_FAILURE() << "no error";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.code, kDivisionByZero);
  }
  // The shaft shrinks to a point; no head with a non-finite point follows.
  auto lines = Ops("line");
  ASSERT_EQ(lines.size(), 1u);
  ExpectLine(lines[0], {200, 200, 200, 200}, 9, 10);
}

// ---- directions ------------------------------------------------------------

constexpr double kPi = 3.14159;  // the figures' own PI

TEST(SegmentAngleTest, DirectionsCountCounterClockwiseOnTheScreen) {
  struct Case {
    float x1, y1;
    double radians;
  } cases[] = {
      {150, 100, 0},                             // right
      {100, 50, kPi / 2},                        // up
      {50, 100, kPi},                            // left
      {100, 150, 3 * kPi / 2},                   // down
      {200, 200, 3 * kPi / 2 + std::atan(1.0)},  // lower right, about 315 degrees
      {200, 0, kPi / 2 - std::atan(1.0)},        // upper right
      {100, 100, kPi},                           // the vertex itself
  };
  for (const Case& c : cases) {
    ZX0 = 100;
    ZY0 = 100;
    ZX1 = c.x1;
    ZY1 = c.y1;
    SegmentAngle();
    EXPECT_NEAR(HHP, c.radians, 1e-5) << c.x1 << "," << c.y1;
    EXPECT_NEAR(HH, c.radians * 180 / kPi, 1e-3) << c.x1 << "," << c.y1;
    EXPECT_EQ(PI, 3.14159f);
    EXPECT_EQ(ZX1, c.x1);  // inputs untouched
  }
  ZX0 = 0;
  ZY0 = 0;
  ZX1 = 0;
  ZY1 = -50;
  SegmentAngle();
  EXPECT_NEAR(HH, 90, 1e-4);
}

TEST(RayAnglesTest, OnlyMinusOneTakesTheOtherSideOfTheRightAngle) {
  struct Case {
    float iti;
    double hh3, hh4, hh1, hh2, hh5;
  } cases[] = {
      {0, 0, kPi / 2, 1, 0.75, kPi / 4},
      {-1, kPi / 2, 0, 0.75, 1, 5 * kPi / 4},
      {1, 0, kPi / 2, 1, 0.75, kPi / 4},
  };
  for (const Case& c : cases) {
    ZX0 = 100;
    ZY0 = 100;
    ZX1 = 200;
    ZY1 = 100;
    ZX2 = 100;
    ZY2 = 0;
    ITI = c.iti;
    RayAngles();
    EXPECT_NEAR(HH3, c.hh3, 1e-5) << c.iti;
    EXPECT_NEAR(HH4, c.hh4, 1e-5) << c.iti;
    EXPECT_NEAR(HH1, c.hh1, 1e-6) << c.iti;
    EXPECT_NEAR(HH2, c.hh2, 1e-6) << c.iti;
    EXPECT_NEAR(HH5, c.hh5, 1e-5) << c.iti;
    EXPECT_EQ(ITI, c.iti);
  }
  // A ray point on the vertex: direction PI, half a turn.
  ZX1 = 100;
  ZY1 = 100;
  ITI = 0;
  RayAngles();
  EXPECT_NEAR(HH3, kPi, 1e-6);
  EXPECT_NEAR(HH1, 0.5, 1e-6);
}

}  // namespace
