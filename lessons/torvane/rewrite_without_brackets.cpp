// Item ①: expressions of bracketed signed numbers written without brackets.
// Sums of three first; below the last of them, four numbers with one
// bracket added and one subtracted; then the two rules on the right.
#include "example_loop.h"
#include "explanation_page.h"
#include "expression_texts.h"
#include "mixed_add_sub_pages.h"
#include "shell.h"

namespace torvane {

namespace {

void DrawSignedTerms(int count) {
  for (int k = 1; k <= count; ++k) T(k) = DrawSignedNumber(9, P);
}

// T(1) to T(3); T_s(11) is the first with its sign always written.
void ThreeBracketedNumbers() {
  DrawSignedTerms(3);
  TablesToTextAndKeyChoice();
  PlusSignTexts(2, 3);
  T_s(11) = T(1) > 0 ? "+" + T_s(1) : T_s(1);
}

void ShowThreeBracketed() {
  OpenPage({.width = 1320, .height = 2000, .margin = 44, .top = 18});
  Say("例　次の式をかっこのない式で表しなさい。", XI1 + 44, YI1, 0);
  Say("① (" + T_s(11) + ")+(" + T_s(2) + ")+(" + T_s(3) + ")", XI1 + 88, YI1 + 80, 0);
  WaitAnyKey();
  Say("=" + T_s(1) + T_s(2) + T_s(3), XI1 + 132, YI1 + 80, 3);
  // The second loop draws from 80 below this line.
  Y11 = YI1;
}

// T(1) to T(4), the brackets around T(2) and T(4) after the operators
// F(1), F(2); T(6) to T(8) the terms after the first as a sum.
void FourNumbersTwoBrackets() {
  DrawSignedTerms(4);
  DrawOperatorPair();
  T(6) = F(1) * T(2);
  T(7) = T(3);
  T(8) = F(2) * T(4);
  TablesToTextAndKeyChoice();
  PlusSignTexts(2, 12);
  OperatorTexts();
}

void ShowFourNumbers() {
  SetMargins({.margin = 44});
  BlankBand(Y11 + 80, 1320, 2000);
  Say("② " + T_s(1) + F_sa(1) + "(" + T_s(2) + ")" + T_s(3) + F_sa(2) + "(" + T_s(4) + ")",
      XI1 + 88, Y11 + 80, 0);
  WaitAnyKey();
  Say("=" + T_s(1) + "+" + "(" + T_s(6) + ")" + T_s(7) + "+(" + T_s(8) + ")", XI1 + 132, YI1 + 80,
      0);
  WaitAnyKey();
  Say("=" + T_s(1) + T_s(6) + T_s(7) + T_s(8), XI1 + 132, YI1 + 80, 3);
}

void RulesOfWriting() {
  Say("   <表し方>", 792, 120, 5);
  WaitAnyKey();
  Say("①減法は、加法になおす。", 792, YI1 + 75, 5);
  Say(" -(+)→+(-)", 792, YI1 + 60, 3);
  Say(" -(-)→+(+)", 792, YI1 + 60, 3);
  WaitAnyKey();
  Say("②最初の項の", 792, YI1 + 75, 5);
  Continue("+", 3);
  Say("は、書かない。", 836, YI1 + 60, 5);
}

}  // namespace

void RewriteWithoutBrackets() {
  RandomExampleLoop(ThreeBracketedNumbers, ShowThreeBracketed, LoopEntry::kFreshStart);
  RandomExampleLoop(FourNumbersTwoBrackets, ShowFourNumbers, LoopEntry::kFreshStart);
  RulesOfWriting();
}

}  // namespace torvane
