// The graph of a function on the coordinate plane, drawn as 5001 small dots
// at equal steps of x; only the dots within the plane's height are drawn, so
// the branches of y = a/x are never joined and a graph leaving the plane at
// the top or bottom stops there. Kinds (IROIRO): 1 y = AA/x, 2 y = AA*x^2,
// 3 y = AA*x + BB, 4 AA*x + BB*y = CC; any other kind is a straight line.
//
// The graph is drawn in CCC3 over x from AA1 to AA2 through the plane's frame
// (GX0, GY0, GY1, GY2, SIZE, BAIX, BAIY); its name AAA_s goes after the last
// dot drawn, shifted by KASANARIX, KASANARIY. Afterwards BAIX and BAIY are 1,
// KASANARIX and KASANARIY 0; a kind-4 line is left rewritten, as kind 3 in
// IROIRO with its slope and intercept in AA, BB, or with its x in CC when it
// is vertical. Work: X1, Y1, GX, GY, GX5, GY5, P1, HABA, II, DR, X, Y, AA_s,
// CCC1 (left CCC3) and PrintMarkup's.
#include "figures.h"

namespace {

// f(x) of the kind in IROIRO.
float Evaluate(float x) {
  if (IROIRO == 1) return Div(AA, x);
  if (IROIRO == 2) return static_cast<double>(AA) * PnFXy(x, 2);
  return static_cast<double>(AA) * x + BB;
}

}  // namespace

void PlotFunction() {
  DR = FE_GETDRAWWIDTH();
  // Kept apart from DR, which the label printer overwrites.
  const int entry_width = DR;
  if (BAIX == 0) BAIX = 1;
  if (BAIY == 0) BAIY = 1;
  if (IROIRO == 4 && BB == 0) {
    // A vertical line x = CC/AA; with AA = 0 as well there is no line, and
    // the division is the runtime's division by zero.
    CC = Div(CC, AA);
    DrawGraphLabelSegment();
  } else {
    if (IROIRO == 4) {
      AA = Div(-AA, BB);
      BB = Div(CC, BB);
      IROIRO = 3;
    }
    PlotCurveDots();
  }
  CCC1 = CCC3;
  X = X + KASANARIX;
  Y = Y + KASANARIY;
  AA_s = AAA_s;
  PrintMarkup();
  KASANARIX = 0;
  KASANARIY = 0;
  BAIX = 1;
  BAIY = 1;
  FE_SETDRAWWIDTH(entry_width);
}

void PlotCurveDots() {
  X1 = AA1;
  HABA = 5000;
  // The kinds that divide by x never take x = 0 itself.
  if (IROIRO != 3 && X1 == 0) X1 = 0.002f;
  Y1 = Evaluate(X1);
  GX5 = X1;
  GY5 = Y1;
  P1 = Div(static_cast<double>(AA2) - AA1, HABA);
  II = 0;
  do {
    // A value beyond single precision fails the height test and is not drawn.
    GX = GX0 + static_cast<double>(SIZE) * GX5 / BAIX;
    GY = GY0 - static_cast<double>(SIZE) * GY5 / BAIY;
    if (GY1 <= GY && GY <= GY2) {
      X = GX;
      Y = GY;
      PsCIRCLE_DISC(GX, GY, 1, CCC3);
    }
    GX5 = GX5 + P1;
    if (IROIRO != 3 && GX5 == 0) GX5 = GX5 + P1;
    GY5 = Evaluate(GX5);
    II = II + 1;
  } while (II <= 5000);
}
