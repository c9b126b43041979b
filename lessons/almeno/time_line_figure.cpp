// The time line of the years-before-and-after page: the present in the
// middle, the past to the left, the future to the right, one tick a year; and
// the thick arrow from the present to a point of it.
#include "almeno_steps_line.h"
#include "figures.h"
#include "layout_cursor.h"
#include "page_faces.h"
#include "signed_quantities_pages.h"

namespace almeno {

void TimeLineFigure() {
  X_a(31) = 60;    // 7 years before
  X_a(32) = 620;   // now
  X_a(33) = 1180;  // 7 years after
  Y_a(31) = 280;   // the line
  Y_a(32) = 305;
  Y_a(33) = 369;  // first line below the figure
  // The width stays 5 after the figure: the pages draw on with it.
  FE_SETDRAWWIDTH(5);
  PsLINE(X_a(31) - 20, Y_a(31), X_a(33) + 20, Y_a(31), 0);
  for (II = 1; II <= 15; II = II + 1) {
    const float x = X_a(31) + 80 * (II - 1);
    PsLINE(x, Y_a(31) - 15, x, Y_a(31) + 15, 0);
  }
  PrintAt("過去", X_a(31) - 22, Y_a(31) - 76, 3);
  PrintAt("現在", X_a(32) - 36, Y_a(31) - 76, 3);
  PrintAt("未来", X_a(33) - 22, Y_a(31) - 76, 3);
  PsCIRCLE_DISC(X_a(32), Y_a(31), 10, 7);
  PrintAt("0", X_a(32) - 22, Y_a(31) + 32, 3);
}

void TimeLineArrow() {
  // A point beyond either end is taken as now.
  if (X_a(1) > X_a(33)) X_a(1) = X_a(32);
  if (X_a(1) < X_a(31)) X_a(1) = X_a(32);
  IRO = X_a(1) > X_a(32) ? 3 : 5;
  // A point at now has no direction to point in: no arrow, only the line.
  if (X_a(1) != X_a(32)) {
    FE_SETDRAWWIDTH(12);
    YA = 1;
    ArrowTo(X_a(32), Y_a(31) - 25, X_a(1), Y_a(31) - 25, IRO, 16);
  }
  TimeLineFigure();
}

}  // namespace almeno
