// A straight arrow between (ZX0, ZY0) and (ZX, ZY) in colour CCC2 at the pen
// width in force, with an open head of two strokes at one end or both.
//   MUKI -1: the head at (ZX0, ZY0); any other value: at (ZX, ZY).
//   YA 2: a head at both ends.
//   NAGASA: the head's base lies NAGASA back from the tip, and its strokes
//   start NAGASA/2 to either side of the base.
// Afterwards the tip of the last head drawn is in (ZX0, ZY0), the other end
// in (ZX, ZY), MUKI is 0, and YA is 0 if it was 2. Work: CX, CY (tail to
// tip), D (the length), DX, DY (the unit direction), EX, EY (the head's
// base), ZX1, ZY1, ZX2, ZY2 (the starts of the head's strokes).
#include <cmath>
#include <utility>

#include "figures.h"

namespace {

// One shaft and one head: the tip is (ZX0, ZY0), the tail (ZX, ZY).
void ArrowPass() {
  PsLINE(ZX, ZY, ZX0, ZY0, CCC2);
  CX = ZX0 - ZX;
  CY = ZY0 - ZY;
  D = std::sqrt(static_cast<double>(PnFXy(CX, 2)) + PnFXy(CY, 2));
  // An arrow whose ends coincide has no direction: the division is the
  // runtime's error.
  DX = Div(CX, D);
  DY = Div(CY, D);
  EX = ZX0 - static_cast<double>(NAGASA) * DX;
  EY = ZY0 - static_cast<double>(NAGASA) * DY;
  const double half = NAGASA / 2.0;
  ZX1 = EX - half * DY;
  ZY1 = EY + half * DX;
  ZX2 = EX + half * DY;
  ZY2 = EY - half * DX;
  // The first stroke on the right of the arrow as seen from tail to tip,
  // the second on its left.
  PsLINE(ZX1, ZY1, ZX0, ZY0, CCC2);
  PsLINE(ZX2, ZY2, ZX0, ZY0, CCC2);
}

void SwapEnds() {
  std::swap(ZX0, ZX);
  std::swap(ZY0, ZY);
}

}  // namespace

void DrawArrow() {
  if (MUKI != -1) SwapEnds();
  ArrowPass();
  if (YA == 2) {
    YA = 0;
    SwapEnds();
    ArrowPass();
  }
  MUKI = 0;
}
