#include <gtest/gtest.h>

#include "figures.h"
#include "headless_fixture.h"

namespace {

class PointOnArcTest : public StartedPageTest {};

TEST_F(PointOnArcTest, EachAngleGivesItsPointOnTheHalfEllipseOverTheChord) {
  struct Case {
    float x0, y0, x1, y1, height, angle;
    double x, y;
  };
  const Case cases[] = {
      {100, 300, 300, 300, 50, 90, 200, 250},  {100, 300, 300, 300, 50, 0, 300, 300},
      {100, 300, 300, 300, 50, 180, 100, 300}, {100, 300, 300, 300, 50, 270, 200, 350},
      {100, 300, 300, 300, -50, 90, 200, 350}, {300, 300, 100, 300, 50, 90, 200, 350},
      {200, 100, 200, 300, 40, 90, 240, 200},  {100, 300, 300, 300, 100, 45, 270.71, 229.29},
      {100, 300, 300, 300, 0, 60, 250, 300},
  };
  for (const Case& c : cases) {
    ZX0 = c.x0, ZY0 = c.y0, ZX1 = c.x1, ZY1 = c.y1, TAKASA = c.height, KAKUDO = c.angle;
    PointOnArc();
    EXPECT_NEAR(ZX, c.x, 0.02) << c.x0 << "->" << c.x1 << " h " << c.height << " a " << c.angle;
    EXPECT_NEAR(ZY, c.y, 0.02) << c.x0 << "->" << c.x1 << " h " << c.height << " a " << c.angle;
    // The inputs stay; P1 is kept in ZX12, ZY12.
    EXPECT_EQ(ZX0, c.x0);
    EXPECT_EQ(TAKASA, c.height);
    EXPECT_EQ(KAKUDO, c.angle);
    EXPECT_EQ(ZX12, c.x1);
    EXPECT_EQ(ZY12, c.y1);
  }
  EXPECT_TRUE(Log().empty());
  // ZX1, ZY1 are left on the laid-down arc.
  ZX0 = 100, ZY0 = 300, ZX1 = 300, ZY1 = 300, TAKASA = 50, KAKUDO = 90;
  PointOnArc();
  EXPECT_NEAR(ZX1, 200, 0.01);
  EXPECT_NEAR(ZY1, 250, 0.01);
}

TEST_F(PointOnArcTest, ChordOfNoLengthIsADivisionByZero) {
  ZX0 = ZX1 = 150, ZY0 = ZY1 = 150, TAKASA = 30, KAKUDO = 90;
  try {
    PointOnArc();
    ADD_FAILURE() << "no error";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.code, kDivisionByZero);
  }
}

}  // namespace
