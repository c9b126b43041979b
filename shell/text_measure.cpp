// Measuring a text: its width is the pen advance of the printer itself,
// printed off the page at X = 0, Y = 1800. Printing and measuring therefore
// always agree, in every printer state.
//
// In: A_s, the text; X, Y and A_s are kept. Out: LLT. Work: AA_s and
// PrintMarkup's.
#include "shell.h"

void MeasureWidth(void (*print)()) {
  // Copies of this call's own: the fraction printer, reached from inside the
  // measuring print, measures its parts with this routine again.
  const float keep_x = X;
  const float keep_y = Y;
  const std::string keep_text = A_s;
  X = 0;
  Y = 1800;
  AA_s = A_s;
  print();
  LLT = X;
  X = keep_x;
  Y = keep_y;
  A_s = keep_text;
}

void MeasureMarkupWidth() {
  MeasureWidth(PrintMarkup);
}
