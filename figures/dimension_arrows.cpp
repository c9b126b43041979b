// The step from point 3 (GX3, GY3) to point 4 (GX4, GY4) on the coordinate
// plane as two arrows at a right angle, a horizontal run and a vertical
// rise, with their sizes in grid squares as labels on request.
//
// SIZE is the grid square; "y" as the first or second character of HYOUJI_s
// asks for the run's or the rise's label. The run and the rise are left as
// texts in X_s and Y_s, point 3 the left one.
// Work: ZX0, ZY0, ZX, ZY, MUKI, NAGASA, CCC1, CCC2, X, Y, AA_s, A_s (the last label's text) and
// NumberText's, PrintMarkup's and DrawArrow's.
#include <string>
#include <utility>

#include "figures.h"
#include "fresh_run.h"
#include "number_texts.h"

// The run and the rise as texts, as the last dimension arrow left them.
std::string X_s, Y_s;
const FreshEachRun kFreshEachRun(X_s, Y_s);

void DrawDimensionArrow() {
  // Point 3 is never to the right of point 4.
  if (GX4 < GX3) {
    std::swap(GX3, GX4);
    std::swap(GY3, GY4);
  }
  FE_SETDRAWWIDTH(4);
  ZX0 = GX3;
  ZY0 = GY3;
  ZX = GX4;
  ZY = GY3;
  MUKI = 1;
  CCC2 = 7;
  NAGASA = 16;
  DrawArrow();
  ZX0 = GX4;
  ZY0 = GY3;
  ZX = GX4;
  ZY = GY4;
  MUKI = 1;
  CCC2 = 3;
  NAGASA = 16;
  DrawArrow();
  // A grid square of no size is the runtime's division by zero.
  X_s = NumberText(Div(static_cast<double>(GX4) - GX3, SIZE));
  const float rise = Div(static_cast<double>(GY3) - GY4, SIZE);
  Y_s = NumberText(rise);
  if (rise > -1 && rise < 1) Y_s = WithLeadingZero(Y_s);
  if (PfKMID24(HYOUJI_s, 1, 1) == "y") DimensionLabelH();
  if (PfKMID24(HYOUJI_s, 2, 1) == "y") DimensionLabelV();
}

void DimensionLabelH() {
  // On the side of the run towards which the rise points.
  if (GY4 < GY3) {
    Y = GY3 - 44;
  } else {
    Y = GY3;
  }
  CCC1 = 7;
  X = (static_cast<double>(GX3) + GX4) / 2 - 14;
  AA_s = X_s;
  PrintMarkup();
}

void DimensionLabelV() {
  CCC1 = 3;
  X = GX4;
  Y = (static_cast<double>(GY3) + GY4) / 2 - 16;
  AA_s = Y_s;
  PrintMarkup();
}
