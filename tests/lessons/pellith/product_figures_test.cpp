// The repeated-addition figures of the multiplication pages against the
// operation log: arrows and their centred values,
// the pattern rows with their arcs, and the figures whose two points would
// coincide.
#include "product_figures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "figures.h"
#include "headless_fixture.h"
#include "page_reader.h"
#include "pellith_steps_line.h"
#include "shell.h"

namespace {

using pellith::OppositeAdditionArrows;
using pellith::ProductPatternStep;
using pellith::RepeatedAdditionArrows;

class ProductFiguresTest : public StartedPageTest {
 protected:
  void SetUp() override {
    StartedPageTest::SetUp();
    Y_a(31) = 280;
    pellith::StepsNumberLine();
    ClearLog();
  }
  // The values written under the axis, "x colour text", in order.
  std::vector<std::string> Labels() {
    std::vector<std::string> out;
    for (const LoggedOp& op : PagePrints()) {
      if (op.face == "PrintMarkup" && op.nums[1] == 289) {
        out.push_back(LogNumber(op.nums[0]) + " " + LogNumber(op.nums[2]) + " " + op.text);
      }
    }
    return out;
  }
  // The arrows' shafts: the lines that start at the origin 20 above the axis.
  std::vector<std::vector<double>> Shafts() {
    std::vector<std::vector<double>> out;
    for (const LoggedOp& op : Ops("line")) {
      if (op.nums[1] == 260 && op.nums[3] == 260 && (op.nums[0] == 560 || op.nums[2] == 560)) {
        out.push_back(op.nums);
      }
    }
    return out;
  }
  // How many shafts were drawn before the first key wait.
  int ShaftsBeforeFirstKey() {
    int n = 0;
    for (const LoggedOp& op : Log()) {
      if (op.name == "print" && op.text == Utf8("何かキーを押して下さい。")) break;
      n += op.name == "line" && op.nums[1] == 260 && op.nums[3] == 260 &&
           (op.nums[0] == 560 || op.nums[2] == 560);
    }
    return n;
  }
};

TEST_F(ProductFiguresTest, RepeatedAdditionOneArrowPerKeyEachFromTheOrigin) {
  Keys("a a a");
  T(1) = 2;
  T(2) = 3;
  RepeatedAdditionArrows();
  EXPECT_EQ(KeyWaits(), 3);
  EXPECT_EQ(Shafts(), (std::vector<std::vector<double>>{{560, 260, 640, 260, 3, 12},
                                                        {560, 260, 720, 260, 3, 12},
                                                        {560, 260, 800, 260, 3, 12}}));
  // Each value centred on its point: "2" is 27 wide.
  EXPECT_EQ(Labels(), (std::vector<std::string>{"626.5 3 2", "706.5 3 4", "786.5 3 6"}));
  EXPECT_EQ(FE_GETDRAWWIDTH(), 12);
}

TEST_F(ProductFiguresTest, OppositeAdditionShowsTheNumberAndTheFirstOppositeAtOnce) {
  struct Case {
    float number;
    std::vector<std::string> labels;
  };
  const Case cases[] = {
      {2, {"626.5 3 2", "453 5 -2", "373 5 -4", "293 5 -6"}},
      {-2, {"453 5 -2", "626.5 3 2", "706.5 3 4", "786.5 3 6"}},
  };
  for (const Case& c : cases) {
    ClearLog();
    Keys("a a a");
    T(1) = c.number;
    T(2) = -3;
    OppositeAdditionArrows();
    EXPECT_EQ(ShaftsBeforeFirstKey(), 2);
    EXPECT_EQ(KeyWaits(), 3);
    EXPECT_EQ(Labels(), c.labels);
  }
}

TEST_F(ProductFiguresTest, PatternRowsMarkTheirProductsAndArcFromTheRowBefore) {
  struct Case {
    float multiplier;
    bool arc;
    std::string label;
  };
  // Multiplicand -2: the products run -6, -4, ... 6 to the right.
  const Case cases[] = {
      {3, false, "293 5 -6"},
      {2, true, "373 5 -4"},
      {0, true, "546.5 3 0"},  // over the axis's own "0"
      {-3, true, "786.5 3 6"},
  };
  for (const Case& c : cases) {
    ClearLog();
    F(1) = -2;
    T(1) = c.multiplier;
    ProductPatternStep();
    EXPECT_EQ(Labels(), (std::vector<std::string>{c.label}));
    const std::vector<LoggedOp> dots = Ops("disc");
    EXPECT_EQ(!dots.empty(), c.arc);
    double left = 2000, right = 0;
    for (const LoggedOp& dot : dots) {
      EXPECT_LE(dot.nums[1], 280);  // above the axis
      EXPECT_EQ(dot.nums[3], 3);
      left = std::min(left, dot.nums[0]);
      right = std::max(right, dot.nums[0]);
    }
    if (c.arc) {
      // From the row before's point to this one, 80 apart.
      const double x = 560 + 40 * (-2 * c.multiplier);
      EXPECT_NEAR(left, x - 80, 1e-3);
      EXPECT_NEAR(right, x, 1e-3);
      EXPECT_EQ(FE_GETDRAWWIDTH(), 5);
    }
  }
}

TEST_F(ProductFiguresTest, FiguresOfZeroDrawNoArrowAndNoArcOfNoLength) {
  // A zero number: its arrow has no length (a dot on the origin), and its
  // opposites are all 0.
  Keys("a a");
  T(1) = 0;
  T(2) = 2;
  OppositeAdditionArrows();
  EXPECT_TRUE(Shafts().empty());
  EXPECT_EQ(Ops("disc").size(), 3u);
  EXPECT_EQ(Labels(), (std::vector<std::string>{"546.5 5 0", "546.5 5 0", "546.5 5 0"}));

  // A zero multiplicand: every product is 0, no arc joins a point to itself.
  ClearLog();
  F(1) = 0;
  T(1) = 1;
  ProductPatternStep();
  EXPECT_TRUE(Ops("disc").empty());
  EXPECT_EQ(Labels(), (std::vector<std::string>{"546.5 3 0"}));
}

}  // namespace
