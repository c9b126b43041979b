// Example 10, first half: random (±a)÷(±b)×(±c) of whole numbers, the
// dividend a multiple of the divisor, worked through the reciprocal, one
// fraction with the sign in front, and the dividend and the divisor struck
// out against each other.
#include "cancelling.h"
#include "construct_globals.h"
#include "example_loop.h"
#include "laws_mixed_pages.h"
#include "layout_cursor.h"
#include "random_draws.h"
#include "shell.h"
#include "table_draws.h"

namespace pellith {
namespace {

// 2 or 3 times a prime from 5 to 17, divided by that prime, times another.
void DrawMixedWholeNumbers() {
  LoadTable({2, 3, 5, 7, 11, 13, 17, 19});
  F(10) = 1;
  P = PnFInt(PaRnd() * 2 + 1);
  T(1) = P == 1 ? 2 : 3;
  P = PnFInt(PaRnd() * 5 + 3);
  T(2) = TakeFromTable(P, 8);
  P = PnFInt(PaRnd() * 4 + 3);
  T(3) = TakeFromTable(P, 7);
  T(5) = T(1) * T(2);
  T(6) = T(1) * T(3);
  for (int i = 1; i <= 3; ++i) {
    F(i) = RandomSign();
    F(10) = F(10) * F(i);
  }
  DB = 1;
  DS = F(10) * T(6);
  ReduceFraction();
  X_sa(1) = A2_s;
  TablesToTextAndKeyChoice();
  for (int i = 1; i <= 20; ++i) F_sa(i) = SignText(F(i));
}

void ShowMixedWholeNumbers() {
  EraseExampleArea();
  Say("① (" + F_sa(1) + T_s(5) + ")/(" + F_sa(2) + T_s(2) + ")*(" + F_sa(3) + T_s(3) + ")", XI0,
      YI1, 0);
  WaitAnyKey();
  Say("=(" + F_sa(1) + T_s(5) + ")*(" + F_sa(2) + "ﾀ1/" + T_s(2) + "ﾀ)*(" + F_sa(3) + T_s(3) + ")",
      XI1, YI1 + 80, 0);
  WaitAnyKey();
  Say("=" + F_sa(10) + "ﾀ" + T_s(5) + "*" + T_s(3) + "/" + T_s(2) + "ﾀ", XI1, YI1 + 100, 0);
  U(1) = TBSIYAKX;
  V(1) = TBSIYAKY;
  U(2) = TBBOYAKX;
  V(2) = TBBOYAKY;
  WaitAnyKey();
  StrikeNumber(T_s(5), U(1), V(1), 26, -26);
  WriteLeftOver(T_s(1), U(1), V(1) - 30);
  StrikeNumber(T_s(2), U(2), V(2), 24, -22);
  WriteLeftOver("1", U(2), V(2) + 28);
  WaitAnyKey();
  Say("=", XI1, YI1 + 80, 0);
  Continue(X_sa(1), 5);
}

}  // namespace

void MixedMulDivExamplePage() {
  LeftHalfExamples(1300, "例10 次の計算をしなさい。", DrawMixedWholeNumbers, ShowMixedWholeNumbers);
}

}  // namespace pellith
