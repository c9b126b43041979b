// The pages of the prime-factorisation topic: divisors and multiples, primes
// and the sieve, factor trees, the random factorisation example and the
// answers of textbook question 3. Each returns to the topic's submenu with
// its last screen left standing.
#pragma once

namespace quorrel {

// The aim of the topic, below "<めあて>"; returns at once.
void PrimeFactorisationGoal();
// Item ①: divisors and multiples of 20, revealed word by word.
void DivisorMultipleDefinitionPage();
// Item ②: primes, then the sieve of Eratosthenes on the numbers 1 to 100.
void PrimesPage();
// Item ③: two factor trees of 72 and the meaning of prime factorisation.
void FactorTreePage();
// Item ④: random numbers 2^a 3^b 5^c factorised on the division ladder.
void RandomFactorExample();
// Item ⑤: the factorisations of 20, 54 and 126 (textbook question 3).
void Question3AnswersPage();

// The number of the factorisation example from its exponents of 2, 3 and 5
// in `F(1)`..`F(3)`: fewer than three prime factors get a factor 5 (`F(3)` =
// 1); the number in `F(4)`, its factorisation as markup in `T_s(4)`
// ("2^3*3*5": a power 1 unwritten, a power 0 left out).
void FactorNumberFromExponents();

// The grid of the numbers 1 to 100 under its title, every cell open but 1;
// its corner in `X_a(31)`, `Y_a(31)` (40, 70).
void SieveGrid();
// Strikes out the multiples of each prime below 100 on the grid, a key
// before each of the first four primes; the primes are left in `F(1)`..`F(25)`.
void SieveOfEratosthenes();
// One node of a factor tree: the parent (column `T(1)`, row `T(2)`, text
// `T_s(51)`), a key, its first child (`T(3)`, `T(4)`, `T_s(52)`) with its
// branch, a key, its second child (`T(5)`, `T(6)`, `T_s(53)`). The grid is
// `U(1)`..`U(4)` (left edges), `U(11)`..`U(14)` (right edges), `V(1)`..`V(8)`
// (tops) and `V(11)`..`V(18)` (middles).
void FactorTreeNode();

}  // namespace quorrel
