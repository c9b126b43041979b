// When is a power of -2 positive, when negative? The powers (-2)^1 to
// (-2)^8, each from the one before times (-2), then the two answers.
#include "explanation_page.h"
#include "powers_sets_pages.h"
#include "shell.h"

namespace vindrel {

namespace {

// One question line at (`XI0`, y): its label, (-2) with a box for its
// exponent, and the question.
void SignQuestion(const char* label, float y, const char* question) {
  Say(label, XI0, y, 7);
  Continue("(-2)^□ ", 3);
  Continue(question, 0);
}

// A power, its product (none when empty) and its value, one key apiece.
void PowerStep(const char* product, const char* value) {
  WaitAnyKey();
  if (*product) {
    Continue(product, 0);
    WaitAnyKey();
  }
  Continue(value, 0);
}

}  // namespace

void PowerSignPatternPage() {
  OpenPage({.width = 1760, .height = 1300, .left = 40, .indent = 54, .top = 30});
  SignQuestion("Q1 ", YI1, "が正の数になるのは□がどんな数のとき? ");
  // Each row: an odd power at the margin, the even one 30 after its value.
  struct Row {
    const char *odd, *odd_product, *odd_value, *even, *even_product, *even_value;
  };
  constexpr Row kRows[] = {
      {"(-2)^1", "", "=-2", "(-2)^2", "=(-2)*(-2)", "=4"},
      {"(-2)^3", "=4*(-2)", "=-8", "(-2)^4", "=-8*(-2)", "=16"},
      {"(-2)^5", "=16*(-2)", "=-32", "(-2)^6", "=-32*(-2)", "=64"},
      {"(-2)^7", "=64*(-2)", "=-128", "(-2)^8", "=-128*(-2)", "=256"},
  };
  for (const Row& row : kRows) {
    WaitAnyKey();
    Say(row.odd, XI1, YI1 + 60, 3);
    PowerStep(row.odd_product, row.odd_value);
    WaitAnyKey();
    Say(row.even, XI2 + 30, YI1, 3);
    PowerStep(row.even_product, row.even_value);
  }
  WaitAnyKey();
  Say("偶数のとき", XI1, YI1 + 60, 5);
  WaitAnyKey();
  SignQuestion("Q2 ", YI1 + 70, "が負の数になるのは□がどんな数のとき? ");
  WaitAnyKey();
  Say("奇数のとき", XI1, YI1 + 60, 5);
}

}  // namespace vindrel
