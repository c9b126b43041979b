// The bold printer, its measuring and its cells, against the operation log.
#include <gtest/gtest.h>

#include "headless_fixture.h"
#include "log_lines.h"
#include "shell.h"

namespace {

class BoldTextTest : public StartedPageTest {
 protected:
  void SetUp() override {
    StartedPageTest::SetUp();
    CCC1 = 3;
  }

  void Bold(const std::string& text, float x = 100, float y = 200) {
    X = x;
    Y = y;
    AA_s = text;
    DrawBoldText();
  }

  // A bold cell on `upper` (and `lower` in a two-line cell) at (200, 300), the
  // log cleared first.
  void BoldCell(bool two_line, float haba, float tate, const char* upper, const char* lower) {
    X = 200;
    Y = 300;
    HABA = haba;
    TATE = tate;
    if (two_line) {
      A1_s = upper;
      A2_s = lower;
      DrawBoldTwoLineCell();
    } else {
      A_s = upper;
      DrawBoldCellText();
    }
  }

  // The glyphs of `text` printed in bold at (x, y), as a cell's print finds it.
  std::vector<LoggedOp> BoldGlyphs(const std::string& text, float x, float y) {
    X = x;
    Y = y;
    AA_s = text;
    DrawBoldText();
    return Ops("text");
  }

  struct CellText {
    std::vector<LoggedOp> mine, plain;
    float width;
  };

  struct BoldCellCase {
    bool two_line;
    float haba, tate;
    const char* upper;
    const char* lower;
  };

  // Each text of a bold cell beside the same text printed unnarrowed at
  // `left(width)` on the line the cell chose: the cell's glyphs, then the
  // plain ones.
  template <typename Left>
  std::vector<CellText> CellAndPlainGlyphs(const BoldCellCase& c, Left left) {
    ClearLog();
    BoldCell(c.two_line, c.haba, c.tate, c.upper, c.lower);
    const std::vector<LoggedOp> prints = OnPage(Ops("print"));
    const std::vector<LoggedOp> glyphs = OnPage(Ops("text"));
    std::vector<CellText> out;
    size_t next = 0;
    std::vector<std::string> texts{c.upper};
    if (c.two_line) texts.push_back(c.lower);
    EXPECT_EQ(prints.size(), texts.size());
    for (size_t i = 0; i < prints.size() && i < texts.size(); ++i) {
      const LoggedOp& print = prints[i];
      const std::string& text = texts[i];
      A_s = text;
      MeasureBoldWidth();
      const float width = LLT;
      ClearLog();
      std::vector<LoggedOp> plain = BoldGlyphs(text, left(width), print.nums[1]);
      std::vector<LoggedOp> mine(glyphs.begin() + next, glyphs.begin() + next + plain.size());
      next += plain.size();
      out.push_back({mine, plain, width});
    }
    EXPECT_EQ(next, glyphs.size());
    return out;
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

TEST_F(BoldTextTest, BracketNegativeBracketsOnlyATextWithAHalfWidthMinus) {
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

// A text wider than its bold cell is drawn inside it, narrowed: from its
// left side, every glyph on its own line and at its own height, between 4
// inside each side of the cell; the other text of a two-line cell that fits
// stays as it is.
TEST_F(BoldTextTest, ATextWiderThanItsCellIsNarrowedInsideIt) {
  const BoldCellCase cases[] = {
      {false, 60, 46, "12345", ""},      {false, 100, 46, "-3.14159", ""},
      {false, 80, 46, "約数と倍数", ""}, {true, 80, 90, "123456", "5"},
      {true, 80, 90, "1", "素因数分解"}, {true, 120, 90, "2×2×2×3×3", ""},
  };
  for (const BoldCellCase& c : cases) {
    SCOPED_TRACE(Utf8(c.upper) + " / " + Utf8(c.lower));
    for (const auto& [mine, plain, width] : CellAndPlainGlyphs(
             c, [&](float width) { return width > c.haba ? 200 : 200 + (c.haba - width) / 2; })) {
      ASSERT_EQ(mine.size(), plain.size());
      for (size_t k = 0; k < mine.size(); ++k) {
        const std::vector<double>& m = mine[k].nums;
        const std::vector<double>& p = plain[k].nums;
        EXPECT_EQ(mine[k].text, plain[k].text);
        EXPECT_EQ(m[1], p[1]) << k;  // its line
        EXPECT_EQ(m[3], p[3]) << k;  // its height
        if (width <= c.haba) {
          EXPECT_EQ(LogLines({mine[k]}), LogLines({plain[k]}));
          continue;
        }
        const double cell = m[5] * m[2] * (mine[k].text.size() == 1 ? 0.5 : 1);
        EXPECT_LT(m[2], p[2]) << k;        // narrowed
        EXPECT_GE(m[0] + 1e-3, 204) << k;  // float rounding aside
        EXPECT_LE(m[0] + cell, 200 + c.haba) << k;
      }
    }
  }
}

// A text that fits its bold cell, up to one exactly as wide, is drawn as it
// always was: centred, at the bold printer's own magnifications.
TEST_F(BoldTextTest, ATextThatFitsItsCellIsDrawnAsItIs) {
  const BoldCellCase cases[] = {
      {false, 100, 46, "-3", ""}, {false, 40, 46, "12", ""},  {false, 60, 46, "約数", ""},
      {true, 80, 90, "12", "5"},  {true, 80, 90, "1234", ""}, {true, 60, 90, "", "倍数"},
  };
  for (const BoldCellCase& c : cases) {
    SCOPED_TRACE(Utf8(c.upper) + " / " + Utf8(c.lower));
    for (const auto& [mine, plain, width] :
         CellAndPlainGlyphs(c, [&](float width) { return 200 + (c.haba - width) / 2; })) {
      EXPECT_EQ(LogLines(mine), LogLines(plain));
    }
  }
}

}  // namespace
