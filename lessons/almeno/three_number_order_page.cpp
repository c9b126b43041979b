// Item ⑥: three numbers in one chain of inequality signs, and arrows from 0:
// positive numbers to the right, negative numbers to the left.
#include "explanation_page.h"
#include "figure_globals.h"
#include "layout_cursor.h"
#include "order_absolute_value_pages.h"
#include "page_faces.h"
#include "shell.h"

namespace almeno {

void ThreeNumberOrderPage() {
  ExplanationPage(1760, 1800, 48, 18);
  Say("問題　0,-3,2の大小を不等号で表しなさい。", XI1, YI1, 0);
  Y_a(31) = 280;
  AbsoluteValueNumberLine();
  WaitAnyKey();
  DiscOnLine(-3, 5);
  DiscOnLine(0, 9);
  DiscOnLine(2, 7);
  WaitAnyKey();
  Say("解答…", 44, YI1 + 75, 0);
  Continue("-3<0<2", 3);
  WaitAnyKey();
  PrintAt("  (2>0>-3)", XI2 + 88, YI1, 3);
  WaitAnyKey();
  Say("注…小さい順か、大きい順に並べて書く。", XI1, YI1 + 75, 5);

  // Below the line: thick arrows from either side of 0, labelled at their
  // tips. The label "負の数" moves the cursor, so the closing note goes
  // below the arrows.
  const float labels_y = Y_a(31) + 90;
  const float arrows_y = Y_a(31) + 110;
  WaitAnyKey();
  PrintAt("0", X_a(32) - 14, labels_y, 3);
  PrintAt("正の数", X_a(32) + 352, labels_y, 3);
  FE_SETDRAWWIDTH(12);
  ArrowTo(X_a(32) + 22, arrows_y, X_a(32) + 22 + 308, arrows_y, 3);
  Say("負の数", X_a(32) - 484, labels_y, 3);
  ArrowTo(X_a(32) - 22, arrows_y, X_a(32) - 22 - 308, arrows_y, 5);
  FE_SETDRAWWIDTH(3);
  WaitAnyKey();
  Say("注…正の数は０より大きく、負の数は０より小さい", XI1, YI1 + 75, 5);
}

}  // namespace almeno
