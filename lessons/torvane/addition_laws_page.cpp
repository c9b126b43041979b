// Item ①: three calculations of 3-9+7 side by side, and key by key what
// each computes first (underlined) and which law it uses.
#include "addition_laws_pages.h"
#include "explanation_page.h"
#include "shell.h"

namespace torvane {

namespace {

// A column's label and first line at (`XI0`, 95); its lines below start at
// `XI1`, 27 further right.
void ColumnStart(float left, const std::string& label) {
  SetMargins({.left = left, .indent = 27});
  Say(label, XI0, 95, 3);
}

// The underline between X_a(start) and X_a(end) at Y_a(start).
void Underline(int start, int end, float colour) {
  Stroke(X_a(start), Y_a(start), X_a(end), Y_a(start), colour, 8);
}

}  // namespace

void AdditionLawsPage() {
  BlankPage(1320, 1300);
  Say("問　①～③はどんな計算のくふうをしていますか。", 77, 20, 0);

  ColumnStart(50, "① ");
  MarkedPiece("3-9", 1, 2);
  Y_a(1) = YI1 + 50;
  MarkedPiece("+7", 0, 0);
  Say("=-6+7", XI1, YI1 + 60, 0);
  Say("=1", XI1, YI1 + 60, 0);

  ColumnStart(360, "② ");
  MarkedPiece("3", 0, 0);
  MarkedPiece("-9+7", 3, 4);
  Y_a(3) = YI1 + 50;
  Say("=3-2", XI1, YI1 + 60, 0);
  Say("=1", XI1, YI1 + 60, 0);

  ColumnStart(680, "③ ");
  MarkedPiece("3-9+7", 0, 0);
  Say("=", XI1, YI1 + 60, 0);
  MarkedPiece("3", 7, 0);
  // This underline lies 10 below the other one of the line.
  Y_a(7) = YI1 + 60;
  MarkedPiece("+7", 5, 8);
  Y_a(5) = YI1 + 50;
  MarkedPiece("-9", 0, 6);
  Say("=10-9", XI1, YI1 + 60, 0);
  Say("=1", XI1, YI1 + 60, 0);

  SetMargins({.left = 40, .indent = 27});
  WaitAnyKey();
  Say("①は、", XI1, YI1 + 70, 7);
  WaitAnyKey();
  Underline(1, 2, 7);
  WaitAnyKey();
  Continue("前から順番に計算している。", 7);

  WaitAnyKey();
  Say("②は、", XI1, YI1 + 70, 7);
  WaitAnyKey();
  Underline(3, 4, 3);
  WaitAnyKey();
  Continue("後ろから計算している。", 3);
  WaitAnyKey();
  Continue("(加法の結合法則)", 5);

  WaitAnyKey();
  Say("③は、", XI1, YI1 + 70, 7);
  WaitAnyKey();
  Underline(5, 6, 3);
  WaitAnyKey();
  Continue("入れかえて", 3);
  WaitAnyKey();
  Underline(7, 8, 7);
  WaitAnyKey();
  Continue("正の数どうし計算している。", 7);
  WaitAnyKey();
  Continue("(加法の交換法則)", 5);
}

}  // namespace torvane
