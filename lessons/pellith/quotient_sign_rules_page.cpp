// ②除法規則: the sign rule of quotients as a table to fill in, then 0
// divided by a number and why 3 cannot be divided by 0.
#include "division_pages.h"
#include "explanation_page.h"
#include "layout_cursor.h"
#include "shell.h"
#include "sign_rule_tables.h"

namespace pellith {

namespace {

// Calculation k with 0 in colour 3; the pen after its "=" is kept in X_a(k),
// Y_a(k) for its answer.
void ZeroCalculation(int k, const char* before, const char* after) {
  Say(before, XI1, YI1 + 50, 0);
  Continue("0", 3);
  Continue(after, 0);
  X_a(k) = X;
  Y_a(k) = Y;
}

}  // namespace

void QuotientSignRulesPage() {
  ExplanationPage(1760, 1300, 44, 30);
  Say("問①　次の表をうめなさい。", XI1, YI1, 0);
  Continue("(商…除法の結果、答)", 3);
  FE_SETDRAWWIDTH(5);
  OperationSignRuleTable(90, {"除法",
                              "商の符号",
                              "商の絶対値",
                              {"(+6)/(+3)", "(-6)/(-3)", "(+6)/(-3)", "(-6)/(+3)"},
                              "6/3=2"});

  WaitAnyKey();
  Say("問②　次の計算をしなさい。", XI1, 330 + 90, 0);
  ZeroCalculation(1, "① ", "/(+3)=");
  ZeroCalculation(2, "② ", "/(-3)=");
  ZeroCalculation(3, "③ 3/", "=");
  const char* const answers[] = {"0", "0", "なし(0ではわれない)"};
  for (int k = 1; k <= 3; ++k) {
    WaitAnyKey();
    Say(answers[k - 1], X_a(k), Y_a(k), 5);
  }

  WaitAnyKey();
  SetMargins({.margin = 616, .top = Y_a(3) - 150});
  Say("3/0=0 とすると", XI1, YI1, 0);
  Say("3=0*0=0 となりおかしくなる", XI1, YI1 + 50, 0);
}

}  // namespace pellith
