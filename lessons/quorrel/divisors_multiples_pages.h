// The pages of the topic on divisors and multiples through prime
// factorisation. Each returns to the topic's submenu with its last screen
// left standing.
#pragma once

namespace quorrel {

// The aim of the topic, below "<めあて>"; returns at once.
void DivisorsMultiplesGoalPage();
// Item ①: random numbers of two, then of three different primes; their
// ladder, the pairs of divisors and the list of all divisors.
void RandomDivisorExample();
// Item ②: 120 factorised, and whether it is a multiple of 3, 6, 15 and 7.
void MultiplesOf120Example();
// Item ③: the answers of textbook question 4 (multiples of 6 and of 14).
void TextbookQ4Answers();
// Item ④: the answer of textbook question 5 (154 times what is a multiple
// of 12).
void TextbookQ5Answers();

}  // namespace quorrel
