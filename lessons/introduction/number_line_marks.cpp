// Points and arrows that the pages on absolute value and order put on the
// number line they drew last.
#include "figure_globals.h"
#include "figures.h"
#include "order_absolute_value_pages.h"

void DiscOnLine(float value, float colour) {
  PsCIRCLE_DISC(X_a(32) + 80 * value, Y_a(31), 15, colour);
}

void ArrowTo(float x0, float y0, float x, float y, float colour) {
  ZX0 = x0;
  ZY0 = y0;
  ZX = x;
  ZY = y;
  MUKI = 1;
  NAGASA = 32;
  CCC2 = colour;
  DrawArrow();
}
