// ⑤例5, second half: random quotients of signed decimals that come out
// exactly, the sign put before the quotient of the absolute values, both
// decimal points moved when the divisor is a decimal.
#include "decimal_examples.h"
#include "division_pages.h"
#include "example_loop.h"
#include "figure_globals.h"
#include "layout_cursor.h"
#include "number_texts.h"
#include "shell.h"
#include "signed_draws.h"
#include "textbook_answers.h"

namespace pellith {

namespace {

// A sign 1 or -1: a draw of 0 is -1.
float SignDraw() {
  return PnFInt(PaRnd() * 2) == 0 ? -1 : 1;
}

void GenerateQuotient() {
  // The digits of the quotient and the divisor, their decimal places, then
  // the signs of the quotient and the divisor.
  const float quotient = PnFInt(PaRnd() * 8 + 2);
  const float divisor = PnFInt(PaRnd() * 8 + 2);
  const float quotient_places = PnFInt(PaRnd() * 2);
  float divisor_places = PnFInt(PaRnd() * 2);
  if (quotient_places == 0 && divisor_places == 0) divisor_places = 1;
  const float quotient_sign = SignDraw();
  const float divisor_sign = SignDraw();
  MakeDecimalQuotient(quotient, divisor, quotient_places, divisor_places, quotient_sign,
                      divisor_sign);
}

void ShowQuotient() {
  SetMargins({.left = 640, .indent = 27});
  EraseExampleArea();
  YI1 = 30;  // the example starts at the top, wherever the erased area began
  const bool decimal_divisor = T(2) < 1;
  Say("例5-2 次の計算をしなさい。", XI0, YI1, 3);
  Say(T_s(3) + "/" + T_s(2), XI1 + 27, YI1 + 60, 0);
  WaitAnyKey();
  Say("=" + F_sa(4), XI1, YI1 + 60, 0);
  WaitAnyKey();
  Continue("(" + T_s(13) + "/" + T_s(12) + ")", 0);
  WaitAnyKey();
  if (decimal_divisor) {
    Say("=" + F_sa(4) + "(" + T_s(6) + "/" + T_s(5) + ")", XI1, YI1 + 60, 0);
    WaitAnyKey();
  }
  Say("=" + F_sa(7) + T_s(1), XI1, YI1 + 60, 5);
  if (decimal_divisor) {
    WaitAnyKey();
    Say("わる数を整数にしてから計算する。", XI0, YI1 + 80, 3);
  }
}

}  // namespace

void MakeDecimalQuotient(float quotient, float divisor, float quotient_places, float divisor_places,
                         float quotient_sign, float divisor_sign) {
  // The dividend is the product of the quotient and the divisor, so the
  // division comes out exactly.
  T(1) = quotient;
  T(2) = divisor;
  T(3) = T(1) * T(2);
  F(1) = quotient_places;
  F(2) = divisor_places;
  F(3) = F(1) + F(2);
  for (int i = 1; i <= 3; ++i) T(i + 3) = T(i);
  for (int i = 1; i <= 3; ++i) T(i) = Decimal(T(i), F(i));
  // The dividend with its point moved as far as the divisor's.
  T(6) = Decimal(T(6), F(1));
  // Never two positive numbers: a positive quotient has both negative.
  F(4) = quotient_sign;
  F(5) = F(4) == 1 ? -1 : divisor_sign;
  F(6) = F(4) * F(5);

  TablesToTextAndKeyChoice();
  for (II = 1; II <= 6; II = II + 1) T_s(II) = WithLeadingZero(T_s(II));
  for (II = 1; II <= 3; II = II + 1) T_s(II + 10) = T_s(II);
  for (II = 2; II <= 3; II = II + 1) {
    if (F(II + 3) == -1) T_s(II) = "(-" + T_s(II) + ")";
  }
  F_sa(4) = F(4) == -1 ? "-" : "+";
  F_sa(7) = F(4) == -1 ? "-" : "";
}

void DecimalQuotientsExample() {
  RandomExampleLoop(GenerateQuotient, ShowQuotient, LoopEntry::kFreshStart);
  WaitAnyKey();
  TextbookTaskLine("教科書 問5　をしなさい。", 160, 600);
}

}  // namespace pellith
