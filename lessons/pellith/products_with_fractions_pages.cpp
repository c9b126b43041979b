// The second halves of examples 9 and 10, at the right of the screen: three
// signed fractions built from five different primes, multiplied (example 9)
// or divided and multiplied (example 10), everything cancelled in three
// steps down to a quotient of two primes.
#include "cancelling.h"
#include "construct_globals.h"
#include "example_loop.h"
#include "fresh_run.h"
#include "laws_mixed_pages.h"
#include "random_draws.h"
#include "shell.h"
#include "table_draws.h"
#include "textbook_answers.h"

namespace pellith {

namespace {

// The first numerator of the last example shown by either page here
// (example 9's or 10's fractions); a new example never starts with the same
// one.
float FMAESU = 0;
const FreshEachRun kFreshEachRun(FMAESU);

void DrawThreeFractions() {
  do {
    LoadTable({2, 3, 5, 7, 11, 13, 17, 19});
    F(10) = 1;
    P = PnFInt(PaRnd() * 3 + 1);
    T(1) = TakeFromTable(P, 8);
  } while (T(1) == FMAESU);
  FMAESU = T(1);
  P = PnFInt(PaRnd() * 2 + 1);
  T(2) = TakeFromTable(P, 7);
  P = PnFInt(PaRnd() * 5 + 1);
  T(3) = TakeFromTable(P, 6);
  P = PnFInt(PaRnd() * 4 + 1);
  T(4) = TakeFromTable(P, 5);
  P = PnFInt(PaRnd() * 3 + 1);
  T(5) = X_a(P);
  T(6) = T(1) * T(4);
  T(7) = T(5) * T(2);
  for (int i = 1; i <= 3; ++i) {
    F(i) = RandomSign();
    F(10) = F(10) * F(i);
  }
  DB = T(4);
  DS = F(10) * T(2);
  ReduceFraction();
  X_sa(1) = A2_s;
  TablesToTextAndKeyChoice();
  for (int i = 1; i <= 20; ++i) F_sa(i) = SignText(F(i));
}

// The signed fraction `num`/`den` in brackets.
std::string Bracketed(const std::string& sign, const std::string& num, const std::string& den) {
  return "(" + sign + "ﾀ" + num + "/" + den + "ﾀ)";
}

// From the product line on: the three numerators over the three
// denominators, the cancelling in three steps and the answer.
void WorkOutThreeFractions() {
  Say("=" + F_sa(10) + "ﾀ" + T_s(1) + "*" + T_s(7) + "*" + T_s(3) + "/" + T_s(3) + "*" + T_s(6) +
          "*" + T_s(5) + "ﾀ",
      XI1, YI1 + 100, 0);
  U(1) = TBSIYAKX;
  V(1) = TBSIYAKY;
  U(2) = TBBOYAKX;
  V(2) = TBBOYAKY;
  WaitAnyKey();
  CCC1 = 3;
  U(3) = U(1) + InFractionWidth(T_s(1) + "*");
  V(3) = V(1);
  U(4) = U(2) + InFractionWidth(T_s(3) + "*");
  V(4) = V(2);
  U(5) = U(3) + InFractionWidth(T_s(7) + "*");
  V(5) = V(1);
  U(6) = U(4) + InFractionWidth(T_s(6) + "*");
  V(6) = V(2);

  StrikeNumber(T_s(1), U(1), V(1), 26, -26);
  WriteLeftOver("1", U(1), V(1) - 30);
  StrikeNumber(T_s(6), U(4), V(4), 24, -22);
  WriteLeftOver(T_s(4), U(4), V(4) + 28);
  WaitAnyKey();
  StrikeNumber(T_s(7), U(3), V(3), 26, -26);
  WriteLeftOver(T_s(2), U(3) - 14, V(3) - 30);
  StrikeNumber(T_s(5), U(6), V(6), 24, -24);
  WriteLeftOver("1", U(6), V(6) + 28);
  WaitAnyKey();
  StrikeNumber(T_s(3), U(5), V(5), 26, -26);
  WriteLeftOver("1", U(5) - 14, V(5) - 30);
  StrikeNumber(T_s(3), U(2), V(2), 24, -24);
  WriteLeftOver("1", U(2), V(2) + 28);
  WaitAnyKey();
  Say("=" + X_sa(1), XI1, YI1 + 100, 5);
}

void ShowThreeFractionProduct() {
  EraseExampleArea();
  Say("②　" + Bracketed(F_sa(1), T_s(1), T_s(3)) + "*" + Bracketed(F_sa(2), T_s(7), T_s(6)) + "*" +
          Bracketed(F_sa(3), T_s(3), T_s(5)),
      XI0, YI1 + 10, 0);
  WaitAnyKey();
  WorkOutThreeFractions();
}

void ShowThreeFractionQuotient() {
  EraseExampleArea();
  Say("②　" + Bracketed(F_sa(1), T_s(1), T_s(3)) + "/" + Bracketed(F_sa(2), T_s(6), T_s(7)) + "*" +
          Bracketed(F_sa(3), T_s(3), T_s(5)),
      XI0, YI1 + 10, 0);
  WaitAnyKey();
  Say("=" + Bracketed(F_sa(1), T_s(1), T_s(3)) + "*" + Bracketed(F_sa(2), T_s(7), T_s(6)) + "*" +
          Bracketed(F_sa(3), T_s(3), T_s(5)),
      XI1, YI1 + 80, 0);
  WaitAnyKey();
  WorkOutThreeFractions();
}

}  // namespace

void ProductsWithFractionsPage() {
  RandomExampleLoop(DrawThreeFractions, ShowThreeFractionProduct, LoopEntry::kFreshStart);
  WaitAnyKey();
  TextbookTaskLine("教科書 問11　をしなさい。", 160, 540);
}

void MixedFractionsPage() {
  RandomExampleLoop(DrawThreeFractions, ShowThreeFractionQuotient, LoopEntry::kFreshStart);
  WaitAnyKey();
  TextbookTaskLine("教科書 問12　をしなさい。", XI1, YI1 + 100);
}

}  // namespace pellith
