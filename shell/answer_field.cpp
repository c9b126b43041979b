// The answer-entry field: a label, a blinking cursor and the typed number in
// full-width glyphs, read key by key until Enter.
//
//   In: KAIX, KAIY, where the field stands.
//   Out: AINP_s the characters typed (InputLine, KeyLoop), AINP their value
//   (ParseAnswer), I_s the last key.
// Work: XX, YY (the cursor), X, Y, CCC1, AA_s, A_s, B_s, LEM, N and
// DrawPlainText's.
#include "globals.h"
#include "shell.h"

namespace {

const char kBackspace = 8;
const char kDelete = 12;
const char kEnter = 13;

// The cursor: a small disc just right of where the next character goes,
// 8 units wide whatever pen a page left (a disc is at least as wide as the
// pen): a wider pen is narrowed for it and set back. It lies inside the
// square (XX + 4, YY + 4) to (XX + 12, YY + 12), clear of the characters
// typed before it and of the label.
const int kCursorRadius = 4;

void DrawCursor() {
  const int width = FE_GETDRAWWIDTH();
  if (width > 2 * kCursorRadius) FE_SETDRAWWIDTH(2 * kCursorRadius);
  PsCIRCLE_DISC(XX + 8, YY + 8, kCursorRadius, 5);
  if (width > 2 * kCursorRadius) FE_SETDRAWWIDTH(width);
}

// Erased by filling its square with the field's background: a disc drawn in
// the background colour would leave the blended rim of its antialiased edge.
void EraseCursor() {
  PsBOX_STEP(XX + 8 - kCursorRadius, YY + 8 - kCursorRadius, 2 * kCursorRadius, 2 * kCursorRadius,
             15, 15);
}

// "-", ".", "/" and the digits: the characters of a signed decimal number or
// a fraction, codes 45 to 57.
bool IsNumberKey(const std::string& key) {
  return key.size() == 1 && key[0] >= '-' && key[0] <= '9';
}

}  // namespace

void InputLine() {
  XX = KAIX;
  YY = KAIY;
  AINP_s = "";
  CCC1 = 0;
  X = XX - 48;
  Y = YY;
  AA_s = "入力";
  DrawPlainText();
  KeyLoop();
  // Label, text and cursor go together.
  PsBOX_STEP(KAIX - 48, KAIY - 8, 240, 30, 15, 15);
}

void KeyLoop() {
  // The cursor blinks: an empty poll (in the window, a wait that found no
  // key until the next blink tick) erases it, and it stays off for one wait
  // before it is drawn again. A key always shows it at once. It is drawn only
  // where it is off and erased only where it is on, so that a key the field
  // ignores changes no pixel and a blink leaves none behind.
  bool shown = false;
  bool blinked_off = false;
  for (;;) {
    if (!shown && !blinked_off) {
      DrawCursor();
      shown = true;
    }
    I_s = PfINKEY24();
    if (I_s.empty()) {
      if (shown) EraseCursor();
      blinked_off = shown;
      shown = false;
      continue;
    }
    blinked_off = false;
    // Backspace clears the whole entry, the cursor with it; so does any key
    // once ten characters stand in the field.
    if (I_s == std::string(1, kBackspace) || I_s == std::string(1, kDelete) || PfKLEN(AINP_s) > 9) {
      PsBOX_STEP(KAIX, KAIY - 8, 192, 30, 15, 15);
      shown = false;
      AINP_s = "";
      XX = KAIX;
      YY = KAIY;
      I_s = "";
      continue;
    }
    if (I_s == std::string(1, kEnter)) {
      if (shown) EraseCursor();
      return;
    }
    if (IsNumberKey(I_s)) {
      if (shown) EraseCursor();
      shown = false;
      CCC1 = 5;
      A_s = I_s;
      X = XX;
      Y = YY;
      DrawTextChars();
      XX = XT;
      AINP_s = AINP_s + I_s;
    }
  }
}

void ParseAnswer() {
  LEM = PfKLEN(AINP_s);
  N = PfKINSTR(AINP_s, "/");
  if (N == 0) {
    AINP = PfVAL(AINP_s);
    return;
  }
  A_s = PfKLEFT24(AINP_s, N - 1);
  B_s = PfKRIGHT24(AINP_s, LEM - N);
  // A denominator that reads as 0 ("3/0", "3/", "/") has no quotient: the
  // entry is worth 0, which no menu or submenu takes as a choice.
  float denominator = PfVAL(B_s);
  AINP = denominator == 0 ? 0 : Div(PfVAL(A_s), denominator);
}
