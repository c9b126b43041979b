// Marking points on the number line: the full line from -7 to 7, the
// point-moving loops, reading the confirmed point, showing the targets and
// the change from the line from 0 to 7 to the full line.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "below_zero_pages.h"
#include "construct_globals.h"
#include "globals.h"
#include "headless_fixture.h"
#include "marking_pages.h"
#include "page_reader.h"
#include "shell.h"

namespace almeno {

namespace {

class MarkingTest : public StartedPageTest {
 protected:
  std::vector<LoggedOp> Discs(double radius) {
    std::vector<LoggedOp> out;
    for (const LoggedOp& op : Ops("disc")) {
      if (op.nums[2] == radius) out.push_back(op);
    }
    return out;
  }
  // The printer's texts on the page at the given height.
  std::vector<LoggedOp> PrintsAt(double y) {
    std::vector<LoggedOp> out;
    for (const LoggedOp& op : PagePrints()) {
      if (op.face == "PrintMarkup" && op.nums[1] == y) out.push_back(op);
    }
    return out;
  }
  // Boxes whose top edge is at y.
  std::vector<std::vector<double>> BoxesFrom(double y) {
    std::vector<std::vector<double>> out;
    for (const LoggedOp& op : Ops("box")) {
      if (op.nums[1] == y) out.push_back({op.nums.begin(), op.nums.begin() + 4});
    }
    return out;
  }
  std::vector<std::string> Notices() {
    std::vector<std::string> out;
    for (const LoggedOp& op : Ops("print")) {
      if (op.nums[0] == 48 && op.nums[1] == 666) out.push_back(op.text);
    }
    return out;
  }
};

// ---- the number line from -7 to 7 ----------------------------------------------

TEST_F(MarkingTest, SignedNumberLineDrawsTicksAxisAndCentredLabels) {
  const std::vector<std::string> labels = {"-7", "-6", "-5", "-4", "-3", "-2", "-1", "0",
                                           "1",  "2",  "3",  "4",  "5",  "6",  "7"};
  std::vector<float> widths;
  for (const std::string& l : labels) widths.push_back(MarkupWidth(l.c_str()));
  ClearLog();
  FE_SETDRAWWIDTH(2);  // as the line from 0 to 7 leaves it
  Y_a(31) = 0;
  SignedNumberLine();
  EXPECT_EQ(Y_a(31), 240);
  EXPECT_EQ(X_a(31), 80);
  EXPECT_EQ(X_a(32), 640);
  EXPECT_EQ(X_a(33), 1200);
  EXPECT_EQ(FE_GETDRAWWIDTH(), 3);

  // The line's own strokes; the printer draws the minus signs of the labels
  // as lines too, below them.
  std::vector<LoggedOp> lines;
  for (const LoggedOp& op : Ops("line")) {
    if (op.nums[1] <= 255 && op.nums[3] <= 255) lines.push_back(op);
  }
  ASSERT_EQ(lines.size(), 29u + 1 + 15);
  for (int i = 0; i < 29; ++i) {  // half-unit ticks at the width found
    EXPECT_EQ(lines[i].nums, (std::vector<double>{80.0 + 40 * i, 230, 80.0 + 40 * i, 250, 0, 2}));
  }
  EXPECT_EQ(lines[29].nums, (std::vector<double>{60, 240, 1220, 240, 0, 4}));
  const std::vector<LoggedOp> prints = PrintsAt(265);
  ASSERT_EQ(prints.size(), 15u);
  for (int i = 0; i < 15; ++i) {
    EXPECT_EQ(lines[30 + i].nums,
              (std::vector<double>{80.0 + 80 * i, 225, 80.0 + 80 * i, 255, 0, 4}));
    EXPECT_EQ(F_sa(i + 1), labels[i]);
    EXPECT_EQ(prints[i].text, labels[i]);
    EXPECT_FLOAT_EQ(prints[i].nums[0], 80 + 80 * i - widths[i] / 2) << labels[i];
    EXPECT_EQ(prints[i].nums[2], 0);
  }

  // A height the caller gives is kept.
  ClearLog();
  Y_a(31) = 320;
  SignedNumberLine();
  EXPECT_EQ(Y_a(31), 320);
  EXPECT_EQ(PrintsAt(345).size(), 15u);
  EXPECT_EQ(Ops("line")[0].nums[5], 3);  // the width the first call left
}

// ---- the point-moving loops ----------------------------------------------------------

struct LoopCase {
  const char* name;
  void (*line)();
  void (*loop)();
  std::string keys;
  float value;  // where Enter leaves the marker, in units
};

// A case prints as its name in test listings.
void PrintTo(const LoopCase& c, std::ostream* out) {
  *out << c.name;
}

class PointMoveLoopTest : public MarkingTest, public ::testing::WithParamInterface<LoopCase> {};

TEST_P(PointMoveLoopTest, MovesHalfAUnitAKeyAndWrapsToZeroPastItsLimits) {
  const LoopCase& c = GetParam();
  c.line();
  U(1) = U(2) = U(3) = U(4) = 30;
  X_a(1) = X_a(32);
  Keys(c.keys + "Enter");
  c.loop();
  EXPECT_EQ(X_a(1), X_a(32) + 80 * c.value);
  EXPECT_EQ(I_s, std::string(1, 13));
  EXPECT_EQ(CCC1, 0);
  // The last marker drawn stands where Enter was pressed.
  EXPECT_EQ(Discs(20).back().nums[0], X_a(1));
  EXPECT_EQ(Discs(20).back().nums[3], 9);
}

const LoopCase kLoopCases[] = {
    {"first_left_of_zero_stays_on_zero", PositiveNumberLine, PointMoveLoopOnPositiveLine, "Left ",
     0},
    {"first_on_six_and_a_half", PositiveNumberLine, PointMoveLoopOnPositiveLine,
     Repeat("Right", 13), 6.5},
    {"first_on_seven", PositiveNumberLine, PointMoveLoopOnPositiveLine, Repeat("Right", 14), 7},
    {"first_past_seven", PositiveNumberLine, PointMoveLoopOnPositiveLine, Repeat("Right", 15), 0},
    {"first_past_seven_then_on", PositiveNumberLine, PointMoveLoopOnPositiveLine,
     Repeat("Right", 16), 0.5},
    {"second_on_minus_two", PositiveNumberLine, PointMoveLoopLeftOfPositiveLine, Repeat("Left", 4),
     -2},
    {"second_on_minus_seven", PositiveNumberLine, PointMoveLoopLeftOfPositiveLine,
     Repeat("Left", 14), -7},
    {"second_past_minus_seven", PositiveNumberLine, PointMoveLoopLeftOfPositiveLine,
     Repeat("Left", 15), 0},
    {"second_on_seven", PositiveNumberLine, PointMoveLoopLeftOfPositiveLine, Repeat("Right", 14),
     7},
    {"second_past_seven", PositiveNumberLine, PointMoveLoopLeftOfPositiveLine, Repeat("Right", 15),
     0},
    {"third_on_minus_seven", SignedNumberLine, PointMoveLoopOnSignedLine, Repeat("Left", 14), -7},
    {"third_past_minus_seven", SignedNumberLine, PointMoveLoopOnSignedLine, Repeat("Left", 15), 0},
    {"third_on_seven", SignedNumberLine, PointMoveLoopOnSignedLine, Repeat("Right", 14), 7},
    {"third_past_seven", SignedNumberLine, PointMoveLoopOnSignedLine, Repeat("Right", 15), 0},
    {"third_back_and_forth", SignedNumberLine, PointMoveLoopOnSignedLine, "Right Left Left ", -0.5},
    {"other_keys_are_ignored", SignedNumberLine, PointMoveLoopOnSignedLine, "A 5 Space Right ",
     0.5},
};

INSTANTIATE_TEST_SUITE_P(Variants, PointMoveLoopTest, ::testing::ValuesIn(kLoopCases),
                         [](const auto& test) { return std::string(test.param.name); });

struct VariantCase {
  void (*line)();
  void (*loop)();
  std::vector<double> erase_box;
  const char* prompt;
  int found_pairs;
};

TEST_F(MarkingTest, EachVariantErasesItsOwnAreaAfterAMoveAndShowsItsPrompt) {
  const VariantCase cases[] = {
      {PositiveNumberLine,
       PointMoveLoopOnPositiveLine,
       {620, 150, 1300, 320},
       "点を ←→で動かす。Enterキーで確定",
       1},
      {PositiveNumberLine,
       PointMoveLoopLeftOfPositiveLine,
       {60, 150, 1300, 320},
       "点を ←→で動かす。Enterキーで確定",
       1},
      {SignedNumberLine,
       PointMoveLoopOnSignedLine,
       {20, 150, 1260, 320},
       "点を ←→で動かす。Enterキーで終了",
       2},
  };
  for (const VariantCase& c : cases) {
    c.line();
    U(1) = U(2) = U(3) = U(4) = 30;
    X_a(1) = X_a(32);
    ClearLog();
    Keys("Right Left A Enter");
    c.loop();
    // A box after each of the two moves; none for the letter or Enter.
    EXPECT_EQ(BoxesFrom(150), (std::vector<std::vector<double>>{c.erase_box, c.erase_box}));
    EXPECT_EQ(Notices(), std::vector<std::string>(4, Utf8(c.prompt)));
    // Each pass draws the found points (two a pair) before the marker.
    EXPECT_EQ(Discs(15).size(), 4u * 2 * c.found_pairs);
  }
}

TEST_F(MarkingTest, EnterFirstReturnsAtOnceWithNothingErased) {
  PositiveNumberLine();
  U(1) = U(2) = 30;
  X_a(1) = X_a(32);
  ClearLog();
  Keys("Enter");
  PointMoveLoopOnPositiveLine();
  EXPECT_EQ(X_a(1), 680);
  EXPECT_TRUE(BoxesFrom(150).empty());
  EXPECT_TRUE(Ops("line").empty());  // the line is not redrawn
}

TEST_F(MarkingTest, FoundPointsShowWithCentredLabelsAndEmptySlotsLieOffThePage) {
  const float w2 = MarkupWidth("2"), w35 = MarkupWidth("-3.5");
  PositiveNumberLine();
  SignedNumberLine();
  U(1) = 2;
  U(2) = 30;
  U(3) = 30;
  U(4) = -3.5;
  X_a(1) = X_a(32);
  ClearLog();
  Keys("Enter");
  PointMoveLoopOnSignedLine();
  const std::vector<LoggedOp> discs = Discs(15);
  ASSERT_EQ(discs.size(), 4u);
  EXPECT_EQ(discs[0].nums, (std::vector<double>{800, 240, 15, 5, 3}));
  EXPECT_EQ(discs[1].nums[0], 640 + 2400);  // 3.5 not found: off the page
  EXPECT_EQ(discs[2].nums[0], 640 + 2400);
  EXPECT_EQ(discs[3].nums[0], 360);
  const std::vector<LoggedOp> labels = PrintsAt(150);
  ASSERT_EQ(labels.size(), 4u);
  EXPECT_EQ(labels[0].text, "2");
  EXPECT_FLOAT_EQ(labels[0].nums[0], 800 - w2 / 2);
  EXPECT_EQ(labels[0].nums[2], 5);
  EXPECT_GT(labels[1].nums[0], kPageWidth);
  EXPECT_GT(labels[2].nums[0], kPageWidth);
  EXPECT_EQ(labels[3].text, "-3.5");
  EXPECT_FLOAT_EQ(labels[3].nums[0], 360 - w35 / 2);
  // The marker comes after the found points and covers a point it stands on.
  EXPECT_EQ(Ops("disc").back().nums, (std::vector<double>{640, 240, 20, 9, 3}));
}

// ---- reading the confirmed point ---------------------------------------------------------

TEST_F(MarkingTest, TheConfirmedPointIsLabelledWithItsValue) {
  const struct {
    float value;
    const char* label;
  } cases[] = {{0, "0"},     {0.5, "0.5"}, {-0.5, "-0.5"}, {3, "3"},
               {3.5, "3.5"}, {7, "7"},     {-7, "-7"},     {-1.5, "-1.5"}};
  for (const auto& c : cases) {
    const float width = MarkupWidth(c.label);
    SignedNumberLine();
    U(1) = U(2) = U(3) = U(4) = 30;
    X_a(1) = 640 + 80 * c.value;
    ClearLog();
    ReadMarkedSignedPoint();
    EXPECT_EQ(T(1), c.value);
    EXPECT_EQ(T_s(1), c.label);
    // The disc on the line, then the label centred 90 above it in colour 5.
    const std::vector<LoggedOp> discs = Discs(15);
    ASSERT_FALSE(discs.empty());
    EXPECT_EQ(discs[0].nums[0], X_a(1));
    const std::vector<LoggedOp> labels = PrintsAt(150);
    ASSERT_FALSE(labels.empty());
    EXPECT_EQ(labels[0].text, c.label);
    EXPECT_FLOAT_EQ(labels[0].nums[0], X_a(1) - width / 2) << c.label;
    EXPECT_EQ(labels[0].nums[2], 5);
    EXPECT_EQ(CCC1, 5);
  }
}

TEST_F(MarkingTest, OnlyAnExactTargetFillsItsSlot) {
  const struct {
    void (*line)();
    void (*read)();
    float value;
    std::vector<float> slots;  // U(1)..U(4) afterwards, from all 30
  } cases[] = {
      {PositiveNumberLine, ReadMarkedPoint, 2, {2, 30, 30, 30}},
      {PositiveNumberLine, ReadMarkedPoint, 3.5, {30, 3.5, 30, 30}},
      {PositiveNumberLine, ReadMarkedPoint, 3, {30, 30, 30, 30}},
      {PositiveNumberLine, ReadMarkedPoint, 0, {30, 30, 30, 30}},
      {PositiveNumberLine, ReadMarkedPoint, -2, {30, 30, 30, 30}},  // tests only 2 and 3.5
      {SignedNumberLine, ReadMarkedSignedPoint, -2, {30, 30, -2, 30}},
      {SignedNumberLine, ReadMarkedSignedPoint, -3.5, {30, 30, 30, -3.5}},
      {SignedNumberLine, ReadMarkedSignedPoint, 2, {30, 30, 30, 30}},  // tests only -2, -3.5
      {SignedNumberLine, ReadMarkedSignedPoint, 3.5, {30, 30, 30, 30}},
      {SignedNumberLine, ReadMarkedSignedPoint, -2.5, {30, 30, 30, 30}},
  };
  for (const auto& c : cases) {
    c.line();
    U(1) = U(2) = U(3) = U(4) = 30;
    X_a(1) = X_a(32) + 80 * c.value;
    c.read();
    EXPECT_EQ((std::vector<float>{U(1), U(2), U(3), U(4)}), c.slots) << c.value;
  }
}

TEST_F(MarkingTest, AMissKeepsTheSlotsAndAHitAddsToThem) {
  SignedNumberLine();
  U(1) = 2;
  U(2) = 3.5;
  U(3) = 30;
  U(4) = 30;
  X_a(1) = 640 - 80 * 3.5f;
  ReadMarkedSignedPoint();
  X_a(1) = 640 - 80 * 2;
  ReadMarkedSignedPoint();
  X_a(1) = 640 + 80;
  ClearLog();
  ReadMarkedSignedPoint();
  EXPECT_EQ((std::vector<float>{U(1), U(2), U(3), U(4)}), (std::vector<float>{2, 3.5, -2, -3.5}));
  // All four found points are drawn after the reading of 1.
  std::vector<double> xs;
  for (const LoggedOp& op : Discs(15)) xs.push_back(op.nums[0]);
  EXPECT_EQ(xs, (std::vector<double>{720, 800, 920, 480, 360}));
}

TEST_F(MarkingTest, ALeftOfZeroReadingOnTheLineFromZeroToSevenShowsTheNegativeValue) {
  PositiveNumberLine();
  U(1) = 2;
  U(2) = 3.5;
  X_a(1) = 680 - 160;
  ClearLog();
  ReadMarkedPoint();
  EXPECT_EQ(T_s(1), "-2");
  ASSERT_FALSE(PrintsAt(150).empty());
  EXPECT_EQ(PrintsAt(150)[0].text, "-2");
  EXPECT_EQ(Discs(15)[0].nums[0], 520);
}

TEST_F(MarkingTest, EachReaderAndShowRoutineErasesItsOwnBox) {
  const struct {
    void (*line)();
    void (*routine)();
    std::vector<double> box;
  } cases[] = {
      {PositiveNumberLine, ReadMarkedPoint, {60, 160, 1300, 320}},
      {SignedNumberLine, ReadMarkedSignedPoint, {20, 150, 1260, 320}},
      {PositiveNumberLine, ShowTargetPoints, {60, 140, 1300, 320}},
      {SignedNumberLine, ShowSignedTargetPoints, {20, 140, 1260, 320}},
  };
  for (const auto& c : cases) {
    c.line();
    U(1) = 2;
    U(2) = 3.5;
    X_a(1) = X_a(32);
    ClearLog();
    c.routine();
    const std::vector<LoggedOp> boxes = Ops("box");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].nums, (std::vector<double>{c.box[0], c.box[1], c.box[2], c.box[3], 15, 15,
                                                  15, boxes[0].nums[7]}));
  }
}

TEST_F(MarkingTest, TheTargetsAreShownWithTheirLabels) {
  const float w2 = MarkupWidth("2"), wp2 = MarkupWidth("+2"), wp35 = MarkupWidth("+3.5"),
              wm2 = MarkupWidth("-2");
  U(1) = U(2) = U(3) = U(4) = 30;
  ClearLog();
  ShowTargetPoints();
  EXPECT_EQ((std::vector<float>{U(1), U(2)}), (std::vector<float>{2, 3.5}));
  std::vector<LoggedOp> labels = PrintsAt(150);
  ASSERT_EQ(labels.size(), 2u);
  EXPECT_EQ(labels[0].text, "2");
  EXPECT_FLOAT_EQ(labels[0].nums[0], 840 - w2 / 2);
  EXPECT_EQ(labels[1].text, "3.5");

  ClearLog();
  U(1) = 2;
  U(2) = 30;  // a point the caller left unfound shows nowhere
  ShowSignedTargetPoints();
  EXPECT_EQ((std::vector<float>{U(3), U(4)}), (std::vector<float>{-2, -3.5}));
  labels = PrintsAt(150);
  ASSERT_EQ(labels.size(), 4u);
  EXPECT_EQ(labels[0].text, "+2");
  EXPECT_FLOAT_EQ(labels[0].nums[0], 800 - wp2 / 2);
  EXPECT_EQ(labels[1].text, "+3.5");
  EXPECT_FLOAT_EQ(labels[1].nums[0], 3040 - wp35 / 2);
  EXPECT_EQ(labels[2].text, "-2");
  EXPECT_FLOAT_EQ(labels[2].nums[0], 480 - wm2 / 2);
  EXPECT_EQ(labels[3].text, "-3.5");
}

// ---- the change to the full line ---------------------------------------------------------

TEST_F(MarkingTest, APointLeftAtMinusTwoKeepsItsValueOnTheFullLine) {
  const float w2 = MarkupWidth("-2");
  AINP = 10;
  // The try: four steps left of 0 and Enter; a key; on the full line Enter
  // on 0, 1 at the next-step prompt; a key before the textbook line.
  Keys(Repeat("Left", 4) + "Enter A Enter 1 Enter A");
  MarkNegativePointsPage();
  // The try's disc: at -2 of the line from 0 to 7 (520), then, after the
  // change, at -2 of the full line (480), labelled "-2" there, never "-1.5".
  std::vector<double> xs;
  for (const LoggedOp& op : Discs(15)) xs.push_back(op.nums[0]);
  const auto reading = std::find(xs.begin(), xs.end(), 480);
  ASSERT_NE(reading, xs.end());
  EXPECT_NE(std::find(xs.begin(), reading, 520), reading);
  int minus_two_labels = 0;
  for (const LoggedOp& op : PrintsAt(150)) {
    minus_two_labels += op.text == "-2" && op.nums[0] == 480 - w2 / 2;
    EXPECT_NE(op.text, "-1.5");
  }
  // The reading's own label and its hit's over it, and the target at the end.
  EXPECT_EQ(minus_two_labels, 3);
  // That reading's hit does not count: the reading draws slots 1 to 4 (800,
  // 920, -2 found: 480, 3040), then the first pass on the full line draws the
  // slot of -2 off the page again.
  ASSERT_GE(xs.end() - reading, 9);
  EXPECT_EQ((std::vector<double>(reading, reading + 9)),
            (std::vector<double>{480, 800, 920, 480, 3040, 800, 920, 3040, 3040}));
  EXPECT_EQ(U(3), -2);  // set again by the shown targets
  EXPECT_EQ(Ops("print").back().text, Utf8("教科書 問5　をしなさい。"));
}

TEST_F(MarkingTest, ATryAtEitherEndIsReadAtTheSameEndOfTheFullLine) {
  const struct {
    const char* key;
    const char* label;
    const char* shifted_label;  // what the point would read without moving
    double x;                   // of the point on the full line
  } cases[] = {{"Right", "7", "7.5", 1200}, {"Left", "-7", "-6.5", 80}};
  for (const auto& c : cases) {
    const float width = MarkupWidth(c.label);
    AINP = 10;
    Keys(Repeat(c.key, 14) + "Enter A Enter 1 Enter A");
    ClearLog();
    MarkNegativePointsPage();
    bool read_on_full_line = false;
    for (const LoggedOp& op : PrintsAt(150)) {
      read_on_full_line |= op.text == c.label && op.nums[0] == c.x - width / 2;
      EXPECT_NE(op.text, c.shifted_label);
    }
    EXPECT_TRUE(read_on_full_line) << c.label;
  }
}

}  // namespace

}  // namespace almeno
