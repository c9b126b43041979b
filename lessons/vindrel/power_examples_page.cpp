// Example 1: (-2)^4 against -2^4 and 2×3^2 against (2×3)^2. The four
// problems first, then each line continued with its expansion and its value.
#include "explanation_page.h"
#include "powers_sets_pages.h"
#include "shell.h"

namespace vindrel {

namespace {

struct PowerExample {
  const char* label;
  const char* problem;
  const char* expansion;
  const char* value;
};

constexpr PowerExample kExamples[] = {
    {"(1)", "(-2)^4=", "(-2)*(-2)*(-2)*(-2)=", "16"},
    {"(2)", "-2^4=", "-(2*2*2*2)=", "-16"},
    {"(3)", "2*3^2=", "2*9=", "18"},
    {"(4)", "(2*3)^2=", "6^2=", "36"},
};

}  // namespace

void PowerExamplesPage() {
  OpenPage({.width = 1760, .height = 1300, .left = 40, .indent = 54, .top = 30});
  Say("例1 次の計算をしなさい。", XI0, YI1, 3);
  for (int k = 1; k <= 4; ++k) {
    Say(kExamples[k - 1].label, XI0, YI1 + 75, 3);
    Say(kExamples[k - 1].problem, XI1 + 27, YI1, 0);
    X_a(k) = X;
    Y_a(k) = Y;
  }
  WaitAnyKey();
  for (int k = 1; k <= 4; ++k) {
    Say(kExamples[k - 1].expansion, X_a(k), Y_a(k), 3);
    WaitAnyKey();
    Continue(kExamples[k - 1].value, 5);
    if (k < 4) WaitAnyKey();
  }
}

}  // namespace vindrel
