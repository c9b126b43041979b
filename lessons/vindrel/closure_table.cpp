// Which operations can always be carried out in each set of numbers: a
// table filled one mark a key, then the sets figure with a summary line in
// each box.
#include "explanation_page.h"
#include "page_faces.h"
#include "powers_sets_pages.h"
#include "shell.h"

namespace vindrel {

namespace {

// "○" always possible, "△" not always, in reading order.
constexpr const char* kMarks[] = {"○", "△", "○", "△", "○", "○", "○", "△", "○", "○", "○", "○"};

// A cell of the header style, placed where the last cell ended.
void HeaderCell(float width, const std::string& text) {
  Cell(X, Y, width, 60, 13, 3, 8, text);
}

// An answer cell at (x, y), empty or with its mark.
void AnswerCell(float x, float y, const std::string& mark) {
  Cell(x, y, 80, 60, 5, 3, 15, mark);
}

// A summary line on a strip in the box's own fill colour over its name.
void SummaryLine(float x1, float y1, float x2, float y2, float fill, const char* text, float x,
                 float y) {
  PsBOX(x1, y1, x2, y2, fill, fill);
  PrintAt(text, x, y, 13);
}

}  // namespace

void ClosureTable() {
  OpenPage({.width = 1760, .height = 1300, .margin = 40, .top = 30});
  Say("教科書P45「ひろげよう」の答", XI1, YI1, 3);
  FE_SETDRAWWIDTH(5);
  X = 40;
  Y = 90;
  HeaderCell(238, "");
  for (const char* operation : {"加法", "減法", "乗法", "除法"}) HeaderCell(80, operation);
  int k = 0;
  float row_y = 150;
  for (const char* set : {"自然数の集合", "整数の集合", "数全体の集合"}) {
    X = 40;
    Y = row_y;
    HeaderCell(238, set);
    for (int column = 1; column <= 4; ++column) {
      ++k;
      X_a(k) = X;
      Y_a(k) = Y;
      AnswerCell(X, Y, "");
    }
    row_y += 60;
  }
  WaitAnyKey();
  for (k = 1; k <= 12; ++k) {
    AnswerCell(X_a(k), Y_a(k), kMarks[k - 1]);
    if (k < 12) WaitAnyKey();
  }
  // The sets figure right of the table, which stays.
  SetMargins({.margin = 720, .top = 30});
  WaitAnyKey();

  X_a(1) = XI1;
  Y_a(1) = 70;
  SetsFigureLayout();
  AllNumbersBox();
  IntegersBox();
  NaturalNumbersBox();
  // The all-numbers box has its name on its top border, where the strip
  // below (inside the border) cannot reach: the border is drawn again over
  // the old name first.
  PsBOX(X_a(1), Y_a(1), X_a(2), Y_a(1) + 5, 11, 11);
  SummaryLine(X_a(1) + 5, Y_a(1) + 5, X_a(2) - 5, Y_a(1) + 50, 10, "数全体…四則計算", X_a(1) + 60,
              Y_a(1));
  SummaryLine(X_a(4) + 10, Y_a(4) + 5, X_a(5) - 10, Y_a(4) + 55, 6, "整数…加法,減法,乗法",
              X_a(4) + 40, Y_a(4) + 10);
  SummaryLine(X_a(6) + 10, Y_a(6) + 5, X_a(7) - 10, Y_a(6) + 55, 8, "自然数…加法,乗法", X_a(6) + 40,
              Y_a(6) + 10);
}

}  // namespace vindrel
