// Item ③: the order of two numbers written with "<" and ">": the number
// further right on the number line is the larger. Ends with the answers of
// textbook question 2.
#include "explanation_page.h"
#include "figure_globals.h"
#include "layout_cursor.h"
#include "marking_pages.h"
#include "order_absolute_value_pages.h"
#include "page_faces.h"
#include "shell.h"
#include "textbook_answers.h"

namespace almeno {

void TwoNumberOrderPage() {
  ExplanationPage(1760, 1800, 30, 20);
  Say("復習　1,3の大小を不等号で表しなさい。", XI1, YI1, 0);
  Y_a(31) = 300;
  SignedNumberLine();
  // The larger of each pair in colour 9, the smaller in colour 5.
  WaitAnyKey();
  DiscOnLine(1, 5);
  DiscOnLine(3, 9);
  WaitAnyKey();
  Say("解答…", 44, YI1 + 60, 0);
  Continue("1<3", 3);
  WaitAnyKey();
  PrintAt("（数直線上で右にある数ほど大きい）", XI2 + 40, YI1, 5);

  WaitAnyKey();
  Say("問題　-1,-3の大小を不等号で表しなさい。", XI1, YI1 + 60, 0);
  WaitAnyKey();
  DiscOnLine(-1, 9);
  DiscOnLine(-3, 5);
  WaitAnyKey();
  Say("解答…", 44, YI1 + 60, 0);
  Continue("-3<-1  (-1>-3)", 3);

  // Thick arrows under the line: to the right larger, to the left smaller.
  const float arrows_y = Y_a(31) + 110;
  WaitAnyKey();
  PrintAt("大きい", X_a(32) + 340, Y_a(31) + 90, 3);
  FE_SETDRAWWIDTH(12);
  ArrowTo(X_a(32) + 160, arrows_y, X_a(32) + 320, arrows_y, 3);
  WaitAnyKey();
  PrintAt("小さい", X_a(32) - 446, Y_a(31) + 90, 3);
  ArrowTo(X_a(32) - 160, arrows_y, X_a(32) - 320, arrows_y, 5);
  FE_SETDRAWWIDTH(2);

  WaitAnyKey();
  TextbookTaskLine("教科書 問2 をしなさい。", 40, Y_a(31) + 140);
  Say("(1)-4と3   (2)-5と-2", XI1, YI1 + 50, 0);
  WaitAnyKey();
  Say("大きい数", 44, YI1 + 60, 3);
  WaitAnyKey();
  Say("(1)", XI2 + 20, YI1, 0);
  Continue("3", 5);
  WaitAnyKey();
  Continue(" (2)", 0);
  Continue("-2", 5);
  WaitAnyKey();
  Say("絶対値が大きい数", XI2 + 30, YI1, 3);
  WaitAnyKey();
  Say("(1)", XI2 + 20, YI1, 0);
  Continue("-4", 5);
  WaitAnyKey();
  Continue(" (2)", 0);
  Continue("-5", 5);
}

}  // namespace almeno
