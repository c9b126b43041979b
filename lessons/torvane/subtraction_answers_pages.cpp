// The worked answers of the subtraction questions 5 and 6 of the textbook:
// each problem, its rewriting as the addition of the opposite, the result.
#include <vector>

#include "addition_pages.h"
#include "explanation_page.h"
#include "layout_cursor.h"
#include "shell.h"

namespace torvane {

namespace {

struct Answer {
  const char* label;
  const char* problem;
  std::vector<const char*> lines;  // under the problem; the last is the result
  float step;                      // between the lines: 70 with fractions
};

// An answer 60 below the line before (`first_on_row`: on the line itself);
// its label at `XI0`, the problem and the lines at `XI1`.
void ShowAnswer(const Answer& a, bool first_on_row = false) {
  const float y = first_on_row ? YI1 : YI1 + 60;
  Say(a.label, XI0, y, 0);
  Say(a.problem, XI1, y, 0);
  for (size_t i = 0; i < a.lines.size(); ++i) {
    Say(a.lines[i], XI1, YI1 + a.step, i + 1 == a.lines.size() ? 5 : 0);
  }
}

// The page: the heading over the first column; the second column's first
// answer level with the heading.
void AnswersPage(const char* heading, float second_column, const std::vector<Answer>& first,
                 const std::vector<Answer>& second) {
  OpenPage({.width = 1760, .height = 1300, .left = 40, .margin = 108, .top = 30});
  Say(heading, XI0, YI1, 3);
  for (const Answer& a : first) ShowAnswer(a);
  SetMargins({.left = second_column - 67, .margin = second_column, .top = 30});
  bool first_on_row = true;
  for (const Answer& a : second) {
    ShowAnswer(a, first_on_row);
    first_on_row = false;
  }
}

}  // namespace

void SubtractionAnswers5Page() {
  AnswersPage("教科書 問5 解答", 480,
              {
                  {"(1)", " (+6)-(-2)", {"=(+6)+(+2)", "=+8"}, 50},
                  {"(2)", " (-9)-(+4)", {"=(-9)+(-4)", "=-13"}, 50},
                  {"(3)", " 0-(-7)", {"=0+(+7)", "=+7"}, 50},
              },
              {
                  {"(4)", " (-5)-(-5)", {"=(-5)+(+5)", "=0"}, 50},
                  {"(5)", " (-27)-(-12)", {"=(-27)+(+12)", "=-15"}, 50},
                  {"(6)", " (-17)-(+54)", {"=(-17)+(-54)", "=-71"}, 50},
              });
}

void SubtractionAnswers6Page() {
  AnswersPage("教科書 問6 解答", 560,
              {
                  {"(1)", " (-1.6)-(+0.6)", {"=(-1.6)+(-0.6)", "=-2.2"}, 50},
                  {"(2)", " (+3.5)-(-2.3)", {"=(+3.5)+(+2.3)", "=+5.8"}, 50},
                  {"(3)", " (-ﾀ1/6ﾀ)-(-ﾀ5/6ﾀ)", {"=(-ﾀ1/6ﾀ)+(+ﾀ5/6ﾀ)", "=+ﾀ4/6ﾀ=+ﾀ2/3ﾀ"}, 70},
              },
              {
                  {"(4)",
                   " (+ﾀ1/2ﾀ)-(-ﾀ1/3ﾀ)",
                   {"=(+ﾀ1/2ﾀ)+(+ﾀ1/3ﾀ)", "=(+ﾀ3/6ﾀ)+(+ﾀ2/6ﾀ)", "=+ﾀ5/6ﾀ"},
                   70},
              });
}

}  // namespace torvane
