// Items ② and ③: four signed terms, two of each sign, computed by adding
// the terms of each sign first. The drill starts from the terms; the worked
// example from operators and brackets, rewritten first.
#include "example_loop.h"
#include "explanation_page.h"
#include "expression_texts.h"
#include "fresh_run.h"
#include "mixed_add_sub_pages.h"
#include "shell.h"
#include "textbook_answers.h"

namespace torvane {

// T(1) F(1)·T(2) T(3) F(2)·T(4): the addends T(1), T(5) = F(1)·T(2), T(3) and
// T(6) = F(2)·T(4), where T(5) has the sign opposite to T(1) and T(6) the
// sign opposite to T(3). T(7) is the one of T(3), T(6) with the sign of T(1),
// T(8) the other; T(9) = T(1) + T(7), T(10) = T(5) + T(8), T(11) the result.
void MixedFourTermGenerator() {
  T(1) = DrawSignedNumber(9, P);
  DrawOperatorPair();
  T(2) = PnFInt(PaRnd() * 9 + 1);
  if (T(1) * F(1) * T(2) > 0) T(2) = -T(2);
  T(3) = DrawSignedNumber(9, P);
  T(4) = PnFInt(PaRnd() * 9 + 1);
  if (T(3) * T(4) * F(2) > 0) T(4) = -T(4);
  T(5) = F(1) * T(2);
  T(6) = F(2) * T(4);
  if (T(1) * T(3) > 0) {
    T(7) = T(3);
    T(8) = T(6);
  } else {
    T(7) = T(6);
    T(8) = T(3);
  }
  T(9) = T(1) + T(7);
  T(10) = T(5) + T(8);
  T(11) = T(9) + T(10);
  TablesToTextAndKeyChoice();
  PlusSignTexts(2, 8);
  PlusSignTexts(10, 10);
  OperatorTexts();
}

namespace {

// The right column of the four-term pages and the line of its notes.
float XIJ = 0, YI2 = 0;
const FreshEachRun kFreshEachRun(XIJ, YI2);

void ExamplePage(const std::string& heading) {
  OpenPage({.width = 1320, .height = 2000, .margin = 132, .top = 18});
  XIJ = XI1 + 660;
  Say(heading, 44, YI1, 0);
}

// A note in the right column, on the line of the left column's last text.
void Note(const std::string& text) {
  PrintAt(text, XIJ, YI1, 3);
}

// The note on adding the terms of each sign first, then key by key the
// terms regrouped, the two sums and the result.
void RegroupAndCompute(const std::string& note) {
  YI2 = YI1;
  Note(note);
  for (const char* line : {"負の項どうしを", "先に計算する"}) {
    YI2 = YI2 + 60;
    PrintAt(line, XIJ + 44, YI2, 3);
  }
  WaitAnyKey();
  Say("=" + T_s(1) + T_s(7) + T_s(5) + T_s(8), XI1, YI1 + 80, 0);
  WaitAnyKey();
  Say("=" + T_s(9) + T_s(10), XI1, YI1 + 80, 0);
  WaitAnyKey();
  Say("=" + T_s(11), XI1, YI1 + 80, 3);
}

void ShowMixedCalculation() {
  ExamplePage("問　次の計算をしなさい。");
  Say(T_s(1) + T_s(5) + T_s(3) + T_s(6), XI1 + 44, YI1 + 80, 0);
  WaitAnyKey();
  RegroupAndCompute("①正の項どうし、");
}

void ShowWorkedExample() {
  ExamplePage("例1　次の計算をしなさい。");
  Say(T_s(1) + F_sa(1) + "(" + T_s(2) + ")" + T_s(3) + F_sa(2) + "(" + T_s(4) + ")", XI1 + 44,
      YI1 + 80, 0);
  WaitAnyKey();
  Note("①加法になおす");
  WaitAnyKey();
  Say("=" + T_s(1) + "+" + "(" + T_s(5) + ")" + T_s(3) + "+(" + T_s(6) + ")", XI1, YI1 + 80, 0);
  WaitAnyKey();
  Note("②かっこのない式にする");
  WaitAnyKey();
  Say("=" + T_s(1) + T_s(5) + T_s(3) + T_s(6), XI1, YI1 + 80, 0);
  WaitAnyKey();
  RegroupAndCompute("③正の項どうし、");
}

}  // namespace

void MixedCalculationDrill() {
  RandomExampleLoop(MixedFourTermGenerator, ShowMixedCalculation, LoopEntry::kFreshStart);
  Say("答の", XI1, YI1 + 80, 5);
  Continue("+", 3);
  Continue("は、省略できる。", 5);
}

void MixedWorkedExample() {
  RandomExampleLoop(MixedFourTermGenerator, ShowWorkedExample, LoopEntry::kFreshStart);
  TextbookTaskLine("教科書 問10 をしなさい。", 44, 600);
}

}  // namespace torvane
