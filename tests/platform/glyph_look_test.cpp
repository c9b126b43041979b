// How glyphs sit in their cells: the pixels of the page.
#include <gtest/gtest.h>

#include "headless_fixture.h"
#include "page_pixels.h"

namespace {

class GlyphLookTest : public StartedPageTest {
 protected:
  void SetUp() override {
    StartedPageTest::SetUp();
    FE_SETFONTNAME("ゴシック");
    FE_SETFONTSIZE(16);
  }
  const Page& page() { return backend().page(); }
};

TEST_F(GlyphLookTest, HalfWidthZeroIsPlainWithoutASlash) {
  for (int bold : {0, -1}) {
    PsCLS();
    FE_SETFONTBOLD(bold);
    PsSYMBOL40(100, 100, 6, 4, 0, "0");  // a cell 48 x 64
    Ink zero = InkIn(page(), 100, 100, 148, 164);
    ASSERT_GT(zero.count, 0);
    // The hollow of the zero: along both diagonals of its middle, no ink.
    double cx = (zero.left + zero.right) / 2.0, cy = (zero.top + zero.bottom) / 2.0;
    double a = (zero.right - zero.left) / 2.0, b = (zero.bottom - zero.top) / 2.0;
    for (double t : {-0.2, -0.1, 0.0, 0.1, 0.2}) {
      EXPECT_EQ(page().Pixel(int(cx + t * a), int(cy + t * b)), 0xFFFFFFu) << bold << " " << t;
      EXPECT_EQ(page().Pixel(int(cx - t * a), int(cy + t * b)), 0xFFFFFFu) << bold << " " << t;
    }
  }
}

// A line of the pages is 44 units high (a header cell at y 30 to 74, the
// lines of a two-line cell 44 apart); its text is drawn 2 x 3, a cell 48 high.
TEST_F(GlyphLookTest, KanjiInkStaysInsideA44HighLineAndFillsMostOfIt) {
  for (int bold : {0, -1}) {
    PsCLS();
    FE_SETFONTBOLD(bold);
    PsSYMBOL40(40, 30, 2, 3, 0, "練習問題解答曜数");
    Ink line = InkIn(page(), 0, 0, kPageWidth, kPageHeight);
    EXPECT_GE(line.top, 30) << bold;
    EXPECT_LT(line.bottom, 74) << bold;
    EXPECT_GE(line.bottom - line.top + 1, 40) << bold;  // about 0.9 of the cell
    EXPECT_GE(line.left, 40);
    EXPECT_LT(line.right, 40 + 8 * 32);
  }
}

// Digits, kana and kanji of one line stand on one baseline.
TEST_F(GlyphLookTest, DigitsAndKanaShareTheBaselineOfTheKanji) {
  PsSYMBOL40(40, 30, 3, 3, 0, "135");
  PsSYMBOL40(112, 30, 2, 3, 0, "しに練");
  Ink digits = InkIn(page(), 40, 0, 112, 200);
  Ink shi = InkIn(page(), 112, 0, 144, 200);
  Ink ni = InkIn(page(), 144, 0, 176, 200);
  Ink ren = InkIn(page(), 176, 0, 208, 200);
  EXPECT_NEAR(digits.bottom, ni.bottom, 3);
  EXPECT_NEAR(shi.bottom, ren.bottom, 4);
  EXPECT_GT(digits.top, ren.top + 2);  // digits are lower than kanji
}

}  // namespace
