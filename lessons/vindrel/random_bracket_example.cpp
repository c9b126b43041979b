// Example 4 with random numbers: a-{b+(c+d)}×e worked from the innermost
// brackets outwards, then the rule for brackets.
#include "example_loop.h"
#include "expression_texts.h"
#include "layout_cursor.h"
#include "powers_sets_pages.h"
#include "shell.h"
#include "textbook_answers.h"

namespace vindrel {

namespace {

void ShowBracketExample() {
  EraseExampleArea();
  Say(T_s(1) + "-{" + T_s(2) + "+(" + T_s(3) + T_s(4) + ")}*" + T_s(5), XI1 + 27, YI1, 0);
  WaitAnyKey();
  Say("=" + T_s(1) + "-(" + T_s(2) + T_s(6) + ")*" + T_s(5), XI1, YI1 + 60, 0);
  WaitAnyKey();
  Say("=" + T_s(1) + "-" + T_s(7) + "*" + T_s(5), XI1, YI1 + 60, 0);
  WaitAnyKey();
  Say("=" + T_s(1) + "-" + T_s(8), XI1, YI1 + 60, 0);
  WaitAnyKey();
  // Subtracting a negative product is written as an addition; otherwise
  // the line stays empty and the result starts it.
  Say(T(8) < 0 ? "=" + T_s(1) + T_s(9) : "", XI1, YI1 + 60, 0);
  WaitAnyKey();
  Continue("=" + T_s(10), 5);
}

}  // namespace

void BracketExampleNumbers() {
  T(1) = PnFInt(PaRnd() * 11 + 5);
  A = PnFInt(PaRnd() * 2 + 1);
  if (A == 2) T(1) = -T(1);
  T(2) = PnFInt(PaRnd() * 8 + 1);
  A = PnFInt(PaRnd() * 2 + 1);
  if (A == 2) T(2) = -T(2);
  T(3) = PnFInt(PaRnd() * 6 + 2);
  T(4) = -PnFInt(PaRnd() * 8 + 3);
  T(5) = PnFInt(PaRnd() * 3 + 2);
  if (T(5) == 4) T(5) = 5;
  T(6) = T(3) + T(4);
  T(7) = T(2) + T(6);
  T(8) = T(7) * T(5);
  T(9) = -1 * T(8);
  T(10) = T(1) + T(9);
  TablesToTextAndKeyChoice();
  if (T(6) >= 0) T_s(6) = "+" + T_s(6);
  BracketNegativeTexts(7, 8);
  if (T(9) >= 0) T_s(9) = "+" + T_s(9);
}

void RandomBracketExample() {
  RandomExamplePage(1800, "例4　次の計算をしなさい。");
  RandomExampleLoop(BracketExampleNumbers, ShowBracketExample, LoopEntry::kFreshStart);
  Say("※かっこの中をさきに計算する。", XI1, YI1 + 70, 5);
  WaitAnyKey();
  Say("　（）、{}、[] の順", XI1, YI1 + 60, 3);
  WaitAnyKey();
  TextbookTaskLine("教科書 問4　をやろう。", XI0, YI1 + 70);
}

}  // namespace vindrel
