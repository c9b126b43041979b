#include "practice_answer_lines.h"

#include "addition_layouts.h"
#include "shell.h"

namespace torvane {

void PracticeAnswerLines(const char* number, ProblemPlace place,
                         std::initializer_list<PracticeAnswerLine> lines) {
  for (const PracticeAnswerLine& line : lines) {
    switch (line.kind) {
      case PracticeAnswerLine::kScreen:
        PracticeAnswersPage(kPracticeAnswers.WithMargins(line.step, line.step + line.indent),
                            "練習問題");
        ProblemNumberCellBesideTitle(kPracticeAnswers, number);
        break;
      case PracticeAnswerLine::kColumn:
        // The next column at `step`, indented as the one before.
        SetMargins({.left = line.step, .indent = XI1 - XI0, .top = 30});
        break;
      case PracticeAnswerLine::kKey:
        WaitAnyKey();
        break;
      case PracticeAnswerLine::kProblem:
        Say(line.text, XI0, YI1 + line.step, 3);
        if (place == ProblemPlace::kAfterLabel) {
          Continue(line.problem, 0);
        } else {
          Say(line.problem, XI1 + 16, YI1, 0);
        }
        break;
      case PracticeAnswerLine::kWorking:
        Say(line.text, XI1, YI1 + line.step, 0);
        break;
      case PracticeAnswerLine::kAnswer:
        Say(line.text, XI1, YI1 + line.step, 5);
        break;
      case PracticeAnswerLine::kAnswerAfter:
        Continue(line.text, 5);
        break;
      case PracticeAnswerLine::kVerdict:
        Say(line.text, XI1, YI1 + line.step, 3);
        break;
    }
  }
}

}  // namespace torvane
