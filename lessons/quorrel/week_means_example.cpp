// Item ②: the mean of week 1 the ordinary way, then the mean of week 2 with
// the provisional mean 35: the differences entered one by one in the table
// beside a bar graph of the week, added, divided by 5 and added to 35.
#include "construct_globals.h"
#include "explanation_page.h"
#include "layout_cursor.h"
#include "shell.h"
#include "signed_numbers_use_pages.h"
#include "week_tables.h"

namespace quorrel {

void WeekMeansExample() {
  OpenPage({.width = 1760, .height = 1300, .margin = 40, .top = 30});
  FE_SETDRAWWIDTH(5);
  Say("1週目の記録の平均を求めよう。", XI1, YI1, 3);
  JumpRopeRecords();
  WeekTableFrame();
  WeekRow("1週目", 0, false);

  WaitAnyKey();
  Say("平均=(回数の合計)/(日数)", XI1, YI1 + 50, 7);
  Continue(" だから", 0);
  WaitAnyKey();
  Say("12+17+13+15+18=", XI1, YI1 + 50, 0);
  WaitAnyKey();
  Continue(T_s(6) + "(回)", 3);
  WaitAnyKey();
  Say(T_s(6) + "/5=", XI1, YI1 + 50, 0);
  WaitAnyKey();
  Continue(T_s(7) + "(回)", 5);
  WaitAnyKey();
  Say("2週目の記録の平均を求めよう。", XI1, YI1 + 50, 3);
  Say("<35回を基準にする求め方>", XI1, YI1 + 50, 7);
  WaitAnyKey();
  // The week-2 row covers the week-1 row in place.
  WeekRow("2週目", 10, true);
  WeekBarGraph(10, 35);
  WeekDifferences(10, 35);
  ProvisionalMeanWorking(
      {50, "0+3+6+5+16=", "30(回)", "30/5=", "6(回)", "35+6=", T_s(17) + "(回)"});
  WaitAnyKey();
  Say("仮平均", XI1, YI1 + 50, 3);
  Continue("…基準35回のような値", 0);
  WaitAnyKey();
  Say("①計算が簡単になるよう仮平均を決める。", XI1, YI1 + 50, 7);
  Say("②差を求め、平均を計算する。", XI1, YI1 + 50, 7);
  Say("③仮平均と平均をたす。", XI1, YI1 + 50, 7);
}

}  // namespace quorrel
