// One point of the half-ellipse that spans a chord from P0 (ZX0, ZY0) to P1
// (ZX1, ZY1) with the height TAKASA, at the parameter angle KAKUDO in
// degrees: 0 at P1, 90 at the middle of the arc, 180 at P0. The point is
// first found on the same arc laid down from P0 towards increasing x, then
// turned about P0 by the chord's direction, as the dotted arcs place their
// dots.
//
// The point is left in (ZX, ZY); ZX1, ZY1 are overwritten on the way. Work:
// CX, CY, RR, H, R, ZX2, ZY2, ZX3, ZY3, ZX11, ZY11, ZX12, ZY12 and
// SegmentAngle's (HH, HHP, PI).
#include <cmath>

#include "arc_geometry.h"
#include "figures.h"

void LayDownChord() {
  ZX11 = ZX0;
  ZY11 = ZY0;
  ZX12 = ZX1;
  ZY12 = ZY1;
  CX = ZX1 - ZX0;
  CY = ZY1 - ZY0;
  RR = std::sqrt(static_cast<double>(PnFXy(CX, 2)) + PnFXy(CY, 2)) / 2;
  ZX2 = ZX0 + RR;
  ZY2 = ZY0;
  SegmentAngle();
  H = HHP;
}

void ArcPoint() {
  ZX3 = ZX2 + static_cast<double>(RR) * std::cos(HH);
  // A chord of no length has no arc: the division is the runtime's error.
  ZY3 = ZY2 - static_cast<double>(Div(TAKASA, RR)) * RR * std::sin(HH);
  ZX1 = ZX3;
  ZY1 = ZY3;
  SegmentAngle();
  R = std::sqrt(static_cast<double>(PnFXy(ZX3 - ZX0, 2)) + PnFXy(ZY3 - ZY0, 2));
  ZX = ZX0 + static_cast<double>(R) * std::cos(static_cast<double>(H) + HHP);
  ZY = ZY0 - static_cast<double>(R) * std::sin(static_cast<double>(H) + HHP);
}

void PointOnArc() {
  LayDownChord();
  HH = static_cast<double>(KAKUDO) * PI / 180;
  ArcPoint();
}
