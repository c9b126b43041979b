// Items ② and ③: positive and negative numbers with their signs, and the
// integers; each closes with the answers of a textbook question.
#include <utility>

#include "below_zero_pages.h"
#include "explanation_page.h"
#include "figure_globals.h"
#include "figures.h"
#include "layout_cursor.h"
#include "page_faces.h"
#include "shell.h"
#include "textbook_answers.h"

namespace almeno {

namespace {

// A thick horizontal arrow under the row of integers.
void IntegerArrow(float from, float to, float head_at_start) {
  if (head_at_start) std::swap(from, to);
  ArrowTo(from, Y_a(1), to, Y_a(1), 9, 16);
}

}  // namespace

void SignsPage() {
  OpenPage({.width = 1320, .height = 1300, .margin = 48, .top = 18});
  SignsScaleFigure();
  Say("<正の数・負の数>", 88, YI1, 5);
  WaitAnyKey();
  Say("正の数", 44, YI1 + 60, 3);
  Continue("…+5,+0.5,+ﾀ1/2ﾀなど", 0);
  Say("負の数", 44, YI1 + 75, 3);
  Continue("…-5,-2.5,-ﾀ5/2ﾀなど", 0);
  WaitAnyKey();
  Say("正の符号", 44, YI1 + 75, 3);
  Continue("…「+」(プラス)", 0);
  Say("負の符号", 44, YI1 + 75, 3);
  Continue("…「-」(マイナス)", 0);
  WaitAnyKey();
  Say("+10と10は同じ数", 44, YI1 + 75, 3);
  Continue("… +10=10", 0);
  WaitAnyKey();

  TextbookTaskLine("教科書 問3 をしなさい。", 40, YI1 + 100);
  WaitAnyKey();
  Say("(1)", XI1, YI1 + 50, 0);
  WaitAnyKey();
  Continue("-12 ", 5);
  Continue("(2)", 0);
  WaitAnyKey();
  Continue("+9 ", 5);
  Continue("(3)", 0);
  WaitAnyKey();
  Continue("+1.5 ", 5);
  Continue("(4)", 0);
  WaitAnyKey();
  Continue("-ﾀ2/3ﾀ ", 5);
}

void IntegersPage() {
  ExplanationPage(1320, 1300, 44, 30);
  Say("<整数>", 88, YI1, 5);
  WaitAnyKey();
  // The negative part is first printed in white: it only places "0,1,2,3,…"
  // where it stays once the negative part shows in front of it.
  Say("…,-3,-2,-1,", XI1, YI1 + 60, 15);
  Continue("0,1,2,3,…", 0);
  WaitAnyKey();
  Say("…,-3,-2,-1,", XI1, YI1, 0);
  X_a(1) = XI2 - 30;
  Y_a(1) = YI1 + 60;
  X_a(2) = XI2 + 60;
  WaitAnyKey();

  FE_SETDRAWWIDTH(10);
  IntegerArrow(XI1, X_a(1), /*head_at_start=*/true);
  WaitAnyKey();
  Say("負の整数", XI1 + 88, YI1 + 70, 3);
  WaitAnyKey();
  IntegerArrow(X_a(2), X_a(2) + 240, /*head_at_start=*/false);
  WaitAnyKey();
  Say("正の整数", X_a(2), YI1, 3);
  WaitAnyKey();
  Continue("(自然数)", 7);
  WaitAnyKey();
  Say("整数＝｛負の整数,0,正の整数｝", XI1 + 44, YI1 + 90, 3);
  WaitAnyKey();

  TextbookTaskLine("教科書 問4 をしなさい。", 40, YI1 + 100);
  WaitAnyKey();
  Say("整数…", XI1, YI1 + 60, 0);
  WaitAnyKey();
  Continue("-5,-6,4,0,+12", 5);
  Say("自然数…", XI1, YI1 + 60, 0);
  WaitAnyKey();
  Continue("4,+12", 5);
}

}  // namespace almeno
