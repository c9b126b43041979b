#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "figure_fixture.h"
#include "figures.h"

namespace {

class BracesColumnsTest : public FigureTest {
 protected:
  void SetUp() override {
    FigureTest::SetUp();
    KAKKO = 0;
  }
  // The markup printer's width of `markup`, its measuring left out of the log.
  float Width(const std::string& markup) {
    const float width = MarkupWidth(markup);
    ClearLog();
    return width;
  }
};

TEST_F(BracesColumnsTest, TheBraceIsOnePolylineOfSevenPointsFiveWide) {
  X = 100, Y = 200, HABA = 105, CCC1 = 3;
  DrawCurlyBrace();
  auto polylines = Ops("polyline");
  ASSERT_EQ(polylines.size(), 1u);
  const auto& p = polylines[0].nums;  // colour, width, count, points
  EXPECT_EQ(p[0], 3);
  EXPECT_EQ(p[1], 5);
  ASSERT_EQ(p[2], 7);
  const double points[] = {135, 205, 123, 208, 123, 243, 108, 250, 123, 257, 123, 292, 135, 295};
  for (int k = 0; k < 14; ++k) EXPECT_EQ(p[3 + k], points[k]) << k;
  EXPECT_EQ(FE_GETDRAWWIDTH(), 2);
  EXPECT_EQ(X, 100);
  EXPECT_EQ(Y, 200);
}

TEST_F(BracesColumnsTest, OperandsStandInPlaceAndTheRuleSpansTheWiderOne) {
  const float wide = Width("12345"), narrow = Width("67");
  struct Case {
    const char* top;
    const char* bottom;
    float width;
  };
  const Case cases[] = {
      {"12345", "67", wide}, {"67", "12345", wide}, {"67", "67", narrow}, {"", "", 0}};
  for (const Case& c : cases) {
    ClearLog();
    X = 300, Y = 200, TAKASA = 50, CCC1 = 0, CCC2 = 3;
    A1_s = c.top, A2_s = c.bottom, ENZAN_s = "+";
    DrawColumnCalculation();
    auto prints = PagePrints();
    ASSERT_EQ(prints.size(), 4u);
    EXPECT_EQ(prints[0].text, c.top);
    EXPECT_EQ(prints[0].nums[0], 354);
    EXPECT_EQ(prints[0].nums[1], 200);
    EXPECT_EQ(prints[1].text, "+");
    EXPECT_EQ(prints[1].nums[0], 300);
    EXPECT_EQ(prints[1].nums[1], 256);
    EXPECT_EQ(prints[2].text, ")");
    EXPECT_GT(prints[2].nums[0], 300);
    EXPECT_EQ(prints[2].nums[1], 256);
    EXPECT_EQ(prints[3].text, c.bottom);
    EXPECT_EQ(prints[3].nums[0], 354);
    EXPECT_EQ(prints[3].nums[1], 250);
    // The rule at width 3 from 27 to 57 + the wider operand, at 2 * TAKASA.
    auto lines = Ops("line");
    ASSERT_FALSE(lines.empty());
    const auto& rule = lines.back().nums;
    EXPECT_EQ(rule[0], 327);
    EXPECT_EQ(rule[1], 300);
    EXPECT_NEAR(rule[2], 357 + c.width, 1e-3) << c.top << "/" << c.bottom;
    EXPECT_EQ(rule[3], 300);
    EXPECT_EQ(rule[4], 3);
    EXPECT_EQ(rule[5], 3);
    EXPECT_EQ(LT, c.width);
    EXPECT_EQ(YI1, 250);
    EXPECT_EQ(XI3, 354);
    EXPECT_EQ(Y, 250);
    EXPECT_EQ(AA_s, "");
    EXPECT_EQ(FE_GETDRAWWIDTH(), 2);
  }
}

TEST_F(BracesColumnsTest, HandedBackPenStaysOnThePageAtTheRulesEnd) {
  const float wide = Width("12345*678");
  X = 900, Y = 200, TAKASA = 50, CCC1 = 0, CCC2 = 3;
  A1_s = "12345*678", A2_s = "9", ENZAN_s = "*";
  DrawColumnCalculation();
  EXPECT_NEAR(XI2, 957 + wide, 1e-3);
  EXPECT_LT(XI2, 1440);
}

TEST_F(BracesColumnsTest, WithoutASignTheBracketStandsAtTheLeftEdge) {
  X = 300, Y = 200, TAKASA = 50;
  A1_s = "1", A2_s = "2", ENZAN_s = "";
  DrawColumnCalculation();
  bool found = false;
  for (const auto& op : PagePrints()) {
    if (op.text == ")") {
      EXPECT_EQ(op.nums[0], 300);
      found = true;
    }
  }
  EXPECT_TRUE(found);
}

}  // namespace
