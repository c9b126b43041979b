// The column figure of a decimal sum: the absolute values one under the other
// with their points aligned, added or the smaller taken from the larger, the
// result row written digit by digit under them.
#include "decimal_sums.h"
#include "fresh_run.h"
#include "layout_cursor.h"
#include "shell.h"

namespace torvane {

namespace {

// The column figure's left edge and the row it wrote last.
float XII1 = 0, YII1 = 0;
const FreshEachRun kFreshEachRun(XII1, YII1);

// A row or digit of the figure; the figure's row follows it.
void FigureText(const std::string& text, float x, float y, float colour) {
  PrintAt(text, x, y, colour);
  YII1 = Y;
}

// The rows stand on the printer's advances: 27 a digit or sign, 8 the point,
// so ones at 731, points at 758 and tenths at 766.
void ColumnFigure(bool difference) {
  XII1 = 704;
  YII1 = 92;
  FigureText(F_sa(1), XII1 + 27, YII1, 0);
  FigureText((difference ? "-" : "+") + F_sa(2), XII1, YII1 + 46, 0);
  PrintAt("①小数点をそろえて書く", XII1 - 132, 318, 3);
  FE_SETDRAWWIDTH(5);
  PsLINE(XII1, YII1 + 68, XII1 + 132, YII1 + 68, 0);
  FE_SETDRAWWIDTH(2);
  WaitAnyKey();
  PrintAt("②整数と同じように計算する", XII1 - 132, 378, 3);
  WaitAnyKey();
  if (!difference && F(12) + F(14) >= 10) PrintAt("1", XII1 + 27, YII1 + 46, 3);
  if (difference && F(12) < F(14)) {
    // The first row's ones digit struck through, what is left of it above.
    PrintAt(F_sa(17), XII1 + 27, YII1 - 92, 3);
    PrintAt("／", XII1 + 27, YII1 - 46, 3);
  }
  FigureText(F_sa(difference ? 16 : 17), XII1 + 54 + 6, YII1 + 90, 0);
  WaitAnyKey();
  if (difference) {
    FigureText(F_sa(15), XII1 + 27, YII1, 0);
  } else {
    FigureText(F_sa(15) + F_sa(16), XII1, YII1, 0);
  }
  WaitAnyKey();
  PrintAt("③答えも、同じ位置に小数点をうつ", XII1 - 132, 438, 3);
  WaitAnyKey();
  FigureText(".", XII1 + 54, YII1, 3);
}

}  // namespace

void DecimalColumnFigure() {
  ColumnFigure(false);
}

void DecimalColumnDifferenceFigure() {
  ColumnFigure(true);
}

}  // namespace torvane
