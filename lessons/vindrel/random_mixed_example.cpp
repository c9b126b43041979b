// Example 3 with random numbers: a×b-c÷d worked multiplication and division
// first in the left column, then a³-b÷c³ worked powers first in the right one.
#include "example_loop.h"
#include "expression_texts.h"
#include "figures.h"
#include "layout_cursor.h"
#include "powers_sets_pages.h"
#include "shell.h"
#include "textbook_answers.h"

namespace vindrel {

namespace {

// A negative number after an operator goes in brackets.
std::string InBracketsWhenNegative(int i) {
  return T(i) < 0 ? "(" + T_s(i) + ")" : T_s(i);
}

void ShowMixedProduct() {
  EraseExampleArea();
  Say("① " + T_s(1) + "*" + T_s(22) + "-" + T_s(23) + "/" + T_s(24), XI0, YI1, 0);
  WaitAnyKey();
  Say("=" + T_s(5) + "-" + T_s(26), XI1, YI1 + 60, 0);
  WaitAnyKey();
  // Subtracting a negative quotient is written as an addition first.
  if (T(6) < 0) {
    Say("=" + T_s(5) + T_s(27), XI1, YI1 + 60, 0);
  } else {
    XI2 = XI1;
    YI1 = YI1 + 60;
  }
  Continue("=" + T_s(8), 5);
}

void ShowMixedPower() {
  EraseExampleArea();
  Say("② " + T_s(11) + "^3-" + T_s(12) + "/" + T_s(13) + "^3", XI0, YI1, 0);
  WaitAnyKey();
  Say("=" + T_s(14) + "-" + T_s(12) + "/" + T_s(15), XI1, YI1 + 50, 0);
  WaitAnyKey();
  Say("=" + T_s(14) + "-" + T_s(16), XI1, YI1 + 50, 0);
  WaitAnyKey();
  if (T(16) >= 0) {
    Say("=" + T_s(18), XI1, YI1 + 50, 5);
  } else {
    Say("=" + T_s(14) + T_s(17), XI1, YI1 + 50, 0);
    WaitAnyKey();
    Continue("=" + T_s(18), 5);
  }
}

}  // namespace

void MixedProductNumbers() {
  T(1) = PnFInt(PaRnd() * 5 + 2);
  T(2) = PnFInt(PaRnd() * 3 + 2);
  T(4) = PnFInt(PaRnd() * 4 + 2);
  // The dividend is a multiple of the divisor: the quotient is whole.
  T(3) = T(2) * T(4);
  for (int h = 2; h <= 4; ++h) {
    P = PnFInt(PaRnd() * 2);
    if (P == 1) T(h) = -1 * T(h);
  }
  T(1) = -1 * T(1);
  T(5) = T(1) * T(2);
  T(6) = T(3) / T(4);
  T(7) = -T(6);
  T(8) = T(5) + T(7);
  TablesToTextAndKeyChoice();
  T_s(22) = InBracketsWhenNegative(2);
  T_s(23) = InBracketsWhenNegative(3);
  T_s(24) = InBracketsWhenNegative(4);
  T_s(26) = InBracketsWhenNegative(6);
  T_s(27) = T(7) > 0 ? "+" + T_s(7) : T_s(7);
}

void MixedPowerNumbers() {
  T(11) = -PnFInt(PaRnd() * 4 + 2);
  T(12) = PnFInt(PaRnd() * 6 + 2);
  P = PnFInt(PaRnd() * 2);
  if (P == 0) T(12) = -T(12);
  T(13) = -PnFInt(PaRnd() * 2 + 2);
  P = PnFInt(PaRnd() * 2);
  if (P == 0) T(13) = -T(13);
  T(14) = PnFXy(T(11), 3);
  T(15) = PnFXy(T(13), 3);
  // The dividend becomes a multiple of the cube: the quotient is whole.
  T(12) = T(12) * T(15);
  T(16) = T(12) / T(15);
  T(17) = -T(16);
  T(18) = T(14) + T(17);
  TablesToTextAndKeyChoice();
  BracketNegativeTexts(11, 16);
  // The cube heads every working line, bare.
  A_s = T_s(14);
  StripBracketsPlus();
  T_s(14) = A_s;
  PlusSignTexts(17, 17);
}

void RandomMixedExample() {
  RandomExamplePage(1800, "例3　次の計算をしなさい。");
  RandomExampleLoop(MixedProductNumbers, ShowMixedProduct, LoopEntry::kFreshStart);
  WaitAnyKey();
  Say("※乗除を先に計算する", XI1, YI1 + 70, 5);

  // The powers in the right-hand column; the first example stays.
  SetMargins({.left = 600, .indent = 34, .top = 30});
  U(31) = XI0;
  V(31) = YI1 + 60;
  RandomExampleLoop(MixedPowerNumbers, ShowMixedPower, LoopEntry::kFreshStart);
  Say("※指数をふくむときは、", XI0, YI1 + 70, 3);
  Say("指数をふくむ計算をさきにする。", XI1, YI1 + 50, 5);
  WaitAnyKey();
  TextbookTaskLine("教科書 問3　をやろう。", XI0, YI1 + 70);
}

}  // namespace vindrel
