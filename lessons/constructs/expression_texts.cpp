// Number texts set side by side as one signed expression.
#include "expression_texts.h"

#include "globals.h"

void PlusSignTexts(int first, int last) {
  for (int i = first; i <= last; ++i) {
    if (T(i) > 0) T_s(i) = "+" + T_s(i);
  }
}

void BracketNegativeTexts(int first, int last) {
  for (int i = first; i <= last; ++i) {
    if (T(i) < 0) T_s(i) = "(" + T_s(i) + ")";
  }
}
