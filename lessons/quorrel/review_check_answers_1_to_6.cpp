// Item ① of "学びをたしかめよう": the answers of questions 1 to 6, one
// question a key, each on the row of its number cell; question 3 marks its
// points on the number line below its row.
#include <initializer_list>

#include "construct_globals.h"
#include "layout_cursor.h"
#include "review_pages.h"
#include "shell.h"

namespace quorrel {

namespace {

// One text of a row, `gap` right of where the text before it ended.
struct RowText {
  const char* text;
  float colour;
  float gap;
};

// The number cell at the margin on the line `y`, then the texts of the row.
void AnswerRow(const char* number, float y, std::initializer_list<RowText> texts) {
  ReviewNumberCell(number, XI0, y);
  for (const RowText& t : texts) Say(t.text, XI2 + t.gap, YI1, t.colour);
}

void MarkPoint(float value, const char* label) {
  T(1) = value;
  T_s(1) = label;
  NumberLinePoint();
}

}  // namespace

void ReviewCheckAnswers1to6() {
  ReviewAnswersPage("学びをたしかめよう");
  // The first text of question 1 touches its cell; the others start 20 right.
  AnswerRow("1", YI1 + 60, {{"(1)", 3, 0}, {"-8", 5, 0}, {"(2)", 3, 60}, {"+15", 5, 0}});
  WaitAnyKey();
  AnswerRow("2", YI1 + 60,
            {{"整数…", 3, 20}, {"+5,0,-7,10", 5, 0}, {"自然数…", 3, 60}, {"+5,10", 5, 0}});
  WaitAnyKey();
  AnswerRow(
      "3", YI1 + 60,
      {{"A", 3, 20}, {"-2.5", 5, 0}, {"B", 3, 60}, {"-0.5", 5, 0}, {"C", 3, 60}, {"5", 5, 0}});
  Y_a(31) = YI1 + 150;
  ReviewNumberLine();
  MarkPoint(-5, "-5");
  MarkPoint(-3.5, "-3.5");
  MarkPoint(0.5, "ﾀ1/2ﾀ");
  WaitAnyKey();
  AnswerRow("4", YI1 + 225,
            {{"(1)", 3, 20}, {"-6個多い", 5, 0}, {"(2)", 3, 60}, {"－50円余る", 5, 0}});
  WaitAnyKey();
  AnswerRow("5", YI1 + 60, {{"3", 5, 20}});
  WaitAnyKey();
  AnswerRow("6", YI1 + 60,
            {{"(1)", 3, 20},
             {"4>-6", 5, 0},
             {"(2)", 3, 60},
             {"-7>-8", 5, 0},
             {"(3)", 3, 60},
             {"-0.1<0", 5, 0}});
}

}  // namespace quorrel
