// The glyph pen the two printers share.
//
// In: B_s, the glyph; CCC1. Out: TX moved on by the advance.
#include "glyph_pen.h"

#include "shell.h"

void Put(float x, float y, int hmag, int vmag, float advance) {
  PsSYMBOL40(x, y, hmag, vmag, CCC1, B_s);
  TX = TX + advance;
}

bool IsItalicLetter(const std::string& c) {
  return c == "a" || c == "x" || c == "c";
}

void PutItalicLetter(float x, float y, int hmag, int vmag, float advance) {
  FE_SETFONTNAME("Times New Roman");
  FE_SETFONTSIZE(8);
  FE_SETFONTITALIC(-1);
  Put(x, y, hmag, vmag, advance);
  FE_SETFONTNAME("ゴシック");
  FE_SETFONTSIZE(16);
  FE_SETFONTITALIC(0);
}
