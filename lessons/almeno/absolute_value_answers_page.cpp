// Item ②: the answers of textbook question 1, the absolute value and the
// sign-changed number of -5, +8, -3.5 and 3/4, one answer a key.
#include "layout_cursor.h"
#include "order_absolute_value_pages.h"
#include "shell.h"
#include "textbook_answers.h"

namespace almeno {

namespace {

// Answers (1) to (4) on one line from (x, y), each label in colour 0 with its
// answer in colour 5 on one key.
void AnswersOnOneLine(float x, float y, const char* const (&answers)[4]) {
  static const char* const kLabels[] = {"(1)", " (2)", " (3)", " (4)"};
  for (int k = 0; k < 4; ++k) {
    WaitAnyKey();
    if (k == 0) {
      Say(kLabels[k], x, y, 0);
    } else {
      Continue(kLabels[k], 0);
    }
    Continue(answers[k], 5);
  }
}

}  // namespace

void AbsoluteValueAnswers() {
  TextbookAnswersPage("問1　解答", 48, 18, 3, 1760, 1800);
  const float answers_x = XI1 + 44;
  Say("(1)-5 (2)+8 (3)-3.5 (4)ﾀ3/4ﾀ", answers_x, YI1 + 70, 0);
  WaitAnyKey();
  Say("絶対値", 44, YI1 + 60, 3);
  AnswersOnOneLine(answers_x, YI1 + 60, {"5", "8", "3.5", "ﾀ3/4ﾀ"});
  WaitAnyKey();
  Say("符号を変えた数", 44, YI1 + 60, 3);
  AnswersOnOneLine(answers_x, YI1 + 60, {"+5", "-8", "+3.5", "-ﾀ3/4ﾀ"});
}

}  // namespace almeno
