// Item ④: the answers of textbook questions 7 and 8, three calculations in
// each of two columns, one answer a key.
#include <initializer_list>

#include "explanation_page.h"
#include "shell.h"
#include "terms_pages.h"

namespace torvane {

namespace {

struct CalculationAnswer {
  const char* label;
  const char* problem;
  const char* working;
  const char* result;
};

// After a key: the label, the problem on its line, the working line and the
// result below.
void ShowAnswer(const CalculationAnswer& answer) {
  WaitAnyKey();
  Say(answer.label, XI0, YI1 + 60, 3);
  Say(answer.problem, XI1, YI1, 0);
  Say(answer.working, XI1, YI1 + 50, 0);
  Say(answer.result, XI1, YI1 + 50, 5);
}

// A column: its heading at the margin of its lines, then its answers.
void Column(const char* heading, float label_margin,
            std::initializer_list<CalculationAnswer> answers) {
  SetMargins({.left = label_margin, .indent = 54, .top = 30});
  Say(heading, XI1, YI1, 3);
  for (const CalculationAnswer& answer : answers) ShowAnswer(answer);
}

}  // namespace

void TermsAnswersPage() {
  BlankPage(1760, 1300);
  Column("問7の解答", 30,
         {
             {"(1)", " 7+(-9)", "=-(9-7)", "=-2"},
             {"(2)", " -2+6", "=(6-2)", "=4"},
             {"(3)", " -8+8", "=(8-8)", "=0"},
         });
  Column("問8の解答", 600,
         {
             {"(1)", " 6-9", "=-(9-6)", "=-3"},
             {"(2)", " 8-(-4)", "=8+4", "=12"},
             {"(3)", " -15-8", "=-(15+8)", "=-23"},
         });
}

}  // namespace torvane
