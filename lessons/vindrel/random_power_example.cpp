// Example 2 with random numbers: products of two powers of negative numbers
// in the left column, then quotients of two such powers in the right one.
// The second exponent never repeats the one shown just before, whichever
// column showed it.
#include "example_loop.h"
#include "expression_texts.h"
#include "fresh_run.h"
#include "layout_cursor.h"
#include "powers_sets_pages.h"
#include "shell.h"
#include "textbook_answers.h"

namespace vindrel {

float FMAESU = 0;
const FreshEachRun kFreshEachRun(FMAESU);

namespace {

// A negative base in brackets; an exponent 1 not written.
void BracketsAndExponentTexts(int i) {
  BracketNegativeTexts(i, i);
  if (F(i) == 1) F_sa(i) = "";
}

void ShowPowerProduct() {
  EraseExampleArea();
  Say("① " + T_s(1) + "^" + F_sa(1) + "*" + T_s(2) + "^" + F_sa(2), XI0, YI1, 0);
  WaitAnyKey();
  Say("=" + T_s(3) + "*" + T_s(4), XI1, YI1 + 80, 0);
  WaitAnyKey();
  Say("=" + T_s(5), XI1, YI1 + 80, 5);
}

void ShowPowerQuotient() {
  EraseExampleArea();
  Say("② " + T_s(11) + "^" + F_sa(11) + "/" + T_s(12) + "^" + F_sa(12), XI0, YI1 + 10, 0);
  WaitAnyKey();
  Say("=" + T_s(13) + "/" + T_s(14), XI1, YI1 + 80, 0);
  WaitAnyKey();
  Say("=" + RAB_sa(1), XI1, YI1 + 100, 5);
}

// Two powers a^m and b^n of negative bases: m, a, n, b into `F(i)`, `T(i)`,
// `F(i + 1)`, `T(i + 1)`, drawn in this order until n is not `FMAESU`.
void DrawTwoPowers(int i) {
  do {
    F(i) = PnFInt(PaRnd() * 2 + 2);
    T(i) = -PnFInt(PaRnd() * 4 + 2);
    F(i + 1) = PnFInt(PaRnd() * 3 + 1);
    T(i + 1) = -PnFInt(PaRnd() * 4 + 2);
  } while (F(i + 1) == FMAESU);
  FMAESU = F(i + 1);
}

}  // namespace

void PowerProductNumbers() {
  DrawTwoPowers(1);
  T(3) = PnFXy(T(1), F(1));
  T(4) = PnFXy(T(2), F(2));
  T(5) = T(3) * T(4);
  ReseedRandom();
  TablesToTextAndKeyChoice();
  for (int i = 1; i <= 4; ++i) BracketsAndExponentTexts(i);
}

void PowerQuotientNumbers() {
  // Seeded once per example: a draw refused for its exponent is drawn again
  // from the running sequence, so it cannot come back unchanged.
  ReseedRandom();
  DrawTwoPowers(11);
  T(13) = PnFXy(T(11), F(11));
  T(14) = PnFXy(T(12), F(12));
  DB = T(14);
  DS = T(13);
  ReduceFraction();
  RAB_sa(1) = A3_s;
  TablesToTextAndKeyChoice();
  for (int i = 1; i <= 4; ++i) {
    BracketsAndExponentTexts(i);
    BracketsAndExponentTexts(10 + i);
  }
}

void RandomPowerExample() {
  RandomExamplePage(1300, "例2 次の計算をしなさい。");
  RandomExampleLoop(PowerProductNumbers, ShowPowerProduct, LoopEntry::kFreshStart);

  // What is computed first in the last example.
  Say("まず、", XI0, YI1 + 75, 3);
  A_s = F(2) == 1 ? "" : "と" + T_s(2) + "^" + F_sa(2);
  Say(T_s(1) + "^" + F_sa(1) + A_s, XI0, YI1 + 50, 3);
  Continue("を計算する。", 3);

  // The quotients in the right-hand column; the products stay.
  SetMargins({.left = 640, .indent = 34, .top = V(31)});
  FE_SETDRAWWIDTH(5);
  U(31) = XI0;
  RandomExampleLoop(PowerQuotientNumbers, ShowPowerQuotient, LoopEntry::kFreshStart);
  WaitAnyKey();
  TextbookTaskLine("教科書 問2　をしなさい。", XI1, YI1 + 100);
}

}  // namespace vindrel
