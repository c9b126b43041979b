#include "signed_draws.h"

#include "example_loop.h"
#include "globals.h"
#include "shell.h"

namespace pellith {

void ResultDrillSigns() {
  F(1) = PnFInt(PaRnd() * 2 + 1);
  if (F(1) == 2) T(1) = -T(1);
  F(2) = PnFInt(PaRnd() * 2 + 1);
  if (F(1) == 1 || F(2) == 2) T(2) = -T(2);
}

void DrawSignedPair() {
  T(1) = DrawSignedNumber(9, P);
  T(2) = DrawSignedNumber(9, P);
  T(3) = T(1) * T(2);
}

void DrawResultPair() {
  T(1) = PnFInt(PaRnd() * 9 + 1);
  T(2) = PnFInt(PaRnd() * 9 + 1);
  ResultDrillSigns();
  T(3) = T(1) * T(2);
  TablesToTextAndKeyChoice();
}

float Decimal(float whole, float places) {
  return Div(whole, PnFXy(10, places));
}

}  // namespace pellith
