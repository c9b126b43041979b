// The answers of textbook question 2, drawn whole: each a chain of
// equalities down the page, three in the left column and two in the right.
#include <initializer_list>

#include "explanation_page.h"
#include "powers_sets_pages.h"
#include "shell.h"

namespace vindrel {

namespace {

// One line below the problem: its step below the line above, its text.
struct WorkingLine {
  float step;
  const char* text;
};

// The label at `XI0` and the problem 16 right of `XI1`, 60 below the last
// line; then the lines at `XI1`, the last one, the value, in colour 5.
void Q2Answer(const char* label, const char* problem, std::initializer_list<WorkingLine> lines) {
  Say(label, XI0, YI1 + 60, 3);
  Say(problem, XI1 + 16, YI1, 0);
  size_t n = 0;
  for (const WorkingLine& line : lines) {
    Say(line.text, XI1, YI1 + line.step, ++n == lines.size() ? 5 : 0);
  }
}

}  // namespace

void PowerQ2AnswersPage() {
  OpenPage({.width = 1760, .height = 1300, .left = 40, .indent = 54, .top = 30});
  Say("問2　解答", XI0, YI1, 3);
  Q2Answer("(1)", "(-3)^3", {{54, "=(-3)*(-3)*(-3)"}, {50, "=-27"}});
  Q2Answer("(2)", "-5^3", {{54, "=-5*5*5"}, {50, "=-125"}});
  Q2Answer("(3)", "-1.5^2", {{54, "=-1.5*1.5"}, {50, "=-2.25"}});
  // (4) and (5) in the right-hand column.
  SetMargins({.left = 600, .indent = 54, .top = 30});
  Q2Answer("(4)", "(-4)^2*(-7)", {{54, "=16*(-7)"}, {50, "=-112"}});
  Q2Answer("(5)", "(-6^2)/(-2)^3", {{70, "=-36/(-8)"}, {70, "=+ﾀ36/8ﾀ"}, {70, "=ﾀ9/2ﾀ"}});
}

}  // namespace vindrel
