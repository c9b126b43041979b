// Boxes cover exactly their rectangle; discs are at least as wide as the
// pen; the page knows which pixels its operations changed.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "headless.h"
#include "headless_fixture.h"
#include "page_pixels.h"

namespace {

class ShapesTest : public StartedPageTest {
 protected:
  const Page& page() { return backend().page(); }
  Ink AllInk() { return InkIn(page(), 0, 0, kPageWidth, kPageHeight); }
};

TEST_F(ShapesTest, FilledBoxPaintsItsRectangleAndNothingElse) {
  for (int pen : {1, 5, 12}) {
    SCOPED_TRACE(pen);
    PsCLS();
    FE_SETDRAWWIDTH(pen);
    PsBOX(100, 200, 300, 260, 13, 4);
    Ink box = AllInk();
    EXPECT_EQ(box.left, 100);
    EXPECT_EQ(box.top, 200);
    EXPECT_EQ(box.right, 299);
    EXPECT_EQ(box.bottom, 259);
    EXPECT_EQ(box.count, 200 * 60);
    // The border is the outer band, the pen width wide.
    EXPECT_EQ(page().Pixel(100, 230), page().Pixel(100 + pen - 1, 230));
    EXPECT_NE(page().Pixel(100 + pen - 1, 230), page().Pixel(100 + pen, 230));
    EXPECT_EQ(page().Pixel(299, 259), page().Pixel(100, 200));
  }
}

TEST_F(ShapesTest, ErasingBoxTouchesNothingOutsideItsRectangle) {
  for (int pen : {1, 5, 12}) {
    SCOPED_TRACE(pen);
    FE_SETDRAWWIDTH(pen);
    PsBOX(0, 0, 1440, 900, 0, 0);
    PsBOX(0, 657, 400, 693, 15, 15);
    EXPECT_EQ(kPageWidth * kPageHeight - AllInk().count, 400 * 36);
    EXPECT_NE(page().Pixel(200, 656), 0xFFFFFFu);
    EXPECT_NE(page().Pixel(200, 693), 0xFFFFFFu);
    EXPECT_NE(page().Pixel(400, 670), 0xFFFFFFu);
  }
}

// A disc covers radius max(r, pen / 2): the dots of a dotted arc (radius
// 0.5) are as wide as the pen, a larger disc keeps its radius.
TEST_F(ShapesTest, DiscIsAtLeastAsWideAsThePen) {
  struct Case {
    int pen;
    double radius;
    double x, y;
    int colour;
    double want_width;  // across, within a unit
  };
  const Case cases[] = {
      {1, 0.5, 200.5, 300.5, 0, 1}, {3, 0.5, 200.5, 300.5, 0, 3},   {5, 0.5, 200.5, 300.5, 3, 5},
      {5, 0.5, 200.3, 300.6, 7, 5}, {12, 0.5, 200.5, 300.5, 3, 12}, {3, 4, 1064, 656, 5, 8},
      {5, 4, 1064, 656, 5, 8},      {8, 4, 1064, 656, 5, 8},        {5, 9, 400, 280, 7, 18},
      {12, 9, 400, 280, 7, 18},     {10, 4, 1064, 656, 5, 10},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("pen " + std::to_string(c.pen) + " radius " + std::to_string(c.radius));
    PsCLS();
    FE_SETDRAWWIDTH(c.pen);
    PsCIRCLE_DISC(c.x, c.y, c.radius, c.colour);
    const Ink dot = AllInk();
    ASSERT_GT(dot.count, 0);
    EXPECT_NEAR(dot.right - dot.left + 1, c.want_width, 1.0);
    EXPECT_NEAR(dot.bottom - dot.top + 1, c.want_width, 1.0);
    // Nothing beyond the covered radius (and the pixel it reaches into).
    const double reach = c.want_width / 2 + 0.75;
    for (int y = dot.top; y <= dot.bottom; ++y) {
      for (int x = dot.left; x <= dot.right; ++x) {
        if (page().Pixel(x, y) == 0xFFFFFF) continue;
        EXPECT_LE(std::hypot(x + 0.5 - c.x, y + 0.5 - c.y), reach) << x << "," << y;
      }
    }
    // Erasing it in the page colour at the same pen leaves nothing.
    PsCIRCLE_DISC(c.x, c.y, c.radius, 15);
    EXPECT_EQ(AllInk().count, 0);
  }
}

bool Inside(const std::vector<PixelRect>& rects, int x, int y) {
  for (const PixelRect& r : rects) {
    if (x >= r.x1 && x < r.x2 && y >= r.y1 && y < r.y2) return true;
  }
  return false;
}

int64_t Area(const std::vector<PixelRect>& rects) {
  int64_t area = 0;
  for (const PixelRect& r : rects) area += int64_t(r.width()) * r.height();
  return area;
}

// Every pixel an operation changes lies in the rectangles the page reports
// as touched: the window shows only those.
TEST_F(ShapesTest, TouchedRectanglesHoldEveryChangedPixel) {
  Page& page = backend().page();
  const std::vector<std::function<void()>> ops = {
      [] { PsLINE(100.5, 100, 400, 171.3, 3); },
      [] { PsBOX_STEP(40.5, 650, 400, 40, 13, 12); },
      [] { PsBOX(0, 657, 992, 720, 15, 15); },
      [] { PsBOX(30.5, 700, 300, 760.2, 15, 12); },
      [] { PsCIRCLE_DISC(1064, 656, 4, 5); },
      [] { PsCIRCLE_DISC(1064, 656, 4, 15); },
      [] { PsCIRCLE(500, 500, 37.2, 4); },
      [] { PsCIRCLE_ARC(500, 500, 60, 9, 0.1, 0.6); },
      [] { PsCIRCLE_SECTOR(700, 400, 50, 3, 12, 0.2, 0.7); },
      [] {
        PsCONNECT({{10, 10}, {60, 80}, {110, 20}}, 2);
      },
      [] {
        PsCONNECT_FILL({{800, 100}, {900, 180}, {760, 170}}, 1, 14);
      },
      [] { PsSYMBOL40(44, 120, 2, 3, 13, "練習問題 0.5"); },
      [] {
        FE_SETFONTNAME("Times New Roman");
        FE_SETFONTSIZE(8);
        FE_SETFONTITALIC(-1);
        PsSYMBOL40(304, 178, 10, 7, 0, "x");
        FE_SETFONTITALIC(0);
      },
      [] {
        FE_SETFONTNAME("MT Extra");
        FE_SETFONTSIZE(16);
        PsSYMBOL40(600, 300, 6, 3, 0, "l");
      },
      // Many small pieces far apart: more than the page keeps apart, so
      // some are joined.
      [] {
        for (int k = 0; k < 12; ++k) {
          PsCIRCLE_DISC(60 + 110 * k, 80 + 60 * (k % 5), 3, k % 15);
          PsSYMBOL40(1300 - 100 * k, 850 - 65 * (k % 7), 1, 1, 4, "５");
        }
      },
  };
  for (int pen : {1, 12}) {
    FE_SETDRAWWIDTH(pen);
    for (size_t k = 0; k < ops.size(); ++k) {
      FE_SETFONTNAME("ゴシック");
      FE_SETFONTSIZE(16);
      PixelRows rows = page.Pixels();
      std::vector<unsigned char> before(rows.data, rows.data + size_t(rows.stride) * rows.height);
      page.TakeTouched();
      ops[k]();
      std::vector<PixelRect> touched = page.TakeTouched();
      EXPECT_LE(touched.size(), Page::kMostTouched) << "operation " << k;
      for (size_t i = 0; i < touched.size(); ++i) {
        for (size_t j = i + 1; j < touched.size(); ++j) {
          const PixelRect &a = touched[i], &b = touched[j];
          EXPECT_FALSE(a.x1 < b.x2 && b.x1 < a.x2 && a.y1 < b.y2 && b.y1 < a.y2)
              << "operation " << k << ": rectangles " << i << " and " << j << " overlap";
        }
      }
      rows = page.Pixels();
      int changed = 0;
      for (int y = 0; y < rows.height; ++y) {
        for (int x = 0; x < rows.width; ++x) {
          size_t at = size_t(y) * rows.stride + 4 * x;
          if (std::memcmp(&before[at], rows.data + at, 3) == 0) continue;
          ++changed;
          EXPECT_TRUE(Inside(touched, x, y))
              << "operation " << k << " pen " << pen << " changed " << x << "," << y;
        }
      }
      EXPECT_GT(changed, 0) << "operation " << k;
      // The pieces spread over the page still leave most of it out.
      const bool spread = k + 1 == ops.size();
      EXPECT_LT(Area(touched), spread ? kPageWidth * kPageHeight / 3 : 2 * kPageWidth * 100)
          << "operation " << k;
    }
  }
  // Measuring prints go below the page: nothing to show.
  page.TakeTouched();
  PsSYMBOL40(0, 1800, 2, 3, 0, "練習");
  EXPECT_TRUE(page.TakeTouched().empty());
}

// While a narrowing is on, every x moves towards its origin and a text's
// horizontal magnification shrinks with it, its height kept; once it ends,
// drawing is as before.
TEST_F(ShapesTest, NarrowingMovesEveryXTowardsItsOriginAndNarrowsText) {
  ClearLog();
  SetNarrowing(100, 0.5);
  PsLINE_STEP(100, 10, 100, 0, 0);
  PsBOX(300, 20, 340, 30, 0, 15);
  PsCONNECT({{140, 30}, {180, 40}}, 0);
  PsCIRCLE(300, 50, 8, 0);
  PsSYMBOL40(500, 100, 3, 3, 0, "8888");
  SetNarrowing(0, 1);
  PsLINE_STEP(100, 10, 100, 0, 0);
  // Each operation's name and numbers.
  std::vector<std::string> lines;
  for (const LoggedOp& op : Log()) {
    std::ostringstream line;
    line << op.name;
    for (double v : op.nums) line << " " << v;
    lines.push_back(line.str());
  }
  EXPECT_EQ(lines,
            (std::vector<std::string>{"line 100 10 150 10 0 3", "box 200 20 220 30 0 15 15 3",
                                      "polyline 0 3 2 120 30 140 40", "circle 200 50 8 0 3",
                                      "text 300 100 1.5 3 0 16 0 0", "line 100 10 200 10 0 3"}));

  // The four digits stay in their narrowed cells (12 wide) at the height of
  // the same digits drawn wide.
  PsCLS();
  PsSYMBOL40(500, 300, 3, 3, 0, "8888");
  const Ink wide = InkIn(page(), 0, 280, kPageWidth, 400);
  SetNarrowing(500, 0.5);
  PsSYMBOL40(500, 100, 3, 3, 0, "8888");
  SetNarrowing(0, 1);
  const Ink narrow = InkIn(page(), 0, 80, kPageWidth, 200);
  EXPECT_GE(narrow.left, 500);
  EXPECT_LE(narrow.right, 500 + 4 * 12);
  EXPECT_LT(narrow.right - narrow.left, (wide.right - wide.left) * 0.6);
  EXPECT_EQ(narrow.top - 100, wide.top - 300);
  EXPECT_EQ(narrow.bottom - 100, wide.bottom - 300);
}

TEST_F(ShapesTest, NarrowingFactorMustLieAboveZeroAndAtMostOne) {
  for (double factor : {0.0, -0.5, 1.5, std::nan("")}) {
    SCOPED_TRACE(factor);
    EXPECT_THROW(SetNarrowing(100, factor), RuntimeError);
  }
  EXPECT_THROW(SetNarrowing(INFINITY, 0.5), RuntimeError);
  EXPECT_EQ(page().narrowing, 1);
}

// A step on a number line erases the marker at its old place and draws it at
// the new one: the page reports the two places, not the band between them.
TEST_F(ShapesTest, SeparatePiecesStaySeparate) {
  Page& page = backend().page();
  PsCIRCLE_DISC(115, 420, 10, 4);
  page.TakeTouched();
  PsBOX(100, 400, 130, 440, 15, 15);
  PsCIRCLE_DISC(1200, 420, 10, 4);
  std::vector<PixelRect> touched = page.TakeTouched();
  ASSERT_EQ(touched.size(), 2u);
  EXPECT_LT(Area(touched), 80 * 80);
}

// Erasing a page that holds nothing but the page colour changes no pixel, so
// it is not shown again; it is still logged.
TEST_F(ShapesTest, ErasingBlankPageShowsNothingAgain) {
  Page& page = backend().page();
  PsCLS();
  page.TakeTouched();
  size_t logged = page.log.size();
  PsBOX(0, 0, 1440, 900, 15, 15);
  PsCLS();
  EXPECT_TRUE(page.TakeTouched().empty());
  EXPECT_EQ(page.log.size(), logged + 2);
  // Once something is drawn, erasing shows again and blanks the page.
  PsCIRCLE_DISC(300, 300, 5, 4);
  page.TakeTouched();
  PsBOX(0, 0, 1440, 900, 15, 15);
  EXPECT_FALSE(page.TakeTouched().empty());
  EXPECT_EQ(AllInk().count, 0);
  PsCLS();
  EXPECT_TRUE(page.TakeTouched().empty());
}

// A page erased in parts: what is known blank is not erased again, and all
// the rest is, down to the drawing made inside an erased part.
TEST_F(ShapesTest, ErasingSkipsOnlyWhatIsBlank) {
  Page& page = backend().page();
  auto scribble = [] {
    for (int k = 0; k < 9; ++k) PsLINE(0, 100 * k, 1440, 900 - 100 * k, k % 14);
  };
  scribble();
  PsBOX(0, 54, 1440, 900, 15, 15);
  PsBOX(0, 657, 992, 720, 15, 15);  // inside the blank part
  PsCIRCLE_DISC(700, 850, 20, 4);   // drawn over it
  page.TakeTouched();
  PsBOX(0, 0, 1440, 900, 15, 15);
  EXPECT_EQ(AllInk().count, 0);
  int64_t redone = Area(page.TakeTouched());
  EXPECT_GE(redone, 1440 * 54);
  EXPECT_LT(redone, 1440 * 54 + 1440 * 100);
  // Two bands that meet: erased again at most along where they meet.
  scribble();
  PsBOX(0, 0, 1440, 400, 15, 15);
  PsBOX(0, 400, 1440, 900, 15, 15);
  page.TakeTouched();
  PsCLS();
  EXPECT_LT(Area(page.TakeTouched()), 1440 * 64);
  EXPECT_EQ(AllInk().count, 0);
  PsCLS();
  EXPECT_TRUE(page.TakeTouched().empty());
}

// Readying glyphs in idle moments changes nothing on the page, and the text
// drawn afterwards is the same as without it.
TEST(GlyphWarming, LeavesThePageAsItWas) {
  auto draw = [](bool warm) {
    HeadlessBackend backend;
    InstallBackend(&backend);
    Page& page = backend.page();
    page.NoteGlyphsToWarm();
    FE_SETFONTNAME("ゴシック");
    FE_SETFONTSIZE(16);
    PsSYMBOL40(44, 120, 2, 3, 13, "練習問題 0.5");
    PsSYMBOL40(44, 220, 1, 1, 4, "あいう");
    int rounds = 0;
    while (warm && page.WarmGlyphs(5)) ++rounds;
    if (warm) {
      EXPECT_GT(rounds, 4);  // the characters and digits in both styles
    }
    PsSYMBOL40(44, 320, 2, 3, 0, "かきく 練習 123");
    PixelRows rows = page.Pixels();
    std::vector<unsigned char> pixels(rows.data, rows.data + size_t(rows.stride) * rows.height);
    InstallBackend(nullptr);
    return pixels;
  };
  EXPECT_TRUE(draw(true) == draw(false));
}

}  // namespace
