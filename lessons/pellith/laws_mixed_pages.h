// The pages of the topic on the laws of multiplication, products of several
// factors and mixed multiplication and division.
#pragma once

#include "program.h"

namespace pellith {

// Three calculations that use the associative and the commutative law.
void MultiplicationLawsPage();
// The answers of textbook questions 9 and 10, 11 and 12.
void Question9And10AnswersPage();
void Question11AnswersPage();
void Question12AnswersPage();
// Example 9, first half: the sign of a product of several factors, then
// products of three whole numbers until the learner types 1. The second
// half follows on the same screen.
void SeveralFactorsSignPage();
// Example 9, second half: products of three fractions, at the right.
void ProductsWithFractionsPage();
// Example 10, first half: a division and a multiplication of three whole
// numbers until the learner types 1.
void MixedMulDivExamplePage();
// Example 10, second half: the same with three fractions, at the right.
void MixedFractionsPage();
// A wrong working of a mixed calculation and two right ones.
void FindTheErrorPage();

// The first half of an example: the page blanked (1760 wide, `height`
// high), its heading at (40, 30), the pen width 5, and examples below the
// heading until the learner types 1. Then the layout cursor and the example
// area move to the right half of the screen for the second half.
void LeftHalfExamples(float height, const char* heading, const Action& generate,
                      const Action& show);

}  // namespace pellith
