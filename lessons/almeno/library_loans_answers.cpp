// The answer of textbook question 3: the books lent on five weekdays and
// their difference from the target of 130, the last three differences shown
// one key at a time.
#include "explanation_page.h"
#include "figure_globals.h"
#include "page_faces.h"
#include "shell.h"
#include "signed_quantities_pages.h"

namespace almeno {

namespace {

// A one-line cell at (`X_a(column)`, `Y_a(row)`) as wide as its column.
void TableCell(int column, int row, float height, float fill, const std::string& text) {
  Cell(X_a(column), Y_a(row), X_a(column + 1) - X_a(column), height, 0, 3, fill, text);
}

// A label cell with two lines in the first column.
void TwoLineLabel(int row, const std::string& upper, const std::string& lower) {
  TwoLineCell(X_a(1), Y_a(row), X_a(2) - X_a(1), 90, 0, 3, 13, upper, lower);
}

// A difference of the last row shown in its cell, in the answer colour.
void RevealDifference(int day, const std::string& text) {
  WaitAnyKey();
  Cell(U(day), V(day), 90, 90, 5, 3, 15, text);
}

}  // namespace

void LibraryLoansAnswers() {
  OpenPage({.width = 1760, .height = 1300, .left = 40, .margin = 104, .top = 30});
  Say("問3 解答", XI0, YI1, 3);

  // One label column 228 wide, five day columns 90 wide.
  X_a(1) = XI1;
  X_a(2) = X_a(1) + 228;
  for (int k = 3; k <= 7; ++k) X_a(k) = X_a(k - 1) + 90;
  Y_a(1) = YI1 + 80;
  Y_a(2) = Y_a(1) + 50;
  Y_a(3) = Y_a(2) + 90;

  T_s(1) = "月";
  T_s(2) = "火";
  T_s(3) = "水";
  T_s(4) = "木";
  T_s(5) = "金";
  TableCell(1, 1, 50, 13, "曜　日");
  for (II = 1; II <= 5; II = II + 1) TableCell(II + 1, 1, 50, 13, T_s(II));

  T_s(1) = "135";
  T_s(2) = "112";
  T_s(3) = "118";
  T_s(4) = "133";
  T_s(5) = "157";
  TwoLineLabel(2, "貸し出した", "本の冊数(冊)");
  for (II = 1; II <= 5; II = II + 1) TableCell(II + 1, 2, 90, 15, T_s(II));

  T_s(1) = "+5";
  T_s(2) = "-18";
  T_s(3) = "";
  T_s(4) = "";
  T_s(5) = "";
  TwoLineLabel(3, "目標(130冊)", "との違い");
  for (II = 1; II <= 5; II = II + 1) {
    U(II) = X_a(II + 1);
    V(II) = Y_a(3);
    TableCell(II + 1, 3, 90, 15, T_s(II));
  }

  RevealDifference(3, "-12");
  RevealDifference(4, "+3");
  RevealDifference(5, "+27");
  WaitAnyKey();
}

}  // namespace almeno
