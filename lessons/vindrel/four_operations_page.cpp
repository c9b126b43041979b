// Which of the four operations could be done in elementary school? The
// pairs 5, 2 and 2, 5, then pairs the learner types, and the three nested
// sets of numbers: widening the numbers makes every operation possible.
#include "explanation_page.h"
#include "powers_sets_pages.h"
#include "shell.h"

namespace vindrel {

namespace {

// A fixed pair worked in the rows: both numbers at once, then the results.
void FixedPair(float first, float second) {
  T(1) = first;
  T(2) = second;
  OperationResults();
}

}  // namespace

void FourOperationsPage() {
  OpenPage({.width = 1760, .height = 1300, .left = 40, .indent = 81, .top = 30});
  Say("ひろげよう", XI0, YI1, 7);
  Continue(" 小学校でできた計算は？", 3);
  OperationBoxes();
  Say("(1)", XI0, YI1 + 50, 3);
  Say("①が5,②が2のとき、", XI1, YI1, 0);
  WaitAnyKey();
  FixedPair(5, 2);
  WaitAnyKey();
  Continue("ア,イ,ウ,エ", 5);
  WaitAnyKey();
  Say("(2)", XI0, YI1 + 50, 3);
  Say("①が2,②が5のとき、", XI1, YI1, 0);
  OperationBoxes();
  WaitAnyKey();
  FixedPair(2, 5);
  WaitAnyKey();
  Continue("ア,ウ,エ", 5);
  WaitAnyKey();
  Say("イは負の数を学んでできるようになった。", XI1, YI1 + 50, 7);
  WaitAnyKey();
  Say("問1 をやろう。", XI0, YI1 + 50, 3);
  Continue("自然数=", 0);
  Say("{1,2,3,…}", XI2 + 10, YI1, 3);
  WaitAnyKey();

  // Pairs the learner types, until 1 at the next-step prompt.
  AINP = 3;
  while (AINP != 1) {
    OperationBoxes();
    const TypedPair typed = AskTwoNumbers();
    OperationResults(typed);
    AskNextStep();
  }

  Say("いつでも自然数になるとはかぎらない。", XI1, YI1 + 50, 5);
  WaitAnyKey();
  Say("小数や分数を学んでできるようになった。", XI1, YI1 + 50, 7);
  WaitAnyKey();
  Say("数の世界をひろげれば、計算できる。", XI0, YI1 + 50, 0);
  WaitAnyKey();

  // The sets from the inside out, each outer box drawn before those inside.
  X_a(1) = 760;
  Y_a(1) = 200;
  SetsFigureLayout();
  NaturalNumbersBox();
  WaitAnyKey();
  IntegersBox();
  NaturalNumbersBox();
  WaitAnyKey();
  AllNumbersBox();
  IntegersBox();
  NaturalNumbersBox();
  WaitAnyKey();

  Say("自然数の集合", XI0, YI1 + 50, 3);
  Continue("…自然数全体の集まり", 0);
  WaitAnyKey();
  Say("整数の集合", XI0, YI1 + 50, 3);
  Continue("…自然数と0と負の整数の集まり", 0);
  WaitAnyKey();
  Say("数全体の集合", XI0, YI1 + 50, 3);
  Continue("…整数,小数,分数の集まり", 0);
  WaitAnyKey();
  Say("教科書P45「ひろげよう」をやろう。", XI0, YI1 + 60, 7);
}

}  // namespace vindrel
