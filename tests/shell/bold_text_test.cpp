// The bold printer, its measuring and its cells, against the operation log.
#include <gtest/gtest.h>

#include "headless_fixture.h"
#include "log_lines.h"
#include "shell.h"

namespace {

class BoldTextTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    StartUp();
    CCC1 = 3;
    ClearLog();
  }

  void Bold(const std::string& text, float x = 100, float y = 200) {
    X = x;
    Y = y;
    AA_s = text;
    DrawBoldText();
  }
};

TEST_F(BoldTextTest, AdvancesPerCharacter) {
  const std::pair<const char*, float> cases[] = {
      {"", 0},     {"-3", 40}, {"(5)", 40}, {"1.5", 48},
      {"   ", 60}, {"（", 30}, {"a,b", 48}, {"ﾀ3/8ﾀ", 100},  // no markup: five characters of 20
  };
  for (auto [text, advance] : cases) {
    Bold(text);
    EXPECT_EQ(X, 100 + advance) << Utf8(text);
    EXPECT_EQ(Y, 200);
    EXPECT_EQ(AA_s, "");
    A_s = text;
    MeasureBoldWidth();
    EXPECT_EQ(LLT, advance) << Utf8(text);
  }
}

TEST_F(BoldTextTest, DrawsEachCharacterInItsRow) {
  FE_SETFONTNAME("ｺﾞｼｯｸ");
  Bold("(y)あx");
  EXPECT_EQ(LogLines(Log()), Expected({
                                 "print DrawBoldText 100 200 3 (y)あx",
                                 "text 92 200 3 2 3 15 1 0 ｺﾞｼｯｸ (",
                                 "text 112 194 3 2 3 15 1 0 ｺﾞｼｯｸ y",
                                 "text 132 200 3 2 3 15 1 0 ｺﾞｼｯｸ )",
                                 "text 140 200 2 2 3 15 1 0 ｺﾞｼｯｸ あ",
                                 "text 174 188 7 4 3 8 1 1 Times New Roman x",
                             }));
  EXPECT_EQ(X, 190);
  const FontState& font = backend().page().font;
  EXPECT_EQ(font.face, "ゴシック");  // after a, x or c
  EXPECT_FALSE(font.italic);
  EXPECT_FALSE(font.bold);
  EXPECT_EQ(font.size, 16);
}

TEST_F(BoldTextTest, EmptyTextStillLeavesBoldOffAndSize16) {
  FE_SETFONTBOLD(-1);
  FE_SETFONTSIZE(11);
  FE_SETDRAWWIDTH(4);
  Bold("");
  EXPECT_FALSE(backend().page().font.bold);
  EXPECT_EQ(backend().page().font.size, 16);
  EXPECT_EQ(FE_GETDRAWWIDTH(), 4);
  EXPECT_EQ(X, 100);
}

TEST_F(BoldTextTest, MeasuringKeepsThePenAndDrawsOffThePage) {
  X = 55;
  Y = 66;
  A_s = "(-3)";
  MeasureBoldWidth();
  EXPECT_EQ(LLT, 60);
  EXPECT_EQ(X, 55);
  EXPECT_EQ(Y, 66);
  EXPECT_TRUE(OnPage(Log()).empty());
}

TEST_F(BoldTextTest, BracketNegative) {
  const std::pair<const char*, const char*> cases[] = {
      {"-3", "(-3)"}, {"3-2", "(3-2)"}, {"12", "12"}, {"", ""}, {"－3", "－3"}};
  for (auto [in, out] : cases) {
    A_s = in;
    BracketNegative();
    EXPECT_EQ(A_s, out) << Utf8(in);
  }
}

TEST_F(BoldTextTest, CellCentresItsTextOnALineOf26) {
  X = 200;
  Y = 300;
  HABA = 100;
  TATE = 46;
  CCC2 = 4;
  CCC3 = 12;
  A_s = "-3";
  DrawBoldCellText();
  EXPECT_EQ(LogLines(OnPage(Log())), Expected({
                                         "box 200 300 300 346 4 12 15 3",
                                         "print DrawBoldText 230 310 3 -3",
                                         "text 230 310 3 2 3 15 1 0 ｺﾞｼｯｸ -",
                                         "text 250 310 3 2 3 15 1 0 ｺﾞｼｯｸ 3",
                                     }));
  EXPECT_EQ(X, 300);
  EXPECT_EQ(Y, 300);
}

TEST_F(BoldTextTest, TwoLineCellLowersALoneUpperText) {
  for (const char* lower : {"5", ""}) {
    ClearLog();
    X = 10;
    Y = 100;
    HABA = 80;
    TATE = 90;
    A1_s = "12";
    A2_s = lower;
    DrawBoldTwoLineCell();
    std::vector<LoggedOp> prints = OnPage(Ops("print"));
    ASSERT_EQ(prints.size(), 2u);
    // Y2 = 100 + INT((45 - 26) / 2) = 109
    EXPECT_EQ(prints[0].nums[1], *lower ? 109 : 124);
    EXPECT_EQ(prints[0].nums[0], 30);
    EXPECT_EQ(prints[1].nums[1], 139);
    EXPECT_EQ(Ops("box").size(), 1u);
    EXPECT_EQ(X, 90);
    EXPECT_EQ(Y, 100);
  }
}

}  // namespace
