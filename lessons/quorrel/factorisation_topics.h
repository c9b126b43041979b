// The topics of Quorrel that its main menu opens. Each shows its submenu
// until its last item, "終了", is chosen, then returns to the menu.
#pragma once

namespace quorrel {

// Divisors and multiples, primes and prime factorisation.
void PrimeFactorisationTopic();
// Divisors and multiples through prime factorisation.
void DivisorsMultiplesTopic();
// The answers to the practice problems of prime factorisation.
void FactorPracticeAnswers();
// Using signed numbers: averages with a provisional mean.
void SignedNumbersUseTopic();
// The chapter review "学びをたしかめよう" with its worked answers.
void ReviewCheckTopic();
// The chapter review "学びを身につけよう" with its worked answers.
void ReviewMasterTopic();

}  // namespace quorrel
