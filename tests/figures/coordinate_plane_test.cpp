#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>
#include <vector>

#include "figure_fixture.h"
#include "figures.h"

namespace {

class CoordinatePlaneTest : public FigureTest {
 protected:
  // x from -7 to 7, y from -6 to 6, squares of 30 at the default corner.
  void TextbookPlane() {
    SIZE = 30, GGX = 0, GGY = 0;
    AA1 = -7, AA2 = 7, BB1 = -6, BB2 = 6;
    BAIX = 1, BAIY = 1, CCC2 = 1, NASI = 0;
  }
  struct Text {
    std::string text;
    double x, y;
  };
  std::vector<Text> TextsAt() {
    std::vector<Text> out;
    for (const auto& op : Ops("text")) out.push_back({op.text, op.nums[0], op.nums[1]});
    return out;
  }
};

TEST_F(CoordinatePlaneTest, FrameGridScaleNumbersAxesAndNames) {
  TextbookPlane();
  DrawCoordinatePlane();
  EXPECT_EQ(GX0, 850);
  EXPECT_EQ(GY0, 360);
  EXPECT_EQ(GX1, 640);
  EXPECT_EQ(GY1, 180);
  EXPECT_EQ(GX2, 1060);
  EXPECT_EQ(GY2, 540);
  EXPECT_EQ(GGX, 640);
  EXPECT_EQ(GGY, 180);
  EXPECT_EQ(SIZE1, 26);

  auto lines = Ops("line");
  ASSERT_EQ(lines.size(), 15u + 13u + 3u + 3u + 2u);
  for (int k = 0; k < 15; ++k) {  // thin vertical lines, half a unit left
    EXPECT_EQ(lines[k].nums[0], 639.5 + 30 * k);
    EXPECT_EQ(lines[k].nums[1], 180);
    EXPECT_EQ(lines[k].nums[3], 540);
    EXPECT_EQ(lines[k].nums[4], 0);
    EXPECT_EQ(lines[k].nums[5], 1);
  }
  for (int k = 0; k < 13; ++k) {  // thin horizontal lines, bottom first
    EXPECT_EQ(lines[15 + k].nums[1], 539.5 - 30 * k);
    EXPECT_EQ(lines[15 + k].nums[0], 640);
    EXPECT_EQ(lines[15 + k].nums[2], 1060);
  }
  const double thick_x[] = {700, 850, 1000}, thick_y[] = {510, 360, 210};
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(lines[28 + k].nums[0], thick_x[k]);
    EXPECT_EQ(lines[28 + k].nums[4], 1);
    EXPECT_EQ(lines[28 + k].nums[5], 3);
    EXPECT_EQ(lines[31 + k].nums[1], thick_y[k]);
    EXPECT_EQ(lines[31 + k].nums[5], 3);
  }
  const double y_axis[] = {850, 180, 850, 540, 0, 4}, x_axis[] = {640, 360, 1060, 360, 0, 4};
  for (int j = 0; j < 6; ++j) {
    EXPECT_EQ(lines[34].nums[j], y_axis[j]);
    EXPECT_EQ(lines[35].nums[j], x_axis[j]);
  }

  auto texts = TextsAt();
  ASSERT_EQ(texts.size(), 7u);
  const Text expected[] = {{"-5", 674, 360},   {"5", 987, 360}, {"-5", 798, 493}, {"5", 824, 193},
                           {"x", 1039.2, 321}, {"0", 824, 360}, {"y", 850, 167}};
  for (int k = 0; k < 7; ++k) {
    EXPECT_EQ(texts[k].text, expected[k].text) << k;
    EXPECT_NEAR(texts[k].x, expected[k].x, 1e-3) << k;
    EXPECT_NEAR(texts[k].y, expected[k].y, 1e-3) << k;
  }
  auto ops = Ops("text");
  // "x": bold italic serif at 0.8 of the label size, magnified 3 by 2.
  EXPECT_EQ(ops[4].face, "Times New Roman");
  EXPECT_NEAR(ops[4].nums[5], 20.8, 1e-4);
  EXPECT_EQ(ops[4].nums[2], 3);
  EXPECT_EQ(ops[4].nums[3], 2);
  EXPECT_EQ(ops[4].nums[6], 1);
  EXPECT_EQ(ops[4].nums[7], 1);
  // "0" and "y": bold upright gothic at the label size.
  EXPECT_EQ(ops[6].face, Utf8("ゴシック"));
  EXPECT_EQ(ops[6].nums[5], 26);
  EXPECT_EQ(ops[6].nums[6], 1);
  EXPECT_EQ(ops[6].nums[7], 0);
  EXPECT_EQ(ops[0].nums[2], 2);
  EXPECT_EQ(ops[0].nums[3], 1);

  EXPECT_EQ(FE_GETDRAWWIDTH(), 2);
  EXPECT_EQ(backend().page().font.size, 16);
  EXPECT_FALSE(backend().page().font.bold);
  EXPECT_FALSE(backend().page().font.italic);
  EXPECT_EQ(AA1, -7);  // ranges in grid squares
  EXPECT_EQ(AA_s, "y");
}

TEST_F(CoordinatePlaneTest, SwitchesDefaultsAndSquareValues) {
  // Axes only: two lines and the three names.
  TextbookPlane();
  CCC2 = 0, NASI = 0;
  DrawCoordinatePlane();
  EXPECT_EQ(Ops("line").size(), 2u);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"x", "0", "y"}));

  // No scale numbers, for this plane only.
  ClearLog();
  TextbookPlane();
  NASI = -1;
  DrawCoordinatePlane();
  EXPECT_EQ(Ops("line").size(), 36u);
  EXPECT_EQ(Texts(), (std::vector<std::string>{"x", "0", "y"}));
  EXPECT_EQ(NASI, 0);

  // One corner coordinate of 0 is no reason for the default; size 40 -> 30.
  ClearLog();
  TextbookPlane();
  GGX = 0, GGY = 100, SIZE = 40, CCC2 = 0;
  DrawCoordinatePlane();
  EXPECT_EQ(GX1, 0);
  EXPECT_EQ(GY1, 100);
  EXPECT_EQ(SIZE1, 30);
  SIZE = 39, GGX = 0, GGY = 100;
  DrawCoordinatePlane();
  EXPECT_EQ(SIZE1, 26);

  // BAIX -2 works as 2 and 0 as 1; the ranges are divided in place.
  TextbookPlane();
  AA1 = -8, AA2 = 8, BAIX = -2, BAIY = 0, CCC2 = 0;
  DrawCoordinatePlane();
  EXPECT_EQ(BAIX, 2);
  EXPECT_EQ(BAIY, 1);
  EXPECT_EQ(AA1, -4);
  EXPECT_EQ(AA2, 4);
  EXPECT_EQ(GX0, 640 + 120);
}

TEST_F(CoordinatePlaneTest, ScaleValuesWithTenthsGetAPointOfTheirOwn) {
  SIZE = 30, GGX = 100, GGY = 100;
  AA1 = -5, AA2 = 5, BB1 = 0, BB2 = 0, BAIX = 0.5, BAIY = 1, CCC2 = 0;
  DrawCoordinatePlane();
  ClearLog();
  DrawPlaneScaleNumbers();
  auto texts = TextsAt();
  // GX0 = 400, GY0 = 100, SIZE1 = 26.
  const Text expected[] = {{"-5", 400 - 300 - 26, 104},     {"-25", 400 - 150 - 39, 104},
                           {".", 400 - 150 - 39 + 46, 108}, {"25", 400 + 150 - 26, 104},
                           {".", 400 + 150 - 26 + 20, 108}, {"5", 400 + 300 - 13, 104}};
  ASSERT_EQ(texts.size(), 6u);
  for (int k = 0; k < 6; ++k) {
    EXPECT_EQ(texts[k].text, expected[k].text) << k;
    EXPECT_NEAR(texts[k].x, expected[k].x, 1e-3) << k;
    EXPECT_NEAR(texts[k].y, expected[k].y, 1e-3) << k;
  }
  EXPECT_EQ(backend().page().font.size, 16);
}

TEST_F(CoordinatePlaneTest, ScaleValueOfThreeAndAHalfReadsThreePointFive) {
  // 5 * 0.7 lies just below 3.5 in single precision.
  SIZE = 30, GGX = 100, GGY = 100;
  AA1 = 0, AA2 = 3.5, BB1 = 0, BB2 = 3.5, BAIX = 0.7, BAIY = 0.7, CCC2 = 0;
  DrawCoordinatePlane();
  ClearLog();
  DrawPlaneScaleNumbers();
  EXPECT_EQ(Texts(), (std::vector<std::string>{"35", ".", "35", "."}));
  // And the value 2 * 5 is 10, without a point.
  TextbookPlane();
  AA1 = -10, AA2 = 10, BB1 = 0, BB2 = 0, BAIX = 2, CCC2 = 0;
  DrawCoordinatePlane();
  ClearLog();
  DrawPlaneScaleNumbers();
  EXPECT_EQ(Texts(), (std::vector<std::string>{"-10", "10"}));
}

class PlanePointsTest : public CoordinatePlaneTest {
 protected:
  void SetUp() override {
    CoordinatePlaneTest::SetUp();
    GX0 = 850, GY0 = 360, GY1 = 180, GY2 = 540, SIZE = 30;
    BAIX = 1, BAIY = 1, KASANARIX = 0, KASANARIY = 0;
    R = 5, CCC3 = 9;
  }
};

TEST_F(PlanePointsTest, PointsArePlacedThroughTheFrame) {
  struct Case {
    float xg, yg, baix, baiy, kx, ky;
    double gx, gy, label_x, label_y;
  };
  const Case cases[] = {
      {0, 0, 1, 1, 0, 0, 850, 360, 830, 320},
      {4, -3, 2, 1, 0, 0, 910, 450, 890, 410},
      {2, 3, 0, 0, 30, 50, 910, 270, 920, 280},
      {20, 0, 1, 1, 0, 0, 1450, 360, 1430, 320},  // beyond the plane, drawn all the same
  };
  for (const Case& c : cases) {
    ClearLog();
    XG = c.xg, YG = c.yg, BAIX = c.baix, BAIY = c.baiy, KASANARIX = c.kx, KASANARIY = c.ky;
    AAA_s = "P";
    PlotPoint();
    auto discs = Ops("disc");
    ASSERT_EQ(discs.size(), 1u);
    EXPECT_EQ(discs[0].nums[0], c.gx) << c.xg;
    EXPECT_EQ(discs[0].nums[1], c.gy) << c.yg;
    EXPECT_EQ(discs[0].nums[2], 5);
    EXPECT_EQ(discs[0].nums[3], 9);
    auto prints = Ops("print");
    ASSERT_EQ(prints.size(), 1u);
    EXPECT_EQ(prints[0].nums[0], c.label_x);
    EXPECT_EQ(prints[0].nums[1], c.label_y);
    EXPECT_EQ(prints[0].nums[2], 9);
    EXPECT_EQ(prints[0].text, "P");
    EXPECT_EQ(BAIX, 1);
    EXPECT_EQ(BAIY, 1);
    EXPECT_EQ(KASANARIX, 0);
    EXPECT_EQ(KASANARIY, 0);
    EXPECT_EQ(CCC1, 9);
    EXPECT_EQ(Y, c.label_y);
  }
  // Without a label the pen stays where the label would start.
  ClearLog();
  XG = 1, YG = 1;
  AAA_s = "";
  PlotPoint();
  EXPECT_EQ(X, 860);
}

class FunctionGraphTest : public PlanePointsTest {
 protected:
  void Graph(float kind, float a, float b, float from, float to) {
    IROIRO = kind, AA = a, BB = b, AA1 = from, AA2 = to;
    CCC3 = 5, AAA_s = "f";
    PlotFunction();
  }
};

TEST_F(FunctionGraphTest, InverseProportionHasTwoBranchesWithinThePlane) {
  Graph(1, 6, 0, -6, 6);
  auto discs = Ops("disc");
  ASSERT_GT(discs.size(), 3000u);
  int left = 0, right = 0;
  for (const auto& d : discs) {
    EXPECT_GE(d.nums[1], 180);
    EXPECT_LE(d.nums[1], 540);
    // |y| <= 6 keeps |x| >= 1: nothing near the y axis.
    EXPECT_GE(std::abs(d.nums[0] - 850), 30 - 0.01);
    EXPECT_EQ(d.nums[2], 1);
    EXPECT_EQ(d.nums[3], 5);
    (d.nums[0] < 850 ? left : right)++;
  }
  EXPECT_GT(left, 1000);
  EXPECT_GT(right, 1000);
  EXPECT_TRUE(Ops("line").empty());
  // The label starts at the last dot of the right branch.
  auto prints = Ops("print");
  ASSERT_EQ(prints.size(), 1u);
  EXPECT_EQ(prints[0].nums[0], discs.back().nums[0]);
  EXPECT_EQ(prints[0].nums[1], discs.back().nums[1]);
  EXPECT_NEAR(discs.back().nums[0], 850 + 180, 0.1);
  EXPECT_NEAR(discs.back().nums[1], 360 - 30, 0.1);
  EXPECT_EQ(BAIX, 1);
  EXPECT_EQ(FE_GETDRAWWIDTH(), 2);
}

TEST_F(FunctionGraphTest, StartAtZeroAndTheKindsOfStraightLines) {
  struct Case {
    float kind, a, b, from, to;
    size_t dots;
    double first_x, last_x;
  };
  const Case cases[] = {
      {2, 0.1f, 0, 0, 5, 5001, 850 + 0.06, 850 + 150.06},  // x = 0 stepped over
      {3, 1, 0, 0, 5, 5001, 850, 1000},                    // a line samples x = 0
      {0, 1, 0, 0, 5, 5001, 850 + 0.06, 1000.06},          // other kinds: a line, shifted
      {3, 0, 0, 5, -5, 5001, 1000, 700},                   // from AA1 down to AA2
      {3, 0, 1, 2, 2, 5001, 910, 910},                     // one point 5001 times
      {3, 0, 10, -5, 5, 0, 0, 0},                          // y = 10 lies above the plane
  };
  for (const Case& c : cases) {
    ClearLog();
    X = 77, Y = 88;
    Graph(c.kind, c.a, c.b, c.from, c.to);
    auto discs = Ops("disc");
    ASSERT_EQ(discs.size(), c.dots) << c.kind << " " << c.a;
    auto prints = Ops("print");
    ASSERT_EQ(prints.size(), 1u);
    if (c.dots == 0) {
      EXPECT_EQ(prints[0].nums[0], 77);
      EXPECT_EQ(prints[0].nums[1], 88);
      continue;
    }
    EXPECT_NEAR(discs.front().nums[0], c.first_x, 0.02) << c.kind;
    EXPECT_NEAR(discs.back().nums[0], c.last_x, 0.02) << c.kind;
  }
}

TEST_F(FunctionGraphTest, AGeneralFormLineIsSolvedForYOrDrawnAsAVerticalSegment) {
  // 2x + y = 4 becomes y = -2x + 4.
  CC = 4;
  Graph(4, 2, 1, -1, 3);
  EXPECT_EQ(IROIRO, 3);
  EXPECT_EQ(AA, -2);
  EXPECT_EQ(BB, 4);
  auto discs = Ops("disc");
  ASSERT_FALSE(discs.empty());
  EXPECT_NEAR(discs.front().nums[1], 360 - 6 * 30, 0.01);

  // 2x = 6: the vertical segment at x = 3 from BB1 to BB2, width 5.
  ClearLog();
  CC = 6, BB1 = -6, BB2 = 6, KASANARIX = 5, KASANARIY = -10;
  Graph(4, 2, 0, 0, 0);
  EXPECT_EQ(CC, 3);
  EXPECT_TRUE(Ops("disc").empty());
  auto lines = Ops("line");
  ASSERT_EQ(lines.size(), 1u);
  const double segment[] = {940, 540, 940, 180, 5, 5};
  for (int j = 0; j < 6; ++j) EXPECT_EQ(lines[0].nums[j], segment[j]) << j;
  auto prints = Ops("print");
  ASSERT_EQ(prints.size(), 1u);
  EXPECT_EQ(prints[0].nums[0], 955);
  EXPECT_EQ(prints[0].nums[1], 170);
  EXPECT_EQ(FE_GETDRAWWIDTH(), 2);
  EXPECT_EQ(KASANARIX, 0);

  // 0x + 0y = c is no line: the division is the runtime's error.
  ClearLog();
  CC = 6;
  try {
    Graph(4, 0, 0, 0, 0);
    ADD_FAILURE() << "no error";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.code, kDivisionByZero);
  }
  EXPECT_TRUE(Log().empty());
}

TEST_F(CoordinatePlaneTest, VerticalLineSegmentAndItsLabelAnchor) {
  GX0 = 640, GY0 = 420, SIZE = 30, CC = 3, BB1 = -6, BB2 = 8, CCC3 = 5;
  const std::tuple<float, double> cases[] = {{1, 730}, {2, 685}};
  for (auto [baix, x] : cases) {
    ClearLog();
    BAIX = baix, BAIY = 1;
    DrawGraphLabelSegment();
    auto lines = Ops("line");
    ASSERT_EQ(lines.size(), 1u);
    const double segment[] = {x, 600, x, 180, 5, 5};
    for (int j = 0; j < 6; ++j) EXPECT_EQ(lines[0].nums[j], segment[j]) << j;
    EXPECT_EQ(X, x + 10);
    EXPECT_EQ(Y, 180);
    EXPECT_EQ(FE_GETDRAWWIDTH(), 5);
  }
}

TEST(SignedNumberTexts, EachTurnsOrStripsOnlyTheFirstSignCharacter) {
  struct Case {
    std::string in, turned, no_plus, no_sign;
  };
  const Case cases[] = {
      {"-3", "+3", "-3", "3"},    {"+3", "-3", "3", "3"},
      {"3", "-3", "3", "3"},      {"", "", "", ""},
      {"0", "-0", "0", "0"},      {"--5", "+-5", "--5", "-5"},
      {" 5", "- 5", " 5", " 5"},  {"ﾀ3/8ﾀ", "-ﾀ3/8ﾀ", "ﾀ3/8ﾀ", "ﾀ3/8ﾀ"},
      {"+２", "-２", "２", "２"},
  };
  for (const Case& c : cases) {
    A_s = c.in;
    SignedNumberText();
    EXPECT_EQ(A_s, c.turned) << Utf8(c.in);
    EXPECT_EQ(LE, PfKLEN(c.in));
    A_s = c.in;
    StripLeadingPlus();
    EXPECT_EQ(A_s, c.no_plus) << Utf8(c.in);
    A_s = c.in;
    StripLeadingSign();
    EXPECT_EQ(A_s, c.no_sign) << Utf8(c.in);
  }
}

}  // namespace
