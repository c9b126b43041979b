// The markup printer and its glyph drawer, against the operation log.
#include <gtest/gtest.h>

#include "headless_fixture.h"
#include "log_lines.h"
#include "shell.h"

namespace {

class MarkupPrinterTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    StartUp();
    JYOU = JYOUK = HROOT = TXM = KAKKO = BUN = 0;
    ClearLog();
  }

  void Print(const std::string& text, float x = 100, float y = 200) {
    X = x;
    Y = y;
    AA_s = text;
    PrintMarkup();
  }
};

TEST_F(MarkupPrinterTest, ExponentIsRaisedInPlaceAndPenEndsAt51) {
  Print("2^3");
  EXPECT_EQ(LogLines(Log()), Expected({
                                 "print PrintMarkup 100 200 4 2^3",
                                 "text 100 200 3 3 4 16 1 0 ゴシック 2",
                                 "text 127 200 3 2 4 16 1 0 ゴシック 3",
                             }));
  EXPECT_EQ(X, 151);
  EXPECT_EQ(Y, 200);
  EXPECT_EQ(JYOU, 0);
  EXPECT_EQ(AA_s, "");
}

TEST_F(MarkupPrinterTest, SmallRaisedExponentAfterABracket) {
  Print("(-5)\\3");
  EXPECT_EQ(LogLines(Log()), Expected({
                                 "print PrintMarkup 100 200 4 (-5)\\3",
                                 "text 100 200 3 3 4 16 1 0 ゴシック (",
                                 "line 131 220 150 220 4 5",
                                 "text 154 200 3 3 4 16 1 0 ゴシック 5",
                                 "text 181 200 3 3 4 16 1 0 ゴシック )",
                                 "text 208 190 6 3 4 8 1 0 ゴシック 3",
                             }));
  EXPECT_EQ(X, 232);
  EXPECT_EQ(JYOUK, 0);
}

TEST_F(MarkupPrinterTest, ItalicLetterWithExponent) {
  Print("x^2");
  EXPECT_EQ(LogLines(Log()), Expected({
                                 "print PrintMarkup 100 200 4 x^2",
                                 "text 104 178 10 7 4 8 1 1 Times New Roman x",
                                 "text 127 200 3 2 4 16 1 0 ゴシック 2",
                             }));
  EXPECT_EQ(X, 151);
}

TEST_F(MarkupPrinterTest, TallRadicalBarCoversOnlyUpToItsEnd) {
  Print("#2ﾝ+1");
  EXPECT_EQ(LogLines(Log()), Expected({
                                 "print PrintMarkup 100 200 4 #2ﾝ+1",
                                 "polyline 4 3 5 104 236 108 224 116 260 130 186 138 186",
                                 "text 132 200 3 3 4 16 1 0 ゴシック 2",
                                 "line 132 186 159 186 4 3",
                                 "line 163 222 182 222 4 5",
                                 "line 172 210 172 234 4 5",
                                 "text 186 200 3 3 4 16 1 0 ゴシック 1",
                             }));
  EXPECT_EQ(X, 213);
  EXPECT_EQ(HROOT, 0);
  EXPECT_EQ(TXM, 213);
}

TEST_F(MarkupPrinterTest, SmallRadicalBarGrowsGlyphByGlyph) {
  Print("!34ﾝ5");
  EXPECT_EQ(LogLines(Log()), Expected({
                                 "print PrintMarkup 100 200 4 !34ﾝ5",
                                 "polyline 4 3 5 104 236 108 224 116 240 124 196 132 196",
                                 "text 128 200 3 3 4 16 1 0 ゴシック 3",
                                 "line 128 196 155 196 4 3",
                                 "text 155 200 3 3 4 16 1 0 ゴシック 4",
                                 "line 128 196 182 196 4 3",
                                 "text 182 200 3 3 4 16 1 0 ゴシック 5",
                             }));
  EXPECT_EQ(TXM, 209);
}

TEST_F(MarkupPrinterTest, AdvancesPerKindOfGlyph) {
  const std::pair<const char*, float> cases[] = {
      {"", 0},          {"2^3", 51}, {"72=2^3*3^2", 215},  // 27 27 32 27 24 27 27 24
      {"(-5)\\3", 132}, {"%", 12},   {"'", 12},           {".", 8},
      {" ", 27},        {"^ ", 24},  // a pending exponent falls on the space
      {"=", 32},        {"l", 32},   {"a", 27},           {"&", 36},
      {"＃", 36},       {"!3", 55},  {"*", 27},           {"/", 27},
      {"@", 27},        {"あ", 34},  {"ぢみ", 68},  // second bytes 0xC0 and 0xDD are not markup
      {"ｱ", 27},        {"z", 27},   {"ﾀ3/8", 81},  // unclosed: the bracket is dropped, "/" is a
                                                    // sign
      {"ﾝ\\^", 0},
  };
  for (auto [text, advance] : cases) {
    JYOU = JYOUK = HROOT = 0;
    Print(text, 50);
    EXPECT_EQ(X, 50 + advance) << Utf8(text);
    EXPECT_EQ(AA_s, "");
  }
}

TEST_F(MarkupPrinterTest, SignsStandInForTheirAsciiCharacters) {
  Print("*/@%!ﾀ3/8");
  EXPECT_EQ(Texts(), Expected({"×", "÷", "±", "°", "3", "÷", "8"}));
  // The multiplication sign sits 4 units left of the pen at 2 x 3.
  EXPECT_EQ(Ops("text")[0].nums[0], 96);
  EXPECT_EQ(Ops("text")[0].nums[2], 2);
  EXPECT_EQ(Ops("polyline").size(), 1u);  // "!" is the small radical
}

TEST_F(MarkupPrinterTest, MarksAtTheEndOfATextActOnTheNextText) {
  Print("2^");
  EXPECT_EQ(JYOU, 1);
  Print("3", 127);
  EXPECT_EQ(Ops("text").back().nums[3], 2);  // 3 x 2: the exponent form
  EXPECT_EQ(X, 151);
  EXPECT_EQ(JYOU, 0);

  Print("#");
  EXPECT_EQ(HROOT, 22);
  EXPECT_EQ(X, 132);
  ClearLog();
  Print("5", 132);
  EXPECT_EQ(LogLines(Ops("line")), Expected({"line 132 186 159 186 4 3"}));
}

TEST_F(MarkupPrinterTest, PendingExponentSkipsTheDotAndFallsOnTheNextGlyph) {
  Print("^.5");
  EXPECT_EQ(LogLines(Ops("text")), Expected({
                                       "text 97 214 3 2 4 16 1 0 ゴシック .",
                                       "text 108 200 3 2 4 16 1 0 ゴシック 5",
                                   }));
  EXPECT_EQ(X, 132);
}

TEST_F(MarkupPrinterTest, TallBracketsUntilTheFirstClosingOne) {
  KAKKO = 1;
  Print("((");
  EXPECT_EQ(KAKKO, 1);
  Print("))");
  EXPECT_EQ(KAKKO, 0);
  EXPECT_EQ(LogLines(Ops("text")), Expected({
                                       "text 96 194 3 4 4 16 1 0 ゴシック (",
                                       "text 123 194 3 4 4 16 1 0 ゴシック (",
                                       "text 106 194 3 4 4 16 1 0 ゴシック )",
                                       "text 127 200 3 3 4 16 1 0 ゴシック )",
                                   }));
}

TEST_F(MarkupPrinterTest, TallBracketsAroundASumOfFractionsOnly) {
  KAKKO = 1;
  Print("(ﾀ1/4ﾀ+ﾀ5/6ﾀ)*(-12)-(-13)");
  std::vector<LoggedOp> brackets;
  for (const LoggedOp& op : OnPage(Log())) {
    if (op.name == "text" && (op.text == "(" || op.text == ")")) brackets.push_back(op);
  }
  ASSERT_EQ(brackets.size(), 6u);
  EXPECT_EQ(brackets[0].nums[3], 4);  // tall
  EXPECT_EQ(brackets[1].nums[3], 4);
  for (int k = 2; k < 6; ++k) EXPECT_EQ(brackets[k].nums[3], 3) << k;
  EXPECT_EQ(KAKKO, 0);
}

TEST_F(MarkupPrinterTest, LeavesGothic16NotBoldAndTheDrawWidthItFound) {
  FE_SETDRAWWIDTH(2);
  FE_SETFONTNAME("ｺﾞｼｯｸ");
  Print("-1+x=l&");
  EXPECT_EQ(FE_GETDRAWWIDTH(), 2);
  for (const LoggedOp& op : Ops("line")) EXPECT_EQ(op.nums[5], 5);  // the signs at width 5
  const FontState& font = backend().page().font;
  EXPECT_EQ(font.face, "ゴシック");
  EXPECT_EQ(font.size, 16);
  EXPECT_FALSE(font.bold);
  EXPECT_FALSE(font.italic);
  // The script l: "MT Extra" 16 bold, 6 x 3.
  EXPECT_EQ(LogLines({Ops("text")[3]}), Expected({"text 240 200 6 3 4 16 1 0 MT Extra l"}));
}

TEST_F(MarkupPrinterTest, EmptyTextDrawsNothingButItsPrintLine) {
  FE_SETDRAWWIDTH(4);
  Print("");
  EXPECT_EQ(LogLines(Log()), Expected({"print PrintMarkup 100 200 4 "}));
  EXPECT_EQ(X, 100);
  EXPECT_EQ(FE_GETDRAWWIDTH(), 4);
}

}  // namespace
