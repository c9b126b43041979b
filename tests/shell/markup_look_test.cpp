// How a mixed markup line looks on the page: the pixels, not the log.
#include <gtest/gtest.h>

#include "headless_fixture.h"
#include "page_pixels.h"
#include "shell.h"

namespace {

class MarkupLookTest : public StartedPageTest {
 protected:
  void SetUp() override {
    StartedPageTest::SetUp();
    JYOU = JYOUK = HROOT = KAKKO = BUN = 0;
  }

  Ink InkOf(int x1, int x2, int y1, int y2) { return InkIn(backend().page(), x1, y1, x2, y2); }
};

TEST_F(MarkupLookTest, ItalicLetterStandsOnTheLineOfTheDigitsAndClearsTheNextSign) {
  X = 100;
  Y = 200;
  CCC1 = 0;
  AA_s = "2x";
  PrintMarkup();
  Ink digit = InkOf(100, 127, 150, 260);
  Ink letter = InkOf(127, 160, 150, 260);
  ASSERT_GE(digit.bottom, 0);
  ASSERT_GE(letter.bottom, 0);
  EXPECT_NEAR(letter.bottom, digit.bottom, 3);
  EXPECT_GT(letter.top, digit.top + 8);  // an x is lower than a digit
  // The line-drawn sign of "2x+3" starts at 158 with its round cap.
  EXPECT_LT(letter.right, 156);
}

TEST_F(MarkupLookTest, ExponentIsRaisedAndFractionPartsClearTheBar) {
  X = 100;
  Y = 200;
  CCC1 = 0;
  AA_s = "2^3ﾀ3/8ﾀ";
  PrintMarkup();
  Ink base = InkOf(100, 127, 150, 260);
  Ink exponent = InkOf(127, 151, 150, 260);
  EXPECT_LT(exponent.bottom, base.bottom - 10);
  EXPECT_LE(exponent.top, base.top + 2);
  // Numerator above the bar (y 223 to 227), denominator below it.
  Ink numerator = InkOf(151, 183, 150, 222);
  Ink denominator = InkOf(151, 183, 229, 300);
  EXPECT_GE(numerator.bottom, 205);
  EXPECT_LT(numerator.bottom, 222);
  EXPECT_GT(denominator.top, 228);
}

}  // namespace
