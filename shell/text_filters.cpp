// Two filters on the work text `A_s`: blanks out of number texts, and the
// markup characters out of short markup texts.
//
// StripMarkup leaves in TA1, TA2, TA3 where the last "^", "ﾝ" and "ﾀ" or "="
// stood. Work: IB8, KB8, X8_s, X9_s.
#include "globals.h"
#include "shell.h"

void NormaliseNumberText() {
  // Byte by byte: a blank (byte 32) is never part of a double-byte
  // character, so those pass whole and the full-width space stays.
  X9_s = "";
  KB8 = PfLEN(A_s);
  for (IB8 = 1; IB8 <= KB8; IB8 = IB8 + 1) {
    X8_s = PfMID24(A_s, IB8, 1);
    if (X8_s != " ") X9_s = X9_s + X8_s;
  }
  A_s = X9_s;
}

namespace {

// Deletes every occurrence of the one-byte character `mark` from `A_s`,
// leaving its last position in `position`. The search is by character, so
// the trail byte of a double-byte character is never taken for a mark.
void DeleteEvery(const std::string& mark, float& position) {
  while (PfKINSTR(A_s, mark) != 0) {
    position = PfKINSTR(A_s, mark);
    A_s = PfKLEFT24(A_s, position - 1) + PfKMID24(A_s, position + 1);
  }
}

}  // namespace

void StripMarkup() {
  DeleteEvery("^", TA1);
  DeleteEvery("ﾝ", TA2);
  DeleteEvery("ﾀ", TA3);
  DeleteEvery("=", TA3);
}
