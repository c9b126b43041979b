// The short-division ladder of SOSU from the table that PrimeFactorise left
// in Q and G(). Each row: the divisor with ")" at XTAKE (a longer divisor
// ends where a one-digit one ends), the dividend, a bar under it, and the
// quotient under the bar; the last prime stays alone at the bottom. Numbers
// are right-aligned on a column edge, 30 units per character of their text.
// With NASI 1 it waits for a key after every bar and every quotient.
// Afterwards NASI is 0 and YTAKE the bottom row's y. Work: II (the slot), J
// (the row), TA (the dividend), TA1 (the length of SOSU's text), TA2 (that
// of a dividend's), SO_s (the divisor), X, Y, AA_s, CCC1 (0 after a row) and
// NumberText's, PrintMarkup's and WaitAnyKey's.
#include "figures.h"
#include "number_texts.h"

namespace {

constexpr float kColumn = 30;     // width given to each character of a number
constexpr float kTextToBar = 46;  // from the top of a row's texts to its bar
constexpr float kBarToNext = 18;  // from the bar to the quotient under it
constexpr float kDigit = 27;      // the printer's advance for a digit

// Prints the text of TA right-aligned on the column edge, with its top at y.
void PrintDividend(float y) {
  TA2 = PfKLEN(PfSTR244(TA));
  AA_s = PfSTR244(TA);
  X = XTAKE + kColumn * (TA1 + 1 - TA2);
  Y = y;
  CCC1 = 0;
  PrintMarkup();
}

}  // namespace

void DrawShortDivision() {
  TA = SOSU;
  TA1 = PfKLEN(PfSTR244(SOSU));
  // An empty table has nothing to divide by: no ladder at all.
  if (Q < 1) {
    NASI = 0;
    return;
  }
  const float slots = Q;
  II = 1;
  do {
    SO_s = NumberText(G(1, II));
    // The last slot's final division, the one that would leave 1, is not
    // drawn: its prime stays at the bottom as the last quotient.
    const float rows = (II == slots) ? G(2, II) - 1 : G(2, II);
    for (J = 1; J <= rows; J = J + 1) {
      const float y = YTAKE;
      CCC1 = 0;
      AA_s = SO_s + ")";
      // A divisor of several digits ends where a one-digit one ends, left
      // of the dividend's column.
      X = XTAKE - kDigit * (PfKLEN(SO_s) - 1);
      Y = y;
      PrintMarkup();
      PrintDividend(y);
      YTAKE = y + kTextToBar;
      PsLINE(XTAKE + kColumn, YTAKE, XTAKE + kColumn * (TA1 + 1), YTAKE, 0);
      if (NASI == 1) WaitAnyKey();
      TA = Div(TA, G(1, II));
      YTAKE = YTAKE + kBarToNext;
      PrintDividend(YTAKE);
      if (NASI == 1) WaitAnyKey();
    }
    II = II + 1;
  } while (II <= slots);
  NASI = 0;
}
