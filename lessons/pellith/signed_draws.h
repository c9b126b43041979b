// The random numbers of the product and quotient drills and the decimal
// examples.
#pragma once

namespace pellith {

// The signs of the drills' third and fourth parts on T(1) and T(2), drawn
// into F(1) and F(2): (+, -) with chance 1/2, (-, +) and (-, -) 1/4 each,
// never two positive numbers.
void ResultDrillSigns();

// The two numbers of the drills' first two parts: T(1) and T(2) signed
// digits, T(3) their product.
void DrawSignedPair();

// The two numbers of the drills' third part: T(1) and T(2) from 1 to 9 with
// the signs of ResultDrillSigns, T(3) their product; then the texts of the
// tables (TablesToTextAndKeyChoice).
void DrawResultPair();

// `whole` divided by 10 to the power `places`, rounded once: the nearest
// single-precision number to the decimal, whose text shows its own digits.
float Decimal(float whole, float places);

}  // namespace pellith
