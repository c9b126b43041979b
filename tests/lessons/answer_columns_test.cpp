#include "answer_columns.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "construct_globals.h"
#include "headless_fixture.h"
#include "shell.h"

namespace {

class AnswerColumnsTest : public HeadlessTest {
 protected:
  void SetUp() override {
    HeadlessTest::SetUp();
    StartUp();
    ClearLog();
  }
  struct Print {
    double x, y, colour;
    std::string text;
    bool operator==(const Print&) const = default;
  };
  std::vector<Print> Prints() {
    std::vector<Print> out;
    for (const LoggedOp& op : PagePrints()) {
      // An empty text draws nothing.
      if (op.face == "PrintMarkup" && !op.text.empty())
        out.push_back({op.nums[0], op.nums[1], op.nums[2], op.text});
    }
    return out;
  }
  // Where the printer ends `text` begun at x.
  static float EndOf(const std::string& text, float x) {
    X = x;
    Y = 1800;
    A_s = text;
    MeasureMarkupWidth();
    return x + LLT;
  }
};

TEST_F(AnswerColumnsTest, LabelsProblemsLinesAndBesideLinesInTwoColumns) {
  AnswerColumns({
      {40,
       {{"(1)", 75, {Problem("(-4)*3"), Below("=-12", 50, 5)}},
        {"(2)", 60, {Below("=ﾀ1/2ﾀ", 80), Beside("=+(1)", 7), Beside("ﾀ3/4ﾀ", 5, 60)}}}},
      {600, {{"(3)", 0, {Beside("5-2", 0), Below("=3", 50, 5, 10)}}}},
  });
  const float half_end = EndOf("=ﾀ1/2ﾀ", 94);
  const float plus_end = EndOf("=+(1)", half_end);
  const float label_end = EndOf("(3)", 600);
  const std::vector<Print> want = {
      {40, 105, 3, "(1)"},
      {121, 105, 0, Utf8("(-4)*3")},
      {94, 155, 5, "=-12"},
      {40, 215, 3, "(2)"},
      {94, 295, 0, Utf8("=ﾀ1/2ﾀ")},
      {half_end, 295, 7, "=+(1)"},
      {plus_end + 60, 295, 5, Utf8("ﾀ3/4ﾀ")},
      // The second column starts again at the top; its first label on it.
      {600, 30, 3, "(3)"},
      {label_end, 30, 0, "5-2"},
      {664, 80, 5, "=3"},
  };
  EXPECT_EQ(Prints(), want);
  EXPECT_EQ(XI0, 600);
  EXPECT_EQ(XI1, 654);
  EXPECT_EQ(YI1, 80);
}

TEST_F(AnswerColumnsTest, AnEmptyLabelOnlyMovesTheLineAndAColumnMayGoOnLater) {
  AnswerColumn(40, 27, 100);
  WorkedAnswers({{"", 75, {Problem("3*2")}}});
  WorkedAnswers({{"だから", 50, {Below("ok", 50, 3)}, 0}});
  const std::vector<Print> want = {
      {94, 175, 0, Utf8("3*2")},
      {40, 225, 0, Utf8("だから")},
      {67, 275, 3, "ok"},
  };
  EXPECT_EQ(Prints(), want);
}

}  // namespace
