// Item ①: every divisor of a number from its prime factorisation. Stage 1
// draws products of two different primes, stage 2 of three; each example
// shows the ladder one division at a time, the product of primes, the pairs
// of divisors whose product is the number, and the list of all divisors.
// Each stage runs until the learner types 1.
#include "construct_globals.h"
#include "divisors_multiples_pages.h"
#include "example_loop.h"
#include "explanation_page.h"
#include "figures.h"
#include "ladder_pages.h"
#include "layout_cursor.h"
#include "shell.h"
#include "table_draws.h"

namespace quorrel {

namespace {

void LoadPrimeTable() {
  LoadTable({2, 3, 5, 7, 11, 13, 17});
}

// The divisors of `T(5)` ascending in `F(1)`.., each one's partner
// `T(5)` / divisor in `F(21)`.. .
void DivisorTables() {
  DY = T(5);
  ListDivisors();
  for (II = 1; II <= 20; II = II + 1) {
    F(II) = X_a(II);
    F(20 + II) = Y_a(II);
  }
}

// 2 or 3 times one of 5, 7, 11, 13 and 17.
void NewTwoPrimeNumber() {
  LoadPrimeTable();
  P = PnFInt(PaRnd() * 2 + 1);
  T(1) = X_a(P);
  Q = PnFInt(PaRnd() * 5 + 3);
  T(2) = X_a(Q);
  T(5) = T(1) * T(2);
  DivisorTables();
  TablesToTextAndKeyChoice();
}

// Three different primes, the first 2 or 3, each drawn prime taken out of
// the table before the next draw.
void NewThreePrimeNumber() {
  LoadPrimeTable();
  P = PnFInt(PaRnd() * 2 + 1);
  T(1) = TakeFromTable(P, 7);
  Q = PnFInt(PaRnd() * 3 + 1);
  T(2) = TakeFromTable(Q, 6);
  Q = PnFInt(PaRnd() * 5 + 1);
  T(3) = X_a(Q);
  T(5) = T(1) * T(2) * T(3);
  DivisorTables();
  // The product is written smallest prime first: the second and third
  // smallest divisors are the two smallest primes.
  T(1) = F(2);
  T(2) = F(3);
  T(3) = T(5) / (T(1) * T(2));
  TablesToTextAndKeyChoice();
}

void ShowDivisors(int primes) {
  const int pairs = primes == 2 ? 2 : 4;
  OpenPage({.width = 1320, .height = 1300, .left = 40, .indent = 40, .top = 30});
  Say(primes == 2 ? "Q1 " : "Q2 ", XI0, YI1, 7);
  Continue(T_s(5), 3);
  Continue(" の約数を素因数分解を利用して求めなさい。", 0);
  WaitAnyKey();

  Say("素因数分解すると ", XI1, YI1 + 50, 0);
  WorkedLadder(T(5), 800, YI1);
  std::string product = T_s(5) + "=" + T_s(1) + "*" + T_s(2);
  if (primes == 3) product += "*" + T_s(3);
  Continue(product, 3);
  Say("だから", XI2 + 40, YI1, 0);
  for (int k = 1; k <= pairs; ++k) {
    WaitAnyKey();
    Say(T_s(5) + "=" + F_sa(k) + "*" + F_sa(20 + k), XI1, YI1 + 50, 3);
  }
  WaitAnyKey();
  Say("したがって", XI1, YI1 + 50, 0);
  Continue(T_s(5), 3);
  Continue("の約数は、", 0);
  WaitAnyKey();

  Say("", XI1, YI1 + 50, 5);
  const int divisors = 2 * pairs;
  for (int k = 1; k <= divisors; ++k) {
    Continue(F_sa(k), 5);
    if (k < divisors) Continue(",", 5);
  }
}

void ShowTwoPrimeDivisors() {
  ShowDivisors(2);
}
void ShowThreePrimeDivisors() {
  ShowDivisors(3);
}

}  // namespace

void RandomDivisorExample() {
  RandomExampleLoop(NewTwoPrimeNumber, ShowTwoPrimeDivisors, LoopEntry::kFreshStart);
  WaitAnyKey();
  RandomExampleLoop(NewThreePrimeNumber, ShowThreePrimeDivisors, LoopEntry::kFreshStart);
}

}  // namespace quorrel
