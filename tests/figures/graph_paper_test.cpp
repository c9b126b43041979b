#include <gtest/gtest.h>

#include "figure_fixture.h"
#include "figures.h"

namespace {

class GraphPaperTest : public FigureTest {
 protected:
  void SetUp() override {
    FigureTest::SetUp();
    GGX = 100, GGY = 80, SIZE = 20, CCC2 = 8, CCC3 = 4;
  }
};

TEST_F(GraphPaperTest, EveryFifthRuleFromTheOriginIsThick) {
  YOKO = 12, TATE = 7;
  DrawGraphPaper();
  EXPECT_EQ(GX1, 100);
  EXPECT_EQ(GY1, 80);
  EXPECT_EQ(GX2, 340);
  EXPECT_EQ(GY2, 220);
  EXPECT_EQ(GX0, 100);
  EXPECT_EQ(GY0, 220);
  EXPECT_EQ(CCC3, 14);
  EXPECT_EQ(FE_GETDRAWWIDTH(), 2);
  auto lines = Ops("line");
  ASSERT_EQ(lines.size(), 13u + 8u);
  // Vertical rules left to right, counted from the left edge.
  for (int i = 0; i <= 12; ++i) {
    const auto& n = lines[i].nums;  // x1 y1 x2 y2 colour width
    bool thick = i % 5 == 0;
    EXPECT_EQ(n[0], 100 + 20 * i);
    EXPECT_EQ(n[2], n[0]);
    EXPECT_EQ(n[1], 80);
    EXPECT_EQ(n[3], 220);
    EXPECT_EQ(n[4], thick ? 14 : 8) << i;
    EXPECT_EQ(n[5], thick ? 3 : 1) << i;
  }
  // Horizontal rules bottom to top, counted from the bottom edge.
  for (int j = 0; j <= 7; ++j) {
    const auto& n = lines[13 + j].nums;
    bool thick = j % 5 == 0;
    EXPECT_EQ(n[1], 220 - 20 * j);
    EXPECT_EQ(n[0], 100);
    EXPECT_EQ(n[2], 340);
    EXPECT_EQ(n[4], thick ? 14 : 8) << j;
    EXPECT_EQ(n[5], thick ? 3 : 1) << j;
  }
}

TEST_F(GraphPaperTest, WhiteRulesDrawNoPaperButSetTheFrame) {
  YOKO = 10, TATE = 10, CCC2 = 15;
  DrawGraphPaper();
  EXPECT_TRUE(Log().empty());
  EXPECT_EQ(CCC3, 4);
  EXPECT_EQ(GX2, 300);
  EXPECT_EQ(GY0, 280);
  EXPECT_EQ(FE_GETDRAWWIDTH(), 2);
}

TEST_F(GraphPaperTest, EachLoopDrawsARuleBeforeItsTestSoACountBelowOneStillDrawsOne) {
  // YOKO, TATE -> vertical rules, horizontal rules, right edge.
  struct Case {
    float yoko, tate;
    size_t vertical, horizontal;
    double right;
  };
  const Case cases[] = {{0, 2, 1, 3, 100}, {-3, 1, 1, 2, 40}, {7.5, 1, 8, 2, 250}};
  for (const Case& c : cases) {
    ClearLog();
    YOKO = c.yoko, TATE = c.tate, CCC2 = 8;
    DrawGraphPaper();
    auto lines = Ops("line");
    ASSERT_EQ(lines.size(), c.vertical + c.horizontal) << c.yoko;
    EXPECT_EQ(lines[0].nums[5], 3);
    EXPECT_EQ(lines.back().nums[2], c.right) << c.yoko;
  }
}

}  // namespace
