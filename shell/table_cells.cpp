// Table cells with markup text: a filled box of HABA x TATE with its text
// centred, the pen left at the cell's right edge for the next cell of a row.
//
// A line of markup counts 44 units high, 50 when it holds a built-up
// fraction. The text is measured before it is printed; the measuring print
// may clear KAKKO (a tall ")"), so the visible print gets the caller's flag.
#include "shell.h"

namespace {

// The left inset that centres a text of width LLT; a text too wide starts at
// the left edge.
void CentreInset() {
  LT1 = (HABA - LLT) / 2;
  if (LT1 < 0) LT1 = 0;
}

// Measures A$ with the caller's tall-bracket flag left in force afterwards.
void MeasureKeepingBrackets() {
  MeasureMarkupWidth();
  KAKKO = KAKKO1;
  CentreInset();
}

}  // namespace

void DrawCellText() {
  X1 = X;
  Y1 = Y;
  KAKKO1 = KAKKO;
  MOTOA_s = A_s;
  N1 = PfKINSTR(A_s, "ﾀ");
  MeasureKeepingBrackets();
  Y2 = N1 == 0 ? Y1 + PnFInt((TATE - 44) / 2) : Y1 + PnFInt((TATE - 50) / 2);
  Y3 = Y1 + TATE;
  PsBOX(X1, Y1, X1 + HABA, Y3, CCC2, CCC3);
  X = X1 + LT1;
  Y = Y2;
  AA_s = MOTOA_s;
  PrintMarkup();
  X = X1 + HABA;
  Y = Y1;
}

void DrawCellTextPlain() {
  X1 = X;
  Y1 = Y;
  KAKKO1 = KAKKO;
  MOTOA_s = A_s;
  N1 = PfKINSTR(A_s, "ﾀ");
  MeasureKeepingBrackets();
  // Y is the text line; the box is placed around it.
  Y2 = Y1 - PnFInt((TATE - 44) / 2);
  Y3 = Y1 + TATE - PnFInt((TATE - 44) / 2);
  PsBOX(X1, Y2, X1 + HABA, Y3, CCC2, CCC3);
  X = X1 + LT1;
  Y = Y1;
  AA_s = MOTOA_s;
  PrintMarkup();
  X = X1 + HABA;
  Y = Y1;
}

void DrawTwoLineCell() {
  X1 = X;
  Y1 = Y;
  KAKKO1 = KAKKO;
  MOTOA_s = A1_s;
  A_s = A1_s;
  N1 = PfKINSTR(A1_s, "ﾀ");
  MeasureKeepingBrackets();
  // Each half of the cell counts TATE / 2.
  Y2 = N1 == 0 ? Y1 + PnFInt((TATE / 2 - 44) / 2) : Y1 + PnFInt((TATE / 2 - 50) / 2);
  Y3 = Y1 + TATE;
  PsBOX(X1, Y1, X1 + HABA, Y3, CCC2, CCC3);
  // An upper text alone stands lower in the cell.
  Y22 = A2_s.empty() ? Y2 + 25 : Y2;
  X = X1 + LT1;
  Y = Y22;
  AA_s = A1_s;
  PrintMarkup();

  MOTOA_s = A2_s;
  A_s = A2_s;
  N1 = PfKINSTR(A2_s, "ﾀ");
  MeasureKeepingBrackets();
  Y4 = N1 == 0 ? Y1 + 44 + PnFInt((TATE / 2 - 44) / 2) : Y1 + 50 + PnFInt((TATE / 2 - 50) / 2);
  X = X1 + LT1;
  Y = Y4;
  AA_s = A2_s;
  PrintMarkup();
  X = X1 + HABA;
  Y = Y1;
}
