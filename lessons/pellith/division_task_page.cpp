// ①課題: 6÷3=2 as the number that gives 6 when multiplied by 3 (□×3=6),
// then the four quotients of ±6 by ±3, each through its box equation.
#include "division_pages.h"
#include "explanation_page.h"
#include "layout_cursor.h"
#include "shell.h"

namespace pellith {

namespace {

struct QuotientRow {
  const char* question;
  const char* divisor;
  const char* factor;
  const char* product;
  const char* answer;
};

constexpr QuotientRow kRows[] = {
    {"① (+6)", "+3", "*(+3)", "=+6", "+2"},
    {"② (-6)", "+3", "*(+3)", "=-6", "-2"},
    {"③ (+6)", "-3", "*(-3)", "=+6 ", "-2"},
    {"④ (-6)", "-3", "*(-3)", "=-6  ", "+2"},
};

}  // namespace

void DivisionTaskPage() {
  ExplanationPage(1760, 1300, 44, 30);
  Say("　次の計算をしなさい。", XI1, YI1, 0);
  Say("復習  6", XI1, 105, 0);
  Continue("/3", 3);
  Continue("=", 0);
  WaitAnyKey();
  Continue("2", 3);
  WaitAnyKey();
  Continue("  □", 5);
  Continue("*3", 3);
  Continue("=6", 0);
  WaitAnyKey();
  Continue("  3", 7);
  Continue("を", 0);
  Continue("かけて", 5);
  Continue("6", 7);
  Continue("になる数を求める計算", 0);

  for (const QuotientRow& row : kRows) {
    WaitAnyKey();
    Say(row.question, XI1, YI1 + 75, 0);
    Continue("/", 3);
    Continue("(", 0);
    Continue(row.divisor, 3);
    Continue(")=", 0);
    X_a(1) = X;
    Y_a(1) = Y;
    WaitAnyKey();
    Say("□", X_a(1) + 135, Y_a(1), 5);
    Continue(row.factor, 3);
    Continue(row.product, 0);
    WaitAnyKey();
    // The answer goes into the gap between ")=" and the box.
    Say(row.answer, X_a(1), Y_a(1), 5);
  }
}

}  // namespace pellith
