// Item ①: the story of three weeks of jump-rope practice, the fifteen
// records in a table, and three comparisons that lead to the mean.
#include "construct_globals.h"
#include "explanation_page.h"
#include "layout_cursor.h"
#include "page_faces.h"
#include "shell.h"
#include "signed_numbers_use_pages.h"

namespace quorrel {

void WeekRecordsComparison() {
  OpenPage({.width = 1760, .height = 1800, .left = 30, .indent = 36, .top = 20});
  Say("P49 ", XI0, YI1, 7);
  Continue("1週目、2週目、3週目の記録をくらべよう。", 3);
  Say("3週間後のクラス対抗大縄跳び大会に向けての練習記録は、その日にいちばん", XI0, YI1 + 50, 0);
  Say("多く続けて跳んだ回数です。2週目は3年生からコツを教えてもらい、記録が", XI0, YI1 + 50, 0);
  Say("伸びました。3週目は50回跳ぶことを目標にしました。", XI0, YI1 + 50, 0);

  JumpRopeRecords();
  X_a(0) = 800;
  X_a(1) = X_a(0) + 114;
  for (int i = 2; i <= 6; ++i) X_a(i) = X_a(i - 1) + 60;
  Y_a(0) = YI1 + 60;
  for (int i = 1; i <= 4; ++i) Y_a(i) = Y_a(i - 1) + 50;
  const char* const headings[] = {"記録", "月", "火", "水", "木", "金"};
  for (int i = 0; i <= 5; ++i) X_sa(i) = headings[i];
  // The heading row and the week titles on fill 13; only "記録" in colour 7.
  for (int i = 0; i <= 5; ++i) {
    Cell(X_a(i), Y_a(0), X_a(i + 1) - X_a(i), 50, i == 0 ? 7 : 0, 3, 13, X_sa(i));
  }
  const char* const weeks[] = {"1週目", "2週目", "3週目"};
  for (int week = 1; week <= 3; ++week) {
    Cell(X_a(0), Y_a(week), X_a(1) - X_a(0), 50, 0, 3, 13, weeks[week - 1]);
    for (int i = 1; i <= 5; ++i) {
      Cell(X_a(i), Y_a(week), X_a(i + 1) - X_a(i), 50, 0, 3, 15, T_s(10 * (week - 1) + i));
    }
  }

  WaitAnyKey();
  Say("記録を比べると、どんなことがわかる?", XI0, YI1 + 70, 3);
  WaitAnyKey();
  const char* const comparisons[][3] = {
      {"① ", "各週のいちばん多い回数は、", "18回,51回,57回と増加している。"},
      {"② ", "各週のいちばん少ない回数は、", "12回,35回,42回と増加している。"},
      {"③ ", "各週で、50回以上跳んだ回数は、", "0回,1回,3回と増加している。"},
  };
  for (const auto& comparison : comparisons) {
    Say(comparison[0], XI0, YI1 + 50, 7);
    Continue(comparison[1], 0);
    WaitAnyKey();
    Say(comparison[2], XI1, YI1 + 50, 0);
    WaitAnyKey();
  }
  Say("ほかに記録を比べる方法はないだろうか?", XI0, YI1 + 50, 3);
  WaitAnyKey();
  Continue(" 記録の平均で比べる", 5);
}

}  // namespace quorrel
