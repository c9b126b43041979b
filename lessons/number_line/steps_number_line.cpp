// The steps number line: -12 to 12, 40 units to one (or another span), long
// colour-7 ticks at the multiples of 5, the ending the program asks for
// under the axis.
#include "steps_number_line.h"

#include "figures.h"
#include "fresh_run.h"

float IRO = 0;
const FreshEachRun kFreshEachRun(IRO);

namespace {

// A label in colour 0 on the line below the axis, its pen `shift` left of x.
void LabelUnderAxis(const char* text, float x, float shift) {
  CCC1 = 0;
  X = x - shift;
  Y = Y_a(31) + 9;
  AA_s = text;
  PrintMarkup();
}

}  // namespace

void DrawStepsNumberLine(StepsLineEnding ending, LineSpan span) {
  if (Y_a(31) == 0) Y_a(31) = 240;
  X_a(31) = 80;
  X_a(32) = X_a(31) - span.unit * span.low;
  X_a(33) = X_a(32) + span.unit * span.high;
  Y_a(32) = Y_a(31) - 20;
  Y_a(33) = Y_a(31) - 30;
  Y_a(34) = Y_a(33) - 20;

  FE_SETDRAWWIDTH(5);
  PsLINE(X_a(31) - 20, Y_a(31), X_a(33) + 20, Y_a(31), 0);
  // Ticks stand above the axis only: long ones at the multiples of 5.
  const float ticks = span.high - span.low + 1;
  const float origin_tick = 1 - span.low;
  for (II = 1; II <= ticks; II = II + 1) {
    if (Mod(II - origin_tick, 5) == 0) {
      N = 33;
      IRO = 7;
    } else {
      N = 32;
      IRO = 0;
    }
    const float x = X_a(31) + span.unit * (II - 1);
    PsLINE(x, Y_a(N), x, Y_a(31), IRO);
  }

  // Each label is centred under its tick: 27 per half-width character.
  switch (ending) {
    case StepsLineEnding::kFiveLabels:
      LabelUnderAxis("0", X_a(32), 14);
      LabelUnderAxis("5", X_a(32) + 200, 14);
      LabelUnderAxis("10", X_a(32) + 400, 27);
      LabelUnderAxis("-5", X_a(32) - 200, 27);
      LabelUnderAxis("-10", X_a(32) - 400, 27 + 14);
      break;
    case StepsLineEnding::kOriginDotAndZero:
      PsCIRCLE_DISC(X_a(32), Y_a(31), 9, 7);
      LabelUnderAxis("0", X_a(32), 14);
      break;
    case StepsLineEnding::kZeroOnly:
      LabelUnderAxis("0", X_a(32), 14);
      break;
    case StepsLineEnding::kUnitLabels:
      LabelUnderAxis("0", X_a(32), 14);
      LabelUnderAxis("-1", X_a(32) - span.unit, 27);
      LabelUnderAxis("1", X_a(32) + span.unit, 14);
      break;
  }
  FE_SETDRAWWIDTH(3);
}

void EraseFigureArea() {
  PsBOX(X_a(31) - 60, Y_a(31) - 120, X_a(33) + 60, Y_a(31) + 90, 15, 15);
}
