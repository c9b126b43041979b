// The subtraction drill: random subtractions of two signed one-digit numbers,
// first rewritten as the addition of the opposite, then worked out.
#include "addition_layouts.h"
#include "addition_pages.h"
#include "answer_reveal.h"
#include "example_loop.h"
#include "explanation_page.h"
#include "expression_texts.h"
#include "layout_cursor.h"
#include "shell.h"

namespace torvane {

namespace {

// The subtraction and its rewriting, the subtracted number's opposite in a
// box that a key fills.
void ShowRewriteExample() {
  OpenPage({.width = 1320, .height = 1300, .margin = 44, .top = 18});
  Say("問①　加法になおしなさい。", 88, 18, 0);
  Say(T_s(1) + "-" + T_s(2), XI1 + 176, 18 + 80, 0);
  Say("=" + T_s(3), XI1 + 132, 98 + 60, 0);
  Continue("+", 3);
  XI2 = XI2 + 20;
  EmptyAnswerBox(kRewriteBox, 3);
  X_a(1) = X11;
  Y_a(1) = Y11;
  WaitAnyKey();
  FillAnswerBox(kRewriteBox, T_s(4), 3);
}

// Below the first part's last example: the subtraction, a key, its
// rewriting, a key, the difference.
void ShowSubtractionResult() {
  SetMargins({.margin = 44, .top = 258});
  BlankBand(YI1, 1320, 400);
  Say("問②　次の計算をしなさい。", 88, YI1, 0);
  Say(T_s(1) + "-" + T_s(2), XI1 + 176, YI1 + 80, 0);
  WaitAnyKey();
  Say("=" + T_s(3) + "+" + T_s(4), XI1 + 132, YI1 + 65, 0);
  WaitAnyKey();
  Say("=", XI1 + 132, YI1 + 65, 0);
  Continue(T_s(5), 3);
}

}  // namespace

void RandomSubtractionPair() {
  T(1) = DrawSignedNumber(9, P);
  T(2) = DrawSignedNumber(9, P);
  // The same number twice would give 0: the second is turned. Opposite
  // numbers stay as drawn.
  if (T(1) - T(2) == 0) T(2) = -T(2);
  T(3) = T(1);
  T(4) = -T(2);
  T(5) = T(1) - T(2);
  TablesToTextAndKeyChoice();
  for (int i = 1; i <= 4; ++i) T_s(i) = (T(i) > 0 ? "(+" : "(") + T_s(i) + ")";
  PlusSignTexts(5, 5);
}

// Both parts draw their boxes and the rest of the page after it with pen
// width 5, which the drill leaves set.
void SubtractionDrill() {
  FE_SETDRAWWIDTH(5);
  RandomExampleLoop(RandomSubtractionPair, ShowRewriteExample, LoopEntry::kFreshStart);
  RandomExampleLoop(RandomSubtractionPair, ShowSubtractionResult, LoopEntry::kFreshStart);
}

}  // namespace torvane
