#include <gtest/gtest.h>

#include "figures.h"
#include "headless_fixture.h"

namespace {

class LineGeometryTest : public StartedPageTest {};

TEST_F(LineGeometryTest, PerpendicularFootOnObliqueVerticalAndHorizontalLines) {
  AX = 0, AY = 0, BX = 100, BY = 100, CX = 100, CY = 0;
  DrawPerpendicularFoot();
  EXPECT_FLOAT_EQ(EX, 50);
  EXPECT_FLOAT_EQ(EY, 50);
  EXPECT_FLOAT_EQ(AA1, 1);
  EXPECT_FLOAT_EQ(BB1, 0);
  EXPECT_FLOAT_EQ(AA2, -1);
  EXPECT_FLOAT_EQ(BB2, 100);
  auto discs = Ops("disc");
  ASSERT_EQ(discs.size(), 1u);
  EXPECT_EQ(discs[0].nums[0], 50);
  EXPECT_EQ(discs[0].nums[1], 50);
  EXPECT_EQ(discs[0].nums[2], 2);
  EXPECT_EQ(discs[0].nums[3], 15);

  // Vertical and horizontal lines leave the slope globals alone; equal
  // points count as a vertical line.
  struct Case {
    float ax, ay, bx, by, ex, ey;
  };
  const Case cases[] = {
      {200, 10, 200, 500, 200, 80}, {10, 300, 700, 300, 50, 300}, {40, 40, 40, 40, 40, 80}};
  for (const Case& c : cases) {
    AA1 = BB1 = AA2 = BB2 = 7;
    AX = c.ax, AY = c.ay, BX = c.bx, BY = c.by, CX = 50, CY = 80;
    DrawPerpendicularFoot();
    EXPECT_EQ(EX, c.ex);
    EXPECT_EQ(EY, c.ey);
    EXPECT_EQ(AA1 + BB1 + AA2 + BB2, 28);
  }
}

TEST_F(LineGeometryTest, CrossingLinesMeetWhereverEitherIsVerticalOrHorizontal) {
  struct Case {
    float ax, ay, bx, by, cx, cy, dx, dy, x, y;
  };
  const Case cases[] = {
      {0, 0, 10, 10, 0, 10, 10, 0, 5, 5},     // crossing diagonals
      {40, 0, 40, 99, 0, 0, 10, 20, 40, 80},  // AB vertical
      {0, 0, 10, 20, 40, 5, 40, 9, 40, 80},   // CD vertical
      {0, 30, 50, 30, 0, 0, 10, 20, 15, 30},  // AB horizontal
      {40, 0, 40, 99, 0, 30, 9, 30, 40, 30},  // vertical meets horizontal
  };
  for (const Case& c : cases) {
    AX = c.ax, AY = c.ay, BX = c.bx, BY = c.by;
    CX = c.cx, CY = c.cy, DX = c.dx, DY = c.dy;
    IntersectLines();
    EXPECT_NEAR(AX2, c.x, 1e-4) << c.ax << "," << c.ay << " " << c.cx << "," << c.cy;
    EXPECT_NEAR(AY2, c.y, 1e-4) << c.ax << "," << c.ay << " " << c.cx << "," << c.cy;
    EXPECT_EQ(AX1, 0);
  }
  AX = 0, AY = 0, BX = 10, BY = 10, CX = 0, CY = 10, DX = 10, DY = 0;
  IntersectLines();
  EXPECT_EQ(A1, 1);
  EXPECT_EQ(B1, 0);
  EXPECT_EQ(A2, -1);
  EXPECT_EQ(B2, 10);
}

TEST_F(LineGeometryTest, ParallelLinesGiveNoIntersection) {
  struct Case {
    float ax, ay, bx, by, cx, cy, dx, dy;
  };
  const Case cases[] = {
      {0, 0, 10, 20, 5, 0, 15, 20},  // equal slopes
      {3, 0, 3, 9, 7, 0, 7, 9},      // two vertical lines
      {0, 4, 9, 4, 0, 8, 9, 8},      // two horizontal lines
  };
  for (const Case& c : cases) {
    AX = c.ax, AY = c.ay, BX = c.bx, BY = c.by;
    CX = c.cx, CY = c.cy, DX = c.dx, DY = c.dy;
    AY2 = 12345;
    IntersectLines();
    EXPECT_EQ(AY2, 12345);
    EXPECT_EQ(AX1, -1);
  }
}

TEST_F(LineGeometryTest, SlopeOfExactlyAThousandIsNotAVerticalLine) {
  // AB: y = 1000 x through (0, 0) and (1, 1000); CD vertical at x = 2.
  AX = 0, AY = 0, BX = 1, BY = 1000;
  CX = 2, CY = 0, DX = 2, DY = 50;
  IntersectLines();
  EXPECT_EQ(A1, 1000);
  EXPECT_EQ(A2, 1000);  // the vertical marker
  EXPECT_EQ(AX1, 0);
  EXPECT_FLOAT_EQ(AX2, 2);
  EXPECT_FLOAT_EQ(AY2, 2000);
  // The same line against a horizontal one: it is no vertical line at x = AX.
  CX = 0, CY = 500, DX = 9, DY = 500;
  IntersectLines();
  EXPECT_FLOAT_EQ(AX2, 0.5);
  EXPECT_FLOAT_EQ(AY2, 500);
  // Two lines of slope 1000 are parallel all the same.
  CX = 5, CY = 0, DX = 6, DY = 1000;
  AY2 = 12345;
  IntersectLines();
  EXPECT_EQ(AY2, 12345);
  EXPECT_EQ(AX1, -1);
}

TEST_F(LineGeometryTest, PointOfALineAtAGivenCoordinate) {
  struct Case {
    float ax, ay, bx, by, cx, cy, x1, y1;
  };
  const Case cases[] = {
      {0, 10, 10, 30, -1, 50, 20, 50},    // x sought for y = 50
      {0, 10, 10, 30, 5, -1, 5, 20},      // y sought for x = 5
      {0, 10, 10, 30, -1, -1, -5.5, -1},  // both negative: the x question first
      {0, 10, 10, 30, 0, -1, 0, 10},      // x = 0 is a given coordinate
      {40, 0, 40, 9, 3, 70, 40, 70},      // vertical
      {0, 90, 9, 90, 25, 3, 25, 90},      // horizontal
  };
  for (const Case& c : cases) {
    AX = c.ax, AY = c.ay, BX = c.bx, BY = c.by, CX = c.cx, CY = c.cy;
    X1 = Y1 = -999;
    LineThroughPoints();
    EXPECT_FLOAT_EQ(X1, c.x1) << c.cx << "," << c.cy;
    EXPECT_FLOAT_EQ(Y1, c.y1) << c.cx << "," << c.cy;
  }
  AX = 0, AY = 10, BX = 10, BY = 30, CX = 5, CY = 5;
  X1 = Y1 = -999;
  LineThroughPoints();
  EXPECT_EQ(X1, -999);
  EXPECT_EQ(Y1, -999);
  EXPECT_EQ(A, 2);
  EXPECT_EQ(B, 10);
}

}  // namespace
