// Strokes through struck numbers and what is left of each, in bold above or
// below it.
#include "cancelling.h"

#include "shell.h"

namespace pellith {

float InFractionWidth(const std::string& text) {
  A_s = text;
  BUN = 1;
  MeasureMarkupWidth();
  return LLT;
}

void StrikeNumber(const std::string& struck, float u, float v, float from, float rise) {
  LE = static_cast<float>(PfKLEN(struck));
  PsLINE_STEP(u + 4, v + from, 32 * LE - 4, rise, 3);
}

void WriteLeftOver(const std::string& text, float x, float y) {
  CCC1 = 3;
  AA_s = text;
  X = x;
  Y = y;
  DrawBoldText();
}

}  // namespace pellith
