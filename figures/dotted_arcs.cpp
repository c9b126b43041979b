// A dotted half-ellipse over the chord from P0 (ZX0, ZY0) to P1 (ZX1, ZY1),
// with the label AAA_s beside its middle, outside the arc.
//   TAKASA: the arc's height across the chord. A value between 0 and 16 is
//   taken in sixteenths (multiplied by 16), a negative one by its size; the
//   corrected value stays in TAKASA.
//   HOUKOU > 0: the arc on the right of a walker from P0 to P1 (below a chord
//   drawn to the right); 0 or less: on the other side.
//   HABA: step between dots in degrees of the ellipse's parameter angle;
//   NAKA > 0: only that many degrees of the half (with HOUKOU 0 the whole
//   half still), the label beside the middle of those.
//   CCC2 the dots, CCC1 the label, AAAX, AAAY its extra shift, MU_DO bold.
// Afterwards (ZX0, ZY0) and (ZX, ZY) hold the middle of the part drawn,
// (ZX1, ZY1) P0, (ZX2, ZY2) P1; AAA_s is "", NAKA 0, and the label leaves
// ITI and NAGASA 0.
// Work: D1, D2 (the first and last parameter angle), HH, II and
// LayDownChord's, ArcPoint's and DrawLabelAtPoint's.
#include <cmath>

#include "arc_geometry.h"
#include "figures.h"

void DrawDottedArc() {
  if (TAKASA > 0 && TAKASA < 16) {
    TAKASA = TAKASA * 16;
  } else if (TAKASA < 0) {
    TAKASA = std::fabs(TAKASA);
  }
  LayDownChord();

  // Parameter range in degrees: 180 to 360 is the clockwise-side half from
  // P0, 0 to 180 the other half from P1.
  if (HOUKOU > 0) {
    D1 = 180;
    D2 = NAKA > 0 ? 180 + NAKA : 360;
  } else {
    D1 = 0;
    D2 = (HOUKOU < 0 && NAKA > 0) ? NAKA : 180;
  }

  // The dots, equally spaced in the parameter angle; the first is always
  // drawn. A step of 0 or less would never reach the end: no dots then.
  if (HABA > 0) {
    const float step = HABA;
    const float last = D2;
    II = D1;
    do {
      HH = static_cast<double>(II) * PI / 180;
      ArcPoint();
      PsCIRCLE_DISC(ZX, ZY, 0.5, CCC2);
      II = II + step;
    } while (II <= last);
  }

  // The middle of the drawn part, where the label is anchored.
  HH = ((static_cast<double>(D1) + D2) / 2) * PI / 180;
  ArcPoint();

  // The label in the angle P0-middle-P1 that opens away from the chord.
  ZX2 = ZX12;
  ZY2 = ZY12;
  ZX1 = ZX11;
  ZY1 = ZY11;
  ZX0 = ZX;
  ZY0 = ZY;
  NAGASA = 0;
  ITI = HOUKOU;
  DrawLabelAtPoint();

  AAA_s = "";
  NAKA = 0;
}
