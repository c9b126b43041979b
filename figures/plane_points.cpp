// A point (XG, YG) of the coordinate plane: a filled dot of radius R in
// CCC3, placed through the plane's frame, and its label above and to the
// left of it.
//
// It reads the frame that DrawCoordinatePlane left (GX0, GY0, SIZE) and BAIX,
// BAIY, the value of a grid square (0 counts as 1); the label is AAA_s in
// CCC3, shifted by KASANARIX, KASANARIY. Afterwards (GX, GY) is where the dot
// stands, BAIX and BAIY are 1, KASANARIX and KASANARIY 0. Work: X, Y, AA_s,
// CCC1 (left CCC3) and PrintMarkup's.
#include "figures.h"

void PlotPoint() {
  if (BAIX == 0) BAIX = 1;
  if (BAIY == 0) BAIY = 1;
  GX = GX0 + static_cast<double>(Div(static_cast<double>(SIZE) * XG, BAIX));
  GY = GY0 - static_cast<double>(Div(static_cast<double>(SIZE) * YG, BAIY));
  PsCIRCLE_DISC(GX, GY, R, CCC3);
  CCC1 = CCC3;
  X = GX - 20.0 + KASANARIX;
  Y = GY - 40.0 + KASANARIY;
  AA_s = AAA_s;
  PrintMarkup();
  KASANARIX = 0;
  KASANARIY = 0;
  BAIX = 1;
  BAIY = 1;
}
