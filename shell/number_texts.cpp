// Number texts as the pages write them.
//
// NumberText leaves its text in A_s too. Work: NormaliseNumberText's.
#include "number_texts.h"

#include "globals.h"
#include "shell.h"

std::string NumberText(float value) {
  A_s = PfSTR244(value);
  NormaliseNumberText();
  return A_s;
}

std::string WithLeadingZero(const std::string& text) {
  if (text.starts_with(".")) return "0" + text;
  if (text.starts_with("-.")) return "-0" + text.substr(1);
  return text;
}
