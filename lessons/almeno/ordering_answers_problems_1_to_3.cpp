// Practice answers, problems 1 to 3: the integers between two numbers, the
// integers whose absolute value lies between two bounds shown on the number
// line, and three comparisons with their signs.
#include "almeno_steps_line.h"
#include "construct_globals.h"
#include "figures.h"
#include "layout_cursor.h"
#include "number_texts.h"
#include "ordering_practice_pages.h"
#include "page_faces.h"
#include "practice_layouts.h"
#include "shell.h"

namespace almeno {

namespace {

// Problem 2: -5 and 5 open, -2 and 2 filled, and a dotted arc labelled
// "3個" over each group of three integers, -4 to -2 and 2 to 4.
void AbsoluteValueBoundsFigure() {
  Y_a(31) = YI1 + 100;
  StepsNumberLine();
  // Kept: every circle, arc and box after this on the page is drawn 5 wide.
  FE_SETDRAWWIDTH(5);

  const float values[] = {-5, -2, 2, 5, -4, 4};
  for (int i = 1; i <= 6; ++i) U(i) = values[i - 1];
  for (int i = 1; i <= 4; ++i) X_sa(i) = NumberText(U(i));
  for (int i = 1; i <= 6; ++i) {
    V(i) = Y_a(31);
    U(i) = X_a(32) + 40 * U(i);
  }
  for (II = 1; II <= 4; II = II + 1) {
    if (II == 2 || II == 3) {
      PsCIRCLE_DISC(U(II), V(II), 10, 3);
    } else {
      PsCIRCLE(U(II), V(II), 10, 3);
    }
    PrintAt(X_sa(II), U(II) - (II < 3 ? 27 : 14), V(II) + 10, 3);
  }

  const float arcs[][2] = {{5, 2}, {3, 6}};
  for (const auto& arc : arcs) {
    A = arc[0];
    B = arc[1];
    DottedArc({.x0 = U(A),
               .y0 = V(A),
               .x1 = U(B),
               .y1 = V(B),
               .side = -1,
               .step = 8,
               .bulge = 30,
               .colour = 3,
               .label_colour = 7,
               .label = "3個"});
  }
}

// One comparison of problem 3 from (x, y), its box drawn with the sign in it.
void Comparison(const std::string& left, float x, float y, const std::string& sign,
                const std::string& right) {
  Say(left, x, y, 0);
  OrderingAnswerBox(sign, XI2 + 10, YI1);
  Say(right, XI2 + 10, YI1, 0);
}

}  // namespace

void OrderingAnswersProblems1To3() {
  PracticeAnswersPage(kOrderingAnswers, "練習問題 解答");

  ProblemNumberCell("1", XI1, YI1 + 70);
  Continue(" ", 0);
  WaitAnyKey();
  Continue("-2,-1,0,1,2", 5);
  WaitAnyKey();

  ProblemNumberCell("2", XI1, YI1 + 60);
  Continue("　6個", 5);
  AbsoluteValueBoundsFigure();
  WaitAnyKey();

  ProblemNumberCell("3", XI1, YI1 + 200);
  Comparison("(1) -0.01", XI2 + 30, YI1, ">", "-0.1 ");
  WaitAnyKey();
  Comparison("(2) -ﾀ1/2ﾀ", XI2 + 60, YI1, "<", "-ﾀ1/3ﾀ ");
  WaitAnyKey();
  Comparison("(3) -1", XI1 + 44 + 30, YI1 + 70, "<", "-0.6 ");
  WaitAnyKey();

  OrderingAnswersProblems4And5();
}

}  // namespace almeno
