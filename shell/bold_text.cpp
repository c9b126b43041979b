// The bold printer: a short text in bold, character by character, with fixed
// advances of its own and no markup (every character is drawn as itself).
// Widths are measured by printing off the page, never from the font.
//
// In: AA_s, the pen X, Y, CCC1 (BracketNegative: A_s). Out: X after the text,
// AA_s empty (BracketNegative: A_s in brackets when it holds a "-"). Work:
// A_s, B_s, R_s, TX, TY, DR, LEM, NAG, I, TA2 (TA1 in BracketNegative), LLT (MeasureBoldWidth).
#include "glyph_pen.h"
#include "shell.h"

void DrawBoldText() {
  LogPrint("DrawBoldText", X, Y, CCC1, AA_s);
  for (;;) {
    TX = X;
    TY = Y;
    DR = FE_GETDRAWWIDTH();
    LEM = PfKLEN(AA_s);
    if (LEM == 0) {
      FE_SETFONTBOLD(0);
      FE_SETDRAWWIDTH(DR);
      FE_SETFONTSIZE(16);
      return;
    }
    A_s = PfKLEFT24(AA_s, 1);
    AA_s = PfKRIGHT24(AA_s, LEM - 1);
    R_s = A_s;
    NAG = 1;
    I = 1;
    B_s = R_s;
    TA2 = PfLEN(B_s);
    // The face stays as it is: "ゴシック" after any markup text.
    FE_SETFONTBOLD(-1);
    FE_SETFONTSIZE(15);
    if (B_s == "." || B_s == ",") {
      Put(TX, TY, 3, 2, 8);
    } else if (B_s == "(") {
      Put(TX - 8, TY, 3, 2, 12);
    } else if (B_s == ")") {
      Put(TX, TY, 3, 2, 8);
    } else if (B_s == " ") {
      TX = TX + 20;
    } else if (TA2 == 2) {
      Put(TX, TY, 2, 2, 30);
    } else if (IsItalicLetter(B_s)) {
      PutItalicLetter(TX + 4, TY - 12, 7, 4, 20);
    } else if (B_s == "y") {
      Put(TX, TY - 6, 3, 2, 20);
    } else {
      Put(TX, TY, 3, 2, 20);
    }
    X = TX;
    Y = TY;
  }
}

void MeasureBoldWidth() {
  MeasureWidth(DrawBoldText);
}

void BracketNegative() {
  TA1 = PfINSTR(A_s, "-");
  if (TA1 != 0) A_s = "(" + A_s + ")";
}
