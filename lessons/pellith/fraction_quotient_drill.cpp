// The quotient drill's fourth part: quotients that reduce to a fraction.
#include <cmath>

#include "example_loop.h"
#include "expression_texts.h"
#include "figures.h"
#include "layout_cursor.h"
#include "quotient_drill.h"
#include "shell.h"
#include "signed_draws.h"
#include "table_draws.h"
#include "textbook_answers.h"

namespace pellith {

namespace {

// A prime drawn from the first four entries of the table X_a(1) to X_a(8);
// with `remove` the entries after it move down one place, within the first
// five.
float DrawPrime(bool remove) {
  P = PnFInt(PaRnd() * 4 + 1);
  return remove ? TakeFromTable(P, 5) : X_a(P);
}

void GenerateFractionQuotient() {
  LoadTable({2, 3, 5, 7, 11, 13, 17, 19});
  Y_a(1) = DrawPrime(true);  // the common factor
  T(1) = DrawPrime(true);
  T(2) = DrawPrime(false);
  ResultDrillSigns();
  MakeFractionQuotient();
}

void ShowFractionQuotient() {
  SetMargins({.margin = 40, .top = 390});
  BlankBand(YI1, 1320, 180);
  Say("問④　次の計算をしなさい。", XI1, YI1, 0);
  Say(T_s(11) + "/" + T_s(12) + "=", XI1 + 120, YI1 + 80, 0);
  WaitAnyKey();
  Continue(F_sa(1) + "ﾀ" + T_s(4) + "/" + T_s(5) + "ﾀ=", 0);
  WaitAnyKey();
  Continue(X_sa(1), 5);
  if (T(3) > 0) Say("答の + は書かない。", XI2 + 100, YI1, 3);
}

}  // namespace

void MakeFractionQuotient() {
  T(11) = T(1) * Y_a(1);
  T(12) = T(2) * Y_a(1);
  T(3) = T(1) * T(2);
  T(4) = std::fabs(T(11));
  T(5) = std::fabs(T(12));
  DB = T(12);
  DS = T(11);
  ReduceFraction();
  X_sa(1) = A2_s;
  TablesToTextAndKeyChoice();
  F_sa(1) = std::string(T(3) < 0 ? "-" : "+");
  BracketNegativeTexts(11, 12);
}

void FractionQuotientDrill() {
  RandomExampleLoop(GenerateFractionQuotient, ShowFractionQuotient, LoopEntry::kFreshStart);
  TextbookTaskLine("教科書 問4 をしなさい。", 44, YI1 + 70);
}

}  // namespace pellith
