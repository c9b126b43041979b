// Sums of opposite numbers and sums with 0, each built on the number line
// before its result is shown.
#include "addition_pages.h"
#include "explanation_page.h"
#include "layout_cursor.h"
#include "number_line_sum.h"
#include "shell.h"

namespace torvane {

namespace {

// The question at (x, y), the sum built on the line at 520 with positive
// numbers signed, a key, the result after the question, a key.
void WorkedSumOnTheLine(const char* question, float x, float y, float t1, float t2,
                        const char* result) {
  Say(question, x, y, 0);
  Y_a(31) = 520;
  T(1) = t1;
  T(2) = t2;
  NumberLineSum(false);
  WaitAnyKey();
  Continue(result, 3);
  WaitAnyKey();
}

}  // namespace

void OppositesSumPage() {
  ExplanationPage(1760, 1300, 44, 18);
  Say("問　次の計算をしなさい。", XI1, YI1, 0);
  WorkedSumOnTheLine("① (+5)+(-5)", XI1, YI1 + 60, 5, -5, "=0");
  WorkedSumOnTheLine("② (-7)+(+7)", 572, YI1, -7, 7, "=0");
  Say("※絶対値の等しい異符号の和は、0である。", XI1 + 44, YI1 + 60, 5);
}

void AddZeroPage() {
  ExplanationPage(1760, 1300, 44, 18);
  Say("問　次の計算をしなさい。", XI1, YI1, 0);
  WorkedSumOnTheLine("① (-3)+0=", XI1, YI1 + 60, -3, 0, "-3");
  WorkedSumOnTheLine("② 0+(-5)=", XI1, YI1 + 60, 0, -5, "-5");
  Say("※どんな数に0を加えても、和ははじめの数になる。", XI1 + 44, YI1 + 60, 5);
  Say("※0にどんな数を加えても、和は加えた数になる。", XI1 + 44, YI1 + 60, 5);
  WaitAnyKey();
  Say("教科書 問1,問2　をしなさい。", 44, 570, 3);
}

}  // namespace torvane
