// The repeated-addition figures on the steps number line.
#include "product_figures.h"

#include <cmath>

#include "figures.h"
#include "number_texts.h"
#include "page_faces.h"
#include "pellith_steps_line.h"

namespace pellith {

namespace {

// A value's text centred under its point x, 9 below the axis, in `IRO1`.
void ValueLabel(float value, float x) {
  CentredLabel(NumberText(value), x, Y_a(31) + 9, IRO1);
}

// The thick arrow from the origin to x, 20 above the axis, in `IRO1`; a dot
// on the origin where x is the origin itself (an arrow of no length has no
// direction).
void ArrowFromOrigin(float x) {
  if (x == X_a(32)) {
    PsCIRCLE_DISC(X_a(32), Y_a(32), 9, 7);
    return;
  }
  FE_SETDRAWWIDTH(12);
  YA = 1;
  ArrowTo(X_a(32), Y_a(32), x, Y_a(32), IRO1, 16);
}

// The value `value` at x: its colour, its arrow and its label.
void ValueArrow(float value, float x) {
  IRO1 = x > X_a(32) ? 3 : 5;
  ArrowFromOrigin(x);
  ValueLabel(value, x);
}

// The values X_a(1) to X_a(count), each at X_a(10 + k), one per key.
void ArrowSteps(float count) {
  for (int k = 1; k <= count; ++k) {
    ValueArrow(X_a(k), X_a(10 + k));
    WaitAnyKey();
  }
}

// The multiples step, 2 step, ... count step into X_a(k) and their points
// into X_a(10 + k).
void Multiples(float step, float count) {
  for (int k = 1; k <= count; ++k) {
    X_a(k) = step * k;
    X_a(10 + k) = X_a(32) + 40 * X_a(k);
  }
}

}  // namespace

void RepeatedAdditionArrows() {
  Multiples(T(1), T(2));
  ArrowSteps(T(2));
}

void OppositeAdditionArrows() {
  T(11) = X_a(32) + 40 * T(1);
  ValueArrow(T(1), T(11));
  const float count = std::fabs(T(2));
  Multiples(-T(1), count);
  ArrowSteps(count);
}

void ProductPatternStep() {
  X_a(1) = F(1) * T(1);
  X_a(11) = X_a(32) + 40 * X_a(1);
  X_a(2) = F(1) * (T(1) + 1);
  X_a(12) = X_a(32) + 40 * X_a(2);
  HOUKOU = X_a(11) < X_a(12) ? 1 : -1;
  // The arc joins two different points; a zero multiplicand gives one point
  // and no arc.
  if (T(1) != 3 && X_a(11) != X_a(12)) {
    FE_SETDRAWWIDTH(5);
    DottedArc({.x0 = X_a(12),
               .y0 = Y_a(31),
               .x1 = X_a(11),
               .y1 = Y_a(31),
               .side = HOUKOU,
               .step = 5,
               .bulge = 20,
               .colour = 3,
               .label_colour = 3,
               .label = ""});
  }
  IRO1 = X_a(11) >= X_a(32) ? 3 : 5;
  ValueLabel(X_a(1), X_a(11));
}

}  // namespace pellith
