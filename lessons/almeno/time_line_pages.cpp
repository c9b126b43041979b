// Years after now as positive, years before now as negative numbers, shown
// as arrows on the time line: a worked example, then random times until the
// learner types 1.
#include "example_loop.h"
#include "explanation_page.h"
#include "layout_cursor.h"
#include "number_texts.h"
#include "shell.h"
#include "signed_quantities_pages.h"
#include "textbook_answers.h"

namespace almeno {

void YearsBeforeAfterNumbers() {
  T(1) = PnFInt(7 * PaRnd() + 1);
  P = PnFInt(2 * PaRnd());
  if (P == 0) {
    P = -1;
    P_s = "-";
    T_s(2) = "年前";
  } else {
    P_s = "+";
    T_s(2) = "年後";
  }
  X_a(1) = X_a(32) + P * 80 * T(1);
  T_s(1) = NumberText(T(1));
}

namespace {

// One example below the time line; the worked example's last arrow stays on
// the line until the figure area is redrawn for the answer.
void ShowYearsExample() {
  BlankBand(Y_a(33), 1320, 1300);
  SetMargins({.margin = 44, .top = Y_a(33) + 10});
  Say("問　現在から何年前、何年後ですか。", XI1, YI1, 0);
  Say(P_s + T_s(1) + "年…", XI1, YI1 + 60, 3);
  WaitAnyKey();
  PsBOX(X_a(31) - 60, Y_a(31) - 80, X_a(33) + 60, Y_a(31) + 80, 15, 15);
  TimeLineFigure();
  TimeLineArrow();
  WaitAnyKey();
  Continue("現在から" + T_s(1) + T_s(2), 5);
}

}  // namespace

void YearsBeforeAfterPage() {
  OpenPage({.width = 1320, .height = 1300, .left = 40, .margin = 104, .top = 30});
  Say("例2 ", XI0, YI1, 3);
  Continue("現在から", 0);
  TimeLineFigure();
  T(1) = 4;
  X_a(1) = X_a(32) + 80 * T(1);
  T_s(1) = NumberText(T(1));
  Continue(T_s(1) + "年", 3);
  Continue("後を", 0);
  WaitAnyKey();
  TimeLineArrow();
  WaitAnyKey();
  Continue("+" + T_s(1) + "年", 3);
  Continue("と表すと、", 0);

  WaitAnyKey();
  Say("現在から", XI1, YI1 + 70, 0);
  TimeLineFigure();
  T(2) = 2;
  X_a(1) = X_a(32) - 80 * T(2);
  T_s(2) = NumberText(T(2));
  Continue(T_s(2) + "年", 3);
  Continue("前は、", 0);
  WaitAnyKey();
  TimeLineArrow();
  WaitAnyKey();
  Continue("-" + T_s(2) + "年", 3);
  Continue("と表せる。", 0);
  WaitAnyKey();

  RandomExampleLoop(YearsBeforeAfterNumbers, ShowYearsExample);

  TextbookTaskLine("教科書 問2 をしなさい。", 40, YI1 + 70);
  WaitAnyKey();
  Continue("-50分", 5);
}

}  // namespace almeno
