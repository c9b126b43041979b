// Points that the pages on absolute value and order put on the
// number line they drew last.
#include "figure_globals.h"
#include "figures.h"
#include "order_absolute_value_pages.h"

namespace almeno {

void DiscOnLine(float value, float colour) {
  PsCIRCLE_DISC(X_a(32) + 80 * value, Y_a(31), 15, colour);
}

}  // namespace almeno
