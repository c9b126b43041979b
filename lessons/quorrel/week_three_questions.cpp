// Item ③: questions 1 and 2 on week 3 with the provisional mean 50: the
// differences entered in the table beside the week's bar graph, then the
// mean from them.
#include "construct_globals.h"
#include "explanation_page.h"
#include "layout_cursor.h"
#include "shell.h"
#include "signed_numbers_use_pages.h"
#include "week_tables.h"

namespace quorrel {

void WeekThreeQuestions() {
  OpenPage({.width = 1760, .height = 1300, .margin = 40, .top = 30});
  FE_SETDRAWWIDTH(5);
  Say("仮平均を50回として", XI1, YI1, 3);
  Say("3週目の記録の平均を求めよう。", XI1, YI1 + 50, 3);
  JumpRopeRecords();
  WeekTableFrame();
  WeekRow("3週目", 20, true);
  WeekBarGraph(20, 50);

  WaitAnyKey();
  Say("問1", XI1, YI1 + 60, 7);
  Say("表を完成させなさい。", XI1, YI1 + 50, 0);
  WeekDifferences(20, 50);
  WaitAnyKey();
  Say("問2", XI1, YI1 + 60, 7);
  Say("表から平均を求めなさい。", XI1, YI1 + 50, 0);
  ProvisionalMeanWorking(
      {70, "-6-8+7+0+2=", "-5(回)", "-5/5=", "-1(回)", "50-1=", T_s(27) + "(回)"});
  WaitAnyKey();
  Say("教科書 問3,4 をしなさい。", XI1, YI1 + 70, 7);
}

}  // namespace quorrel
