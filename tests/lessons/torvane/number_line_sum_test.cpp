#include "number_line_sum.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "globals.h"
#include "headless_fixture.h"
#include "page_reader.h"

namespace torvane {

namespace {

class NumberLineSumTest : public StartedPageTest {
 protected:
  void Sum(float t1, float t2, bool unsigned_positives, const std::string& keys) {
    Keys(keys);
    Y_a(31) = 520;
    T(1) = t1;
    T(2) = t2;
    NumberLineSum(unsigned_positives);
  }
  // The number-line prompts, in order.
  std::vector<std::string> Notices() {
    std::vector<std::string> out;
    for (const LoggedOp& op : PagePrints()) {
      if (op.face == "DrawPlainText" && op.nums[0] == 48) out.push_back(op.text);
    }
    return out;
  }
  // "x colour text" of the labels under the axis (the line's own "0" aside).
  std::vector<std::string> Labels() {
    std::vector<std::string> out;
    for (const LoggedOp& op : PagePrints()) {
      if (op.face != "PrintMarkup" || op.nums[1] != 529 || op.nums[2] == 0) continue;
      char head[48];
      std::snprintf(head, sizeof head, "%g %g ", op.nums[0], op.nums[2]);
      out.push_back(head + op.text);
    }
    return out;
  }
};

std::string Notice(const std::string& move) {
  return Utf8("←→キーで") + move + Utf8("の移動, ENTERで次へ");
}

TEST_F(NumberLineSumTest, TextsAreSignedUnlessAskedNotTo) {
  struct Case {
    float t1, t2;
    bool unsigned_positives;
    std::string keys;
    std::string first, second, sum;
  };
  const Case cases[] = {
      {3, 5, true, "Right Right Right Enter Right Right Right Right Right Enter", "3", "5", "8"},
      {3, 5, false, "Right Right Right Enter Right Right Right Right Right Enter", "+3", "+5",
       "+8"},
      {-4, 5, false, "Left Left Left Left Enter Right Right Right Right Right Enter", "-4", "+5",
       "+1"},
      // A sum of 0 has no sign.
      {5, -5, false, "Right Right Right Right Right Enter Left Left Left Left Left Enter", "+5",
       "-5", "0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keys);
    ClearLog();
    Sum(c.t1, c.t2, c.unsigned_positives, c.keys);
    EXPECT_EQ(T_s(3), c.sum);
    const std::vector<std::string> notices = Notices();
    ASSERT_FALSE(notices.empty());
    EXPECT_EQ(notices.front(), Notice(c.first));
    EXPECT_EQ(notices.back(), Notice(c.second));
    EXPECT_EQ(X_a(1), 560 + 40 * (c.t1 + c.t2));
    EXPECT_EQ(X_a(3), X_a(1));
    EXPECT_EQ(X_a(2), 560 + 40 * c.t1);
    EXPECT_EQ(FE_GETDRAWWIDTH(), 3);
  }
}

TEST_F(NumberLineSumTest, EnterCountsOnlyOnTheTargetAndTheMarkerStaysOnTheLine) {
  // Enter on 0, on 1 and past the end are refused; the marker stops at 12.
  Sum(12, -2, false, "Enter Right Enter " + Repeat("Right", 12) + "x Enter Left Enter Left Enter");
  // One prompt per key: 3 + 12 + 1 (x) + 1 on the first move, 4 on the second.
  EXPECT_EQ(Notices().size(), 17u + 4u);
  EXPECT_EQ(T_s(3), "+10");
  EXPECT_EQ(X_a(1), 960);
}

TEST_F(NumberLineSumTest, PointsAreLabelledInTheColourOfTheirSign) {
  // A move of 0 is taken at once, its point drawn over the first term's.
  Sum(-3, 0, false, "Left Left Left Enter Enter");
  // Centred on their points: "-3" is 54 wide; the redraw of the second move
  // labels the first point again.
  const std::vector<std::string> want = {"413 5 -3", "413 5 -3", "413 5 -3"};
  EXPECT_EQ(Labels(), want);
  ClearLog();
  Sum(0, 4, false, "Enter Right Right Right Right Enter");
  // 0 is drawn in colour 3 over the line's own "0".
  const std::vector<std::string> zero = Labels();
  ASSERT_GE(zero.size(), 2u);
  EXPECT_EQ(zero.front(), "546.5 3 0");
  EXPECT_EQ(zero.back(), "693 3 +4");
}

TEST_F(NumberLineSumTest, TheSecondMoveNoLongerShowsTheFirstArrow) {
  Sum(2, 3, true, "Right Right Enter Right Right Right Enter");
  // Arrows are drawn 12 wide at the marker level 470: the first move's from
  // 560, the second's from 640 only once it has begun.
  std::vector<double> starts;
  for (const LoggedOp& op : Ops("line")) {
    if (op.nums[5] == 12 && op.nums[1] == 470 && op.nums[3] == 470 &&
        op.nums[2] > op.nums[0] + 20) {
      starts.push_back(op.nums[0]);
    }
  }
  ASSERT_FALSE(starts.empty());
  EXPECT_EQ(starts.front(), 560);
  EXPECT_EQ(starts.back(), 640);
}

}  // namespace

}  // namespace torvane
