#include <gtest/gtest.h>

#include <string>

#include "figure_fixture.h"
#include "figures.h"

namespace {

class DimensionArrowTest : public FigureTest {
 protected:
  void SetUp() override {
    FigureTest::SetUp();
    SIZE = 40;
    YA = 0;
  }
  void Step(float x3, float y3, float x4, float y4, const std::string& show = "yy") {
    GX3 = x3, GY3 = y3, GX4 = x4, GY4 = y4;
    HYOUJI_s = show;
    DrawDimensionArrow();
  }
};

TEST_F(DimensionArrowTest, RunAndRiseArrowsWithTheirLabels) {
  Step(100, 400, 220, 320);
  auto lines = Ops("line");
  ASSERT_EQ(lines.size(), 6u);
  const double run[] = {100, 400, 220, 400, 7, 4}, rise[] = {220, 400, 220, 320, 3, 4};
  for (int j = 0; j < 6; ++j) {
    EXPECT_EQ(lines[0].nums[j], run[j]) << j;
    EXPECT_EQ(lines[3].nums[j], rise[j]) << j;
  }
  // 16-unit heads at the corner and at point 4.
  EXPECT_EQ(lines[1].nums[0], 204);
  EXPECT_EQ(lines[1].nums[2], 220);
  EXPECT_EQ(lines[4].nums[1], 336);
  EXPECT_EQ(lines[4].nums[3], 320);
  EXPECT_EQ(X_s, "3");
  EXPECT_EQ(Y_s, "2");
  auto prints = Ops("print");
  ASSERT_EQ(prints.size(), 2u);
  EXPECT_EQ(prints[0].text, "3");
  EXPECT_EQ(prints[0].nums[0], 146);
  EXPECT_EQ(prints[0].nums[1], 356);
  EXPECT_EQ(prints[0].nums[2], 7);
  EXPECT_EQ(prints[1].text, "2");
  EXPECT_EQ(prints[1].nums[0], 220);
  EXPECT_EQ(prints[1].nums[1], 344);
  EXPECT_EQ(prints[1].nums[2], 3);
  EXPECT_EQ(FE_GETDRAWWIDTH(), 4);
  EXPECT_EQ(ZX0, 220);
  EXPECT_EQ(ZY0, 320);
  EXPECT_EQ(CCC2, 3);
  EXPECT_EQ(MUKI, 0);

  // Given the other way round, the points are exchanged first.
  auto first = Log();
  ClearLog();
  Step(220, 320, 100, 400);
  ASSERT_EQ(Log().size(), first.size());
  for (size_t k = 0; k < first.size(); ++k) EXPECT_EQ(Log()[k].Line(), first[k].Line()) << k;
  EXPECT_EQ(GX3, 100);
  EXPECT_EQ(GY4, 320);
}

TEST_F(DimensionArrowTest, DescendingStepPutsTheRunLabelBelowItsArrow) {
  Step(100, 400, 220, 480);
  EXPECT_EQ(Y_s, "-2");
  auto prints = Ops("print");
  ASSERT_EQ(prints.size(), 2u);
  EXPECT_EQ(prints[0].nums[1], 400);
  EXPECT_EQ(Ops("line")[3].nums[3], 480);
}

TEST_F(DimensionArrowTest, RiseTextGetsAZeroOnlyBeforeAPoint) {
  // (GY3 - GY4, GX4 - GX3) in units of 40 -> rise text, run text.
  struct Case {
    float rise, run;
    const char* y_text;
    const char* x_text;
  };
  const Case cases[] = {
      {20, 20, "0.5", ".5"},   {-20, 40, "-0.5", "1"}, {10, 40, "0.25", "1"},
      {-10, 40, "-0.25", "1"}, {60, 40, "1.5", "1"},   {-40, 40, "-1", "1"},
  };
  for (const Case& c : cases) {
    Step(100, 400, 100 + c.run, 400 - c.rise, "");
    EXPECT_EQ(Y_s, c.y_text) << c.rise;
    EXPECT_EQ(X_s, c.x_text) << c.run;
  }
  // A rise below 1 in size written without a point is left as it stands.
  SIZE = 1e9;
  Step(100, 400, 140, 390, "");
  EXPECT_EQ(Y_s, "1E-08");
  EXPECT_EQ(X_s, "4E-08");
  EXPECT_TRUE(Ops("print").empty());
}

TEST_F(DimensionArrowTest, ALowerCaseYFirstOrSecondAsksForTheRunOrTheRiseLabel) {
  struct Case {
    const char* show;
    bool run, rise;
  };
  const Case cases[] = {{"", false, false},  {"y", true, false},  {"yn", true, false},
                        {"ny", false, true}, {"Yy", false, true}, {"YY", false, false},
                        {"yyy", true, true}};
  for (const Case& c : cases) {
    ClearLog();
    Step(100, 400, 220, 320, c.show);
    std::string printed;
    for (const auto& op : Ops("print")) printed += op.text;
    EXPECT_EQ(printed, std::string(c.run ? "3" : "") + (c.rise ? "2" : "")) << c.show;
  }
}

TEST_F(DimensionArrowTest, TwoHeadsLeftByAnEarlierCallerGoToTheRunOnly) {
  YA = 2;
  Step(100, 400, 220, 320, "");
  EXPECT_EQ(Ops("line").size(), 9u);
  EXPECT_EQ(YA, 0);
}

TEST_F(DimensionArrowTest, GridSquareOfNoSizeFailsAfterTheArrows) {
  SIZE = 0;
  try {
    Step(100, 400, 220, 320);
    ADD_FAILURE() << "no error";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.code, kDivisionByZero);
  }
  EXPECT_EQ(Ops("line").size(), 6u);
  EXPECT_TRUE(Ops("print").empty());
}

}  // namespace
