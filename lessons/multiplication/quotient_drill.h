// The quotient drill's fourth part, below the three parts on sign, absolute
// value and result.
#pragma once

namespace pellith {

// Random quotients of two whole numbers with a common prime factor, written
// as a sign and a fraction of the absolute values, then in lowest terms;
// ends with the textbook line of question 4.
void FractionQuotientDrill();

}  // namespace pellith
