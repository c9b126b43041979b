// The arrow of a move on the steps number line: from the start X_a(2) to the
// marker X_a(1) at the marker level, coloured by direction, with the number of
// units written across the middle of its shaft. The caller draws the line
// again afterwards, over the arrow.
#include <cmath>

#include "construct_globals.h"
#include "figures.h"
#include "fresh_run.h"
#include "number_texts.h"
#include "page_faces.h"
#include "steps_number_line.h"

float IRO1 = 0;
const FreshEachRun kFreshEachRun(IRO1);

namespace {

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
  YA = 1;
  ArrowTo(X_a(2), Y_a(34), X_a(1), Y_a(34), colour, 16);

  text = NumberText(std::fabs(X_a(2) - X_a(1)) / 40);
  if (kept) *kept = text;

  // An arc of no height: its dots fall on the shaft, only the label shows,
  // 23 lower than the arc would put it.
  DottedArc({.x0 = left,
             .y0 = Y_a(34),
             .x1 = right,
             .y1 = Y_a(34),
             .side = -1,
             .step = 15,
             .bulge = 0,
             .colour = colour,
             .label_colour = 0,
             .label = text,
             .label_dy = 23});
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
