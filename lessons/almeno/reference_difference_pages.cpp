// A quantity written as its difference from a reference: "+" above the
// target, "-" below it. A worked example with a target of 10 points, then
// random scores against a target of 80 until the learner types 1.
#include "example_loop.h"
#include "explanation_page.h"
#include "layout_cursor.h"
#include "shell.h"
#include "signed_quantities_pages.h"
#include "textbook_answers.h"

namespace almeno {

void ReferenceDifferenceNumbers() {
  T(1) = PnFInt(80 * PaRnd() + 20);
  T(2) = T(1) - 80;
  TablesToTextAndKeyChoice();
  if (T(2) > 0) T_s(2) = "+" + T_s(2);
}

namespace {

void ShowScoreExample() {
  BlankBand(Y_a(33), 1320, 1300);
  SetMargins({.margin = 44, .top = Y_a(33) + 30});
  Say("問　80点の目標のとき、得点は何点ですか。", XI1, YI1, 0);
  Say(T_s(2) + "点…", XI1 + 70, YI1 + 70, 3);
  WaitAnyKey();
  Continue(T_s(1) + "点", 5);
}

}  // namespace

void ReferenceDifferencePage() {
  OpenPage({.width = 1760, .height = 1300, .left = 40, .margin = 104, .top = 30});
  Say("基準とのちがいを+,-を使って表そう。", XI1, YI1, 5);
  Say("例3 ", XI0, YI1 + 70, 0);
  Continue("目標を基準にして", 3);
  Say("10得点の目標で、16得点を", XI1, YI1 + 65, 0);
  Continue("+6得点", 3);
  Continue("と表すとすると、", 0);
  Say("7得点", XI1, YI1 + 60, 3);
  Continue("はどう表されますか。", 0);
  WaitAnyKey();
  Say("-3得点", XI2 + 50, YI1, 5);
  WaitAnyKey();
  Y_a(33) = YI1 + 80;

  RandomExampleLoop(ReferenceDifferenceNumbers, ShowScoreExample);

  TextbookTaskLine("教科書 問3 をしなさい。", 40, YI1 + 100);
}

}  // namespace almeno
