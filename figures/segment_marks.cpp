// Marks on a segment from A (AX, AY) to B (BX, BY): chevrons that point
// towards B from a dividing point, and ticks across the segment past its
// middle. Only the marks are drawn, in CCC2 at the pen width in force.
//
//   HONSU: how many marks (1 to 6; others become 1, but for the ticks 0
//   stays 0 and draws one). NAGASA: a chevron's size,
//   a tick's half-length. A, B: the chevrons start from the point dividing the
//   segment A:B. AIDA: the step between ticks (0 or above 30: 8), ITI: the
//   ticks' shift from the middle; AIDA ends past the last tick.
// Work: CX, CY, D, DX, DY, EX, EY, AX1, AY1, AX2, AY2, BX1, BY1, AIDA1, II.
#include <cmath>

#include "figures.h"

namespace {

// CX, CY = B - A; D its length; DX, DY the unit direction from A to B.
// A and B on one point leave no direction: the division is the runtime's
// division by zero, before anything is drawn.
void SegmentDirection() {
  CX = BX - AX;
  CY = BY - AY;
  D = static_cast<float>(std::sqrt(static_cast<double>(PnFXy(CX, 2)) + PnFXy(CY, 2)));
  DX = Div(CX, D);
  DY = Div(CY, D);
}

}  // namespace

void DrawChevronMarks() {
  SegmentDirection();
  // The dividing point lies A/(A+B) of the way from A to B.
  BX1 = Div(static_cast<double>(CX) * A, static_cast<double>(A) + B) + AX;
  BY1 = Div(static_cast<double>(CY) * A, static_cast<double>(A) + B) + AY;
  EX = BX1 - NAGASA * DX;
  EY = BY1 - NAGASA * DY;
  AX1 = EX - (NAGASA / 2.0) * DY;
  AY1 = EY + (NAGASA / 2.0) * DX;
  AX2 = EX + (NAGASA / 2.0) * DY;
  AY2 = EY - (NAGASA / 2.0) * DX;
  if (HONSU <= 0 || HONSU > 6) HONSU = 1;
  // One chevron per pass, 16 units further along the segment each time; the
  // bound is taken once and the first pass is always made.
  const float last = HONSU;
  II = 1;
  do {
    BX1 = BX1 + 16.0 * DX;
    AX1 = AX1 + 16.0 * DX;
    AX2 = AX2 + 16.0 * DX;
    BY1 = BY1 + 16.0 * DY;
    AY1 = AY1 + 16.0 * DY;
    AY2 = AY2 + 16.0 * DY;
    PsLINE(AX1, AY1, BX1, BY1, CCC2);
    PsLINE(AX2, AY2, BX1, BY1, CCC2);
    II = II + 1;
  } while (II <= last);
}

void DrawTickMarks() {
  if (AIDA == 0 || AIDA > 30) AIDA = 8;
  SegmentDirection();
  // The reference point: the middle, moved ITI along the segment.
  EX = (static_cast<double>(AX) + BX) / 2 + static_cast<double>(ITI) * DX;
  EY = (static_cast<double>(AY) + BY) / 2 + static_cast<double>(ITI) * DY;
  if (HONSU < 0 || HONSU > 6) HONSU = 1;
  AIDA1 = AIDA;
  const float last = HONSU;
  II = 1;
  do {
    AX1 = EX + static_cast<double>(AIDA) * DX + static_cast<double>(NAGASA) * DY;
    AX2 = EX + static_cast<double>(AIDA) * DX - static_cast<double>(NAGASA) * DY;
    AY1 = EY + static_cast<double>(AIDA) * DY - static_cast<double>(NAGASA) * DX;
    AY2 = EY + static_cast<double>(AIDA) * DY + static_cast<double>(NAGASA) * DX;
    PsLINE(AX1, AY1, AX2, AY2, CCC2);
    AIDA = AIDA + AIDA1;
    II = II + 1;
  } while (II <= last);
}
