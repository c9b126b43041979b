// Built-up fractions: numerator centred over a bar, denominator centred under
// it, both in the fraction forms of the glyph drawer (BUN = 1).
//
// The parts are measured by printing them off the page, so the bar is exactly
// as long as the wider part as drawn. Where the numerator and the denominator
// went is left in (TBSIYAKX, TBSIYAKY) and (TBBOYAKX, TBBOYAKY) for the page
// to draw over them.
//
// In: A_s (the body, "numerator/denominator"), the pen X, Y, CCC1, HROOT and
// the pen width in DR. Out: X after the bar, Y back at the top; BUN 0; the
// places of the numerator and the denominator (above). Work: XT, YT, BSEN,
// NAGA, TA1, TA2, TA5, TA6, TBSI, TBBO, TBSI1, TBBO1, RTASKAI1_s, RTASKAI2_s,
// A_s, LLT and
// MeasureMarkupWidth's and DrawMarkupRun's.
#include "shell.h"

void DrawFraction() {
  XT = X;
  YT = Y;
  // A radical anywhere in the body lowers the denominator.
  TA5 = PfINSTR(A_s, "!");
  TA6 = PfINSTR(A_s, "√");
  // Split at the first "/"; any further "/" stays in the denominator and
  // prints as a division sign. A body without one is all numerator.
  TA1 = PfINSTR(A_s, "/");
  if (TA1 == 0) {
    RTASKAI1_s = A_s;
    RTASKAI2_s = "";
  } else {
    RTASKAI1_s = PfLEFT24(A_s, TA1 - 1);
    RTASKAI2_s = PfMID24(A_s, TA1 + 1);
  }

  X = XT;
  Y = YT;
  A_s = RTASKAI1_s;
  BUN = 1;
  MeasureMarkupWidth();
  TBSI = LLT;
  X = XT;
  Y = YT;
  A_s = RTASKAI2_s;
  BUN = 1;
  MeasureMarkupWidth();
  TBBO = LLT;
  BUN = 0;

  NAGA = TBSI >= TBBO ? TBSI : TBBO;
  TBSI1 = (NAGA - TBSI) / 2;
  TBBO1 = (NAGA - TBBO) / 2;

  FE_SETDRAWWIDTH(4);
  BSEN = YT + 25;
  PsLINE_STEP(XT, BSEN, NAGA, 0, CCC1);
  FE_SETDRAWWIDTH(DR);

  // Under a tall radical the overbar spans the whole fraction.
  if (HROOT == 22) {
    FE_SETDRAWWIDTH(3);
    PsLINE_STEP(XT, YT - 14, NAGA, 0, CCC1);
    FE_SETDRAWWIDTH(DR);
  }

  // A denominator with a radical or an exponent sits lower.
  TA1 = PfINSTR(RTASKAI2_s, "√");
  TA2 = PfINSTR(RTASKAI2_s, "^");
  Y = (TA1 == 0 && TA2 == 0) ? YT + 28 : YT + 36;
  if (TA5 != 0 || TA6 != 0) Y = Y + 8;

  TBSIYAKX = XT + TBSI1;
  TBSIYAKY = YT - 10;
  TBBOYAKX = XT + TBBO1;
  TBBOYAKY = Y;

  X = XT + TBBO1;
  BUN = 1;
  A_s = RTASKAI2_s;
  DrawMarkupRun();

  X = XT + TBSI1;
  Y = YT - 10;
  BUN = 1;
  A_s = RTASKAI1_s;
  DrawMarkupRun();

  BUN = 0;
  X = XT + NAGA;
  Y = YT;
}
