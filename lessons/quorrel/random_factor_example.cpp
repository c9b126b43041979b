// Item ④: random numbers 2^a × 3^b × 5^c to factorise; the ladder is shown
// one division at a time, then the number as a product of prime powers.
// Examples follow until the learner types 1; then textbook question 3.
#include "construct_globals.h"
#include "example_loop.h"
#include "explanation_page.h"
#include "figures.h"
#include "fresh_run.h"
#include "ladder_pages.h"
#include "layout_cursor.h"
#include "prime_factorisation_pages.h"
#include "shell.h"
#include "textbook_answers.h"

namespace quorrel {

void FactorNumberFromExponents() {
  // A number of fewer than three prime factors gets a factor 5.
  if (F(1) + F(2) + F(3) < 3) F(3) = 1;
  F(4) = PnFXy(2, F(1)) * PnFXy(3, F(2)) * PnFXy(5, F(3));
  TablesToTextAndKeyChoice();
  // A power 1 is not written, a power 0 leaves its prime out.
  T_s(1) = F(1) == 1 ? "2" : "2^" + F_sa(1);
  T_s(2) = F(2) == 0 ? "" : F(2) == 1 ? "*3" : "*3^" + F_sa(2);
  T_s(3) = F(3) == 0 ? "" : F(3) == 1 ? "*5" : "*5^" + F_sa(3);
  T_s(4) = T_s(1) + T_s(2) + T_s(3);
}

namespace {

// The example's reference point: its task stands on the line YI from 44 left
// of XI, the answer at XI 80 below it.
float XI, YI;
const FreshEachRun kFreshEachRun(XI, YI);

// The exponents a (1 to 3), b and c (0 to 2) in `F(1)`..`F(3)`.
void NewFactorNumber() {
  P = PnFInt(PaRnd() * 3 + 1);
  F(1) = P;
  P = PnFInt(PaRnd() * 3);
  F(2) = P;
  P = PnFInt(PaRnd() * 3);
  F(3) = P;
  FactorNumberFromExponents();
}

void ShowFactorNumber() {
  BlankPage(1320, 1300);
  XI = 88;
  YI = 30;
  Say("例1 ", XI - 44, YI, 0);
  Continue(F_sa(4), 3);
  Continue(" を素因数分解しなさい。", 0);
  WaitAnyKey();
  WorkedLadder(F(4), 660, YI);
  PrintAt(F_sa(4) + "=" + T_s(4), XI, YI + 80, 5);
}

}  // namespace

void RandomFactorExample() {
  RandomExampleLoop(NewFactorNumber, ShowFactorNumber, LoopEntry::kFreshStart);
  WaitAnyKey();
  TextbookTaskLine("教科書 問3　をしなさい。", 44, 570);
}

}  // namespace quorrel
