// Number texts as the pages write them.
#include "expression_texts.h"

#include "globals.h"
#include "shell.h"

std::string NumberText(float value) {
  A_s = PfSTR244(value);
  NormaliseNumberText();
  return A_s;
}

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

std::string WithLeadingZero(const std::string& text) {
  if (text.starts_with(".")) return "0" + text;
  if (text.starts_with("-.")) return "-0" + text.substr(1);
  return text;
}
