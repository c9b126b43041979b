// The worked answers of the addition questions 1, 2 and 3 of the textbook:
// each sum, under it the sign of the result before the bracket that adds or
// subtracts the absolute values, then the result.
#include <vector>

#include "addition_pages.h"
#include "explanation_page.h"
#include "layout_cursor.h"
#include "shell.h"
#include "textbook_answers.h"

namespace torvane {

namespace {

struct SumAnswer {
  const char* label;  // "(1)": the item line, or its first piece
  const char* sum;    // continues the item line; may be empty
  const char* working;
  const char* result;
  // The result on a line of its own under the working, not after it.
  bool result_below = false;
};

// Questions 1 and 2: the label on the column's margin `XI0`, 60 below the
// line before; working and result on the line 50 below, at `XI1`.
void LabelledAnswers(const std::vector<SumAnswer>& answers) {
  for (const SumAnswer& a : answers) {
    Say(a.label, XI0, YI1 + 60, 3);
    Continue(a.sum, 0);
    if (*a.working) Say(a.working, XI1, YI1 + 50, 0);
    if (a.result_below) {
      Say(a.result, XI1, YI1 + 50, 5);
    } else {
      Continue(a.result, 5);
    }
  }
}

// Question 3: the numbered sum 76 left of `XI1`, 70 below the line before;
// the working at `XI1` 50 below and the result after it.
void NumberedAnswers(const std::vector<SumAnswer>& answers) {
  for (const SumAnswer& a : answers) {
    Say(a.label, XI1 - 76, YI1 + 70, 0);
    Say(a.working, XI1, YI1 + 50, 0);
    Continue(a.result, 5);
  }
}

void Column(float left) {
  SetMargins({.left = left, .indent = 54, .top = 30});
}

}  // namespace

void AdditionAnswersQ12Page() {
  OpenPage({.width = 1760, .height = 1300, .left = 40, .indent = 54, .top = 30});
  Say("教科書　問1の答", XI0, YI1, 3);
  LabelledAnswers({
      {"(1)", "(-8)+(-3)", "=-(8+3)", "=-11"},
      {"(2)", "(-6)+(-10)", "=-(6+10)", "=-16"},
      {"(3)", "(-27)+(-34)", "=-(27+34)", "=-61"},
      {"(4)", "(-12)+(-12)", "=-(12+12)", "=-24", true},
  });
  WaitAnyKey();
  Column(440);
  Say("教科書　問2の答", XI1 - 40, YI1, 3);
  LabelledAnswers({
      {"(1)", "(-7)+(+18)", "=+(18-7)", "=+11"},
      {"(2)", "(+5)+(-9)", "=-(9-5)", "=-4"},
      {"(3)", "(+21)+(-26)", "=-(26-21)", "=-5"},
      {"(4)", "(-38)+(+35)", "=-(38-35)", "=-3"},
  });
  // Opposite numbers and a sum with 0 need no working.
  Column(840);
  LabelledAnswers({
      {"(5)", "(-49)+(+49)", "", "=0", true},
      {"(6)", "0+(-37)", "", "=-37", true},
  });
  WaitAnyKey();
  TextbookTaskLine("教科書 問3　をしなさい。", 40, 570);
}

void AdditionAnswersQ3Page() {
  OpenPage({.width = 1760, .height = 1300, .margin = 114, .top = 30});
  Say("教科書　問3の答", XI1 - 40, YI1, 3);
  NumberedAnswers({
      {"(1) (+8)+(-4)", "", "=+(8-4)", "=+4"},
      {"(2) (-4)+(-6)", "", "=-(4+6)", "=-10"},
      {"(3) (-5)+(-5)", "", "=-(5+5)", "=-10"},
      {"(4) (-9)+(+9)", "", "", "=0"},
  });
  SetMargins({.margin = 680, .top = 30});
  NumberedAnswers({
      {"(5) (-7)+(+9)", "", "=+(9-7)", "=+2"},
      {"(6) (+4)+(-10)", "", "=-(10-4)", "=-6"},
  });
}

}  // namespace torvane
