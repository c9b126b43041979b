// Item ⑤: the practice problem on a week's sales given as differences from
// 150 cups: the mean by the provisional mean, then the total of the week.
#include "construct_globals.h"
#include "explanation_page.h"
#include "layout_cursor.h"
#include "page_faces.h"
#include "shell.h"
#include "signed_numbers_use_pages.h"

namespace quorrel {

namespace {

// A row of the table: its label cell 204 wide, then seven cells 90 wide,
// each drawn where the one before ended.
void SalesRow(float y, const char* label, float fill) {
  Cell(T(1), y, 204, 50, 0, 3, 13, label);
  for (int i = 1; i <= 7; ++i) Cell(X, Y, 90, 50, 0, 3, fill, F_sa(i));
}

}  // namespace

void WeekdaySalesAnswer() {
  BlankPage(1760, 1300);
  FE_SETDRAWWIDTH(5);
  T(1) = 40;
  const char* const days[] = {"月", "火", "水", "木", "金", "土", "日"};
  for (int i = 1; i <= 7; ++i) F_sa(i) = days[i - 1];
  SalesRow(450, "曜日", 13);
  const char* const sales[] = {"+7", "-14", "0", "-8", "+10", "+23", "+17"};
  for (int i = 1; i <= 7; ++i) F_sa(i) = sales[i - 1];
  SalesRow(450 + 50, "売上数(杯)", 15);

  SetMargins({.margin = 40, .top = 30});
  Say("教科書P51　練習問題の答", XI1, YI1, 7);
  Say("平均は、", XI1, YI1 + 50, 3);
  WaitAnyKey();
  Say("150+(7-14+0-8+10+23+17)/7", XI1 + 27, YI1 + 50, 0);
  WaitAnyKey();
  Say("=150+35/7", XI1, YI1 + 50, 0);
  WaitAnyKey();
  Say("=150+5", XI1, YI1 + 50, 0);
  Continue("=155 (杯)", 5);
  WaitAnyKey();
  Say("7日間の総売上数は、", XI1, YI1 + 50, 3);
  WaitAnyKey();
  Say("155*7", XI1, YI1 + 50, 0);
  Continue("=1085 (杯)", 5);
}

}  // namespace quorrel
