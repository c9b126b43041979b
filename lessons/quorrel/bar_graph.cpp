// The bar graph of a week's records with a line at the provisional mean.
#include "bar_graph.h"

#include "figures.h"
#include "fresh_run.h"
#include "number_texts.h"
#include "shell.h"

namespace quorrel {

float SIZEX, SIZEY, YTANI, KARI, CCC4;
const FreshEachRun kFreshEachRun(SIZEX, SIZEY, YTANI, KARI, CCC4);

namespace {

// `text` in colour 0 with its right end on the vertical axis.
void AxisLabel(const std::string& text, float y) {
  A_s = text;
  MeasureMarkupWidth();
  CCC1 = 0;
  X = GX0 - LLT;
  Y = y;
  AA_s = text;
  PrintMarkup();
}

}  // namespace

void BarGraph() {
  GX1 = GGX;
  GY1 = GGY;
  GX2 = GX1 + SIZEX * YOKO + 20;
  GY2 = GY1 + SIZEY * TATE;
  GX0 = GX1;
  GY0 = GY2;
  CCC3 = 1;
  CCC2 = 0;

  // Each slot has a gap of 20 on its left, then its bar.
  for (II = 1; II <= YOKO; II = II + 1) {
    PsBOX(GX0 + 20 + (II - 1) * SIZEX, GY0 - SIZEY * Y_a(II) / YTANI, GX0 + II * SIZEX, GY0, CCC4,
          CCC4);
  }
  // Grid lines across the bars; every fifth from the axis is thicker.
  for (II = 0; II <= TATE; II = II + 1) {
    const bool fifth = Mod(II, 5) == 0;
    FE_SETDRAWWIDTH(fifth ? 3 : 2);
    PsLINE(GX1, GY2 - SIZEY * II, GX2, GY2 - SIZEY * II, fifth ? CCC3 : CCC2);
  }
  FE_SETDRAWWIDTH(5);
  PsLINE(GX0, GY0, GX2, GY0, 0);
  PsLINE(GX0, GY0, GX0, GY1, 0);
  const float mean_y = GY0 - (KARI - Y_a(0)) * SIZEY / YTANI;
  PsLINE(GX0, mean_y, GX2, mean_y, 5);

  Y_sa(20) = NumberText(Y_a(0));
  AxisLabel(Y_sa(20), GY0 - 22);
  for (II = 1; II <= YOKO; II = II + 1) {
    CCC1 = 0;
    X = GX0 + SIZEX * II - 30;
    Y = GY0;
    AA_s = X_sa(II);
    PrintMarkup();
  }
  for (II = 1; II <= PnFInt(TATE / 2); II = II + 1) AxisLabel(Y_sa(II), GY0 - 2 * SIZEY * II - 20);
  CCC1 = 0;
  X = GX0;
  Y = GY1;
  AA_s = Y_sa(0);
  PrintMarkup();
}

}  // namespace quorrel
