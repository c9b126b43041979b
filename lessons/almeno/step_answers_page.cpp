// The answers of textbook question 6: eight numbers a given amount larger or
// smaller than another, two questions to a row over the number line, each
// answer printed after its question one key at a time; a negative amount is
// said again with the opposite word under the end of its question.
#include "almeno_steps_line.h"
#include "construct_globals.h"
#include "explanation_page.h"
#include "layout_cursor.h"
#include "number_line_steps_pages.h"
#include "shell.h"

namespace almeno {

namespace {

struct Part {
  const char* question;
  const char* answer;
  const char* rewording;  // null where the amount is positive
  float& end_x;
  float& end_y;
};

// Two to a row; the row steps below the row before.
const float kRowStep[] = {50, 75, 75, 100};

}  // namespace

void StepAnswersPage() {
  const Part parts[] = {
      {"(1)-5より3大きい数", "-2", nullptr, X11, Y11},
      {"(2)-3より5大きい数", "2", nullptr, X12, Y12},
      {"(3)3より6小さい数", "-3", nullptr, X13, Y13},
      {"(4)-1より4小さい数", "-5", nullptr, X14, Y14},
      {"(5)1より-4大きい数", "-3", "4小さい数", X15, Y15},
      {"(6)-1より-3大きい数", "-4", "3小さい数", X16, Y16},
      {"(7)2より-3小さい数", "5", "3大きい数", X17, Y17},
      {"(8)-4より-8小さい数", "4", "8大きい数", X18, Y18},
  };

  OpenPage({.width = 1760, .height = 1300, .margin = 114, .top = 30});
  Say("教科書　問6の解答", XI1 - 40, YI1, 3);
  Y_a(31) = 520;
  StepsNumberLine();

  // The right-hand question starts 132 after the end of the left-hand one.
  for (int row = 0; row < 4; ++row) {
    const Part& left = parts[2 * row];
    const Part& right = parts[2 * row + 1];
    PrintAt(left.question, 44, YI1 + kRowStep[row], 0);
    YI1 = Y;
    left.end_x = X;
    left.end_y = Y;
    PrintAt(right.question, left.end_x + 132, YI1, 0);
    YI1 = Y;
    right.end_x = X;
    right.end_y = Y;
  }
  WaitAnyKey();

  for (int i = 0; i < 8; ++i) {
    const Part& part = parts[i];
    PrintAt(part.answer, part.end_x + 20, part.end_y, 5);
    if (part.rewording) PrintAt(part.rewording, part.end_x - 160, part.end_y + 50, 3);
    if (i < 7) WaitAnyKey();
  }
}

}  // namespace almeno
