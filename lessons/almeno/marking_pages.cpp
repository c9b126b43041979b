// The two marking exercises of the numbers-below-zero topic: the learner
// moves a point along the number line and confirms it with Enter; a point
// that lands exactly on a target stays shown in every later attempt. Typing 1
// at the next-step prompt ends the attempts and the targets are shown.
#include "marking_pages.h"

#include "below_zero_pages.h"
#include "explanation_page.h"
#include "globals.h"
#include "layout_cursor.h"
#include "shell.h"
#include "textbook_answers.h"

namespace almeno {

namespace {

void TaskPage(const char* task) {
  ExplanationPage(1760, 1300, 44, 30);
  Say(task, XI1, YI1, 0);
}

}  // namespace

void MarkPositivePointsPage() {
  TaskPage("復習　数直線上に,2,3.5を表す数をしるしましょう。");
  // Nothing found yet: every slot lies off the page.
  U(1) = U(2) = U(3) = U(4) = 30;
  // The submenu leaves 10 in AINP: there is always a first attempt. The
  // line is drawn over the last attempt's marks; the first arrow key, or
  // the reading at Enter, clears them.
  while (AINP != 1) {
    PositiveNumberLine();
    X_a(1) = X_a(32);
    PointMoveLoopOnPositiveLine();
    ReadMarkedPoint();
    AskNextStep();
  }
  ShowTargetPoints();
}

void MarkNegativePointsPage() {
  TaskPage("課題　数直線上に,-2,-3.5を表す数をしるしましょう。");
  PositiveNumberLine();
  // The positive points of the previous exercise are shown as known.
  U(1) = 2;
  U(2) = 3.5;
  U(3) = 30;
  U(4) = 30;

  // One try on the line that has nothing left of 0.
  X_a(1) = X_a(32);
  PointMoveLoopLeftOfPositiveLine();
  ReadMarkedPoint();
  WaitAnyKey();

  // The change to the full line, whose 0 stands 40 units further left. The
  // point of the try moves with the origin, so that it keeps its value and
  // its label: a correct mark is never shown as another number.
  const float old_origin = X_a(32);
  PsBOX(X_a(31) - 60, Y_a(31) - 90, X_a(33) + 60, Y_a(31) + 80, 15, 15);
  SignedNumberLine();
  X_a(1) = X_a(1) + (X_a(32) - old_origin);
  ReadMarkedSignedPoint();
  // A hit on the line from 0 to 7 does not count.
  U(3) = 30;
  U(4) = 30;

  while (AINP != 1) {
    SignedNumberLine();
    X_a(1) = X_a(32);
    PointMoveLoopOnSignedLine();
    ReadMarkedSignedPoint();
    AskNextStep();
  }
  ShowSignedTargetPoints();
  WaitAnyKey();
  TextbookTaskLine("教科書 問5　をしなさい。", 44, 580);
}

}  // namespace almeno
