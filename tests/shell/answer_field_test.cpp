#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "globals.h"
#include "headless_fixture.h"
#include "shell.h"

namespace {

class AnswerFieldTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    StartUp();
    ClearLog();
  }
  // The echoed characters: text drawn in colour 5.
  std::vector<LoggedOp> Echoes() {
    std::vector<LoggedOp> out;
    for (const LoggedOp& op : Ops("text")) {
      if (op.nums[4] == 5) out.push_back(op);
    }
    return out;
  }
  std::string Typed(const std::string& keys) {
    Keys(keys);
    InputLine();
    ParseAnswer();
    return AINP_s;
  }
};

bool IsBox(const LoggedOp& op, std::vector<double> corners_colour_fill) {
  if (op.name != "box") return false;
  for (size_t i = 0; i < corners_colour_fill.size(); ++i) {
    if (op.nums[i] != corners_colour_fill[i]) return false;
  }
  return true;
}

TEST_F(AnswerFieldTest, OneAndEnterGiveOneAndTheFieldErasesItself) {
  EXPECT_EQ(Typed("1 Enter"), "1");
  EXPECT_EQ(AINP, 1);
  EXPECT_EQ(I_s, "\r");
  std::vector<LoggedOp> texts = Ops("text");
  ASSERT_EQ(texts.size(), 3u);
  // The label in colour 0 ends 16 left of the field.
  EXPECT_EQ(texts[0].text, Utf8("入"));
  EXPECT_EQ(texts[0].nums[0], 1008);
  EXPECT_EQ(texts[0].nums[1], 648);
  EXPECT_EQ(texts[0].nums[4], 0);
  EXPECT_EQ(texts[2].text, Utf8("１"));
  EXPECT_EQ(texts[2].nums[0], 1056);
  // The cursor: radius 4 at (XX + 8, YY + 8), erased before Enter returns.
  std::vector<LoggedOp> discs = Ops("disc");
  ASSERT_GE(discs.size(), 2u);
  EXPECT_EQ(discs.front().nums, (std::vector<double>{1064, 656, 4, 5, 3}));
  EXPECT_EQ(discs.back().nums[0], 1080);
  EXPECT_EQ(discs.back().nums[3], 15);
  // Last of all, label, text and cursor go under one white box.
  EXPECT_TRUE(IsBox(Log().back(), {1008, 640, 1248, 670, 15, 15}));
}

// A disc is at least as wide as the pen: after a page that left a pen wider
// than the cursor, the cursor is drawn at a pen of its own width, and the
// page's pen is in force again afterwards.
TEST_F(AnswerFieldTest, TheCursorKeepsItsSizeAfterAWidePen) {
  for (int pen : {3, 8, 10, 12}) {
    SCOPED_TRACE(pen);
    ClearLog();
    FE_SETDRAWWIDTH(pen);
    Typed("1 Enter");
    std::vector<LoggedOp> discs = Ops("disc");
    ASSERT_GE(discs.size(), 2u);
    for (const LoggedOp& disc : discs) {
      EXPECT_EQ(disc.nums[2], 4);
      EXPECT_EQ(disc.nums[4], std::min(pen, 8));
    }
    EXPECT_EQ(FE_GETDRAWWIDTH(), pen);
  }
}

TEST_F(AnswerFieldTest, BackspaceClearsTheWholeEntry) {
  EXPECT_EQ(Typed("1 2 Backspace 3 Enter"), "3");
  EXPECT_EQ(AINP, 3);
  int clearing_boxes = 0;
  for (const LoggedOp& op : Ops("box")) clearing_boxes += IsBox(op, {1056, 640, 1248, 670, 15, 15});
  EXPECT_EQ(clearing_boxes, 1);
  // After the backspace the cursor and the next echo start at the field again.
  std::vector<LoggedOp> echoes = Echoes();
  ASSERT_EQ(echoes.size(), 3u);
  EXPECT_EQ(echoes[2].nums[0], 1056);
  EXPECT_EQ(Typed("5 Delete 6 Enter"), "6");
}

TEST_F(AnswerFieldTest, TenCharactersShowAndTheNextKeyClearsThem) {
  // Ten digits are echoed; Enter then clears the field instead of ending it.
  EXPECT_EQ(Typed("1 2 3 4 5 6 7 8 9 0 Enter 4 Enter"), "4");
  EXPECT_EQ(Echoes().size(), 11u);
  EXPECT_EQ(Echoes()[9].nums[0], 1056 + 9 * 16);
  ClearLog();
  EXPECT_EQ(Typed("1 2 3 4 5 6 7 8 9 Enter"), "123456789");
  EXPECT_EQ(AINP, 123456789.0f);
  // The eleventh key is swallowed by the clearing, whatever it is.
  EXPECT_EQ(Typed("1 2 3 4 5 6 7 8 9 0 7 8 Enter"), "8");
}

TEST_F(AnswerFieldTest, OnlyNumberCharactersAreTakenAndEchoedFullWidth) {
  EXPECT_EQ(Typed("A Space + Right 7 Left Enter"), "7");
  EXPECT_EQ(Echoes().size(), 1u);
  ClearLog();
  EXPECT_EQ(Typed("- 3 . 5 / 2 Enter"), "-3.5/2");
  EXPECT_EQ(AINP, -1.75f);
  std::vector<LoggedOp> echoes = Echoes();
  const std::pair<const char*, double> expected[] = {{"－", 1056}, {"３", 1072}, {"．", 1084},
                                                     {"５", 1088}, {"÷", 1104},  {"２", 1120}};
  ASSERT_EQ(echoes.size(), 6u);
  for (size_t i = 0; i < echoes.size(); ++i) {
    EXPECT_EQ(echoes[i].text, Utf8(expected[i].first)) << i;
    EXPECT_EQ(echoes[i].nums[0], expected[i].second) << i;
    EXPECT_EQ(echoes[i].nums[6], 1) << i;  // bold
  }
  EXPECT_EQ(CCC1, 5);
}

TEST_F(AnswerFieldTest, EnterAtOnceGivesTheEmptyEntry) {
  EXPECT_EQ(Typed("Enter"), "");
  EXPECT_EQ(AINP, 0);
  EXPECT_EQ(CCC1, 0);
  EXPECT_EQ(X, 1040);
  EXPECT_EQ(AA_s, "");
}

TEST_F(AnswerFieldTest, ValueOfTheEntry) {
  // A zero or empty denominator has no quotient: the entry is worth 0, which
  // no menu accepts, and never a NaN, an infinity or a runtime error.
  const std::pair<const char*, float> cases[] = {
      {"3/4", 0.75f}, {"-6/8", -0.75f}, {"-3/4", -0.75f}, {"3.5", 3.5f}, {"16/2", 8}, {"6/2", 3},
      {"", 0},        {"-", 0},         {".", 0},         {"3/0", 0},    {"3/", 0},   {"/", 0},
      {"0/0", 0},     {"-5/0", 0},      {"3/.", 0},       {"/4", 0},     {"007", 7},  {"2/2", 1},
  };
  for (auto [entry, value] : cases) {
    AINP_s = entry;
    ASSERT_NO_THROW(ParseAnswer()) << entry;
    EXPECT_TRUE(std::isfinite(AINP)) << entry;
    EXPECT_EQ(AINP, value) << entry;
  }
}

}  // namespace
