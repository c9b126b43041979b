// The markup printer: walks a lesson text one character at a time, draws the
// built-up fractions ("ﾀ3/8ﾀ") and the tall radical sign ("#") itself, takes
// "^" as the exponent mark, and hands every other character to the glyph
// drawer as a run of its own.
//
// The printer state (JYOU, JYOUK, HROOT, TXM, KAKKO, BUN) lives in globals and
// is never reset here: a mark at the end of one text acts on the next text.
//
// In: AA_s, the pen X, Y, CCC1 and the printer state. Out: X after the text,
// AA_s empty, the printer state as the text leaves it. Work: A_s, AA_A_s, DR,
// LEM, N and the glyph drawer's (DrawMarkupRun's) and the
// fraction's (DrawFraction's).
#include "shell.h"

void PrintMarkup() {
  LogPrint("PrintMarkup", X, Y, CCC1, AA_s);
  for (;;) {
    // The draw width in force; every path below puts it back.
    DR = FE_GETDRAWWIDTH();
    LEM = PfKLEN(AA_s);
    if (LEM == 0) {
      FE_SETDRAWWIDTH(DR);
      return;
    }
    A_s = PfKLEFT24(AA_s, 1);
    AA_s = PfKRIGHT24(AA_s, LEM - 1);

    if (A_s == "ﾀ") {
      // A built-up fraction runs to the next "ﾀ"; without one the opening
      // bracket is dropped and the rest prints as ordinary markup.
      N = PfKINSTR(AA_s, "ﾀ");
      if (N == 0) continue;
      A_s = PfKLEFT24(AA_s, N - 1);
      // The fraction routine measures its parts through this printer, which
      // empties AA_s: the rest of the line waits in AA_A_s.
      AA_A_s = PfKRIGHT24(AA_s, LEM - N - 1);
      DrawFraction();
      AA_s = AA_A_s;
      continue;
    }

    if (A_s == "#") {
      // The tall radical sign: tick, long stroke down, long stroke up and the
      // start of the overbar, which the following glyphs extend.
      FE_SETDRAWWIDTH(3);
      PsCONNECT(
          {{X + 4, Y + 36}, {X + 8, Y + 24}, {X + 16, Y + 60}, {X + 30, Y - 14}, {X + 38, Y - 14}},
          CCC1);
      HROOT = 22;
      FE_SETDRAWWIDTH(DR);
      X = X + 32;
      TXM = X;
      continue;
    }

    if (A_s == "^") {
      JYOU = 1;
      continue;
    }

    DrawMarkupRun();
  }
}
