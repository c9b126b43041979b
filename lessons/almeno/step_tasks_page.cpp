// Eight tasks "the number b larger / smaller than a", each walked on the
// number line with the arrow keys, then the summary: a negative amount turns
// larger into smaller and back.
#include "almeno_steps_line.h"
#include "construct_globals.h"
#include "explanation_page.h"
#include "layout_cursor.h"
#include "number_line_steps_pages.h"
#include "shell.h"

namespace almeno {

namespace {

struct StepTask {
  const char* label;
  const char* question;
  // Tasks (6) to (8) first say the question again with a positive amount.
  const char* rewording_plain;
  const char* rewording_marked;
  float start, move;
  const char* direction;  // followed by the distance
};

// The left column holds (1) to (5), the right one (6) to (8).
const StepTask kTasks[] = {
    {"(1)", " 5より3大きい数", nullptr, nullptr, 5, 3, " 右へ"},
    {"(2)", "-4より5大きい数", nullptr, nullptr, -4, 5, " 右へ"},
    {"(3)", " 5より7小さい数", nullptr, nullptr, 5, -7, " 左へ"},
    {"(4)", "-4より2小さい数", nullptr, nullptr, -4, -2, " 左へ"},
    {"(5)", " 5より-3大きい数", nullptr, nullptr, 5, -3, " 左へ"},
    {"(6)", "-2より-3大きい数", "-2より", "3小さい数", -2, -3, " 左へ"},
    {"(7)", " 5より-4小さい数", " 5より", "4大きい数", 5, 4, " 右へ"},
    {"(8)", "-2より-3小さい数", "-2より", "3大きい数", -2, 3, " 右へ"},
};

// Task n (1 to 8): the question, the walk on the line, the answer, the
// direction. Returns after the direction text; the caller waits or not.
void RunTask(int n) {
  const StepTask& task = kTasks[n - 1];
  const float label_line = n <= 5 ? YI1 + 60 : n == 6 ? YI1 : YI1 + 110;
  Say(task.label, XI0, label_line, 3);
  Continue(task.question, 0);
  if (task.rewording_plain) {
    WaitAnyKey();
    Say(task.rewording_plain, XI1, YI1 + 50, 0);
    Continue(task.rewording_marked, 3);
  }

  Y_a(31) = 590;
  X_a(1) = task.start;
  X_a(2) = task.move;
  StepTaskSetup();
  WaitAnyKey();

  // The answer on the question's line: after the question, or above the end
  // of the rewording.
  if (n <= 5) {
    Say(X_sa(4), XI2 + 20, YI1, 5);
  } else {
    Say(X_sa(4), XI2 + (n == 6 ? 47 : 50), YI1 - 50, 5);
  }
  WaitAnyKey();
  Continue(task.direction + T_s(5), 7);
}

void Summary() {
  Say("<まとめ>", 40, YI1 + 140, 5);
  WaitAnyKey();
  Say("① 3大きい→", XI2 + 60, 440, 0);
  Continue("右へ3", 3);
  WaitAnyKey();
  Say("② 3小さい→", XI2 + 60, 440, 0);
  Continue("左へ3", 3);
  WaitAnyKey();

  Say("③ -3大きい→", 44, 490, 0);
  WaitAnyKey();
  Continue("3小さい", 3);
  Continue("→", 0);
  WaitAnyKey();
  Continue("左へ3", 3);
  WaitAnyKey();
  Say("④ -3小さい→", XI2 + 60, 490, 0);
  WaitAnyKey();
  Continue("3大きい", 3);
  Continue("→", 0);
  WaitAnyKey();
  Continue("右へ3", 3);
  WaitAnyKey();

  Say("※負の数の場合は、正の数を使ったことばで表してから求める。", 44, 540, 5);
  WaitAnyKey();
  Say("教科書 問6　をしなさい。", 44, 600, 0);
}

}  // namespace

void StepTasksPage() {
  OpenPage({.width = 1760, .height = 1300, .left = 40, .margin = 94, .top = 30});
  Say("課題 次の数を求めなさい。", 40, 30, 3);

  for (int n = 1; n <= 3; ++n) {
    RunTask(n);
    WaitAnyKey();
  }
  // Task (5) follows task (4) at once.
  RunTask(4);
  RunTask(5);
  // Why -3 larger goes left: it is 3 smaller.
  PrintAt(" なぜ？", XI1, YI1 + 50, 3);
  WaitAnyKey();
  PsBOX_STEP(94, 380, 300, 50, 15, 15);
  Say("  5より", 94, 380, 0);
  Continue("3小さい数", 3);

  // Tasks (6) to (8) in the right-hand column.
  SetMargins({.left = 616, .margin = 697, .top = 30});
  WaitAnyKey();
  for (int n = 6; n <= 8; ++n) {
    RunTask(n);
    WaitAnyKey();
  }

  // The summary stands where the number line was.
  EraseFigureArea();
  SetMargins({.left = 40, .top = YI1 + 50});
  Summary();
}

}  // namespace almeno
