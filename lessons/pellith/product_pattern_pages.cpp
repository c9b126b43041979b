// ②正×負 and ③負×負: the multiplier of a fixed multiplicand steps down
// from 3 to -3, each product marked on the number line and joined to the one
// before by a dotted arc; then a negative multiplier drawn as reversed
// arrows, one more product worked out, the rule and a textbook question.
#include <array>
#include <string>

#include "explanation_page.h"
#include "figures.h"
#include "layout_cursor.h"
#include "multiplication_pages.h"
#include "pellith_steps_line.h"
#include "product_figures.h"
#include "shell.h"
#include "textbook_question_lines.h"

namespace pellith {

namespace {

struct QuestionAnswer {
  const char* question;
  const char* answer;
};

// What differs between the two pages.
struct PatternPage {
  const char* heading;
  float multiplicand;
  std::array<QuestionAnswer, 7> rows;  // multipliers 3, 2, 1, 0, -1, -2, -3
  const char* last_question;           // row ⑧, worked in four steps
  const char* last_sign;
  const char* last_step;
  const char* last_answer;
  const char* rule;
  const char* textbook_line;
  std::array<QuestionAnswer, 3> textbook;
};

constexpr PatternPage kPositiveByNegative{
    "課2 ",
    2,
    {{{"(+2)*(+3)=", "+6"},
      {"(+2)*(+2)=", "+4"},
      {"(+2)*(+1)=", "+2"},
      {"(+2)*0=", "0"},
      {"(+2)*(-1)=", "-2"},
      {"(+2)*(-2)=", "-4"},
      {"(+2)*(-3)=", "-6"}}},
    "7*(-5)=",
    "-",
    "(7*5)=",
    "-35",
    "(正の数)*(負の数)→ -(絶対値の積)",
    "教科書 問2をしなさい。",
    {{{"5*(-6)", "=-30"}, {"9*(-8)", "=-72"}, {"10*(-10)", "=-100"}}},
};

constexpr PatternPage kNegativeByNegative{
    "課3 ",
    -2,
    {{{"(-2)*(+3)=", "-6"},
      {"(-2)*(+2)=", "-4"},
      {"(-2)*(+1)=", "-2"},
      {"(-2)*0=", "0"},
      {"(-2)*(-1)=", "+2"},
      {"(-2)*(-2)=", "+4"},
      {"(-2)*(-3)=", "+6"}}},
    "(-8)*(-5)=",
    "+",
    "(8*5)=",
    "40",
    "(負の数)*(負の数)→ +(絶対値の積)",
    "教科書 問3をしなさい。",
    {{{"(-4)*(-9)", "=36"}, {"(-8)*(-7)", "=56"}, {"(-10)*(-10)", "=100"}}},
};

const char* const kRowMarks[] = {"①", "②", "③", "④", "⑤", "⑥", "⑦", "⑧"};

void PatternPageSteps(const PatternPage& page) {
  OpenPage({.width = 1760, .height = 1300, .left = 40, .margin = 40, .top = 30});
  Say(page.heading, XI1, YI1, 7);
  Continue("次の計算をしなさい。", 0);

  // Rows ①, ④ and ⑦ begin the three lines; the others follow on the line.
  for (int row = 0; row < 7; ++row) {
    if (row % 3 == 0) {
      Say(kRowMarks[row], XI1, 80 + 50 * (row / 3), 3);
    } else {
      Say(kRowMarks[row], XI2 + 40, YI1, 3);
    }
    Continue(page.rows[row].question, 0);
    WaitAnyKey();
    Continue(page.rows[row].answer, 5);
    if (row == 0) {
      Y_a(31) = 280;
      StepsNumberLine();
    }
    F(1) = page.multiplicand;
    T(1) = 3 - row;
    ProductPatternStep();
    WaitAnyKey();
  }

  // The same product with a negative multiplier, as reversed arrows.
  PsBOX_STEP(X_a(31) - 60, Y_a(31) - 50, 2000, 400, 15, 15);
  T(1) = page.multiplicand;
  T(2) = -3;
  StepsNumberLine();
  OppositeAdditionArrows();
  WaitAnyKey();

  Say(kRowMarks[7], XI2 + 80, YI1, 3);
  Continue(page.last_question, 0);
  WaitAnyKey();
  Continue(page.last_sign, 3);
  WaitAnyKey();
  Continue(page.last_step, 3);
  WaitAnyKey();
  Continue(page.last_answer, 5);
  WaitAnyKey();

  Say("　負の数をかけるとき", XI1, YI1 + 200, 3);
  Say(page.rule, XI1, YI1 + 50, 5);
  WaitAnyKey();
  Say(page.textbook_line, XI1, YI1 + 50, 0);
  WaitAnyKey();
  QuestionThenAnswer("(1)", page.textbook[0].question, page.textbook[0].answer, XI0, YI1 + 50);
  WaitAnyKey();
  QuestionThenAnswer("(2)", page.textbook[1].question, page.textbook[1].answer, XI2 + 35, YI1);
  WaitAnyKey();
  QuestionThenAnswer("(3)", page.textbook[2].question, page.textbook[2].answer, XI0, YI1 + 50);
}

}  // namespace

void PositiveByNegativePage() {
  PatternPageSteps(kPositiveByNegative);
}

void NegativeByNegativePage() {
  PatternPageSteps(kNegativeByNegative);
}

}  // namespace pellith
