// Removes every half-width "(", ")" and "+" from A_s, so that a signed number
// written for display, "(-3)" or "+7", becomes a plain number text again.
// The three characters are single bytes below 64, which no trail byte of a
// double-byte character can be, so a byte-wise cut never splits one; the
// full-width brackets and plus stay.
//
// The byte places of the last "(", ")" and "+" taken out are left in TA1,
// TA2 and TA3.
#include "figures.h"

namespace {

// Deletes every occurrence of the one-byte text `mark` from A_s, leaving the
// byte position of the last one removed in `where`.
void RemoveEvery(const char* mark, float& where) {
  for (int at = PfINSTR(A_s, mark); at > 0; at = PfINSTR(A_s, mark)) {
    where = at;
    A_s = PfLEFT24(A_s, at - 1) + PfMID24(A_s, at + 1);
  }
}

}  // namespace

void StripBracketsPlus() {
  RemoveEvery("(", TA1);
  RemoveEvery(")", TA2);
  RemoveEvery("+", TA3);
}
