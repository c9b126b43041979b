// The number line from -7 to 7: ticks every half unit, a thicker axis, unit
// ticks with their labels beneath. One unit is 80 units of the page, so v
// stands at X_a(32) + 80 v on the height Y_a(31).
#include "signed_number_line.h"

#include "figure_globals.h"
#include "layout_cursor.h"
#include "shell.h"

void DrawSignedNumberLine(SignedLineLabels place) {
  if (Y_a(31) == 0) Y_a(31) = 240;
  X_a(31) = 80;
  X_a(32) = X_a(31) + 560;
  X_a(33) = X_a(31) + 1120;
  const char* const labels[] = {"-7", "-6", "-5", "-4", "-3", "-2", "-1", "0",
                                "1",  "2",  "3",  "4",  "5",  "6",  "7"};
  for (int i = 1; i <= 15; ++i) F_sa(i) = labels[i - 1];

  // Half-unit ticks at the pen width the caller left.
  for (II = 1; II <= 29; ++II) {
    const float x = X_a(31) + 40 * (II - 1);
    PsLINE(x, Y_a(31) - 10, x, Y_a(31) + 10, 0);
  }
  FE_SETDRAWWIDTH(4);
  PsLINE(X_a(31) - 20, Y_a(31), X_a(33) + 20, Y_a(31), 0);
  // Whole numbers: the tick, then its label below it.
  for (II = 1; II <= 15; ++II) {
    const float x = X_a(31) + 80 * (II - 1);
    PsLINE(x, Y_a(31) - 15, x, Y_a(31) + 15, 0);
    if (place == SignedLineLabels::kCentred) {
      A_s = F_sa(II);
      MeasureMarkupWidth();
      ITI = LLT / 2;
    } else {
      ITI = II >= 8 ? 14 : 27;
    }
    PrintAt(F_sa(II), x - ITI, Y_a(31) + 25, 0);
  }
  FE_SETDRAWWIDTH(3);
}
