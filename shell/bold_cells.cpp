// Table cells written with the bold printer: a filled box with its text
// centred; the pen is left at the cell's right edge. A bold line counts 26
// units high, whatever the text holds. A text wider than its cell is drawn
// narrowed inside it, as in the markup cells.
//
// In as the markup cells (table_cells.cpp). Out: X, Y at the cell's top
// right. Work: X1, Y1, Y2, Y4, Y22, LT1, MOTOA_s, AA_s, A_s, LLT and
// DrawBoldText's and MeasureBoldWidth's.
#include "shell.h"

namespace {

// The left inset that centres A_s as the bold printer draws it.
void MeasureAndCentre() {
  MeasureBoldWidth();
  LT1 = (HABA - LLT) / 2;
  if (LT1 < 0) LT1 = 0;
}

void PrintBoldAt(float x, float y, const std::string& text) {
  X = x;
  Y = y;
  AA_s = text;
  PrintInsideCell(DrawBoldText);
}

}  // namespace

void DrawBoldCellText() {
  X1 = X;
  Y1 = Y;
  MOTOA_s = A_s;
  MeasureAndCentre();
  Y2 = Y1 + PnFInt((TATE - 26) / 2);
  PsBOX(X1, Y1, X1 + HABA, Y1 + TATE, CCC2, CCC3);
  PrintBoldAt(X1 + LT1, Y2, MOTOA_s);
  X = X1 + HABA;
  Y = Y1;
}

void DrawBoldTwoLineCell() {
  X1 = X;
  Y1 = Y;
  MOTOA_s = A1_s;
  A_s = A1_s;
  MeasureAndCentre();
  Y2 = Y1 + PnFInt((TATE / 2 - 26) / 2);
  PsBOX(X1, Y1, X1 + HABA, Y1 + TATE, CCC2, CCC3);
  // An upper text alone stands lower in the cell.
  Y22 = A2_s.empty() ? Y2 + 15 : Y2;
  PrintBoldAt(X1 + LT1, Y22, A1_s);
  MOTOA_s = A2_s;
  A_s = A2_s;
  MeasureAndCentre();
  Y4 = Y2 + 30;
  PrintBoldAt(X1 + LT1, Y4, A2_s);
  X = X1 + HABA;
  Y = Y1;
}
