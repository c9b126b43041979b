// Example 9, first half: the sign of a product of four numbers with none to
// three negative factors, then random products of three whole numbers, the
// last of them -5, worked through the sign and a pair that makes a ten.
#include "construct_globals.h"
#include "example_loop.h"
#include "explanation_page.h"
#include "laws_mixed_pages.h"
#include "random_draws.h"
#include "shell.h"

namespace pellith {
namespace {

// One of 3, 7, 11, 13, 17, times 2, 4 or 8, times -5, with random signs on
// the first two.
void DrawThreeWholeNumbers() {
  const float table[] = {3, 7, 11, 13, 17, 19};
  for (int i = 1; i <= 6; ++i) X_a(i) = table[i - 1];
  F(10) = 1;
  P = PnFInt(PaRnd() * 5 + 1);
  T(1) = X_a(P);
  P = PnFInt(PaRnd() * 3 + 1);
  T(2) = PnFXy(2, P);
  T(3) = 5;
  for (int i = 1; i <= 2; ++i) {
    F(i) = RandomSign();
    F(10) = F(10) * F(i);
  }
  F(3) = -1;
  F(10) = F(10) * F(3);
  T(4) = T(2) * T(3);
  T(6) = T(1) * T(2) * T(3);
  TablesToTextAndKeyChoice();
  for (int i = 1; i <= 3; ++i) F_sa(i) = F(i) == 1 ? T_s(i) : "(-" + T_s(i) + ")";
  F_sa(10) = SignText(F(10));
  F_sa(11) = MinusText(F(10));
}

void ShowThreeWholeNumbers() {
  EraseExampleArea();
  Say("① " + F_sa(1) + "*" + F_sa(2) + "*" + F_sa(3), XI0, YI1, 0);
  WaitAnyKey();
  Say("=" + F_sa(10) + "(" + T_s(1) + "*" + T_s(2) + "*" + T_s(3) + ")", XI1, YI1 + 80, 0);
  WaitAnyKey();
  Say("=" + F_sa(10) + "(" + T_s(1) + "*" + T_s(4) + ")", XI1, YI1 + 100, 0);
  WaitAnyKey();
  Say("=", XI1, YI1 + 80, 0);
  Continue(F_sa(11) + T_s(6), 5);
}

// The four products of 1 to 4, their values one a key, and the rule.
void SignOfFourFactors() {
  OpenPage({.width = 1320, .height = 1300, .left = 40, .indent = 54, .top = 30});
  Say("次の計算をして、結果をくらべよう。", XI0, YI1, 3);
  const char* const products[] = {"1*2*3*4=", "(-1)*2*3*4=", "(-1)*(-2)*3*4=", "(-1)*(-2)*(-3)*4="};
  const char* const labels[] = {"(1)", "(2)", "(3)", "(4)"};
  for (int i = 1; i <= 4; ++i) {
    Say(labels[i - 1], XI0, YI1 + 50, 3);
    Say(products[i - 1], XI1 + 27, YI1, 0);
    X_a(i) = X;
    Y_a(i) = Y;
  }
  WaitAnyKey();
  // Each value right after its "=".
  const char* const values[] = {"24", "-24", "24", "-24"};
  for (int i = 1; i <= 4; ++i) {
    PrintAt(values[i - 1], X_a(i), Y_a(i), 5);
    WaitAnyKey();
  }
  Say("この結果からわかること", XI0, YI1 + 50, 0);
  WaitAnyKey();
  Say("① 積の絶対値は同じ", XI0, YI1 + 50, 3);
  WaitAnyKey();
  Say("② 積の符号は", XI0, YI1 + 50, 3);
  WaitAnyKey();
  Say("(-)が偶数個…(+)", XI1, YI1 + 50, 5);
  Say("(-)が奇数個…(-)", XI1, YI1 + 50, 5);
  WaitAnyKey();
}

}  // namespace

void SeveralFactorsSignPage() {
  SignOfFourFactors();
  LeftHalfExamples(1800, "例9 次の計算をしなさい。", DrawThreeWholeNumbers, ShowThreeWholeNumbers);
}

}  // namespace pellith
