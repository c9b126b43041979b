// The square root of a whole number brought into the form a√b, written as
// markup texts: "!" opens the root sign, "ﾝ" ends its overbar.
//   R1A_s  the factor taken out ("1" when the whole root is 1)
//   R1A1_s "!" and the number left under the root ("" when none is left)
//   RAB_s  the simplified root, RABM_s the unsimplified one with "=" after it
//   R1B_s  the root part closed with "ﾝ"
//
// The radicand is R1B (whole, set by the caller); it is left as what stays
// under the root, R1A the factor taken out, R1B1 the radicand as given.
// Work: R1I (the trial factor), A_s and NormaliseNumberText's.
#include "figures.h"
#include "fresh_run.h"

std::string RAB_s;
const FreshEachRun kFreshEachRun(RAB_s);

namespace {

// Takes the blanks out of `text` through A_s.
void Normalise(std::string& text) {
  A_s = text;
  NormaliseNumberText();
  text = A_s;
}

}  // namespace

void SimplifySquareRoot() {
  R1A = 1;
  R1I = 2;
  R1B1 = R1B;
  // The factors 2 to 200 are tried in rising order; after every square taken
  // out the search starts again at 2, and it ends with a pass that finds
  // nothing. A radicand below 1 is left as it is: with 0 every square would
  // divide it for ever.
  if (R1B < 1) R1I = 201;
  while (R1I != 201) {
    if (Mod(R1B, R1I * R1I) != 0) {
      R1I = R1I + 1;
    } else {
      R1A = R1A * R1I;
      R1B = R1B / (R1I * R1I);
      R1I = 2;
    }
  }

  R1A1_s = (R1B == 1) ? "" : "!" + PfSTR244(R1B);
  if (R1B == 1 && R1A == 1) {
    R1A_s = "1";
  } else if (R1A == 1) {
    R1A_s = "";
  } else {
    R1A_s = PfSTR244(R1A);
  }
  RAB_s = R1A_s + R1A1_s + "ﾝ";
  RABM_s = (R1B == R1B1) ? "" : "!" + PfSTR244(R1B1) + "ﾝ=";
  R1B_s = R1A1_s + "ﾝ";

  Normalise(R1A_s);
  Normalise(RAB_s);
  Normalise(RABM_s);
  Normalise(R1B_s);
}
