// A page of figures drawn together, all without a runtime error: arrows on a number line, a dotted
// arc with its label, the short-division ladder of 360 step by step, and a coordinate plane with
// graphs and a point.
#include <gtest/gtest.h>

#include <string>

#include "figures.h"
#include "headless_fixture.h"

namespace {

class FigurePageTest : public StartedPageTest {
 protected:
  void Arrow(float x0, float y0, float x1, float y1, float muki, float heads, float size,
             float colour, int width) {
    FE_SETDRAWWIDTH(width);
    ZX0 = x0, ZY0 = y0, ZX = x1, ZY = y1;
    MUKI = muki, YA = heads, NAGASA = size, CCC2 = colour;
    DrawArrow();
  }
  void NumberLine(float y) {
    FE_SETDRAWWIDTH(3);
    PsLINE(60, y, 580, y, 0);
    for (int k = 0; k <= 10; ++k) PsLINE(80 + 50 * k, y - 8, 80 + 50 * k, y + 8, 0);
  }
};

TEST_F(FigurePageTest, ArrowsArcLadderAndPlaneDrawTogetherWithoutAnError) {
  // Arrows along a number line: right, left, both ways, and a rise.
  NumberLine(150);
  Arrow(130, 150, 430, 150, 1, 1, 16, 3, 10);
  Arrow(130, 205, 430, 205, -1, 1, 32, 5, 12);
  Arrow(130, 255, 430, 255, 1, 2, 16, 9, 10);
  Arrow(520, 265, 520, 175, 1, 1, 16, 3, 10);

  // A dotted arc over the first arrow, its label outside the middle.
  FE_SETDRAWWIDTH(3);
  ZX0 = 130, ZY0 = 150, ZX1 = 430, ZY1 = 150;
  TAKASA = 50, HOUKOU = -1, HABA = 8, CCC2 = 3, CCC1 = 0;
  AAA_s = "+6";
  DrawDottedArc();

  // The ladder of 360, a key for each bar and each quotient; its bottom
  // number stays clear of the key prompt's box, which is erased from y 657.
  SOSU = 360;
  PrimeFactorise();
  XTAKE = 140, YTAKE = 280, NASI = 1;
  Keys("a a a a a a a a a a");
  DrawShortDivision();
  EXPECT_EQ(backend().keys_left(), 0u);
  EXPECT_EQ(YTAKE, 280 + 5 * 64);

  // A coordinate plane, half a unit a square across, with its value labels
  // only; then y = 6/x, y = x/2 + 1, 2x = -4 and a point.
  SIZE = 30, GGX = 700, GGY = 120;
  AA1 = -3.5, AA2 = 3.5, BB1 = -6, BB2 = 6, BAIX = 0.5, BAIY = 1, CCC2 = 1, NASI = -1;
  DrawCoordinatePlane();
  DrawPlaneScaleNumbers();
  FE_SETDRAWWIDTH(3);
  IROIRO = 1, AA = 6, AA1 = -3.5, AA2 = 3.5, BAIX = 0.5, CCC3 = 4, AAA_s = "y=ﾀ6/xﾀ";
  KASANARIX = 10, KASANARIY = 0;
  PlotFunction();
  IROIRO = 3, AA = 0.5, BB = 1, AA1 = -3.5, AA2 = 3.5, BAIX = 0.5, CCC3 = 13;
  AAA_s = "y=ﾀ1/2ﾀx+1";
  KASANARIX = 10, KASANARIY = -90;
  PlotFunction();
  IROIRO = 4, AA = 2, BB = 0, CC = -4, BB1 = -6, BB2 = 6, BAIX = 0.5, CCC3 = 9, AAA_s = "x=-2";
  KASANARIY = -46;
  PlotFunction();
  XG = 1, YG = 3, R = 6, BAIX = 0.5, CCC3 = 5, AAA_s = "A";
  PlotPoint();
}

}  // namespace
