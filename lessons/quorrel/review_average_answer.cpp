// Item ⑥ of "学びを身につけよう": six scores given as differences from a
// reference score; their mean, and from the known average the reference.
#include "construct_globals.h"
#include "layout_cursor.h"
#include "page_faces.h"
#include "review_pages.h"
#include "shell.h"

namespace quorrel {

void ReviewAverageAnswer() {
  ReviewAnswersPage("学びを身につけよう", 10, 11);
  ReviewNumberCellBesideTitle("6");

  X_a(0) = 40;
  X_a(1) = X_a(0) + 228;
  for (int i = 2; i <= 7; ++i) X_a(i) = X_a(i - 1) + 114;
  Y_a(0) = 70;
  Y_a(1) = Y_a(0) + 50;
  Y_a(2) = Y_a(1) + 100;
  const char* const pupils[] = {"Aさん", "Bさん", "Cさん", "Dさん", "Eさん", "Fさん"};
  for (int i = 1; i <= 6; ++i) X_sa(i) = pupils[i - 1];
  for (int i = 1; i <= 6; ++i) Cell(X_a(i), Y_a(0), X_a(i + 1) - X_a(i), 50, 0, 3, 13, X_sa(i));
  TwoLineCell(X_a(0), Y_a(1), X_a(1) - X_a(0), 100, 0, 3, 13, "基準にした", "得点との違い");
  const char* const differences[] = {"+8", "-7", "+2", "+12", "-7", "+10"};
  for (int i = 1; i <= 6; ++i) X_sa(i) = differences[i - 1];
  for (int i = 1; i <= 6; ++i) Cell(X_a(i), Y_a(1), X_a(i + 1) - X_a(i), 100, 0, 3, 15, X_sa(i));

  SetMargins({.left = 40, .top = Y_a(2) + 10});
  WaitAnyKey();
  Say("表から平均を求めると", XI0, YI1, 7);
  Say("(8-7+2+12-7+10)/6=18/6=", XI0, YI1 + 50, 0);
  Continue("3(点)", 3);
  WaitAnyKey();
  Say("(基準にした得点)+3=73 ", XI0, YI1 + 50, 7);
  Continue("だから", 0);
  Say("基準にした得点は、", XI0, YI1 + 50, 3);
  Say("73-3=", XI0, YI1 + 50, 0);
  Continue("70(点)", 5);
}

}  // namespace quorrel
