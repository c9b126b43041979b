// The glyph drawer of the markup printer: draws a run of characters glyph by
// glyph at the pen and advances it by a fixed amount per kind of glyph.
//
// Each character passes five stages: the ASCII stand-ins become their signs;
// the control marks set a flag and draw nothing; the radical sign and the two
// parallelograms are drawn as polylines; every other character is drawn by
// the first glyph row that fits (font, place, magnification, advance); and an
// active root overbar is stretched to the new pen. Advances never depend on
// the font, so printing off the page measures a text exactly.
// DrawWrittenRun draws a run as it is written instead: every character in
// the ordinary glyph row, with no signs, marks or letter forms.
//
// Inside a built-up fraction (BUN = 1) the glyphs take their smaller fraction
// forms. After every run the face is "ゴシック" 16, not bold, not italic, and
// the draw width is what it was when the run began.
//
// In: A_s (the run), the pen X, Y, CCC1, BUN and the printer state. Out: X, Y
// after the run; the printer state JYOU, JYOUK, HROOT, TXM and KAKKO as the
// run's marks and glyphs leave it. Work: B_s, R_s, NAG, I, TX, TY, TA2, DR.
#include "glyph_pen.h"
#include "shell.h"

namespace {

const std::string kGothic = "ゴシック";
const std::string kMtExtra = "MT Extra";

// Stage a: the characters typed in place of a mathematical sign.
void SubstituteSign() {
  if (B_s == "%") B_s = "°";
  if (B_s == "*") B_s = "×";
  if (B_s == "/") B_s = "÷";
  if (B_s == "@") B_s = "±";
  if (B_s == "!") B_s = "√";
}

// Stage b: marks that only set a flag. True when B_s was one.
bool TakeControlMark() {
  if (B_s == "^") {
    JYOU = 1;
  } else if (B_s == "\\") {
    JYOUK = 1;
  } else if (B_s == "ﾝ") {
    HROOT = 0;
  } else {
    return false;
  }
  return true;
}

// Stage c: the small radical sign and the two parallelograms, drawn as one
// polyline each. True when B_s was one of them.
bool DrawLineSign() {
  const float x = TX, y = TY;
  if (B_s == "√" && BUN == 1) {
    FE_SETDRAWWIDTH(3);
    PsCONNECT(
        {{x + 4, y + 24}, {x + 8, y + 13}, {x + 16, y + 29}, {x + 24, y - 6}, {x + 26, y - 6}},
        CCC1);
    TX = TX + 26;
    HROOT = 11;
  } else if (B_s == "√") {
    FE_SETDRAWWIDTH(3);
    PsCONNECT(
        {{x + 4, y + 36}, {x + 8, y + 24}, {x + 16, y + 40}, {x + 24, y - 4}, {x + 32, y - 4}},
        CCC1);
    TX = TX + 28;
    HROOT = 1;
  } else if (B_s == "&") {
    FE_SETDRAWWIDTH(5);
    PsCONNECT(
        {{x + 4, y + 40}, {x + 25, y + 40}, {x + 32, y + 8}, {x + 11, y + 8}, {x + 4, y + 40}},
        CCC1);
    TX = TX + 36;
  } else if (B_s == "＃") {
    FE_SETDRAWWIDTH(5);
    PsCONNECT(
        {{x + 10, y + 8}, {x + 4, y + 36}, {x + 26, y + 36}, {x + 32, y + 8}, {x + 10, y + 8}},
        CCC1);
    TX = TX + 36;
  } else {
    return false;
  }
  FE_SETDRAWWIDTH(3);
  // A new overbar, if any, starts after the sign; a running one goes on from here.
  TXM = TX;
  return true;
}

// The glyph at font size `size`, then the run's size 16 again.
void PutSized(float size, float x, float y, int hmag, int vmag, float advance) {
  FE_SETFONTSIZE(size);
  Put(x, y, hmag, vmag, advance);
  FE_SETFONTSIZE(16);
}

// A sign drawn as lines at draw width 5: a bar, and for "+" an upright.
void PutSignLines(float bar_x, float bar_y, float bar_len, bool upright, float up_x, float up_y,
                  float up_len, float advance) {
  FE_SETDRAWWIDTH(5);
  PsLINE_STEP(bar_x, bar_y, bar_len, 0, CCC1);
  if (upright) PsLINE_STEP(up_x, up_y, 0, up_len, CCC1);
  FE_SETDRAWWIDTH(3);
  TX = TX + advance;
}

// An ordinary character on the line: a double-byte one at 2 x 3, a
// single-byte one at 3 x 3. TA2 holds its byte length.
void PutOrdinary(float x, float y) {
  if (TA2 == 2) {
    Put(x, y, 2, 3, 34);
  } else {
    Put(x, y, 3, 3, 27);
  }
}

// Stage d: the first row that fits draws the glyph and advances the pen.
void DrawGlyph() {
  const float x = TX, y = TY;
  TA2 = PfLEN(B_s);
  if (B_s == ".") {
    Put(x - 3, y + 14, 3, 2, 8);
  } else if (B_s == "'" || B_s == "°") {
    Put(x, y, 3, 3, 12);
  } else if (B_s == "(" && KAKKO == 1) {
    Put(x - 4, y - 6, 3, 4, 27);
  } else if (B_s == ")" && KAKKO == 1) {
    Put(x + 6, y - 6, 3, 4, 27);
    KAKKO = 0;
  } else if (B_s == "=") {
    FE_SETFONTBOLD(-1);
    PutSized(14, x + 4, y, 3, 3, 32);
  } else if (JYOUK == 1) {
    // The small exponent raised above the line, as after a bracket: (-5)\3.
    PutSized(8, x, y - 10, 6, 3, 24);
    JYOUK = 0;
  } else if (JYOU == 1 && BUN == 1) {
    PutSized(8, x, y - 4, 6, 3, 24);
    JYOU = 0;
  } else if (JYOU == 1) {
    Put(x, y, 3, 2, 24);
    JYOU = 0;
  } else if (IsItalicLetter(B_s) && BUN == 1) {
    PutItalicLetter(x + 4, y - 16, 12, 5, 32);
  } else if (IsItalicLetter(B_s)) {
    PutItalicLetter(x + 4, y - 22, 10, 7, 27);
  } else if (B_s == "l") {
    // The script small l; the rest of the run is not bold.
    FE_SETFONTNAME(kMtExtra);
    FE_SETFONTSIZE(16);
    FE_SETFONTBOLD(-1);
    Put(x, y, 6, 3, 32);
    FE_SETFONTNAME(kGothic);
    FE_SETFONTSIZE(16);
    FE_SETFONTBOLD(0);
  } else if (B_s == "-" && BUN == 1) {
    PutSignLines(x + 6, y + 14, 20, false, 0, 0, 0, 32);
  } else if (B_s == "+" && BUN == 1) {
    PutSignLines(x + 6, y + 14, 20, true, x + 16, y + 4, 20, 32);
  } else if (B_s == "-") {
    PutSignLines(x + 4, y + 20, 19, false, 0, 0, 0, 27);
  } else if (B_s == "+") {
    PutSignLines(x + 4, y + 22, 19, true, x + 13, y + 10, 24, 27);
  } else if ((B_s == "×" || B_s == "÷" || B_s == "±") && BUN != 1) {
    Put(x - 4, y, 2, 3, 27);
  } else if (B_s == " ") {
    TX = TX + 27;
  } else if (TA2 == 2 && BUN == 1) {
    PutSized(11, x, y, 3, 3, 38);
  } else if (BUN == 1) {
    Put(x, y, 4, 2, 32);
  } else {
    PutOrdinary(x, y);
  }
}

// Stage e: an active root overbar is redrawn from its start to the pen, so it
// grows glyph by glyph; without one TXM follows the pen.
void ExtendOverbar() {
  float lift;
  if (HROOT == 1) {
    lift = 4;
  } else if (HROOT == 11) {
    lift = 6;
  } else if (HROOT == 22 && BUN != 1) {
    lift = 14;
  } else {
    TXM = TX;
    return;
  }
  FE_SETDRAWWIDTH(3);
  PsLINE(TXM, TY - lift, TX, TY - lift, CCC1);
  FE_SETDRAWWIDTH(3);
}

// A run starts at the pen in "ゴシック" 16 bold, with A_s as its text.
void BeginRun() {
  TX = X;
  TY = Y;
  DR = FE_GETDRAWWIDTH();
  R_s = A_s;
  NAG = PfKLEN(R_s);
  FE_SETFONTNAME(kGothic);
  FE_SETFONTSIZE(16);
  FE_SETFONTBOLD(-1);
}

// The pen after the run; bold off and the draw width put back.
void EndRun() {
  X = TX;
  Y = TY;
  FE_SETFONTBOLD(0);
  FE_SETDRAWWIDTH(DR);
}

}  // namespace

void DrawMarkupRun() {
  BeginRun();
  // An empty run (an empty numerator or denominator) draws nothing, does not
  // move the pen and leaves a pending exponent pending.
  for (I = 1; I <= NAG; I = I + 1) {
    B_s = PfKMID24(R_s, I, 1);
    SubstituteSign();
    if (TakeControlMark()) continue;
    if (DrawLineSign()) continue;
    DrawGlyph();
    ExtendOverbar();
  }
  EndRun();
}

void DrawWrittenRun() {
  BeginRun();
  for (I = 1; I <= NAG; I = I + 1) {
    B_s = PfKMID24(R_s, I, 1);
    TA2 = PfLEN(B_s);
    PutOrdinary(TX, TY);
  }
  EndRun();
}
