// ⑤例5, first half: random products of two signed decimals, the sign put
// before the product of the absolute values and the rule for the decimal
// point; then the decimal quotients beside them.
#include <cmath>

#include "decimal_examples.h"
#include "division_pages.h"
#include "example_loop.h"
#include "explanation_page.h"
#include "figure_globals.h"
#include "layout_cursor.h"
#include "multiplication_globals.h"
#include "number_texts.h"
#include "shell.h"
#include "signed_draws.h"

namespace pellith {

namespace {

// A whole number from 2 to `count` + 1, negative with chance one half.
float SignedWhole(float count) {
  float whole = PnFInt(PaRnd() * count + 2);
  P = PnFInt(PaRnd() * 2);
  if (P == 0) whole = -whole;
  return whole;
}

void GenerateProduct() {
  // The first factor never ends in 0: 10 and 20 are drawn again, with the
  // second factor and both signs.
  float first = 0, second = 0;
  do {
    first = SignedWhole(28);
    second = SignedWhole(8);
  } while (std::fabs(first) == 10 || std::fabs(first) == 20);
  MakeDecimalProduct(first, second, PnFInt(PaRnd() * 2 + 1));
}

void ShowProduct() {
  OpenPage({.width = 1320, .height = 2000, .left = 40, .indent = 27, .top = 30});
  Say("例5-1 次の計算をしなさい。", XI0, YI1, 3);
  Say(T_s(1) + "*" + T_s(2), XI1 + 27, YI1 + 80, 0);
  WaitAnyKey();
  Say("=" + F_s + "(" + T_s(4) + "*" + T_s(5) + ")", XI1, YI1 + 80, 0);
  WaitAnyKey();
  Say("=" + T_s(3), XI1, YI1 + 80, 5);
  Say("積の小数点は、", XI1, YI1 + 80, 3);
  Say(F_sa(2) + "だけ右から数えてうつ。", XI1, YI1 + 50, 3);
}

}  // namespace

void MakeDecimalProduct(float first, float second, float places) {
  F(1) = places;
  T(1) = Decimal(first, F(1));
  T(2) = Decimal(second, 1);
  F(2) = F(1) + 1;
  // The product from the whole numbers, so that its text has exactly the
  // decimal places of the factors together.
  T(3) = Decimal(first * second, F(2));
  for (int i = 4; i <= 6; ++i) T(i) = std::fabs(T(i - 3));

  TablesToTextAndKeyChoice();
  for (II = 4; II <= 6; II = II + 1) T_s(II) = WithLeadingZero(T_s(II));
  for (II = 1; II <= 2; II = II + 1) {
    T_s(II) = (T(II) > 0 ? "(+" : "(-") + T_s(II + 3) + ")";
  }
  F_s = std::string(T(3) < 0 ? "-" : "+");
  T_s(3) = T(3) < 0 ? "-" + T_s(6) : T_s(6);
}

void DecimalProductsExample() {
  BlankPage(1760, 1800);
  FE_SETDRAWWIDTH(5);
  RandomExampleLoop(GenerateProduct, ShowProduct, LoopEntry::kFreshStart);
  // The quotients go right of the last product, which stays.
  SetMargins({.left = 640, .indent = 27, .top = 30});
  U(31) = XI0;
  V(31) = YI1;
  DecimalQuotientsExample();
}

}  // namespace pellith
