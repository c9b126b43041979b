// Exponent notation: 5 squared and (-5) cubed with their readings, the
// words for the exponent, the square and the cube, an exercise answered in
// place, and the answers of textbook question 1 in a right-hand column.
#include "explanation_page.h"
#include "powers_sets_pages.h"
#include "shell.h"
#include "textbook_answers.h"

namespace vindrel {

namespace {

// The pen after the last piece is where answer `k` of the exercise goes.
void KeepExerciseAnswerPlace(int k) {
  X_a(k) = XI2;
  Y_a(k) = YI1;
}

}  // namespace

void ExponentNotationPage() {
  OpenPage({.width = 1760, .height = 1300, .margin = 44, .top = 30});
  Say("<同じ数の積>　", XI1, YI1, 7);
  Say("①　", XI1, YI1 + 50, 0);
  Continue("5^2", 5);
  WaitAnyKey();
  Continue("…5の２乗", 0);
  Continue("（にじょう）", 3);
  Continue("とよむ。", 0);
  WaitAnyKey();
  Say("5^2=5*5", XI1 + 81, YI1 + 60, 3);
  Say("②　", XI1, YI1 + 60, 0);
  // "\" lifts the exponent of a bracket higher than "^" would.
  Continue("(-5)\\3", 5);
  WaitAnyKey();
  Continue("…-5の3乗", 0);
  Continue("（さんじょう）", 3);
  Continue("とよむ。", 0);
  WaitAnyKey();
  Say("(-5)\\3=(-5)*(-5)*(-5)", XI1 + 81, YI1 + 60, 3);
  WaitAnyKey();
  Say("③ ", XI1, YI1 + 50, 0);
  Continue("指数", 5);
  Continue("…2,3のようにかけあわせる個数", 0);
  WaitAnyKey();
  Say("④ 2乗を", XI1, YI1 + 50, 0);
  Continue("平方", 5);
  Continue("、3乗を", 0);
  Continue("立方", 5);
  Continue("ということもある。", 0);
  WaitAnyKey();

  // The exercise: all three items first, each answer later right after its "=".
  Say("問　次の数の積を指数を使って表しなさい。", XI1, YI1 + 80, 0);
  Say("(1)", XI1, YI1 + 60, 3);
  Continue("(-2)*(-2)*(-2)=", 0);
  KeepExerciseAnswerPlace(1);
  Say("(2)", XI2 + 240, YI1, 3);
  Continue("0.5*0.5=", 0);
  KeepExerciseAnswerPlace(2);
  Say("(3)", XI1, YI1 + 80, 3);
  Continue("ﾀ3/5ﾀ*ﾀ3/5ﾀ=", 0);
  KeepExerciseAnswerPlace(3);
  WaitAnyKey();
  Say("(", X_a(1), Y_a(1), 3);
  Continue("-2", 5);
  Continue(")", 3);
  Continue("\\3", 5);
  WaitAnyKey();
  Say("0.5^2", X_a(2), Y_a(2), 5);
  WaitAnyKey();
  // Tall brackets round the fraction, its exponent 10 above the line.
  KAKKO = 1;
  Say("(", X_a(3), Y_a(3), 3);
  Continue("ﾀ3/5ﾀ", 5);
  Continue(")", 3);
  Say("^2", XI2, YI1 - 10, 5);
  WaitAnyKey();
  TextbookTaskLine("教科書 問1　をしなさい。", 400, 580);
  // The answers to question 1 in the right-hand column.
  SetMargins({.margin = 792, .top = 30});
  WaitAnyKey();

  Say("問1　解答", XI1, YI1, 3);
  Say("(1)", XI1, YI1 + 50, 3);
  Continue("4^2", 0);
  WaitAnyKey();
  Continue("=4*4", 0);
  Continue("=16", 5);
  WaitAnyKey();
  Say("(2)", XI1, YI1 + 50, 3);
  Continue("3^3", 0);
  WaitAnyKey();
  Continue("=3*3*3", 0);
  Continue("=27", 5);
  WaitAnyKey();
  Say("(3)", XI1, YI1 + 50, 3);
  Continue("2^5", 0);
  WaitAnyKey();
  Say("=2*2*2*2*2", XI1 + 54, YI1 + 50, 0);
  Continue("=32", 5);
}

}  // namespace vindrel
