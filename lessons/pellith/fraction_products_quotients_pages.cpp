// Examples 6 and 8: a product or a quotient of two signed fractions, made so
// that each numerator shares a prime with the other fraction's denominator,
// worked out step by step with the common factors struck out crosswise.
#include "cancelling.h"
#include "construct_globals.h"
#include "example_loop.h"
#include "random_draws.h"
#include "reciprocal_fraction_pages.h"
#include "shell.h"
#include "table_draws.h"
#include "textbook_answers.h"

namespace pellith {
namespace {

// Takes one of X_a(2) to X_a(4) and closes the gap up to X_a(4); X_a(5) stays.
float TakeSmallPrime() {
  P = PnFInt(PaRnd() * 3 + 2);
  return TakeFromTable(P, 5);
}

// The two fractions: T(32)/T(31) and T(34)/T(33), their product in lowest
// terms in X_sa(1) with its sign in F_sa(1), and what is left of each number
// after cancelling in T(1) to T(4).
void DrawTwoFractions() {
  LoadTable({1, 2, 3, 5, 7, 11, 13, 17, 19});
  F(4) = RandomSign();
  F(5) = RandomSign();
  F(6) = F(4) * F(5);
  Y_a(1) = TakeSmallPrime();
  Y_a(2) = TakeSmallPrime();
  P = PnFInt(PaRnd() * 3 + 2);
  T(35) = X_a(P);
  P = PnFInt(PaRnd() * 3 + 2);
  T(36) = X_a(P);
  T(38) = PnFInt(PaRnd() * (T(36) - 1) + 1);
  if (Remainder(T(38), Y_a(1)) == 0) T(38) = T(38) - 1;
  T(37) = PnFInt(PaRnd() * (T(35) - 1) + 1);
  if (Remainder(T(37), Y_a(2)) == 0) T(37) = T(37) - 1;
  T(31) = T(35) * Y_a(2);
  T(32) = T(37) * Y_a(1);
  T(33) = T(36) * Y_a(1);
  T(34) = T(38) * Y_a(2);
  T(39) = T(35) * T(36);
  T(40) = T(37) * T(38);

  DB = T(39);
  DS = T(40);
  ReduceFraction();
  X_sa(1) = A2_s;
  DB = T(35);
  DS = T(38);
  ReduceFraction();
  T(1) = DB;
  T(4) = DS;
  DB = T(36);
  DS = T(37);
  ReduceFraction();
  T(3) = DB;
  T(2) = DS;

  TablesToTextAndKeyChoice();
  for (int i = 1; i <= 6; ++i) F_sa(i) = SignText(F(i));
  F_sa(1) = MinusText(F(6));
}

// The product fraction, numerators over denominators, on the current line;
// the corners of its numerator and denominator kept in U(1), V(1), U(2), V(2).
void ProductFraction() {
  Continue("ﾀ" + T_s(32) + "*" + T_s(34) + "/" + T_s(31) + "*" + T_s(33) + "ﾀ", 0);
  U(1) = TBSIYAKX;
  V(1) = TBSIYAKY;
  U(2) = TBBOYAKX;
  V(2) = TBBOYAKY;
}

// Both pairs of common factors struck out, a key after each pair.
void CancelCrosswise() {
  CCC1 = 3;
  U(3) = U(1) + InFractionWidth(T_s(32) + "*");
  V(3) = V(1);
  U(4) = U(2) + InFractionWidth(T_s(31) + "*");
  V(4) = V(2);

  StrikeNumber(T_s(32), U(1), V(1), 26, -26);
  WriteLeftOver(T_s(2), U(1), V(1) - 30);
  StrikeNumber(T_s(33), U(4), V(4), 24, -22);
  WriteLeftOver(T_s(3), U(4), V(4) + 28);
  WaitAnyKey();

  StrikeNumber(T_s(34), U(3), V(3), 26, -26);
  WriteLeftOver(T_s(4), U(3) - 14, V(3) - 30);
  StrikeNumber(T_s(31), U(2), V(2), 24, -24);
  WriteLeftOver(T_s(1), U(2), V(2) + 28);
  WaitAnyKey();
}

// From the sign on: the product fraction, the cancelling and the result
// under it, a key after each.
void WorkOutProduct() {
  ProductFraction();
  WaitAnyKey();
  CancelCrosswise();
  Say("=" + F_sa(1) + X_sa(1), XI1, YI1 + 100, 5);
  WaitAnyKey();
}

void ShowFractionProduct() {
  SetMargins({.left = U(31), .indent = 27});
  EraseExampleArea();
  Say("例6 次の計算をしなさい。", XI0, YI1, 3);
  Say("(" + F_sa(4) + "ﾀ" + T_s(32) + "/" + T_s(31) + "ﾀ)*(" + F_sa(5) + "ﾀ" + T_s(34) + "/" +
          T_s(33) + "ﾀ)",
      XI1 + 27, YI1 + 80, 0);
  WaitAnyKey();
  Say("=" + F_sa(6), XI1, YI1 + 100, 5);
  WaitAnyKey();
  WorkOutProduct();
  Say("① 符号を決める。", XI0, YI1 + 80, 3);
  Say("② 分母どうし，分子どうしをかける。", XI0, YI1 + 50, 3);
  Say("③ 約分できれば約分する。", XI0, YI1 + 50, 3);
}

void ShowFractionQuotient() {
  SetMargins({.left = 40, .indent = 27});
  EraseExampleArea();
  YI1 = 30;  // the example starts at the top, wherever the erased area began
  Say("例8 次の計算をしなさい。", XI0, YI1, 3);
  Say("(" + F_sa(4) + "ﾀ" + T_s(32) + "/" + T_s(31) + "ﾀ)/(" + F_sa(5) + "ﾀ" + T_s(33) + "/" +
          T_s(34) + "ﾀ)",
      XI1 + 27, YI1 + 80, 0);
  WaitAnyKey();
  Say("=(" + F_sa(4) + "ﾀ" + T_s(32) + "/" + T_s(31) + "ﾀ)", XI1, YI1 + 80, 0);
  Continue("*(" + F_sa(5) + "ﾀ" + T_s(34) + "/" + T_s(33) + "ﾀ)", 3);
  WaitAnyKey();
  Say("=", XI1, YI1 + 100, 0);
  Continue(F_sa(6), 5);
  WaitAnyKey();
  WorkOutProduct();
  // The steps stand right of the working.
  SetMargins({.left = 600, .indent = 27, .top = 100});
  Say("① 逆数をかける。", XI0, YI1, 3);
  Say("② 符号を決める。", XI0, YI1 + 50, 3);
  Say("③ 分母どうし，分子どうしをかける。", XI0, YI1 + 50, 3);
  Say("④ 約分できれば約分する。", XI0, YI1 + 50, 3);
}

// The whole page blanked, the example area at (40, 30) and pen width 5 for
// the strokes.
void TwoFractionPage() {
  OpenPage({.width = 1760, .height = 1800, .left = 40, .indent = 27, .top = 30});
  FE_SETDRAWWIDTH(5);
  U(31) = XI0;
  V(31) = YI1;
}

}  // namespace

void FractionProductsPage() {
  TwoFractionPage();
  RandomExampleLoop(DrawTwoFractions, ShowFractionProduct, LoopEntry::kFreshStart);
  TextbookTaskLine("教科書 問6　をしなさい。", 160, 600);
}

void FractionQuotientsPage() {
  TwoFractionPage();
  RandomExampleLoop(DrawTwoFractions, ShowFractionQuotient, LoopEntry::kFreshStart);
  WaitAnyKey();
  TextbookTaskLine("教科書 問8　をしなさい。", 160, 600);
}

}  // namespace pellith
