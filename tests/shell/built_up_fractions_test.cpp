// Built-up fractions through the markup printer, against the operation log.
#include <gtest/gtest.h>

#include "headless_fixture.h"
#include "log_lines.h"
#include "shell.h"

namespace {

using BuiltUpFractionTest = MarkupTest;

TEST_F(BuiltUpFractionTest, ThreeEighthsMeasuresItsPartsThenDrawsThem) {
  FE_SETDRAWWIDTH(2);
  Print("ﾀ3/8ﾀ");
  EXPECT_EQ(LogLines(Log()), Expected({
                                 "print PrintMarkup 100 200 4 ﾀ3/8ﾀ",
                                 "print PrintMarkup 0 1800 4 3",
                                 "text 0 1800 4 2 4 16 1 0 ゴシック 3",
                                 "print PrintMarkup 0 1800 4 8",
                                 "text 0 1800 4 2 4 16 1 0 ゴシック 8",
                                 "line 100 225 132 225 4 4",
                                 "text 100 228 4 2 4 16 1 0 ゴシック 8",
                                 "text 100 190 4 2 4 16 1 0 ゴシック 3",
                             }));
  EXPECT_EQ(X, 132);
  EXPECT_EQ(Y, 200);
  EXPECT_EQ(BUN, 0);
  EXPECT_EQ(FE_GETDRAWWIDTH(), 2);
  EXPECT_EQ(TBSIYAKX, 100);
  EXPECT_EQ(TBSIYAKY, 190);
  EXPECT_EQ(TBBOYAKX, 100);
  EXPECT_EQ(TBBOYAKY, 228);
}

TEST_F(BuiltUpFractionTest, ProductsOverProductsAfterASignedEquals) {
  Print("=-ﾀ6*10/5*3ﾀ");
  EXPECT_EQ(LogLines(OnPage(Log())), Expected({
                                         "print PrintMarkup 100 200 4 =-ﾀ6*10/5*3ﾀ",
                                         "text 104 200 3 3 4 14 1 0 ゴシック =",
                                         "line 136 220 155 220 4 5",
                                         // numerator 32+38+32+32 = 134, denominator 102
                                         "line 159 225 293 225 4 4",
                                         "text 175 228 4 2 4 16 1 0 ゴシック 5",
                                         "text 207 228 3 3 4 11 1 0 ゴシック ×",
                                         "text 245 228 4 2 4 16 1 0 ゴシック 3",
                                         "text 159 190 4 2 4 16 1 0 ゴシック 6",
                                         "text 191 190 3 3 4 11 1 0 ゴシック ×",
                                         "text 229 190 4 2 4 16 1 0 ゴシック 1",
                                         "text 261 190 4 2 4 16 1 0 ゴシック 0",
                                     }));
  EXPECT_EQ(X, 293);
}

TEST_F(BuiltUpFractionTest, NarrowerPartIsCentredWithoutRounding) {
  Print("ﾀ12/9ﾀ");
  EXPECT_EQ(TBBOYAKX, 116);
  EXPECT_EQ(X, 164);
  Print("ﾀ3/8 ﾀ");  // denominator 32 + 27
  EXPECT_EQ(TBSIYAKX, 113.5f);
  EXPECT_EQ(Ops("text").back().nums[0], 113.5);
  EXPECT_EQ(X, 159);
}

TEST_F(BuiltUpFractionTest, SignsInsideAPartTakeTheirFractionForms) {
  Print("ﾀ-1/+2ﾀ");
  EXPECT_EQ(LogLines(OnPage(Ops("line"))), Expected({
                                               "line 100 225 164 225 4 4",
                                               "line 106 242 126 242 4 5",  // + in the denominator
                                               "line 116 232 116 252 4 5",
                                               "line 106 204 126 204 4 5",  // - in the numerator
                                           }));
}

TEST_F(BuiltUpFractionTest, UnderATallRadicalTheFractionGetsOneOverbar) {
  Print("#ﾀ1/2ﾀﾝ");
  EXPECT_EQ(LogLines(OnPage(Ops("line"))), Expected({
                                               "line 132 225 164 225 4 4",
                                               "line 132 186 164 186 4 3",
                                           }));
  EXPECT_EQ(X, 164);
  EXPECT_EQ(HROOT, 0);
}

TEST_F(BuiltUpFractionTest, UnderATallRadicalTheBarGoesOnFromThePenAfterTheNumerator) {
  // The parts draw no bar of their own; TXM follows their glyphs, so the next
  // glyph's bar starts after the numerator as drawn (1 centred over 23).
  Print("#ﾀ1/23ﾀ4ﾝ");
  EXPECT_EQ(LogLines(OnPage(Ops("line"))), Expected({
                                               "line 132 225 196 225 4 4",
                                               "line 132 186 196 186 4 3",
                                               "line 180 186 223 186 4 3",
                                           }));
  EXPECT_EQ(TBSIYAKX, 148);
  EXPECT_EQ(X, 223);
}

TEST_F(BuiltUpFractionTest, DenominatorIsLoweredForRadicalsAndExponents) {
  const std::pair<const char*, float> cases[] = {
      {"ﾀ3/8ﾀ", 28},   {"ﾀ3/8^2ﾀ", 36}, {"ﾀ3/√2ﾀﾝ", 44}, {"ﾀ!3ﾝ/8ﾀ", 36},
      {"ﾀ3/!2ﾝﾀ", 36}, {"ﾀ√3ﾝ/8ﾀ", 36}, {"ﾀ／/／ﾀ", 36},  // "／" holds the byte of "^"
  };
  for (auto [text, drop] : cases) {
    HROOT = JYOU = 0;
    Print(text);
    EXPECT_EQ(TBBOYAKY, 200 + drop) << Utf8(text);
    EXPECT_EQ(TBSIYAKY, 190) << Utf8(text);
  }
}

TEST_F(BuiltUpFractionTest, EmptyPartShowsNothingAndTheBarFitsTheOther) {
  Print("ﾀ/8ﾀ");
  EXPECT_EQ(LogLines(OnPage(Log())), Expected({
                                         "print PrintMarkup 100 200 4 ﾀ/8ﾀ",
                                         "line 100 225 132 225 4 4",
                                         "text 100 228 4 2 4 16 1 0 ゴシック 8",
                                     }));
  EXPECT_EQ(X, 132);
}

TEST_F(BuiltUpFractionTest, BodyWithoutSlashIsAllNumerator) {
  Print("ﾀ38ﾀ+1");
  EXPECT_EQ(TBSIYAKY, 190);
  EXPECT_EQ(X, 100 + 64 + 27 + 27);
  EXPECT_EQ(Texts(), Expected({"3", "8", "3", "8", "1"}));
}

}  // namespace
