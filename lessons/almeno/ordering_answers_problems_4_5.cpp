// Practice answers, problems 4 and 5: six numbers in order and by absolute
// value, then the number 5 larger than -2 and the amount by which -1 is
// larger than 5, filled into their boxes key by key.
#include "almeno_steps_line.h"
#include "construct_globals.h"
#include "layout_cursor.h"
#include "ordering_practice_pages.h"
#include "practice_layouts.h"
#include "shell.h"

namespace almeno {

void OrderingAnswersProblems4And5() {
  PracticeAnswersPage(kOrderingAnswers, "練習問題 解答");

  ProblemNumberCell("4", XI1, YI1 + 60);
  Say("小さい順…", XI2 + 30, YI1, 0);
  WaitAnyKey();
  Continue("-ﾀ8/5ﾀ,-1.2,-0.5,0,0.2,ﾀ3/5ﾀ", 5);
  Say("絶対値の小さい順…", XI1 + 60, YI1 + 80, 0);
  WaitAnyKey();
  Continue("0,0.2,-0.5,ﾀ3/5ﾀ,-1.2,-ﾀ8/5ﾀ", 5);
  WaitAnyKey();

  // Both boxes empty first; their places kept for the answers.
  ProblemNumberCell("5", XI1, YI1 + 100);
  Say("(1) -2より5大きい数は、", XI2 + 30, YI1, 0);
  X_a(1) = XI2 + 10;
  Y_a(1) = YI1;
  OrderingAnswerBox("", X_a(1), Y_a(1));
  Say("である。 ", XI2 + 10, YI1, 0);
  Say("(2) 5より", XI1 + 44 + 30, YI1 + 70, 0);
  X_a(2) = XI2 + 10;
  Y_a(2) = YI1;
  OrderingAnswerBox("", X_a(2), Y_a(2), 60);
  Say("大きい数は-1である。", XI2 + 10, YI1, 0);
  X_a(3) = X;
  Y_a(3) = Y;

  Y_a(31) = YI1 + 150;
  StepsNumberLine();
  WaitAnyKey();

  OrderingAnswerBox("3", X_a(1), Y_a(1));
  WaitAnyKey();
  PrintAt(" 6小さい数", X_a(3), Y_a(3), 3);
  WaitAnyKey();
  OrderingAnswerBox("-6", X_a(2), Y_a(2), 60);
}

}  // namespace almeno
