// The pages of the topic on fractions and reciprocals.
#pragma once

namespace pellith {

// Example 6: products of two signed fractions worked out with cancelling.
void FractionProductsPage();
// Example 8: quotients of two signed fractions, through the reciprocal.
void FractionQuotientsPage();
// The reciprocals of five numbers, and how to find one.
void ReciprocalsPage();
// A division and a multiplication by the reciprocal give the same.
void DivideByReciprocalPage();
// The answers of textbook questions 6, 7 and 8.
void Question6AnswersPage();
void Question7AnswersPage();
void Question8AnswersPage();

}  // namespace pellith
