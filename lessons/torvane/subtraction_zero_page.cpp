// Subtraction with 0: three worked subtractions in which 0 is the first or
// the second number, and the two rules they show.
#include "addition_pages.h"
#include "explanation_page.h"
#include "layout_cursor.h"
#include "shell.h"

namespace torvane {

namespace {

// One worked subtraction at (x, y), each step on a key: the line with the
// number operated on in colour 3, its rewriting (none: nullptr) and its
// result, each 60 lower and 44 further right. The line is printed in 3, then
// again in 0 with two blanks in the number's place, which advance as far as
// its sign and digit. Returns where the line ended.
float WorkedSubtraction(const char* whole, const char* with_gap, float x, float y,
                        const char* rewriting, const char* result) {
  Say(whole, x, y, 3);
  Say(with_gap, x, y, 0);
  const float line_end = XI2;
  WaitAnyKey();
  if (rewriting) {
    Say(rewriting, x + 44, YI1 + 60, 0);
    WaitAnyKey();
  }
  Say("=", x + 44, YI1 + 60, 0);
  Continue(result, 3);
  WaitAnyKey();
  return line_end;
}

}  // namespace

void SubtractionZeroPage() {
  ExplanationPage(1760, 1300, 44, 18);
  Say("問　次の計算をしなさい。", XI1, YI1, 0);
  Y11 = YI1 + 60;
  X11 = WorkedSubtraction("① 0-(+6)", "① 0-(  )", XI1, Y11, "=0+(-6)", "-6");
  // The second example on the first one's line, 132 right of its end.
  WorkedSubtraction("② 0-(-6)", "② 0-(  )", X11 + 132, Y11, "=0+(+6)", "+6");
  Say("※0からある数をひくことは、その数の符号を変えること", XI1 + 44, YI1 + 60, 5);
  WaitAnyKey();
  WorkedSubtraction("③ (-3)-0", "③ (  )-0", XI1, YI1 + 60, nullptr, "-3");
  Say("※どんな数から0をひいても、差ははじめの数になる。", XI1 + 44, YI1 + 60, 5);
  WaitAnyKey();
  Say("教科書 問5,問6　をしなさい。", 44, 570, 3);
}

}  // namespace torvane
