// Measuring markup texts and drawing table cells, against the operation log.
#include <gtest/gtest.h>

#include "headless_fixture.h"
#include "log_lines.h"
#include "shell.h"

namespace {

class TableCellTest : public StartedPageTest {
 protected:
  void SetUp() override {
    StartedPageTest::SetUp();
    JYOU = JYOUK = HROOT = TXM = KAKKO = BUN = 0;
    CCC1 = 5;
    CCC2 = 3;
    CCC3 = 13;
  }

  void Cell(float haba, float tate, const std::string& text, float x = 200, float y = 300) {
    X = x;
    Y = y;
    HABA = haba;
    TATE = tate;
    A_s = text;
    DrawCellText();
  }

  // The visible print of a cell routine: where its text went.
  std::vector<LoggedOp> VisiblePrints() {
    std::vector<LoggedOp> out;
    for (const LoggedOp& op : OnPage(Ops("print"))) out.push_back(op);
    return out;
  }

  std::vector<Mark> Marks() { return MarksOf(OnPage(Log())); }

  // The marks of `text` printed plainly at (x, y), the printer state as a
  // cell's print finds it.
  std::vector<Mark> PlainMarks(const std::string& text, float x, float y) {
    ClearLog();
    JYOU = JYOUK = HROOT = TXM = KAKKO = BUN = 0;
    X = x;
    Y = y;
    AA_s = text;
    PrintMarkup();
    return Marks();
  }

  // The cell routine on `text` at (200, 300); the marks of its text (its
  // box left out) and the line it was printed on.
  std::vector<Mark> CellMarks(bool plain, float haba, float tate, const std::string& text,
                              float* line) {
    ClearLog();
    JYOU = JYOUK = HROOT = TXM = KAKKO = BUN = 0;
    X = 200;
    Y = 300;
    HABA = haba;
    TATE = tate;
    A_s = text;
    plain ? DrawCellTextPlain() : DrawCellText();
    *line = static_cast<float>(VisiblePrints()[0].nums[1]);
    return Marks();
  }
};

TEST_F(TableCellTest, MeasuringEqualsPrintingAndLeavesThePenAndText) {
  const char* texts[] = {
      "",      "2x+3=7",     "(-5)\\3",           "ﾀ3/8ﾀ",    "3の絶対値", "=-ﾀ6*10/5*3ﾀ", "#2ﾝ+1",
      "!3ﾝ.5", "72=2^3*3^2", "(+ﾀ3/8ﾀ)+(-ﾀ5/8ﾀ)", "a%l&＃ ｱ",
  };
  for (const char* text : texts) {
    JYOU = JYOUK = HROOT = 0;
    X = 321.5f;
    Y = 77;
    A_s = text;
    ClearLog();
    MeasureMarkupWidth();
    EXPECT_EQ(X, 321.5f);
    EXPECT_EQ(Y, 77);
    EXPECT_EQ(A_s, text);
    EXPECT_EQ(AA_s, "");
    EXPECT_TRUE(OnPage(Log()).empty()) << Utf8(text);  // nothing reaches the page
    float width = LLT;

    JYOU = JYOUK = HROOT = 0;
    AA_s = text;
    PrintMarkup();
    EXPECT_EQ(X - 321.5f, width) << Utf8(text);
  }
}

TEST_F(TableCellTest, MeasuringAppliesTheStateAPrintWould) {
  KAKKO = 1;
  A_s = "(-3)";
  MeasureMarkupWidth();
  EXPECT_EQ(LLT, 27 * 4);
  EXPECT_EQ(KAKKO, 0);
}

TEST_F(TableCellTest, TextLineDependsOnHeightAndOnAFraction) {
  const struct {
    float tate;
    const char* text;
    float line;  // below the top of the cell
  } cases[] = {
      {44, "5", 0},    {44, "ﾀ1/2ﾀ", -3}, {45, "5", 0}, {45, "ﾀ1/2ﾀ", -3},
      {46, "5", 1},    {46, "ﾀ1/2ﾀ", -2}, {50, "5", 3}, {50, "ﾀ1/2ﾀ", 0},
      {100, "-3", 28}, {46, "ぢ", 1},  // a double-byte character is never a fraction mark
  };
  for (const auto& c : cases) {
    ClearLog();
    Cell(44, c.tate, c.text);
    std::vector<LoggedOp> prints = VisiblePrints();
    ASSERT_EQ(prints.size(), 1u);
    EXPECT_EQ(prints[0].nums[1], 300 + c.line) << c.tate << " " << Utf8(c.text);
    EXPECT_EQ(LogLines(Ops("box")),
              std::vector<std::string>{"box 200 300 244 " + std::to_string(300 + int(c.tate)) +
                                       " 3 13 15 3"});
    EXPECT_EQ(X, 244);
    EXPECT_EQ(Y, 300);
    EXPECT_EQ(AA_s, "");
  }
}

TEST_F(TableCellTest, TextIsCentredWithoutRoundingAndNeverLeftOfTheCell) {
  Cell(44, 46, "5");
  EXPECT_EQ(VisiblePrints()[0].nums[0], 208.5);  // (44 - 27) / 2
  ClearLog();
  Cell(44, 46, "123");
  EXPECT_EQ(VisiblePrints()[0].nums[0], 200);
  ClearLog();
  Cell(90, 50, "ﾀ1/2ﾀ");
  EXPECT_EQ(VisiblePrints()[0].nums[0], 229);  // (90 - 32) / 2
  EXPECT_EQ(TBSIYAKX, 229);
  EXPECT_EQ(TBSIYAKY, 300 - 10);
}

TEST_F(TableCellTest, CellsOfARowFollowOneAnother) {
  Cell(90, 50, "1");
  A_s = "";
  DrawCellText();
  EXPECT_EQ(LogLines(Ops("box")),
            Expected({"box 200 300 290 350 3 13 15 3", "box 290 300 380 350 3 13 15 3"}));
  EXPECT_EQ(X, 380);
}

TEST_F(TableCellTest, TallBracketsInBothTheMeasuringAndThePrint) {
  KAKKO = 1;
  Cell(120, 46, "(-3)");
  std::vector<LoggedOp> brackets;
  for (const LoggedOp& op : Ops("text")) {
    if (op.text == "(" || op.text == ")") brackets.push_back(op);
  }
  ASSERT_EQ(brackets.size(), 4u);
  for (const LoggedOp& op : brackets) EXPECT_EQ(op.nums[3], 4);  // tall
  EXPECT_EQ(KAKKO, 0);
  EXPECT_EQ(VisiblePrints()[0].nums[0], 206);  // (120 - 108) / 2
}

TEST_F(TableCellTest, PlainCellIsPlacedAroundTheTextLine) {
  for (const char* text : {"①", "ﾀ1/2ﾀ"}) {
    ClearLog();
    X = 200;
    Y = 300;
    HABA = 50;
    TATE = 48;
    A_s = text;
    DrawCellTextPlain();
    EXPECT_EQ(LogLines(Ops("box")), Expected({"box 200 298 250 346 3 13 15 3"}));
    EXPECT_EQ(VisiblePrints()[0].nums[1], 300);
    EXPECT_EQ(X, 250);
    EXPECT_EQ(Y, 300);
  }
}

TEST_F(TableCellTest, TwoLineCellPlacesEachLineByItsOwnText) {
  const struct {
    float tate;
    const char* upper;
    const char* lower;
    float upper_line, lower_line;
  } cases[] = {
      {100, "約数", "12", 3, 47},
      {90, "約数", "12", 0, 44},
      {100, "ﾀ1/2ﾀ", "12", 0, 47},
      {100, "約数", "ﾀ1/2ﾀ", 3, 50},
  };
  for (const auto& c : cases) {
    ClearLog();
    X = 10;
    Y = 100;
    HABA = 100;
    TATE = c.tate;
    A1_s = c.upper;
    A2_s = c.lower;
    DrawTwoLineCell();
    std::vector<LoggedOp> prints = VisiblePrints();
    ASSERT_EQ(prints.size(), 2u);
    EXPECT_EQ(prints[0].nums[1], 100 + c.upper_line) << c.tate;
    EXPECT_EQ(prints[1].nums[1], 100 + c.lower_line) << c.tate;
    EXPECT_EQ(Ops("box").size(), 1u);
    EXPECT_EQ(X, 110);
    EXPECT_EQ(Y, 100);
  }
  // An upper text alone stands 25 lower.
  ClearLog();
  X = 10;
  Y = 100;
  TATE = 100;
  A1_s = "約数";
  A2_s = "";
  DrawTwoLineCell();
  std::vector<LoggedOp> prints = VisiblePrints();
  ASSERT_EQ(prints.size(), 2u);
  EXPECT_EQ(prints[0].nums[1], 128);
  EXPECT_EQ(prints[1].text, "");
}

// A text wider than its cell is drawn inside it, narrowed: on its own line
// and at its own height, every glyph and every line (a minus, a fraction
// bar) between the cell's sides.
TEST_F(TableCellTest, ATextWiderThanItsCellIsNarrowedInsideIt) {
  const struct {
    bool plain;
    float haba, tate;
    const char* text;
  } cases[] = {
      {false, 44, 46, "123"},
      {true, 60, 48, "33.3"},
      {true, 60, 48, ".0001"},
      {true, 60, 70, "99.99999"},
      {true, 120, 48, "-2.666667"},
      {true, 120, 48, ".0000003378378"},
      {true, 120, 70, "ﾀ1250000000/37ﾀ"},
      {false, 120, 70, "-ﾀ999999/7ﾀ"},
      {false, 228, 90, "目標(130冊)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Utf8(c.text));
    float line = 0;
    const std::vector<Mark> marks = CellMarks(c.plain, c.haba, c.tate, c.text, &line);
    const std::vector<Mark> plain = PlainMarks(c.text, 200, line);
    ASSERT_EQ(marks.size(), plain.size());
    ASSERT_GT(plain.back().right, 200 + c.haba);  // the case does not fit
    for (size_t k = 0; k < marks.size(); ++k) {
      const Mark& m = marks[k];
      EXPECT_GE(m.left, 201) << k;
      EXPECT_LE(m.right, 200 + c.haba - 1) << k;
      EXPECT_EQ(m.text, plain[k].text);
      EXPECT_EQ(m.y, plain[k].y) << k;
      EXPECT_EQ(m.vmag, plain[k].vmag) << k;
      EXPECT_LT(m.right - m.left, plain[k].right - plain[k].left) << k;
    }
  }
}

// A text that fits, up to one exactly as wide as its cell, is drawn as it
// always was: centred, at its own magnifications.
TEST_F(TableCellTest, ATextThatFitsIsDrawnAsItIs) {
  const struct {
    bool plain;
    float haba, tate;
    const char* text;
    float left;  // where its plain print starts
  } cases[] = {
      {true, 60, 48, "99", 203},     {true, 60, 48, "①", 213},   {true, 120, 48, "9801", 206},
      {true, 120, 70, "ﾀ5/2ﾀ", 244}, {false, 54, 46, "12", 200}, {false, 120, 70, "ﾀ999/7ﾀ", 212},
      {false, 228, 90, "約数", 280},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(Utf8(c.text));
    float line = 0;
    const std::vector<Mark> marks = CellMarks(c.plain, c.haba, c.tate, c.text, &line);
    const std::vector<LoggedOp> cell_texts = OnPage(Ops("text"));
    const std::vector<LoggedOp> cell_lines = OnPage(Ops("line"));
    PlainMarks(c.text, c.left, line);
    EXPECT_EQ(LogLines(cell_texts), LogLines(OnPage(Ops("text"))));
    EXPECT_EQ(LogLines(cell_lines), LogLines(OnPage(Ops("line"))));
    EXPECT_FALSE(marks.empty());
  }
}
}  // namespace
