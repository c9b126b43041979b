// The quotient drill's fourth part, below the three parts on sign, absolute
// value and result.
#pragma once

namespace pellith {

// Random quotients of two whole numbers with a common prime factor, written
// as a sign and a fraction of the absolute values, then in lowest terms;
// ends with the textbook line of question 4.
void FractionQuotientDrill();

// One quotient of that part from the common factor Y_a(1) and the reduced
// numerator T(1) and denominator T(2) with their signs: the dividend
// T(11), the divisor T(12), their texts (bracketed when negative), the
// sizes T_s(4), T_s(5), the sign F_sa(1) and the answer in lowest terms X_sa(1).
void MakeFractionQuotient();

}  // namespace pellith
