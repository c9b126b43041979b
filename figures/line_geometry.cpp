// Straight lines given by two points each, in slope-intercept form
// (y = slope * x + intercept, y downwards). Vertical and horizontal lines are
// told apart first, by exact comparison of the coordinates, so no slope is
// ever taken of them.
//
//   DrawPerpendicularFoot: from C (CX, CY) to the line AB ((AX, AY), (BX,
//   BY)); the foot in (EX, EY), marked with a small white disc.
//   IntersectLines: the lines AB and CD ((CX, CY), (DX, DY)); AX1 0 when
//   they meet at (AX2, AY2), -1 when they are parallel.
//   LineThroughPoints: the point (X1, Y1) of the line AB at the height CY
//   (CX < 0) or at the x CX (CY < 0).
// Work: A1, B1, A2, B2 (IntersectLines), AA1, BB1, AA2, BB2
// (DrawPerpendicularFoot), A, B (LineThroughPoints).
#include "figures.h"

void DrawPerpendicularFoot() {
  if (BX == AX) {
    EX = AX;
    EY = CY;
  } else if (BY == AY) {
    EX = CX;
    EY = AY;
  } else {
    AA1 = Div(static_cast<double>(BY) - AY, static_cast<double>(BX) - AX);
    BB1 = AY - static_cast<double>(AA1) * AX;
    AA2 = Div(-1, AA1);
    BB2 = CY - static_cast<double>(AA2) * CX;
    EX = Div(-(static_cast<double>(BB1) - BB2), static_cast<double>(AA1) - AA2);
    EY = Div(static_cast<double>(AA1) * BB2 - static_cast<double>(AA2) * BB1,
             static_cast<double>(AA1) - AA2);
  }
  PsCIRCLE_DISC(EX, EY, 2, 15);
}

// A vertical line keeps the slope marker 1000 in A1 or A2, but whether a
// line is vertical is held apart from it: a line whose true slope is 1000
// is an ordinary line. Parallel lines leave AY2 as it was and set AX1 to -1;
// lines that meet set AX1 to 0.
void IntersectLines() {
  bool ab_vertical = false;
  bool cd_vertical = false;
  if (BY == AY) {
    A1 = 0;
    B1 = AY;
  } else if (BX == AX) {
    A1 = 1000;
    AX2 = AX;
    ab_vertical = true;
  } else {
    A1 = Div(static_cast<double>(BY) - AY, static_cast<double>(BX) - AX);
    B1 = AY - static_cast<double>(A1) * AX;
  }
  if (CY == DY) {
    A2 = 0;
    B2 = CY;
  } else if (CX == DX) {
    A2 = 1000;
    AX2 = CX;
    cd_vertical = true;
  } else {
    A2 = Div(static_cast<double>(DY) - CY, static_cast<double>(DX) - CX);
    B2 = CY - static_cast<double>(A2) * CX;
  }
  const bool parallel = ab_vertical == cd_vertical && (ab_vertical || A1 == A2);
  if (parallel) {
    AX1 = -1;
    return;
  }
  AX1 = 0;
  if (ab_vertical) {
    AY2 = static_cast<double>(A2) * AX2 + B2;
    return;
  }
  if (cd_vertical) {
    AY2 = static_cast<double>(A1) * AX2 + B1;
    return;
  }
  AX2 = Div(-(static_cast<double>(B2) - B1), static_cast<double>(A2) - A1);
  AY2 = Div(-static_cast<double>(A1) * (static_cast<double>(B2) - B1) +
                (static_cast<double>(A2) - A1) * B1,
            static_cast<double>(A2) - A1);
}

void LineThroughPoints() {
  if (BX == AX) {
    X1 = AX;
    Y1 = CY;
    return;
  }
  if (AY == BY) {
    X1 = CX;
    Y1 = AY;
    return;
  }
  A = Div(static_cast<double>(BY) - AY, static_cast<double>(BX) - AX);
  B = AY - static_cast<double>(A) * AX;
  if (CX < 0) {
    X1 = Div(static_cast<double>(CY) - B, A);
    Y1 = CY;
    return;
  }
  if (CY < 0) {
    Y1 = static_cast<double>(A) * CX + B;
    X1 = CX;
  }
}
