// Item ⑥: expressions of three signed one-digit terms written without "+".
// The first drill asks for all the terms; when the learner leaves it, the
// second asks for the positive and the negative terms in the band below,
// while the first drill's last example stays above it.
#include "example_loop.h"
#include "explanation_page.h"
#include "shell.h"
#include "terms_pages.h"

namespace torvane {

namespace {

// T(1), T(2), T(3) and their texts: `T_s(11)` T_s(12) T_s(13) is the expression
// (-5+3-7), "=" `T_s(11)` `T_s(22)` `T_s(23)` the same as a sum (=-5+3+(-7)).
void ThreeTerms() {
  float sign_draw = 0;
  T(1) = DrawSignedNumber(9, sign_draw);
  T(2) = DrawSignedNumber(9, sign_draw);
  T(3) = DrawSignedNumber(9, sign_draw);
  T(11) = T(1);
  TablesToTextAndKeyChoice();
  T_s(12) = T(2) > 0 ? "+" + T_s(2) : T_s(2);
  T_s(13) = T(3) > 0 ? "+" + T_s(3) : T_s(3);
  T_s(22) = T(2) < 0 ? "+(" + T_s(2) + ")" : T_s(12);
  T_s(23) = T(3) < 0 ? "+(" + T_s(3) + ")" : T_s(13);
}

// The expression at (`XI1` + 88, `YI1` + 80); when a later term is negative,
// a key adds its sum form behind it.
void ExpressionAndSumForm() {
  Say(T_s(11) + T_s(12) + T_s(13), XI1 + 88, YI1 + 80, 0);
  if (T(2) < 0 || T(3) < 0) {
    WaitAnyKey();
    Continue("=" + T_s(11) + T_s(22) + T_s(23), 0);
  }
}

void ShowListTermsExample() {
  OpenPage({.width = 1320, .height = 2000, .margin = 44, .top = 18});
  Say("Q1 ", 88, YI1, 3);
  Continue("次の式の項をすべていいなさい。", 0);
  ExpressionAndSumForm();
  WaitAnyKey();
  Say(T_s(1) + "," + T_s(2) + "," + T_s(3), XI1 + 176, YI1 + 80, 3);
}

// A term's text joins the list of its sign, behind a "," when the list
// already holds one.
void AddToList(std::string& list, const std::string& term) {
  list = list.empty() ? term : list + "," + term;
}

// The three terms, and in T_s(5) and T_s(6) the positive and the negative ones
// in their order ("なし" for none).
void SignedTermsNumbers() {
  ThreeTerms();
  T_s(5) = "";
  T_s(6) = "";
  if (T(1) > 0) {
    T_s(5) = T_s(1);
  } else {
    T_s(6) = T_s(1);
  }
  if (T(2) > 0) AddToList(T_s(5), T_s(2));
  if (T(2) < 0) AddToList(T_s(6), T_s(2));
  if (T(3) > 0) AddToList(T_s(5), T_s(3));
  if (T(3) < 0) AddToList(T_s(6), T_s(3));
  if (T_s(5).empty()) {
    T_s(5) = "なし";
  } else if (T_s(6).empty()) {
    T_s(6) = "なし";
  }
}

// The display of one example of the second drill, from `V(1)` down.
void PositiveNegativeTermsReveal() {
  SetMargins({.margin = 44, .top = V(1)});
  BlankBand(V(1), 1320, 2000);
  Say("Q2 ", 88, YI1, 3);
  Continue("次の式の正の項と負の項をいいなさい。", 0);
  ExpressionAndSumForm();
  WaitAnyKey();
  Say("正の項…", XI1 + 88, YI1 + 80, 3);
  Continue(T_s(5), 5);
  Say("負の項…", XI2 + 40, YI1, 3);
  Continue(T_s(6), 5);
}

void ListTermsDrill() {
  RandomExampleLoop(ThreeTerms, ShowListTermsExample, LoopEntry::kFreshStart);
  // The second drill's band begins below the list of terms.
  V(1) = YI1 + 90;
}

void SignedTermsDrill() {
  RandomExampleLoop(SignedTermsNumbers, PositiveNegativeTermsReveal, LoopEntry::kFreshStart);
}

}  // namespace

void TermsPractice() {
  ListTermsDrill();
  SignedTermsDrill();
}

}  // namespace torvane
