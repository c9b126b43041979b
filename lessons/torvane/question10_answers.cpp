// Item ④: the answers of textbook question 10, six mixed calculations in
// two columns; each problem's working and answer come with the next problem.
#include <initializer_list>

#include "explanation_page.h"
#include "mixed_add_sub_pages.h"
#include "shell.h"

namespace torvane {

namespace {

// Where a problem's text stands: right after its label, or at the margin of
// the working lines.
enum class ProblemText { kAfterLabel, kAtMargin };

// The label `step` below the line before and the problem on its line; after
// a key the working lines, 50 apart, and the answer behind the last one.
void WorkedProblem(const char* label, const char* problem, float step, ProblemText where,
                   std::initializer_list<const char*> working, const char* answer) {
  Say(label, XI0, YI1 + step, 3);
  if (where == ProblemText::kAfterLabel) {
    Continue(problem, 0);
  } else {
    Say(problem, XI1, YI1, 0);
  }
  WaitAnyKey();
  for (const char* line : working) Say(line, XI1, YI1 + 50, 0);
  Continue(answer, 5);
}

}  // namespace

void Question10Answers() {
  OpenPage({.width = 1760, .height = 1300, .left = 30, .margin = 84, .top = 30});
  Say("問10の解答", XI1, YI1, 3);
  WorkedProblem("(1)", "3-9-6", 60, ProblemText::kAfterLabel, {"=3-15"}, "=-12");
  WorkedProblem("(2)", " -12+8-(-14)", 60, ProblemText::kAtMargin, {"=-12+8+14", "=-12+22"}, "=10");
  WorkedProblem("(3)", " 6-10+(-15)", 60, ProblemText::kAtMargin, {"=6-10-15", "=6-25"}, "=-19");

  // The right column; its first label on the heading's line.
  SetMargins({.left = 640 - 67, .margin = 640, .top = 30});
  WorkedProblem("(4)", " 1-2+3-4", 0, ProblemText::kAtMargin, {"=1+3-2-4", "=4-6"}, "=-2");
  WorkedProblem("(5)", " -8-4+(-1)-(-7)", 60, ProblemText::kAtMargin, {"=-8-4-1+7", "=-13+7"},
                "=-6");
  WorkedProblem("(6)", " -24-(-15)+(-35)+24", 60, ProblemText::kAtMargin,
                {"=-24+15-35+24", "=-24+24+15-35", "=15-35"}, "=-20");
}

}  // namespace torvane
