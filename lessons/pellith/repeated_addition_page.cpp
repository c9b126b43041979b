// ①正×正: 2×3, (-2)×3 and (-4)×4 read as repeated additions, the first two
// drawn as arrows on one number line; the rule for a positive multiplier and
// the answers of textbook question 1.
#include "explanation_page.h"
#include "figures.h"
#include "layout_cursor.h"
#include "multiplication_pages.h"
#include "pellith_steps_line.h"
#include "product_figures.h"
#include "shell.h"
#include "textbook_question_lines.h"

namespace pellith {

namespace {

// The arrows of T(2) additions of `added` on the number line at Y 280.
void AdditionFigure(float added) {
  T(1) = added;
  T(2) = 3;
  StepsNumberLine();
  RepeatedAdditionArrows();
}

}  // namespace

void RepeatedAdditionPage() {
  ExplanationPage(1760, 1300, 40, 30);
  XI3 = 400;
  Say("課1 ", XI1, YI1, 7);
  Continue("次の計算をしなさい。", 0);
  Say("① 2*3=", XI1, 80, 0);
  WaitAnyKey();
  Continue("6", 5);
  WaitAnyKey();
  Say("2+2+2", XI3, 80, 3);
  WaitAnyKey();
  Y_a(31) = 280;
  AdditionFigure(2);
  WaitAnyKey();

  Say("② (-2)*3=", XI1, 130, 0);
  U(1) = XI2;
  WaitAnyKey();
  Say("(-2)+(-2)+(-2)", XI3, 130, 3);
  WaitAnyKey();
  Say("-6", U(1), 130, 5);
  WaitAnyKey();
  AdditionFigure(-2);
  WaitAnyKey();

  Say("③ (-4)*4=", XI1, 180, 0);
  WaitAnyKey();
  Continue("-", 5);
  WaitAnyKey();
  Continue("16", 5);
  WaitAnyKey();
  Say("(-4)+(-4)+(-4)+(-4)=-(4*4)", XI3, 180, 3);
  WaitAnyKey();

  Say("　正の数をかけるとき", XI1, 380, 3);
  Say("(正の数)*(正の数)→＋(絶対値の積)", XI1, 430, 5);
  Say("(負の数)*(正の数)→-(絶対値の積)", XI1, 480, 5);
  WaitAnyKey();
  // The page's textbook line stands in colour 0, with the questions.
  Say("教科書 問1をしなさい。", XI1, 530, 0);
  WaitAnyKey();
  SetMargins({.left = 40});
  QuestionThenAnswer("(1)", "(-3)*7", "=-21", XI0, 580);
  WaitAnyKey();
  QuestionThenAnswer("(2)", "(-6)*8", "=-48", XI2 + 35, YI1);
  WaitAnyKey();
  QuestionThenAnswer("(3)", "(-12)*6", "=-72", XI2 + 35, YI1);
}

}  // namespace pellith
