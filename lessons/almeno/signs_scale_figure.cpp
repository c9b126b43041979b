// The vertical scale beside the signs page: marks from -15 to +15, the
// labels -10, 0 and +10, and the arrows up to "正の数" and down to "負の数".
#include "below_zero_pages.h"
#include "figure_globals.h"
#include "figures.h"
#include "layout_cursor.h"
#include "page_faces.h"

namespace almeno {

namespace {

void ScaleArrow(float top, float bottom) {
  ArrowTo(X_a(31) - 110, top, X_a(31) - 110, bottom, 3, 16);
}

}  // namespace

void SignsScaleFigure() {
  X_a(31) = 968;
  X_a(32) = X_a(31) + 96;
  X_a(33) = X_a(32) + 32;
  X_a(34) = X_a(33) + 16;
  X_a(35) = X_a(34) + 32;
  X_a(36) = X_a(35) + 96;
  Y_a(31) = 336;
  Y_a(32) = Y_a(31) + 280;
  Y_a(34) = Y_a(31) - 320;
  // Padded to one width, so that the labels line up on the right.
  F_sa(1) = "-10";
  F_sa(2) = "  0";
  F_sa(3) = "+10";

  FE_SETDRAWWIDTH(5);
  // The axis runs past the top of the page; 20 units a unit, 0 at y 316.
  PsLINE(X_a(34) - 8, Y_a(32) + 32, X_a(34) - 8, Y_a(34) - 32, 0);
  for (int k = 0; k <= 29; ++k) {
    PsLINE(X_a(32) + 16, Y_a(32) - 20 * k, X_a(34) + 16, Y_a(32) - 20 * k, 0);
  }
  for (int k = 0; k <= 6; ++k) {
    PsLINE(X_a(32), Y_a(32) - 100 * k, X_a(35), Y_a(32) - 100 * k, 0);
  }
  for (int k = 0; k <= 2; ++k) {
    const float y = Y_a(32) - 100 - 200 * k;
    PsLINE(X_a(31) + 40, y, X_a(36) - 40, y, 0);
    PrintAt(F_sa(k + 1), X_a(31) - 88, y - 20, 5);
  }

  FE_SETDRAWWIDTH(10);
  ScaleArrow(Y_a(31) + 10, Y_a(31) + 270);  // down, to the negative numbers
  ScaleArrow(Y_a(31) - 40, Y_a(31) - 300);  // up, to the positive numbers
  FE_SETDRAWWIDTH(5);

  // The words, one character under the other.
  const float x = X_a(31) - 198;
  PrintAt("正", x, Y_a(31) - 276, 3);
  PrintAt("の", x, Y_a(31) - 230, 3);
  PrintAt("数", x, Y_a(31) - 184, 3);
  PrintAt("0", x, Y_a(31) - 40, 3);
  PrintAt("負", x, Y_a(31) + 92, 3);
  PrintAt("の", x, Y_a(31) + 138, 3);
  PrintAt("数", x, Y_a(31) + 184, 3);
}

}  // namespace almeno
