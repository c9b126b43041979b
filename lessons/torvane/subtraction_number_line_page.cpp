// Subtraction introduced on the number line: 9 minus 3 as the number 3
// smaller than 9, then with signs, then as the number -3 larger than +9.
#include "addition_pages.h"
#include "explanation_page.h"
#include "layout_cursor.h"
#include "number_line_sum.h"
#include "shell.h"

namespace torvane {

namespace {

// 9 and then the move by -3 on the line at 520.
void NineMinusThreeOnTheLine(bool unsigned_positives) {
  Y_a(31) = 520;
  T(1) = 9;
  T(2) = -3;
  NumberLineSum(unsigned_positives);
}

}  // namespace

void SubtractionNumberLinePage() {
  ExplanationPage(1760, 1300, 44, 30);
  // The column of the readings beside the equations.
  const float readings_x = XI1 + 480;
  Pieces(XI1, 30, {{"<減法(ひき算)> ", 3}, {" 次の計算をしなさい。", 0}});
  Pieces(XI1, 105, {{"① 9", 0}, {"-3", 3}, {"=", 0}});
  WaitAnyKey();
  Continue("6", 5);
  NineMinusThreeOnTheLine(true);
  WaitAnyKey();
  Pieces(readings_x, 105, {{"9より", 7}, {"3小さい数", 3}, {"を求める計算", 0}});
  WaitAnyKey();
  Pieces(XI1, 180, {{"② (+9)", 0}, {"-", 3}, {"(", 0}, {"+3", 3}, {")=", 0}});
  U(1) = XI2;
  V(1) = YI1;
  WaitAnyKey();
  Pieces(readings_x, 180, {{"+9より", 7}, {"+3小さい数", 3}, {"を求める計算", 0}});
  NineMinusThreeOnTheLine(false);
  Say("+6", U(1), V(1), 5);
  WaitAnyKey();
  // The reading first, then the equation, its "(+9)" under the one above.
  Pieces(readings_x, 255, {{"+9より", 7}, {"-3大きい数", 3}, {"を求める計算", 0}});
  WaitAnyKey();
  Pieces(XI1, 255, {{"　 (+9)", 0}, {"+", 3}, {"(", 0}, {"-3", 3}, {")=", 0}, {"+6", 5}});
  WaitAnyKey();
  Say("だから", XI1, 330, 0);
  Pieces(XI2 + 120, 330,
         {{"(+9)", 0},
          {"-", 3},
          {"(", 0},
          {"+3", 3},
          {")=", 0},
          {"(+9)", 0},
          {"+", 3},
          {"(", 0},
          {"-3", 3},
          {")", 0}});
}

}  // namespace torvane
