// An opening brace "{" of a given height, and the frame of a calculation
// written in columns: two operands one above the other, the operation sign
// and ")" left of the second, and a rule under both.
//
//   DrawCurlyBrace: at the pen (X, Y), HABA high, in CCC1, 5 wide.
//   DrawColumnCalculation: from the pen (X, Y), the operands A1_s over A2_s
//   TAKASA apart, the sign ENZAN_s, the rule in CCC2. It leaves the layout
//   cursor (XI2, YI1) at the end of the rule on the second operand's line and
//   XI3 at the operands' x.
// Both put the pen width back. Work: X1, X2, X3, X4, Y1, Y2, Y3, Y4, Y5, Y6,
// Y7 (the brace's corners), X, Y (DrawColumnCalculation), LT, LT1, LT2, DR,
// AA_s, A_s and PrintMarkup's and
// MeasureMarkupWidth's.
#include "figures.h"

void DrawCurlyBrace() {
  X1 = X + 35.0;
  X2 = X1 - 12.0;
  X3 = X2;
  X4 = X2 - 15.0;
  DR = FE_GETDRAWWIDTH();
  Y1 = Y + 5.0;
  Y7 = static_cast<double>(Y) + HABA - 10;
  Y4 = (static_cast<double>(Y1) + Y7) / 2;
  Y2 = Y1 + 3.0;
  Y3 = Y4 - 7.0;
  Y5 = Y4 + 7.0;
  Y6 = Y7 - 3.0;
  FE_SETDRAWWIDTH(5);
  PsCONNECT({{X1, Y1}, {X2, Y2}, {X3, Y3}, {X4, Y4}, {X3, Y5}, {X2, Y6}, {X1, Y7}}, CCC1);
  FE_SETDRAWWIDTH(DR);
}

void DrawColumnCalculation() {
  X1 = X;
  Y1 = Y;
  // The frame's corner and the entry pen width are held here as well: the
  // printers overwrite DR and their own working storage.
  const float left = X1;
  const float top = Y1;
  DR = FE_GETDRAWWIDTH();
  const int entry_width = DR;
  A_s = A1_s;
  MeasureMarkupWidth();
  LT1 = LLT;
  A_s = A2_s;
  MeasureMarkupWidth();
  LT2 = LLT;
  LT = LT1 > LT2 ? LT1 : LT2;
  X = left + 54.0;
  Y = top;
  AA_s = A1_s;
  PrintMarkup();
  X = left;
  Y = static_cast<double>(top) + TAKASA + 6;
  AA_s = ENZAN_s;
  PrintMarkup();
  Y = static_cast<double>(top) + TAKASA + 6;
  AA_s = std::string(")");
  PrintMarkup();
  X = left + 54.0;
  Y = static_cast<double>(top) + TAKASA;
  AA_s = A2_s;
  PrintMarkup();
  FE_SETDRAWWIDTH(3);
  PsLINE_STEP(left + 27.0, static_cast<double>(top) + 2.0 * TAKASA, static_cast<double>(LT) + 30, 0,
              CCC2);
  FE_SETDRAWWIDTH(entry_width);
  // The pen position handed back for text on the second operand's line: the
  // end of the rule, which stays on the page wherever the frame stands.
  XI2 = static_cast<double>(left) + 57 + LT;
  YI1 = static_cast<double>(top) + TAKASA;
  XI3 = left + 54.0;
}
