#include "sign_abs_result_drill.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "globals.h"
#include "headless_fixture.h"
#include "page_reader.h"
#include "shell.h"

namespace {

// Two layouts as different as the programs' drills get: boxes 4 from the
// texts with a black border, and boxes flush with the "=", 10 from the
// given texts, on narrower bands.
constexpr SignAbsResultLayout kWide{44, 88, 176, 80, {18, 178, 338}, 240, 0, 4, 0, 4};
constexpr SignAbsResultLayout kNarrow{40, 40, 120, 60, {30, 150, 270}, 180, 3, 0, 10, 10};

int g_made[3];
DrillExample Sum(int part, bool positive) {
  ++g_made[part];
  return positive ? DrillExample{"(+3)+(+4)=", "+", "7", "+7", true}
                  : DrillExample{"(+3)+(-4)=", "-", "1", "-1", false};
}
DrillExample SignPart() {
  return Sum(0, false);
}
DrillExample AbsolutePart() {
  return Sum(1, false);
}
DrillExample ResultPart() {
  return Sum(2, false);
}
DrillExample PositiveResult() {
  return Sum(2, true);
}

class SignAbsResultDrillTest : public StartedPageTest {
 protected:
  void SetUp() override {
    StartedPageTest::SetUp();
    g_made[0] = g_made[1] = g_made[2] = 0;
  }
  // "x y colour text" of every markup print on the page but the empty ones.
  std::vector<std::string> Prints() {
    return ::MarkupPrints(PrintsOf(Log()), EmptyTexts::kLeftOut);
  }
  // x1 y1 x2 y2 border of the answer boxes (fill 13), in order.
  std::vector<std::vector<double>> AnswerBoxes() {
    std::vector<std::vector<double>> out;
    for (const LoggedOp& op : Ops("box")) {
      if (op.nums[5] == 13)
        out.push_back({op.nums[0], op.nums[1], op.nums[2], op.nums[3], op.nums[4]});
    }
    return out;
  }
};

TEST_F(SignAbsResultDrillTest, ThreeBandsEachWithItsGivenPartAndItsBox) {
  Keys("a 1 Enter a 1 Enter a 1 Enter");
  SignAbsResultDrill(kWide, {SignPart, AbsolutePart, ResultPart});
  // "(+3)+(-4)=" is 9 half-width characters and "=": it ends 275 right.
  const std::vector<std::string> want = {
      "88 18 0 " + Utf8("問①　符号をいいなさい。"),
      "220 98 0 (+3)+(-4)=",
      "543 98 3 1",    // right after the box, which starts 4 after the "="
      "507.5 99 5 -",  // in the box: centred in 44, 1 below its top
      "88 178 0 " + Utf8("問②　絶対値をいいなさい。"),
      "220 258 0 (+3)+(-4)=",
      "495 258 3 -",
      "556.5 259 5 1",  // in the 88 box 4 after the sign
      "88 338 0 " + Utf8("問③　次の計算をしなさい。"),
      "220 418 0 (+3)+(-4)=",
      "495 418 5 -1",
  };
  EXPECT_EQ(Prints(), want);
  const std::vector<std::vector<double>> boxes = {{499, 98, 543, 144, 0},
                                                  {499, 98, 543, 144, 0},
                                                  {526, 258, 614, 304, 0},
                                                  {526, 258, 614, 304, 0}};
  EXPECT_EQ(AnswerBoxes(), boxes);
  // The first part blanks the page left of 1320, the others their band.
  std::vector<std::vector<double>> blanks;
  for (const LoggedOp& op : Ops("box")) {
    if (op.nums[5] == 15 && op.nums[1] < 639) {
      blanks.push_back({op.nums[0], op.nums[1], op.nums[2], op.nums[3]});
    }
  }
  const std::vector<std::vector<double>> want_blanks = {
      {0, 0, 1320, 1300}, {0, 178, 1320, 418}, {0, 338, 1320, 578}};
  EXPECT_EQ(blanks, want_blanks);
}

TEST_F(SignAbsResultDrillTest, EachAnswerWaitsForAKeyAndEachPartForItsOne) {
  // Two examples in the first part, three in the second, one in the third:
  // every part shows one although the part before was left with 1.
  Keys("a 2 Enter a 1 Enter a Enter a 0 Enter a 1 Enter a 1 Enter");
  SignAbsResultDrill(kWide, {SignPart, AbsolutePart, ResultPart});
  EXPECT_EQ(g_made[0], 2);
  EXPECT_EQ(g_made[1], 3);
  EXPECT_EQ(g_made[2], 1);
  EXPECT_EQ(AINP, 1);

  // Before the key the sign box is empty and the absolute value stands
  // beside it.
  ClearLog();
  Keys("a");
  EXPECT_THROW(SignAbsResultDrill(kNarrow, {SignPart, AbsolutePart, ResultPart}), HeadlessStop);
  const std::vector<std::string> prints = Prints();
  ASSERT_EQ(prints.size(), 4u);
  EXPECT_EQ(prints[2], "489 90 3 1");  // the "=" ends at 435, the box 44, then 10
  EXPECT_EQ(prints[3], "443.5 91 5 -");
  EXPECT_EQ(AnswerBoxes().front(), (std::vector<double>{435, 90, 479, 136, 3}));
}

TEST_F(SignAbsResultDrillTest, APositiveResultMayCarryTheNoteOnItsPlus) {
  Keys("a 1 Enter a 1 Enter a 1 Enter");
  SignAbsResultDrill(kNarrow, {SignPart, AbsolutePart, PositiveResult});
  const std::vector<std::string> prints = Prints();
  ASSERT_GE(prints.size(), 2u);
  EXPECT_EQ(prints[prints.size() - 2], "435 330 5 +7");
  // 100 right of the answer's end, in colour 3.
  EXPECT_EQ(prints.back(), "589 330 3 " + Utf8("答の + は書かない。"));
}

TEST_F(SignAbsResultDrillTest, EveryExampleShowsWhatItsPartMadeForIt) {
  // Each generator numbers what it makes: every question on the page is the
  // one made for it, never one left over from the pass or the part before.
  int made = 0;
  auto numbered = [&made](const char* sign) {
    return [&made, sign] {
      ++made;
      const std::string n = std::to_string(made);
      return DrillExample{"(" + std::string(sign) + n + ")+(+1)=", "+", n, "+" + n, false};
    };
  };
  Keys("a 2 Enter a 1 Enter a 1 Enter a 0 Enter a 1 Enter");
  SignAbsResultDrill(kWide, {numbered("+"), numbered("-"), numbered("+")});
  std::vector<std::string> questions;
  for (const std::string& print : Prints()) {
    if (print.find(")+(+1)=") != std::string::npos)
      questions.push_back(print.substr(print.rfind(' ') + 1));
  }
  const std::vector<std::string> want = {
      "(+1)+(+1)=", "(+2)+(+1)=", "(-3)+(+1)=", "(+4)+(+1)=", "(+5)+(+1)="};
  EXPECT_EQ(questions, want);
  EXPECT_EQ(made, 5);
}

}  // namespace
