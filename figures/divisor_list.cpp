// Every divisor of the whole number DY in ascending order in X_a(1) to X_a(P),
// each with its co-divisor DY / X_a(k) in Y_a(k). Entries beyond P keep what
// they held. More divisors than the tables hold is the runtime's
// subscript error.
//
// DY is left as its size (-12 becomes 12), P the count of divisors, KOSUU
// the number of divisor pairs (half the count, rounded up). Work: II.
#include <cmath>

#include "figures.h"

void ListDivisors() {
  DY = std::fabs(DY);
  P = 0;
  // Every candidate from 1 to the number is tried; the bound is taken once
  // and tested after each pass, so 0 still tries the candidate 1. The
  // candidate is counted in double precision so that the count never sticks
  // where single precision stops telling neighbouring whole numbers apart.
  const double bound = DY;
  double candidate = 1;
  do {
    II = candidate;
    double quotient = static_cast<double>(DY) / candidate;
    if (quotient - std::floor(quotient) == 0) {
      P = P + 1;
      X_a(P) = II;
      Y_a(P) = quotient;
    }
    candidate = candidate + 1;
  } while (candidate <= bound);
  II = candidate;
  KOSUU = PbFstInt(P / 2);
}
