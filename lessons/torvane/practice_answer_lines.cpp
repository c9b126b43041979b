#include "practice_answer_lines.h"

#include "addition_layouts.h"
#include "shell.h"

namespace torvane {

void PracticeAnswerLines(const char* number, ProblemPlace place,
                         std::initializer_list<AnswerLine> lines) {
  for (const AnswerLine& line : lines) {
    switch (line.kind) {
      case AnswerLine::kScreen:
        PracticeAnswersPage(kPracticeAnswers.WithMargins(line.step, line.step + line.indent),
                            "練習問題");
        ProblemNumberCellBesideTitle(kPracticeAnswers, number);
        break;
      case AnswerLine::kColumn:
        XI1 = line.step + (XI1 - XI0);
        XI0 = line.step;
        YI1 = 30;
        break;
      case AnswerLine::kKey:
        WaitAnyKey();
        break;
      case AnswerLine::kProblem:
        Say(line.text, XI0, YI1 + line.step, 3);
        if (place == ProblemPlace::kAfterLabel) {
          Continue(line.problem, 0);
        } else {
          Say(line.problem, XI1 + 16, YI1, 0);
        }
        break;
      case AnswerLine::kWorking:
        Say(line.text, XI1, YI1 + line.step, 0);
        break;
      case AnswerLine::kAnswer:
        Say(line.text, XI1, YI1 + line.step, 5);
        break;
      case AnswerLine::kAnswerAfter:
        Continue(line.text, 5);
        break;
      case AnswerLine::kVerdict:
        Say(line.text, XI1, YI1 + line.step, 3);
        break;
    }
  }
}

}  // namespace torvane
