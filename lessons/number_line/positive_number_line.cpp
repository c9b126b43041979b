// The number line from 0 to 7 that the marking exercises move their marker on.
#include "positive_number_line.h"

#include "figure_globals.h"
#include "layout_cursor.h"
#include "shell.h"

void DrawPositiveNumberLine() {
  X_a(31) = 120;
  X_a(32) = X_a(31) + 560;
  X_a(33) = X_a(31) + 1120;
  Y_a(31) = 240;
  for (int k = 1; k <= 8; ++k) F_sa(k) = std::string(1, static_cast<char>('0' + k - 1));
  FE_SETDRAWWIDTH(4);
  // Half-unit marks, then the line from 0 to a little past 7: nothing left of 0.
  for (int k = 0; k <= 14; ++k) {
    PsLINE(X_a(32) + 40 * k, Y_a(31) - 10, X_a(32) + 40 * k, Y_a(31) + 10, 0);
  }
  PsLINE(X_a(32), Y_a(31), X_a(33) + 20, Y_a(31), 0);
  // Unit marks, each with its digit below it.
  ITI = 12;
  for (int k = 0; k <= 7; ++k) {
    const float x = X_a(32) + 80 * k;
    PsLINE(x, Y_a(31) - 15, x, Y_a(31) + 15, 0);
    PrintAt(F_sa(k + 1), x - ITI, Y_a(31) + 25, 0);
  }
  FE_SETDRAWWIDTH(2);
}
