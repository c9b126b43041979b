// The answers of the numbers-below-zero topic's two practice problems.
#include "globals.h"
#include "layout_cursor.h"
#include "marking_pages.h"
#include "practice_layouts.h"
#include "shell.h"

namespace almeno {

void BelowZeroPracticeAnswers() {
  PracticeAnswersPage(kBelowZeroAnswers, "練習問題 解答");

  ProblemNumberCell("1", XI0, YI1 + 90);
  Say("(1)", XI1, YI1, 0);
  Continue("+18   ", 5);
  Continue("(2)", 0);
  Continue("-36   ", 5);
  Continue("(3)", 0);
  Continue("+ﾀ1/3ﾀ   ", 5);
  Continue("(4)", 0);
  Continue("-0.8   ", 5);
  WaitAnyKey();

  ProblemNumberCell("2", XI0, YI1 + 110);
  Say("負の数 ", XI1, YI1, 0);
  WaitAnyKey();
  Continue("-3.2, -10, -ﾀ5/6ﾀ, -1, -0.1", 5);
  Say("自然数 ", XI1, YI1 + 80, 0);
  WaitAnyKey();
  Continue("+9,6", 5);
}

}  // namespace almeno
