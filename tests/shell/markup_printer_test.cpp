// The markup printer and its glyph drawer, against the operation log.
#include <gtest/gtest.h>

#include "headless_fixture.h"
#include "log_lines.h"
#include "shell.h"

namespace {

using MarkupPrinterTest = MarkupTest;

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

TEST_F(MarkupPrinterTest, ABackslashRaisesASmallExponentAfterTheBracket) {
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

TEST_F(MarkupPrinterTest, ALetterIsDrawnInItalicSerifAndItsExponentAfterIt) {
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
      {"", 0},
      {"2^3", 51},
      {"72=2^3*3^2", 215},  // 27 27 32 27 24 27 27 24
      {"(-5)\\3", 132},
      {"%", 12},
      {"'", 12},
      {".", 8},
      {" ", 27},
      {"^ ", 24},  // a pending exponent falls on the space
      {"=", 32},
      {"l", 32},
      {"a", 27},
      {"&", 36},
      {"＃", 36},
      {"!3", 55},
      {"*", 27},
      {"/", 27},
      {"@", 27},
      {"あ", 34},
      {"ぢみ", 68},  // second bytes 0xC0 and 0xDD are not markup
      {"ｱ", 27},
      {"z", 27},
      {"ﾀ3/8", 81},  // unclosed: the bracket is dropped, "/" is a
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

// Every row of the glyph drawer, one run each from the pen (100, 200) in
// colour 4: what it draws, how far the pen moves and the state it leaves.
TEST_F(MarkupPrinterTest, GlyphRowsDrawAndAdvanceAsTheTableSays) {
  struct State {
    float bun = 0, kakko = 0, jyou = 0, jyouk = 0, hroot = 0, txm = 0;
    bool operator==(const State&) const = default;
  };
  const struct {
    const char* run;
    State in;
    std::vector<std::string> lines;
    float advance;
    State out;  // TXM out as listed (the pen after the run when no bar runs)
  } cases[] = {
      // Control marks: nothing drawn, the pen and TXM stay.
      {"^", {}, {}, 0, {.jyou = 1}},
      {"\\", {}, {}, 0, {.jyouk = 1}},
      {"ﾝ", {.hroot = 1, .txm = 50}, {}, 0, {.txm = 50}},
      // Signs drawn as polylines.
      {"!",
       {},
       {"polyline 4 3 5 104 236 108 224 116 240 124 196 132 196"},
       28,
       {.hroot = 1, .txm = 128}},
      {"√",
       {.bun = 1},
       {"polyline 4 3 5 104 224 108 213 116 229 124 194 126 194"},
       26,
       {.bun = 1, .hroot = 11, .txm = 126}},
      {"&", {}, {"polyline 4 5 5 104 240 125 240 132 208 111 208 104 240"}, 36, {.txm = 136}},
      {"＃", {}, {"polyline 4 5 5 110 208 104 236 126 236 132 208 110 208"}, 36, {.txm = 136}},
      {"!",
       {.jyou = 1},
       {"polyline 4 3 5 104 236 108 224 116 240 124 196 132 196"},
       28,
       {.jyou = 1, .hroot = 1, .txm = 128}},  // a pending exponent stays pending
      // Glyph rows 1 to 21.
      {".", {.jyou = 1}, {"text 97 214 3 2 4 16 1 0 ゴシック ."}, 8, {.jyou = 1, .txm = 108}},
      {"'", {}, {"text 100 200 3 3 4 16 1 0 ゴシック '"}, 12, {.txm = 112}},
      {"%", {}, {"text 100 200 3 3 4 16 1 0 ゴシック °"}, 12, {.txm = 112}},
      {"(", {.kakko = 1}, {"text 96 194 3 4 4 16 1 0 ゴシック ("}, 27, {.kakko = 1, .txm = 127}},
      {")", {.kakko = 1}, {"text 106 194 3 4 4 16 1 0 ゴシック )"}, 27, {.txm = 127}},
      {"=", {.jyou = 1}, {"text 104 200 3 3 4 14 1 0 ゴシック ="}, 32, {.jyou = 1, .txm = 132}},
      {"3",
       {.jyou = 1, .jyouk = 1},
       {"text 100 190 6 3 4 8 1 0 ゴシック 3"},
       24,
       {.jyou = 1, .txm = 124}},  // the raised exponent first
      {"3",
       {.bun = 1, .jyou = 1},
       {"text 100 196 6 3 4 8 1 0 ゴシック 3"},
       24,
       {.bun = 1, .txm = 124}},
      {"-", {.jyou = 1}, {"text 100 200 3 2 4 16 1 0 ゴシック -"}, 24, {.txm = 124}},
      {"x",
       {.bun = 1},
       {"text 104 184 12 5 4 8 1 1 Times New Roman x"},
       32,
       {.bun = 1, .txm = 132}},
      {"a", {}, {"text 104 178 10 7 4 8 1 1 Times New Roman a"}, 27, {.txm = 127}},
      {"c", {}, {"text 104 178 10 7 4 8 1 1 Times New Roman c"}, 27, {.txm = 127}},
      {"l3",
       {},
       {"text 100 200 6 3 4 16 1 0 MT Extra l", "text 132 200 3 3 4 16 0 0 ゴシック 3"},
       59,
       {.txm = 159}},  // the rest of the run is not bold
      {"-", {.bun = 1}, {"line 106 214 126 214 4 5"}, 32, {.bun = 1, .txm = 132}},
      {"+",
       {.bun = 1},
       {"line 106 214 126 214 4 5", "line 116 204 116 224 4 5"},
       32,
       {.bun = 1, .txm = 132}},
      {"-", {}, {"line 104 220 123 220 4 5"}, 27, {.txm = 127}},
      {"+", {}, {"line 104 222 123 222 4 5", "line 113 210 113 234 4 5"}, 27, {.txm = 127}},
      {"*", {}, {"text 96 200 2 3 4 16 1 0 ゴシック ×"}, 27, {.txm = 127}},
      {"/", {}, {"text 96 200 2 3 4 16 1 0 ゴシック ÷"}, 27, {.txm = 127}},
      {"@", {}, {"text 96 200 2 3 4 16 1 0 ゴシック ±"}, 27, {.txm = 127}},
      {" ", {}, {}, 27, {.txm = 127}},
      {" ", {.bun = 1}, {}, 27, {.bun = 1, .txm = 127}},
      {"*", {.bun = 1}, {"text 100 200 3 3 4 11 1 0 ゴシック ×"}, 38, {.bun = 1, .txm = 138}},
      {"あ", {.bun = 1}, {"text 100 200 3 3 4 11 1 0 ゴシック あ"}, 38, {.bun = 1, .txm = 138}},
      {"あ", {}, {"text 100 200 2 3 4 16 1 0 ゴシック あ"}, 34, {.txm = 134}},
      {"ｱ", {.bun = 1}, {"text 100 200 4 2 4 16 1 0 ゴシック ｱ"}, 32, {.bun = 1, .txm = 132}},
      {"z", {}, {"text 100 200 3 3 4 16 1 0 ゴシック z"}, 27, {.txm = 127}},
      // The overbar stage: the bar is redrawn from TXM to the pen.
      {"3",
       {.hroot = 1, .txm = 90},
       {"text 100 200 3 3 4 16 1 0 ゴシック 3", "line 90 196 127 196 4 3"},
       27,
       {.hroot = 1, .txm = 90}},
      {"3",
       {.bun = 1, .hroot = 11, .txm = 90},
       {"text 100 200 4 2 4 16 1 0 ゴシック 3", "line 90 194 132 194 4 3"},
       32,
       {.bun = 1, .hroot = 11, .txm = 90}},
      {"3",
       {.hroot = 22, .txm = 90},
       {"text 100 200 3 3 4 16 1 0 ゴシック 3", "line 90 186 127 186 4 3"},
       27,
       {.hroot = 22, .txm = 90}},
      {"3",
       {.bun = 1, .hroot = 22, .txm = 90},
       {"text 100 200 4 2 4 16 1 0 ゴシック 3"},
       32,
       {.bun = 1, .hroot = 22, .txm = 132}},
      {"&",
       {.hroot = 1, .txm = 90},
       {"polyline 4 5 5 104 240 125 240 132 208 111 208 104 240"},
       36,
       {.hroot = 1, .txm = 136}},  // no bar over the shape; it goes on after it
  };
  for (const auto& c : cases) {
    BUN = c.in.bun;
    KAKKO = c.in.kakko;
    JYOU = c.in.jyou;
    JYOUK = c.in.jyouk;
    HROOT = c.in.hroot;
    TXM = c.in.txm;
    FE_SETDRAWWIDTH(2);
    FE_SETFONTNAME("ｺﾞｼｯｸ");
    ClearLog();
    X = 100;
    Y = 200;
    A_s = c.run;
    DrawMarkupRun();
    const std::string what = Utf8(c.run) + " BUN " + std::to_string(int(c.in.bun));
    EXPECT_EQ(LogLines(Log()), Expected(c.lines)) << what;
    EXPECT_EQ(X, 100 + c.advance) << what;
    EXPECT_EQ(Y, 200) << what;
    EXPECT_EQ(A_s, c.run) << what;
    const State out{BUN, KAKKO, JYOU, JYOUK, HROOT, TXM};
    EXPECT_TRUE(out == c.out) << what << ": BUN " << BUN << " KAKKO " << KAKKO << " JYOU " << JYOU
                              << " JYOUK " << JYOUK << " HROOT " << HROOT << " TXM " << TXM;
    EXPECT_EQ(FE_GETDRAWWIDTH(), 2) << what;
    const FontState& font = backend().page().font;
    EXPECT_EQ(Utf8(font.face), Utf8("ゴシック")) << what;
    EXPECT_EQ(font.size, 16) << what;
    EXPECT_FALSE(font.bold) << what;
    EXPECT_FALSE(font.italic) << what;
  }
}

// "^" is one flag for both printers: a mark left by one acts on the other.
TEST_F(MarkupPrinterTest, ExponentMarkIsSharedWithThePlainTextPrinter) {
  Print("2^");
  X = 300;
  AA_s = "3";
  DrawPlainText();  // unconverted: the half-width 3, lifted by 4
  EXPECT_EQ(LogLines({Ops("text").back()}), Expected({"text 300 196 1 1 4 16 1 0 ゴシック 3"}));
  EXPECT_EQ(JYOU, 0);

  AA_s = "x^";
  DrawPlainText();
  EXPECT_EQ(JYOU, 1);
  Print("3");
  EXPECT_EQ(LogLines({Ops("text").back()}), Expected({"text 100 200 3 2 4 16 1 0 ゴシック 3"}));
  EXPECT_EQ(X, 124);
  EXPECT_EQ(JYOU, 0);
}

TEST_F(MarkupPrinterTest, EmptyTextDrawsNothingButItsPrintLine) {
  FE_SETDRAWWIDTH(4);
  Print("");
  EXPECT_EQ(LogLines(Log()), Expected({"print PrintMarkup 100 200 4 "}));
  EXPECT_EQ(X, 100);
  EXPECT_EQ(FE_GETDRAWWIDTH(), 4);
}

}  // namespace
