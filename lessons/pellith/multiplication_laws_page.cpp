// The associative and the commutative law of multiplication, shown on three
// worked calculations whose first products are underlined key by key.
#include "construct_globals.h"
#include "explanation_page.h"
#include "laws_mixed_pages.h"
#include "shell.h"

namespace pellith {
namespace {

// The product printed next on the current line, its ends kept as underline
// `first` (X_a(first) to X_a(first + 1), 50 below the line in Y_a(first)).
void UnderlinedProduct(const std::string& text, int first) {
  X_a(first) = XI2;
  Continue(text, 0);
  X_a(first + 1) = XI2;
  Y_a(first) = YI1 + 50;
}

// Underline `first` drawn at pen width 8 (left so).
void Underline(int first, float colour) {
  FE_SETDRAWWIDTH(8);
  PsLINE(X_a(first), Y_a(first), X_a(first + 1), Y_a(first), colour);
}

}  // namespace

void MultiplicationLawsPage() {
  // Narrower than most pages: what stands right of x 1320 stays.
  OpenPage({.width = 1320, .height = 1300, .left = 40, .indent = 27, .top = 30});
  Say("問　①～③はどんな計算のくふうをしていますか。", XI0, YI1, 0);
  Say("① ", XI0, YI1 + 75, 3);
  XI2 = XI1 + 27;  // the problem, 27 right of the working lines
  UnderlinedProduct("37*(-4)", 1);
  Continue("*(-25)", 0);
  Say("=(-148)*(-25)", XI1, YI1 + 60, 0);
  Say("=3700", XI1, YI1 + 60, 0);
  Say("②", XI0, YI1 + 75, 3);
  Say("37*", XI1 + 27, YI1, 0);
  UnderlinedProduct("(-4)*(-25)", 3);
  Say("=37*100", XI1, YI1 + 60, 0);
  Say("=3700", XI1, YI1 + 60, 0);
  Y14 = YI1;

  // ③ in the right-hand column.
  SetMargins({.left = 704, .indent = 27, .top = 30});
  Say("③", XI0, YI1 + 75, 3);
  Say("(-15)*", XI1 + 27, YI1, 0);
  UnderlinedProduct("13*(-2)", 5);
  Say("=", XI1, YI1 + 50, 0);
  UnderlinedProduct("(-15)*(-2)", 7);
  Continue("*13", 0);
  Say("=30*13", XI1, YI1 + 50, 0);
  Say("=390", XI1, YI1 + 50, 5);

  WaitAnyKey();
  Say("①は、", XI1 - 308, YI1 + 120, 7);
  WaitAnyKey();
  Underline(1, 7);
  WaitAnyKey();
  Continue("前から順番に計算している。", 7);
  WaitAnyKey();
  SetMargins({.margin = 44, .top = Y14});
  Say("②は、計算しやすい", XI1, YI1 + 70, 7);
  WaitAnyKey();
  Underline(3, 3);
  WaitAnyKey();
  Continue("後ろから計算している。", 3);
  WaitAnyKey();
  Continue("(乗法の結合法則)", 5);
  WaitAnyKey();
  Say("③は、", XI1, YI1 + 70, 7);
  WaitAnyKey();
  Underline(5, 3);
  WaitAnyKey();
  Continue("入れかえて", 3);
  WaitAnyKey();
  Underline(7, 7);
  WaitAnyKey();
  Continue("計算しやすくしている。", 7);
  WaitAnyKey();
  Continue("(乗法の交換法則)", 5);
  WaitAnyKey();
  Say("教科書 問9,問10　をしなさい。", 160, 610, 0);
}

}  // namespace pellith
