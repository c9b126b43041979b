// Number texts set side by side as a signed expression.
#include "expression_texts.h"

#include "globals.h"
#include "shell.h"

void PlusSignTexts(int first, int last) {
  for (int i = first; i <= last; ++i) {
    if (T(i) > 0) T_s(i) = "+" + T_s(i);
  }
}
