// The thermometer of the temperature exercise and its mercury column.
#include "below_zero_pages.h"
#include "figure_globals.h"
#include "layout_cursor.h"

namespace almeno {

void ThermometerFigure() {
  // Tube, ticks and panel, 15 units a degree: +17 at the top of the scale,
  // 0 at Y_a(32), -17 at the bulb's neck.
  X_a(31) = 640;
  X_a(32) = X_a(31) + 96;
  X_a(33) = X_a(32) + 32;
  X_a(34) = X_a(33) + 16;
  X_a(35) = X_a(34) + 32;
  X_a(36) = X_a(35) + 96;
  Y_a(31) = 40;
  Y_a(32) = Y_a(31) + 255;
  Y_a(33) = Y_a(31) + 510;
  Y_a(34) = Y_a(33) + 80;

  PsBOX(X_a(31) - 40, Y_a(31) - 30, X_a(36) + 35, Y_a(34), 13, 12);
  // The bulb, white-rimmed, and its neck.
  PsCIRCLE_DISC(X_a(33) + 8, Y_a(33) + 32, 32, 5);
  PsCIRCLE(X_a(33) + 8, Y_a(33) + 32, 32, 15);
  PsBOX(X_a(33), Y_a(33), X_a(34), Y_a(33) + 32, 5, 5);

  FE_SETDRAWWIDTH(4);
  // A tick every degree from +17 down to -16, a longer one every five.
  for (II = 1; II <= 34; II = II + 1) {
    const float y = Y_a(31) + 15 * (II - 1);
    PsLINE(X_a(32) + 16, y, X_a(34) + 16, y, 15);
  }
  for (II = 1; II <= 7; II = II + 1) {
    const float y = Y_a(31) + 30 + 75 * (II - 1);
    PsLINE(X_a(32), y, X_a(35), y, 15);
  }
  // +10 and 0 on the left, -10 on the right; "+" above zero, "-" below.
  PsLINE(X_a(31), Y_a(31) + 105, X_a(35), Y_a(31) + 105, 15);
  PrintAt(" 0", X_a(31), Y_a(31) + 255 - 44, 11);
  PsLINE(X_a(31), Y_a(32), X_a(36), Y_a(32), 15);
  PrintAt("10", X_a(31), Y_a(31) + 105 - 44, 11);
  PrintAt("+", X_a(35) + 40, Y_a(32) - 160, 11);
  PsLINE(X_a(32), Y_a(32) + 150, X_a(36), Y_a(32) + 150, 15);
  PrintAt("10", X_a(35), Y_a(32) + 150 - 44, 11);
  PrintAt("-", X_a(31), Y_a(32) + 120, 11);

  FE_SETDRAWWIDTH(2);
  // The empty tube covers the middle of every tick.
  PsBOX(X_a(33), Y_a(31) - 20, X_a(34), Y_a(33), 14, 14);
}

void MercuryLevel() {
  PsBOX(X_a(33), Y_a(31), X_a(34), Y_a(33), 14, 14);
  Y_a(35) = Y_a(32) - 15 * T(3);
  PsBOX(X_a(33), Y_a(33), X_a(34), Y_a(35), 5, 5);
}

}  // namespace almeno
