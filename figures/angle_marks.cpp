// The mark of an angle at a vertex: concentric arcs from ray 1 round to ray
// 2 (counter-clockwise on the screen), or one filled sector, and a label on
// the bisector beyond them.
//
//   The vertex (ZX0, ZY0), ray 1 through (ZX1, ZY1), ray 2 through (ZX2, ZY2);
//   ITI -1 takes the other angle. HONSU: 1 to 6 arcs in CCC3 (above 6: 1), 0
//   or less a sector filled in CCC3 with a CCC2 border. NAGASA: the mark's
//   size; the label AAA_s goes NAGASA out (DrawLabelAtPoint).
// Afterwards ITI is 0 and AAA_s "", and the label leaves NAGASA, AAAX,
// AAAY and MU_DO 0. Work: II, NAGASA1, and RayAngles' (HH1 to HH5, HHP)
// and DrawLabelAtPoint's (DY, X, Y, A_s, AA_s and the printers' globals).
#include "figures.h"

void DrawAngleMark() {
  RayAngles();
  if (HONSU > 6) HONSU = 1;
  if (HONSU > 0) {
    // Arcs 8 units apart, the outermost 8 units inside NAGASA, drawn from
    // the outside in; the arc runs clockwise from ray 2 to ray 1.
    NAGASA1 = NAGASA;
    const float last = HONSU;
    II = 1;
    do {
      NAGASA1 = NAGASA1 - 8;
      PsCIRCLE_ARC(ZX0, ZY0, NAGASA1, CCC3, HH2, HH1);
      II = II + 1;
    } while (II <= last);
  } else {
    PsCIRCLE_SECTOR(ZX0, ZY0, NAGASA, CCC2, CCC3, HH2, HH1);
  }
  DrawLabelAtPoint();
  ITI = 0;
  AAA_s = "";
}
