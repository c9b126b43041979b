// A label beside the point (ZX0, ZY0), inside the angle that the rays through
// (ZX1, ZY1) and (ZX2, ZY2) make there (the other angle with ITI -1). The
// label is pushed NAGASA along the angle's bisector to its anchor and then
// shifted by its own width and height so that it lies beyond the anchor,
// plus AAAX, AAAY. It is drawn in colour CCC1 by the markup printer, or by
// the bold printer with MU_DO 1. ITI, AAA_s, AAAX, AAAY, NAGASA and MU_DO
// are back at 0 or "" afterwards. The measuring keeps the caller's KAKKO in
// KAKKO1. Work: X, Y, DY (half the label's height), A_s, AA_s, and
// PrintMarkup's, MeasureMarkupWidth's, DrawBoldText's and RayAngles'.
#include <cmath>

#include "figures.h"

void DrawLabelAtPoint() {
  // Always the markup width, also for a bold label; measuring must not
  // disturb the tall-bracket mode the label is drawn in.
  A_s = AAA_s;
  KAKKO1 = KAKKO;
  MeasureMarkupWidth();
  KAKKO = KAKKO1;

  RayAngles();

  // Half the height allowed for the label: a built-up fraction stands
  // 80 high, any other label 44. The fraction mark is looked for character
  // by character, so the trail byte of a double-byte character never
  // counts as one.
  DY = PfKINSTR(AAA_s, "ﾀ") > 0 ? 40 : 22;

  const double c = std::cos(HH5);
  const double s = std::sin(HH5);
  Y = ZY0 - NAGASA * s - 2.0 * DY * (s / 2 + 0.5) + AAAY;
  X = ZX0 + NAGASA * c + LLT * (c / 2 - 0.5) + AAAX;

  AA_s = AAA_s;
  if (MU_DO == 1) {
    DrawBoldText();
  } else {
    PrintMarkup();
  }

  ITI = 0;
  AAA_s = "";
  AAAX = 0;
  AAAY = 0;
  NAGASA = 0;
  MU_DO = 0;
}
