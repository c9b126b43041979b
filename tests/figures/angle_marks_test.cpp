#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "figures.h"
#include "headless_fixture.h"

namespace {

class AngleMarksTest : public StartedPageTest {
 protected:
  // Vertex (400, 300), ray 1 to the right, ray 2 straight up.
  void QuarterAngle() { ZX0 = 400, ZY0 = 300, ZX1 = 500, ZY1 = 300, ZX2 = 400, ZY2 = 200; }
};

TEST_F(AngleMarksTest, ArcsRunFromRayTwoToRayOneOutsideIn) {
  QuarterAngle();
  ITI = 0, HONSU = 2, NAGASA = 40, CCC3 = 5, CCC2 = 3, CCC1 = 0;
  AAA_s = "a";
  DrawAngleMark();
  auto arcs = Ops("arc");
  ASSERT_EQ(arcs.size(), 2u);
  const double radii[] = {32, 24};
  for (int k = 0; k < 2; ++k) {
    EXPECT_EQ(arcs[k].nums[0], 400);
    EXPECT_EQ(arcs[k].nums[1], 300);
    EXPECT_EQ(arcs[k].nums[2], radii[k]);
    EXPECT_EQ(arcs[k].nums[3], 5);
    EXPECT_NEAR(arcs[k].nums[4], 0.75, 1e-6);  // start: ray 2
    EXPECT_NEAR(arcs[k].nums[5], 1.0, 1e-6);   // end: ray 1
  }
  // The label lies above and to the right of the vertex, past the arcs.
  auto prints = PagePrints();
  ASSERT_EQ(prints.size(), 1u);
  EXPECT_EQ(prints[0].text, "a");
  EXPECT_GT(prints[0].nums[0], 400 + 28 * 0.7);
  EXPECT_LT(prints[0].nums[1], 300 - 28 * 0.7);
  EXPECT_EQ(NAGASA1, 24);
  EXPECT_EQ(NAGASA, 0);
  EXPECT_EQ(ITI, 0);
  EXPECT_EQ(AAA_s, "");
  EXPECT_EQ(II, 3);
}

TEST_F(AngleMarksTest, OtherSideCoversThreeQuartersWithTheLabelDownLeft) {
  QuarterAngle();
  ITI = -1, HONSU = 1, NAGASA = 40, CCC3 = 5;
  AAA_s = "b";
  DrawAngleMark();
  auto arcs = Ops("arc");
  ASSERT_EQ(arcs.size(), 1u);
  EXPECT_NEAR(arcs[0].nums[4], 1.0, 1e-6);
  EXPECT_NEAR(arcs[0].nums[5], 0.75, 1e-6);
  auto prints = PagePrints();
  ASSERT_EQ(prints.size(), 1u);
  EXPECT_LT(prints[0].nums[0], 400);
  EXPECT_GT(prints[0].nums[1], 300);
  EXPECT_EQ(ITI, 0);
}

TEST_F(AngleMarksTest, ACountOverSixDrawsOneArcAndNoneOrLessFillsTheSector) {
  struct Case {
    float honsu;
    size_t arcs;
    size_t sectors;
    float honsu_after;
  };
  const Case cases[] = {{6, 6, 0, 6}, {7, 1, 0, 1}, {0.5, 1, 0, 0.5}, {0, 0, 1, 0}, {-3, 0, 1, -3}};
  for (const Case& c : cases) {
    ClearLog();
    QuarterAngle();
    HONSU = c.honsu, NAGASA = 60, CCC2 = 3, CCC3 = 5, NAGASA1 = -1, ITI = 0;
    AAA_s = "";
    DrawAngleMark();
    auto arcs = Ops("arc");
    auto sectors = Ops("sector");
    EXPECT_EQ(arcs.size(), c.arcs) << c.honsu;
    EXPECT_EQ(sectors.size(), c.sectors) << c.honsu;
    EXPECT_EQ(HONSU, c.honsu_after) << c.honsu;
    if (!arcs.empty()) {
      EXPECT_EQ(arcs.back().nums[2], 60 - 8.0 * arcs.size());
    }
    if (!sectors.empty()) {
      // Radius NAGASA, outline CCC2, fill CCC3; NAGASA1 untouched.
      EXPECT_EQ(sectors[0].nums[2], 60);
      EXPECT_EQ(sectors[0].nums[3], 3);
      EXPECT_EQ(sectors[0].nums[4], 5);
      EXPECT_EQ(NAGASA1, -1);
    }
    EXPECT_TRUE(PagePrints().empty() || PagePrints()[0].text.empty());
  }
}

TEST_F(AngleMarksTest, TheSizeTextIsInDegreesToATenthAndTheOtherSideGivesTheRest) {
  struct Case {
    float x2, y2, iti;
    const char* text;
  };
  const Case cases[] = {
      {100, 0, 0, "90"},  {100, 0, -1, "270"}, {200, 50, 0, "26.6"},
      {200, 100, 0, "0"}, {200, 100, -1, "0"}, {200, 0, 0, "45"},
      {0, 0, 0, "135"},   {0, 200, 0, "225"},  {200, 150, 0, "333.4"},
  };
  for (const Case& c : cases) {
    ZX0 = 100, ZY0 = 100, ZX1 = 200, ZY1 = 100, ZX2 = c.x2, ZY2 = c.y2, ITI = c.iti;
    AngleDegreesText();
    EXPECT_EQ(KAKUDO_s, c.text) << c.x2 << "," << c.y2 << " " << c.iti;
    EXPECT_EQ(A_s, KAKUDO_s);
  }
  EXPECT_TRUE(Log().empty());
  // The unrounded size stays in HH and the radians in HH5.
  ZX2 = 200, ZY2 = 50, ITI = 0;
  AngleDegreesText();
  EXPECT_NEAR(HH, 26.565, 1e-3);
  EXPECT_NEAR(HH5, std::atan(0.5), 1e-5);
}

TEST_F(AngleMarksTest, CornerMarkClosesARhombusInTheCorner) {
  ZX0 = 100, ZY0 = 100, ZX1 = 200, ZY1 = 100, ZX2 = 100, ZY2 = 0;
  ITI = 0, NAGASA = 12, CCC2 = 3;
  DrawCornerMark();
  auto polylines = Ops("polyline");
  ASSERT_EQ(polylines.size(), 1u);
  const auto& p = polylines[0].nums;  // colour, width, count, x1, y1, ...
  EXPECT_EQ(p[0], 3);
  ASSERT_EQ(p[2], 3);
  const double square[] = {112, 100, 112, 88, 100, 88};
  for (int k = 0; k < 6; ++k) EXPECT_NEAR(p[3 + k], square[k], 1e-3) << k;

  // 60 degrees: a rhombus of side 12.
  ClearLog();
  ZX2 = 100 + 50, ZY2 = 100 - 50 * std::sqrt(3.0f);
  NAGASA = 12;
  DrawCornerMark();
  const std::vector<double> r = Ops("polyline")[0].nums;
  const double rhombus[] = {112, 100, 118, 100 - 6 * std::sqrt(3.0), 106, 100 - 6 * std::sqrt(3.0)};
  for (int k = 0; k < 6; ++k) EXPECT_NEAR(r[3 + k], rhombus[k], 1e-3) << k;
  EXPECT_EQ(NAGASA, 12);
}

}  // namespace
