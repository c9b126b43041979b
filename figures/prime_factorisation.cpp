// Prime factorisation by trial division with the primes 2 to 23. The table
// G() gets one slot per dividing prime, in ascending order: G(1, k) the
// prime, G(2, k) its exponent, k = 1 to Q. Slot 10 holds the cofactor, what
// is left of the number when no trial prime divides it any more. R_a() gets
// the primes table 2 to 29 on every call; 29 is stored but never tried.
//
// The number is SOSU, set by the caller; it gets back its size afterwards.
// Work: P (the trial prime), TJ, SOSU1.
#include <cmath>

#include "figures.h"

namespace {

// The cofactor slot and the end of the walk: Q counts the filled slots, and
// SOSU gets back the number that was factorised.
void CloseTable() {
  G(1, 10) = SOSU;
  G(2, 10) = 1;
  SOSU = SOSU1;
}

}  // namespace

void PrimeFactorise() {
  TJ = 1;
  do {
    G(1, TJ) = 0;
    G(2, TJ) = 0;
    TJ = TJ + 1;
  } while (TJ <= 10);

  const float primes[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29};
  for (int k = 1; k <= 10; ++k) R_a(k) = primes[k - 1];

  SOSU = std::fabs(SOSU);
  SOSU1 = SOSU;
  // A number that is 0 as a whole number would divide by every prime for
  // ever: it has no factors, and the cofactor is the number itself.
  if (PbFstLng(SOSU) == 0) {
    P = 10;
    Q = 0;
    CloseTable();
    return;
  }

  P = 1;  // the trial prime R_a(P)
  Q = 1;  // the slot being filled
  for (;;) {
    if (P == 10) {
      Q = Q - 1;
      CloseTable();
      return;
    }
    if (Mod(SOSU, R_a(P)) == 0) {
      // The same prime is tried again until it no longer divides.
      G(1, Q) = R_a(P);
      G(2, Q) = G(2, Q) + 1;
      SOSU = SOSU / R_a(P);
    } else if (G(1, Q) != 0) {
      Q = Q + 1;
      P = P + 1;
    } else {
      P = P + 1;
    }
  }
}
