// Items ② and ③: generated sums of two signed numbers, first with the second
// number in brackets after "+" or "-", then written without brackets.
#include "example_loop.h"
#include "explanation_page.h"
#include "expression_texts.h"
#include "shell.h"
#include "terms_pages.h"
#include "textbook_answers.h"

namespace torvane {

namespace {

// T(1) + T(2) = T(3), shown as T(1) "+" or "-" (F(1) 2 or 1) a bracketed T(4)
// of the same value: T(2) after "+", its opposite after "-".
void BracketedSumNumbers() {
  T(1) = DrawSignedNumber(12, P);
  T(2) = DrawSignedNumber(12, P);
  F(1) = PnFInt(PaRnd() * 2 + 1);
  T(4) = F(1) == 2 ? T(2) : -T(2);
  T(3) = T(1) + T(2);
  TablesToTextAndKeyChoice();
  PlusSignTexts(2, 2);
  PlusSignTexts(4, 4);
  T_s(4).insert(0, "(");
  T_s(4) += ")";
  F_sa(1) = F(1) == 2 ? "+" : "-";
}

void ShowBracketedSum() {
  SetMargins({.left = 80, .indent = 54, .top = 150});
  BlankBand(YI1, 1320, 240);
  Say("Q1　次の計算をしなさい。", XI0, YI1, 0);
  Say(T_s(1) + F_sa(1) + T_s(4), XI1 + 27, YI1 + 80, 0);
  WaitAnyKey();
  Say("=" + T_s(1) + T_s(2), XI1, YI1 + 60, 0);
  WaitAnyKey();
  Say("=" + T_s(3), XI1, YI1 + 60, 5);
}

// T(1) + T(2) = T(3), the second addend with its own sign.
void ShortSumNumbers() {
  T(1) = DrawSignedNumber(12, P);
  T(2) = DrawSignedNumber(12, P);
  T(3) = T(1) + T(2);
  TablesToTextAndKeyChoice();
  PlusSignTexts(2, 2);
}

void ShowShortSum() {
  SetMargins({.margin = 44, .top = 150});
  BlankBand(YI1, 1320, 240);
  Say("Q2　次の計算をしなさい。", 80, YI1, 0);
  Say(T_s(1) + T_s(2) + "=", XI1 + 120, YI1 + 80, 0);
  WaitAnyKey();
  Continue(T_s(3), 5);
}

}  // namespace

void PracticeWithBrackets() {
  BlankPage(1760, 1300);
  RandomExampleLoop(BracketedSumNumbers, ShowBracketedSum, LoopEntry::kFreshStart);
}

void PracticeWithoutBrackets() {
  BlankPage(1760, 1300);
  RandomExampleLoop(ShortSumNumbers, ShowShortSum, LoopEntry::kFreshStart);
  TextbookTaskLine("教科書 問7,問8 をしなさい。", 44, 420);
}

}  // namespace torvane
