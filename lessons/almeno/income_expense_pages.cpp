// Income as a positive and expense as a negative amount of yen: a worked
// example, then random amounts until the learner types 1.
#include "example_loop.h"
#include "explanation_page.h"
#include "fresh_run.h"
#include "layout_cursor.h"
#include "number_texts.h"
#include "shell.h"
#include "signed_quantities_pages.h"
#include "textbook_answers.h"

namespace almeno {

std::string P_s;
const FreshEachRun kFreshEachRun(P_s);

void IncomeExpenseNumbers() {
  T(1) = PnFInt(PaRnd() * 7 + 1);
  T(1) = 100 * T(1);
  P = PnFInt(PaRnd() * 2);
  if (P == 0) {
    P = -1;
    P_s = "-";
    T_s(2) = "支出";
  } else {
    P_s = "+";
    T_s(2) = "収入";
  }
  T_s(1) = NumberText(T(1));
}

namespace {

// One example below the worked one, which stays on screen above Y_a(33).
void ShowIncomeExpenseExample() {
  BlankBand(Y_a(33), 1320, 1300);
  SetMargins({.margin = 44, .top = Y_a(33) + 30});
  Say("問　どんなことを表していますか。", XI1, YI1, 0);
  Say(P_s + T_s(1) + "円…", XI1, YI1 + 70, 3);
  WaitAnyKey();
  Continue(T_s(1) + "円の" + T_s(2), 5);
}

}  // namespace

void IncomeExpensePage() {
  OpenPage({.width = 1760, .height = 1300, .left = 40, .indent = 40, .top = 30});
  Say("例1 ", XI0, YI1, 0);
  Continue("収入と支出", 3);
  Say("500円の収入を", XI1, YI1 + 65, 0);
  Continue("+500円", 3);
  Continue("と表すとすると、", 0);
  Say("4000円の支出", XI1, YI1 + 60, 3);
  Continue("はどう表されますか。", 0);
  WaitAnyKey();
  Say("-4000円", XI1, YI1 + 60, 5);
  WaitAnyKey();
  Y_a(33) = YI1 + 80;

  RandomExampleLoop(IncomeExpenseNumbers, ShowIncomeExpenseExample);

  WaitAnyKey();
  TextbookTaskLine("教科書 問1 をしなさい。", 40, YI1 + 100);
  WaitAnyKey();
  Say("-500円", XI1, YI1 + 50, 5);
}

}  // namespace almeno
