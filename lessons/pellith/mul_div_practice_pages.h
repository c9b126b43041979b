// The four pages of answers to the practice problems of multiplication and
// division.
#pragma once

namespace pellith {

// Products of signed whole numbers and decimals.
void MulDivPracticePage1();
// Quotients of signed whole numbers and decimals.
void MulDivPracticePage2();
// Products and quotients of fractions.
void MulDivPracticePage3();
// Calculations of three numbers, on two screens.
void MulDivPracticePage4();

}  // namespace pellith
