// The distributive law in letters, each product joined to its common factor
// by a dotted arc, then textbook question 5 worked both ways.
#include "explanation_page.h"
#include "formula_pieces.h"
#include "powers_sets_pages.h"
#include "shell.h"
#include "textbook_answers.h"

namespace vindrel {

void DistributiveLettersPage() {
  OpenPage({.width = 1760, .height = 1300, .left = 40, .indent = 54, .top = 30});
  Say("a,b,cがどんな数であっても、", XI0, YI1, 0);
  Continue("分配法則", 5);
  Continue("が成り立つ。", 0);

  // (a+b)×c = a×c + b×c
  XI2 = XI1;
  YI1 = YI1 + 100;
  FormulaPiece("(", 3);
  FormulaPiece("a", 5, 11);
  FormulaPiece("+", 3);
  FormulaPiece("b", 5, 12);
  FormulaPiece(")*", 3);
  FormulaPiece("c", 5, 13);
  FormulaPiece("=", 3);
  WaitAnyKey();
  AnchorArc(11, 13, -30, 7);
  FormulaPiece("a", 5);
  FormulaPiece("*", 3);
  FormulaPiece("c", 5);
  WaitAnyKey();
  AnchorArc(12, 13, -10, 9);
  FormulaPiece("+", 3);
  FormulaPiece("b", 5);
  FormulaPiece("*", 3);
  FormulaPiece("c", 5);
  WaitAnyKey();

  // c×(a+b) = c×a + c×b
  XI2 = XI1;
  YI1 = YI1 + 100;
  FormulaPiece("c", 5, 11);
  FormulaPiece("*(", 3);
  FormulaPiece("a", 5, 12);
  FormulaPiece("+", 3);
  FormulaPiece("b", 5, 13);
  FormulaPiece(")=", 3);
  WaitAnyKey();
  AnchorArc(11, 12, -10, 7);
  FormulaPiece("c", 5);
  FormulaPiece("*", 3);
  FormulaPiece("a", 5);
  WaitAnyKey();
  AnchorArc(11, 13, -30, 9);
  FormulaPiece("+", 3);
  FormulaPiece("c", 5);
  FormulaPiece("*", 3);
  FormulaPiece("b", 5);
  WaitAnyKey();

  TextbookTaskLine("教科書 問5 をやろう。", XI0, YI1 + 70);
  Say("①", XI0, YI1 + 60, 3);
  Say(" {3+(-4)}*(-5)", XI1, YI1, 0);
  WaitAnyKey();
  Say("=(-1)*(-5)", XI1, YI1 + 60, 0);
  Continue("=5", 5);
  WaitAnyKey();
  Say("②", XI0, YI1 + 60, 3);
  Say(" 3*(-5)+(-4)*(-5)", XI1, YI1, 0);
  WaitAnyKey();
  Say("=-15+20", XI1, YI1 + 60, 0);
  Continue("=5", 5);
  WaitAnyKey();
  Say("したがって、両方の結果は等しい", XI2 + 80, YI1, 0);
  WaitAnyKey();
  TextbookTaskLine("教科書 練習問題　をしなさい。", XI1, YI1 + 60);
}

}  // namespace vindrel
