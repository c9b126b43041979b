// Plain text: every character turned into a full-width or symbol glyph
// (after "^" as it stands) and drawn in a cell of its own, 16 units wide; a
// half-width blank is dropped, and the full stop is drawn in the gap before
// its cell and takes no width.
//
//   In: AA_s (DrawPlainText) or A_s (DrawTextChars), the pen X, Y, the colour
//   CCC1; B_s (ToFullWidthChar).
//   Out: X (DrawPlainText) or XT (DrawTextChars) after the text; AA_s empty;
//   B_s its glyph (ToFullWidthChar).
// Work: A_s, B_s, I, L, LE, LEM, N, N1, JYOU, HENK_s, HENK1_s, HENK2_s,
// HENK3_s and NormaliseNumberText's.
#include "globals.h"
#include "shell.h"

namespace {

// Capital letters (and the blank) to full width; "A" becomes the Greek
// capital alpha.
const char* const kLetterKeys = " XYABCDEFGHIJKLMNOPQRSTUVWZ";
const char* const kLetterGlyphs = "　ＸＹΑＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱＲＳＴＵＶＷＺ";
// Digits, signs, symbols and small letters; "x" becomes the Greek chi, the
// second blank is never reached.
const char* const kSignKeys = " 0123456789 */+-ﾀ=.?()!$@&'[]<>,%xyabcdefghijklmnopqrstuvw~:";
const char* const kSignGlyphs =
    "　０１２３４５６７８９　×÷＋－―＝．∽（）√≡±π∠≦≧＜＞，°χｙａｂｃｄｅｆｇｈｉｊｋｌｍｎｏｐ"
    "ｑｒｓｔｕｖｗ△：";

}  // namespace

void ToFullWidthChar() {
  HENK1_s = kLetterKeys;
  HENK2_s = kLetterGlyphs;
  N1 = PfINSTR(HENK1_s, B_s);
  if (N1 != 0) B_s = PfKMID24(HENK2_s, N1, 1);
  // The converted letter is looked up again; a full-width glyph is never a
  // key of the second table, so it stays as it is.
  HENK_s = kSignKeys;
  HENK3_s = kSignGlyphs;
  N = PfINSTR(HENK_s, B_s);
  if (N != 0) B_s = PfKMID24(HENK3_s, N, 1);
}

void DrawTextChars() {
  NormaliseNumberText();  // a half-width blank is neither drawn nor advanced over
  LE = PfKLEN(A_s);
  XT = X;
  FE_SETFONTBOLD(-1);
  for (I = 1; I <= LE; I = I + 1) {
    B_s = PfKMID24(A_s, I, 1);
    if (B_s == "^") {
      // The next character is drawn as it stands.
      JYOU = 1;
      continue;
    }
    if (JYOU != 1) {
      ToFullWidthChar();
    } else {
      JYOU = 0;
    }
    L = PfLEN(B_s) == 1 ? 4 : 0;  // a half-width glyph sits 4 units higher
    // The full stop is drawn in the gap before its cell and takes no width.
    if (B_s == "．") XT = XT - 4;
    PsSYMBOL40(XT, Y - L, 1, 1, CCC1, B_s);
    if (B_s == "．") XT = XT - 12;
    XT = XT + 16;
  }
}

void DrawPlainText() {
  LogPrint("DrawPlainText", X, Y, CCC1, AA_s);
  for (;;) {
    LEM = PfKLEN(AA_s);
    if (LEM == 0) return;
    A_s = PfKLEFT24(AA_s, 1);
    AA_s = PfKRIGHT24(AA_s, LEM - 1);
    if (A_s == "^") {
      JYOU = 1;
      continue;
    }
    DrawTextChars();
    X = XT;
  }
}
