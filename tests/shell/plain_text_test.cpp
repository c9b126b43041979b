#include <gtest/gtest.h>

#include "globals.h"
#include "headless_fixture.h"
#include "shell.h"

namespace {

class PlainTextTest : public StartedPageTest {
 protected:
  void SetUp() override {
    StartedPageTest::SetUp();
    JYOU = 0;
  }
};

// One glyph as the plain printer draws it, relative to the pen it started at.
struct Glyph {
  const char* text;  // Shift-JIS
  double dx, dy;
};

struct PlainCase {
  const char* text;
  std::vector<Glyph> glyphs;
  double advance;
};

TEST_F(PlainTextTest, DrawsEachCharacterInItsCellAndAdvancesThePen) {
  const PlainCase cases[] = {
      {"番号を入力して下さい。",
       {{"番", 0, 0},
        {"号", 16, 0},
        {"を", 32, 0},
        {"入", 48, 0},
        {"力", 64, 0},
        {"し", 80, 0},
        {"て", 96, 0},
        {"下", 112, 0},
        {"さ", 128, 0},
        {"い", 144, 0},
        {"。", 160, 0}},
       176},
      // The full stop sits in the gap between the digits and takes no width.
      {"3.5", {{"３", 0, 0}, {"．", 12, 0}, {"５", 16, 0}}, 32},
      {"-2/3", {{"－", 0, 0}, {"２", 16, 0}, {"÷", 32, 0}, {"３", 48, 0}}, 64},
      // After "^" the character stays half-width and is lifted by 4.
      {"x^2", {{"χ", 0, 0}, {"2", 16, -4}}, 32},
      {"^あ", {{"あ", 0, 0}}, 16},
      {"Az#", {{"Α", 0, 0}, {"z", 16, -4}, {"#", 32, -4}}, 48},
      {"ﾀ", {{"―", 0, 0}}, 16},
      // A half-width blank is skipped; the full-width space is a blank cell.
      {"練習問題 　①",
       {{"練", 0, 0}, {"習", 16, 0}, {"問", 32, 0}, {"題", 48, 0}, {"　", 64, 0}, {"①", 80, 0}},
       96},
      {"", {}, 0},
  };
  for (const PlainCase& c : cases) {
    SCOPED_TRACE(Utf8(c.text));
    ClearLog();
    X = 100;
    Y = 200;
    CCC1 = 3;
    AA_s = c.text;
    DrawPlainText();
    EXPECT_EQ(X, 100 + c.advance);
    EXPECT_EQ(Y, 200);
    EXPECT_EQ(AA_s, "");
    EXPECT_EQ(JYOU, 0);
    std::vector<LoggedOp> texts = Ops("text");
    ASSERT_EQ(texts.size(), c.glyphs.size());
    for (size_t i = 0; i < texts.size(); ++i) {
      EXPECT_EQ(texts[i].text, Utf8(c.glyphs[i].text)) << i;
      EXPECT_EQ(texts[i].nums[0], 100 + c.glyphs[i].dx) << i;
      EXPECT_EQ(texts[i].nums[1], 200 + c.glyphs[i].dy) << i;
      EXPECT_EQ(texts[i].nums[2], 1);  // magnifications
      EXPECT_EQ(texts[i].nums[3], 1);
      EXPECT_EQ(texts[i].nums[4], 3);       // colour
      EXPECT_EQ(texts[i].nums[6], 1) << i;  // bold
    }
  }
}

TEST_F(PlainTextTest, LogsOnePrintLineWithTheTextAsGiven) {
  X = 816;
  Y = 648;
  CCC1 = 0;
  AA_s = "x^2 3.5";
  DrawPlainText();
  ASSERT_FALSE(Log().empty());
  const LoggedOp& print = Log().front();
  EXPECT_EQ(print.Line(), "print\tDrawPlainText\t816\t648\t0\tx^2 3.5");
  EXPECT_EQ(Ops("print").size(), 1u);
}

TEST_F(PlainTextTest, ConvertsByTheTwoTables) {
  // key -> Shift-JIS result; a character in neither table stays as it is.
  const std::pair<const char*, const char*> cases[] = {
      {" ", "\x81\x40"}, {"X", "\x82\x77"}, {"A", "\x83\x9f"}, {"B", "\x82\x61"}, {"W", "\x82\x76"},
      {"Z", "\x82\x79"}, {"0", "\x82\x4f"}, {"9", "\x82\x58"}, {"*", "\x81\x7e"}, {"ﾀ", "\x81\x5c"},
      {"?", "\x81\xe4"}, {"!", "\x81\xe3"}, {"$", "\x81\xdf"}, {"&", "\x83\xce"}, {"'", "\x81\xda"},
      {"[", "\x81\x85"}, {"%", "\x81\x8b"}, {"x", "\x83\xd4"}, {"y", "\x82\x99"}, {"a", "\x82\x81"},
      {"w", "\x82\x97"}, {"~", "\x81\xa2"}, {":", "\x81\x46"}, {"z", "z"},        {"^", "^"},
      {"ﾝ", "ﾝ"},        {"①", "①"},        {"ア", "ア"},
  };
  for (auto [key, result] : cases) {
    B_s = key;
    ToFullWidthChar();
    EXPECT_EQ(B_s, result) << Utf8(key);
  }
}

TEST_F(PlainTextTest, ExponentMarkAtTheEndCarriesOverToTheNextText) {
  X = 0;
  Y = 100;
  AA_s = "2^";
  DrawPlainText();
  EXPECT_EQ(JYOU, 1);
  AA_s = "3";
  DrawPlainText();
  EXPECT_EQ(JYOU, 0);
  std::vector<std::string> texts = Texts();
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[1], "3");  // left half-width
  EXPECT_EQ(X, 32);
}

TEST_F(PlainTextTest, CharacterPrinterSkipsBlanksAndLeavesThePenInXT) {
  X = 50;
  Y = 60;
  A_s = " ";
  DrawTextChars();
  EXPECT_EQ(XT, 50);
  EXPECT_EQ(A_s, "");
  EXPECT_TRUE(Ops("text").empty());
  A_s = "1 2";
  DrawTextChars();
  EXPECT_EQ(XT, 82);
  EXPECT_EQ(X, 50);  // the caller's pen stays
  EXPECT_EQ(A_s, "12");
  EXPECT_EQ(B_s, "２");
}

}  // namespace
