// The pages of Torvane's topics on addition, on decimals and fractions and on
// subtraction. Each item page is entered from its topic's submenu and returns
// to it with its last screen left under the submenu prompt.
#pragma once

#include <string>

namespace torvane {

// Addition.
void AdditionGoalPage();
void NumberLineAdditionPage();
void AdditionSignRuleTable();
void AdditionDrill();
void OppositesSumPage();
void AddZeroPage();
void AdditionAnswersQ12Page();
void AdditionAnswersQ3Page();
// The drill's example: two signed one-digit terms whose sum is never 0, in
// T(1) to T(4), their texts in T_s() and the sum's sign in F_s.
void GenerateSumExample();
// The sign of the drill's sum, "+" or "-", as GenerateSumExample leaves it.
extern std::string F_s;

// Decimals and fractions.
void DecimalsFractionsGoalPage();
void DecimalSumExamples();
void EqualDenominatorSums();
void UnlikeDenominatorSums();
void MultipleDenominatorSums();
void DecimalsFractionsAnswersPage();

// Subtraction.
void SubtractionGoalPage();
void SubtractionNumberLinePage();
void SubtractionRulePage();
void SubtractionDrill();
void SubtractionZeroPage();
void SubtractionAnswers5Page();
void SubtractionAnswers6Page();
// The subtraction drill's example: T(1) - T(2), never 0, rewritten as
// T(3) + T(4); T_s(1) to T_s(4) in brackets with their signs, T_s(5) the
// difference with its sign.
void RandomSubtractionPair();

}  // namespace torvane
