// The worked answers of the practice problems, in two columns under a title
// cell and the page's number: the sign of the result in front of a bracket
// of absolute values, the factors left after cancelling beside it, then the
// answer.
#include "mul_div_practice_pages.h"

#include "answer_columns.h"
#include "multiplication_layouts.h"
#include "shell.h"

namespace pellith {
namespace {

void PageHeader(const PracticeAnswersLayout& layout, const char* title, const char* number) {
  PracticeAnswersPage(layout, title);
  ProblemNumberCellBesideTitle(layout, number);
}

// Pages 1 and 2: a working line and the answer under it, or the answer alone.
WorkedAnswer SignRule(const char* label, const char* problem, const char* working,
                      const char* answer, float answer_step) {
  if (*working == '\0') return {label, 60, {Problem(problem), Below(answer, answer_step, 5)}};
  return {label, 60, {Problem(problem), Below(working, 54), Below(answer, answer_step, 5)}};
}

// Pages 3 and 4: working lines 75 apart, the last with the factors left
// after cancelling beside it (none where `cancelled` is empty).
WorkedAnswer Cancelled(const char* label, float gap, const char* problem,
                       std::initializer_list<const char*> working, const char* cancelled,
                       const char* answer) {
  WorkedAnswer block{label, gap, {Problem(problem)}};
  for (const char* line : working) block.lines.push_back(Below(line, 75));
  if (*cancelled != '\0') block.lines.push_back(Beside(cancelled, 7));
  block.lines.push_back(Below(answer, 75, 5));
  return block;
}

}  // namespace

void MulDivPracticePage1() {
  PageHeader(kPracticeAnswers, "練習問題", "1");
  AnswerColumns({
      {40,
       {SignRule("(1)", "9*(-7)", "=-(9*7)", "=-63", 54),
        SignRule("(2)", "(-5)*4", "=-(5*4)", "=-20", 54),
        SignRule("(3)", "(-15)*0", "", "=0", 54)}},
      {480,
       {SignRule("(4)", "4*(-0.1)", "=-(4*0.1)", "=-0.4", 54),
        SignRule("(5)", "(-0.3)*(-0.2)", "=+(0.3*0.2)", "=0.06", 54),
        SignRule("(6)", "(-0.7)*10", "=-(0.7*10)", "=-7", 54)}},
  });
}

void MulDivPracticePage2() {
  PageHeader(kPracticeAnswers, "練習問題", "2");
  AnswerColumns({
      {40,
       {SignRule("(1)", "32/(-4)", "=-(32/4)", "=-8", 50),
        SignRule("(2)", "(-8)/8", "=-(8/8)", "=-1", 50),
        SignRule("(3)", "(-45)/(-9)", "=+(45/9)", "=5", 50)}},
      {480,
       {{"(4)",
         60,
         {Problem("(-6)/0.3"), Below("=-(6/0.3)", 54), Below("=-(60/3)", 54),
          Below("=-20", 50, 5)}},
        SignRule("(5)", "0/(-3.1)", "", "=0", 50),
        SignRule("(6)", "(-0.3)/6", "=-(0.3/6)", "=-0.05", 50)}},
  });
}

void MulDivPracticePage3() {
  PageHeader(kPracticeAnswersPage3, "練習問題 解答", "3");
  AnswerColumns({
      {40,
       {Cancelled("(1)", 60, "(-ﾀ2/9ﾀ)*(-ﾀ3/4ﾀ)", {"=+(ﾀ2/9ﾀ*ﾀ3/4ﾀ)"}, "=+(ﾀ1/3ﾀ*ﾀ1/2ﾀ)", "=ﾀ1/6ﾀ"),
        Cancelled("(2)", 80, "ﾀ4/15ﾀ/(-ﾀ2/5ﾀ)", {"=-(ﾀ4/15ﾀ*ﾀ5/2ﾀ)"}, "=-(ﾀ2/3ﾀ*ﾀ1/1ﾀ)",
                  "=-ﾀ2/3ﾀ")}},
      {600, {Cancelled("(3)", 60, "(-6)/ﾀ2/3ﾀ", {"=-(6*ﾀ3/2ﾀ)"}, "=-(3*ﾀ3/1ﾀ)", "=-9")}},
  });
}

void MulDivPracticePage4() {
  PageHeader(kPracticeAnswersPage4, "練習問題 解答", "4");
  // The right column starts level with the header cells.
  AnswerColumns({
      {40,
       {Cancelled("(1)", 60, "(-2)*27*(-5)", {"=+(2*5*27)", "=+(10*27)"}, "", "=270"),
        Cancelled("(2)", 60, "(-36)*(-2)/(-9)", {"=(-36)*(-2)*(-ﾀ1/9ﾀ)", "=-(36*2*ﾀ1/9ﾀ)"},
                  "=-(4*2*ﾀ1/1ﾀ)", "=-8")}},
      {600,
       {Cancelled("(3)", 0, "(-12)/4*(-8)", {"=(-12)*ﾀ1/4ﾀ*(-8)", "=+(12*ﾀ1/4ﾀ*8)"},
                  "=+(12*ﾀ1/1ﾀ*2)", "=24"),
        Cancelled("(4)", 80, "24/(-6)/(-2)", {"=24*(-ﾀ1/6ﾀ)*(-ﾀ1/2ﾀ)", "=+(24*ﾀ1/6ﾀ*ﾀ1/2ﾀ)"},
                  "=+(2*ﾀ1/1ﾀ*ﾀ1/1ﾀ)", "=2")}},
  });
  WaitAnyKey();
  PageHeader(kPracticeAnswersPage4, "練習問題 解答", "4");
  AnswerColumns({
      {40,
       {Cancelled("(1)", 60, "(-ﾀ1/3ﾀ)*(-ﾀ3/2ﾀ)*(-ﾀ5/6ﾀ)", {"=-(ﾀ1/3ﾀ*ﾀ3/2ﾀ*ﾀ5/6ﾀ)"},
                  "=-(ﾀ1/1ﾀ*ﾀ1/2ﾀ*ﾀ5/6ﾀ)", "=-ﾀ5/12ﾀ"),
        Cancelled("(2)", 60, "ﾀ1/2ﾀ*(-ﾀ4/3ﾀ)/ﾀ4/9ﾀ",
                  {"=ﾀ1/2ﾀ*(-ﾀ4/3ﾀ)*ﾀ9/4ﾀ", "=-(ﾀ1/2ﾀ*ﾀ4/3ﾀ*ﾀ9/4ﾀ)"}, "=-(ﾀ1/2ﾀ*ﾀ1/1ﾀ*ﾀ3/1ﾀ)",
                  "=-ﾀ3/2ﾀ")}},
      {600,
       {Cancelled("(3)", 0, "(-ﾀ7/4ﾀ)/ﾀ14/15ﾀ*(-ﾀ4/5ﾀ)",
                  {"=(-ﾀ7/4ﾀ)*ﾀ15/14ﾀ*(-ﾀ4/5ﾀ)", "=+(ﾀ7/4ﾀ*ﾀ15/14ﾀ*ﾀ4/5ﾀ)"},
                  "=+(ﾀ1/1ﾀ*ﾀ3/2ﾀ*ﾀ1/1ﾀ)", "=ﾀ3/2ﾀ"),
        Cancelled("(4)", 80, "ﾀ3/5ﾀ/(-0.3)/(-ﾀ2/3ﾀ)",
                  {"=ﾀ3/5ﾀ*(-ﾀ10/3ﾀ)*(-ﾀ3/2ﾀ)", "=+(ﾀ3/5ﾀ*ﾀ10/3ﾀ*ﾀ3/2ﾀ)"}, "=+(ﾀ1/1ﾀ*ﾀ1/1ﾀ*ﾀ3/1ﾀ)",
                  "=3")}},
  });
}

}  // namespace pellith
