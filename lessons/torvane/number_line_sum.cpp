// A sum of two signed whole numbers built on the number line, move by move.
#include "number_line_sum.h"

#include "page_faces.h"
#include "shell.h"
#include "torvane_steps_line.h"

namespace torvane {

namespace {

// A point on the axis at x with its text centred under it, in colour 5 for a
// negative value and 3 otherwise.
void SumPoint(float value, float x, const std::string& text) {
  IRO = value < 0 ? 5 : 3;
  PsCIRCLE_DISC(x, Y_a(31), 9, IRO);
  CentredLabel(text, x, Y_a(31) + 9, IRO);
}

// One move: the marker from `start` until Enter on `target`, the prompt
// naming it `move`, the figure redrawn by `redraw_move` after each key.
void WalkTo(float start, float target, const Action& redraw_move, const std::string& move) {
  X_a(1) = start;
  X_a(2) = start;
  X_a(3) = target;
  StepMoveLoop(move, redraw_move, StepsNumberLine);
}

}  // namespace

void SecondStepArrow() {
  EraseFigureArea();
  SumPoint(T(1), T(4), T_s(1));
  StepArrowSecondMove();
}

void NumberLineSum(bool unsigned_positives) {
  EraseFigureArea();
  T(3) = T(1) + T(2);
  TablesToTextAndKeyChoice();
  for (int i = 1; i <= 3; ++i) {
    if (!unsigned_positives && T(i) > 0) T_s(i) = "+" + T_s(i);
    X_sa(i) = T_s(i);
  }
  StepsNumberLine();
  for (int i = 1; i <= 3; ++i) T(3 + i) = X_a(32) + 40 * T(i);

  // From 0 to the first term, then from it by the second to the sum.
  WalkTo(X_a(32), T(4), StepArrow, X_sa(1));
  SumPoint(T(1), T(4), T_s(1));
  WalkTo(T(4), T(6), SecondStepArrow, X_sa(2));
  SumPoint(T(3), T(6), T_s(3));
}

}  // namespace torvane
