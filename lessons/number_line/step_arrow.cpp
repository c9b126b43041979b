// The arrow of a move on the steps number line: from the start X_a(2) to the
// marker X_a(1) at the marker level, coloured by direction, with the number of
// units written above its middle. The caller draws the line again afterwards,
// over the arrow.
#include <cmath>

#include "construct_globals.h"
#include "figures.h"
#include "number_texts.h"
#include "steps_number_line.h"

float IRO1 = 0;

namespace {

// Wipes the figure area of the line drawn last.
void EraseFigureArea() {
  PsBOX(X_a(31) - 60, Y_a(31) - 120, X_a(33) + 60, Y_a(31) + 90, 15, 15);
}

// The move from X_a(2) to X_a(1): its left and right ends and its colour (3 to
// the right, 5 otherwise) into the given globals; then the arrow and its
// distance label, or a dot when the marker stands on the start. The distance
// text is made in `text` and also kept in `*kept` before the label is drawn
// (the arc uses A_s as scratch).
void DrawMove(float& left, float& right, float& colour, std::string& text, std::string* kept) {
  if (X_a(1) > X_a(2)) {
    left = X_a(2);
    right = X_a(1);
    colour = 3;
  } else {
    left = X_a(1);
    right = X_a(2);
    colour = 5;
  }
  if (X_a(1) == X_a(2)) {
    // No arrow of no length: the arrow routine would divide by it.
    PsCIRCLE_DISC(X_a(1), Y_a(34), 9, 7);
    return;
  }
  FE_SETDRAWWIDTH(12);
  ZX0 = X_a(2);
  ZY0 = Y_a(34);
  ZX = X_a(1);
  ZY = Y_a(34);
  MUKI = 1;
  YA = 1;
  CCC2 = colour;
  NAGASA = 16;
  DrawArrow();

  text = NumberText(std::fabs(X_a(2) - X_a(1)) / 40);
  if (kept) *kept = text;

  // An arc of no height: its dots fall on the shaft, only the label shows,
  // 23 lower than the arc would put it.
  ZX0 = left;
  ZY0 = Y_a(34);
  ZX1 = right;
  ZY1 = Y_a(34);
  CCC1 = 0;
  HOUKOU = -1;
  HABA = 15;
  TAKASA = 0;
  AAA_s = text;
  AAAX = 0;
  AAAY = 23;
  DrawDottedArc();
}

}  // namespace

void StepArrow() {
  EraseFigureArea();
  DrawMove(X1, X2, IRO1, A1_s, nullptr);
}

void StepArrowSecond() {
  EraseFigureArea();
  PsCIRCLE_DISC(X_a(32) + 40 * X_a(22), Y_a(34), 9, 7);
  DrawMove(X11, X12, IRO, A_s, &T_s(5));
}

void StepArrowSecondMove() {
  DrawMove(X11, X12, IRO, A_s, nullptr);
}
