// The answers to the practice problems of powers and the four operations:
// three pages, each drawn whole at once.
#include <initializer_list>

#include "powers_sets_layouts.h"
#include "powers_sets_pages.h"
#include "powers_sets_topics.h"
#include "practice_answers.h"
#include "shell.h"

namespace vindrel {

namespace {

// A problem: its number `gap` below the last line at `XI0`, the problem
// `indent` right of `XI1` on that line.
void NumberAndProblem(float gap, const char* number, float indent, const char* problem) {
  Say(number, XI0, YI1 + gap, 3);
  Say(problem, XI1 + indent, YI1, 0);
}

// Working lines `step` apart at `XI1`; the last one, the answer, in colour 5.
void StepsThenAnswerLine(float first_step, float step, std::initializer_list<const char*> lines) {
  float gap = first_step;
  size_t n = 0;
  for (const char* line : lines) {
    Say(line, XI1, YI1 + gap, ++n == lines.size() ? 5 : 0);
    gap = step;
  }
}

// Working lines `step` apart at `XI1`, the answer after the last one.
void StepsThenAnswer(float step, std::initializer_list<const char*> lines, const char* answer) {
  for (const char* line : lines) Say(line, XI1, YI1 + step, 0);
  Continue(answer, 5);
}

void RightColumn() {
  SetMargins({.left = 600, .indent = 54, .top = 30});
}

}  // namespace

void PowersPracticePage() {
  PracticeAnswersPage(kFirstPracticeAnswers, "練習問題 解答");
  ProblemNumberCellBesideTitle(kFirstPracticeAnswers, "1");
  SetMargins({.indent = 54});
  NumberAndProblem(60, "(1)", 27, "(-3^2)*(-2)^3");
  StepsThenAnswerLine(75, 70, {"=-9*(-8)", "=72"});
  NumberAndProblem(60, "(2)", 16, "(-9)^2/(-3^3)");
  StepsThenAnswerLine(70, 70, {"=81/(-27)", "=-3"});
  RightColumn();
  NumberAndProblem(60, "(3)", 16, "2*(-2)/(-2^2)");
  StepsThenAnswerLine(70, 70, {"=-4/(-4)", "=1"});
  NumberAndProblem(60, "(4)", 16, "(-5)/(-5)^2*(-25)");
  StepsThenAnswerLine(70, 70, {"=(-5)/25*(-25)", "=+(5*ﾀ1/25ﾀ*25)", "=5"});
}

void OperationsPracticePage() {
  PracticeAnswersPage(kPracticeAnswers, "練習問題 解答");
  ProblemNumberCellBesideTitle(kPracticeAnswers, "2");
  NumberAndProblem(60, "(1)", 16, "-2-18/(-6)");
  StepsThenAnswer(50, {"=-2+3"}, "=1");
  NumberAndProblem(60, "(2)", 16, "9-(-13)+7*(-8)");
  StepsThenAnswer(50, {"=9+13-56", "=22-56"}, "=-34");
  NumberAndProblem(60, "(3)", 16, "-5+(15-6)/3");
  StepsThenAnswer(50, {"=-5+9/3", "=-5+3"}, "=-2");
  // The right column starts level with the title.
  RightColumn();
  NumberAndProblem(0, "(4)", 16, "｛2+(4-8)｝*3");
  StepsThenAnswer(50, {"=(2-4)*3", "=-2*3"}, "=-6");
  NumberAndProblem(60, "(5)", 16, "8*(-2)-(-2^3)");
  StepsThenAnswer(70, {"=-16-(-8)", "=-16+8"}, "=-8");
  NumberAndProblem(60, "(6)", 16, "(-2)^3-(3^2-5)");
  StepsThenAnswer(70, {"=-8-(9-5)", "=-8-4"}, "=-12");
}

void DistributivePracticePage() {
  PracticeAnswersPage(kPracticeAnswers, "練習問題 解答");
  ProblemNumberCellBesideTitle(kPracticeAnswers, "3");
  NumberAndProblem(80, "(1)", 16, "12*(-ﾀ1/3ﾀ+ﾀ3/2ﾀ)");
  StepsThenAnswerLine(70, 70, {"=12*(-ﾀ1/3ﾀ)+12*(ﾀ3/2ﾀ)", "=4*(-1)+6*3", "=-4+18", "=14"});
  RightColumn();
  NumberAndProblem(60, "(2)", 16, "(-ﾀ4/7ﾀ+ﾀ3/2ﾀ)*28");
  StepsThenAnswerLine(70, 70, {"=-ﾀ4/7ﾀ*28+ﾀ3/2ﾀ*28", "=-4*4+3*14", "=-16+42", "=26"});
}

void MixedPracticeAnswers() {
  PracticeAnswersTopic("練習問題 　①,②,③解答　　　④終了",
                       {
                           PowersPracticePage,        // ①
                           OperationsPracticePage,    // ②
                           DistributivePracticePage,  // ③
                       });
}

}  // namespace vindrel
