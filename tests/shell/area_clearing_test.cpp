#include <gtest/gtest.h>

#include <vector>

#include "globals.h"
#include "headless_fixture.h"
#include "shell.h"

namespace {

class AreaClearingTest : public StartedPageTest {};

// The content area below the title strip, and the strip right of the answer
// field, where the pen is left at its top left.
TEST_F(AreaClearingTest, EachBlanksItsBoxAndTheStripLeavesThePenAtItsCorner) {
  ClearContentArea();
  KAIX = 1056;
  KAIY = 648;
  ClearStripRight();
  EXPECT_EQ(X, 1136);
  EXPECT_EQ(Y, 576);
  std::vector<LoggedOp> boxes = Ops("box");
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(std::vector<double>(boxes[0].nums.begin(), boxes[0].nums.begin() + 6),
            (std::vector<double>{0, 54, 1440, 900, 15, 15}));
  EXPECT_EQ(std::vector<double>(boxes[1].nums.begin(), boxes[1].nums.begin() + 6),
            (std::vector<double>{1136, 576, 2576, 666, 15, 15}));
}

}  // namespace
