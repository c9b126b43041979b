// Item ② of "学びを身につけよう": the highest and lowest temperatures of
// three days with their changes, four entries open; the open entries and
// the temperatures of the day before are worked out one key at a time.
#include "construct_globals.h"
#include "figure_globals.h"
#include "layout_cursor.h"
#include "page_faces.h"
#include "review_pages.h"
#include "shell.h"

namespace quorrel {

namespace {

constexpr float kRowHeight = 50;

// One answer: its label, working and result; `beside` puts it 40 right of
// the answer before, on the same line.
struct Answer {
  const char* label;
  float label_colour;
  const char* working;
  const char* result;
  bool beside;
};

}  // namespace

void TemperatureTableAnswers() {
  ReviewAnswersPage("学びを身につけよう", 20, 11);
  ReviewNumberCellBesideTitle("2");

  X_a(0) = 40;
  X_a(1) = X_a(0) + 152;
  for (int i = 2; i <= 4; ++i) X_a(i) = X_a(i - 1) + 285;
  Y_a(0) = 70;
  for (int i = 1; i <= 3; ++i) Y_a(i) = Y_a(i - 1) + kRowHeight;
  const char* const dates[] = {"3月6日", "3月7日", "3月8日"};
  for (int i = 1; i <= 3; ++i) X_sa(i) = dates[i - 1];
  for (int i = 1; i <= 3; ++i) {
    Cell(X_a(i), Y_a(0), X_a(i + 1) - X_a(i), kRowHeight, 0, 3, 13, X_sa(i));
  }
  const char* const highest[] = {"最高気温", "9.2℃[-4.8]", "(ｱ)℃[(ｲ)]", "13.3℃[+4.2]"};
  const char* const lowest[] = {"最低気温", "(ｳ)℃[-2.5]", "-1.2℃[-3]", "(ｴ)℃[+5.6]"};
  for (int i = 0; i <= 3; ++i) {
    X_sa(i) = highest[i];
    T_s(i) = lowest[i];
  }
  for (II = 0; II <= 3; II = II + 1) {
    const float fill = II == 0 ? 13 : 15;
    Cell(X_a(II), Y_a(1), X_a(II + 1) - X_a(II), kRowHeight, 0, 3, fill, X_sa(II));
    Cell(X_a(II), Y_a(2), X_a(II + 1) - X_a(II), kRowHeight, 0, 3, fill, T_s(II));
  }
  WaitAnyKey();

  const Answer answers[] = {
      {"ア ", 7, "13.3-4.2=", "9.1", false},
      {"イ ", 7, "9.1-9.2=", "-0.1", true},
      {"ウ ", 7, "-1.2+3=", "1.8", false},
      {"エ ", 7, "-1.2+5.6=", "4.4", true},
      {"3月5日の最高気温 ", 3, "9.2+4.8=", "14(℃)", false},
      {"3月5日の最低気温 ", 3, "1.8+2.5=", "4.3(℃)", false},
  };
  // The lines stand 60 apart from 10 below the table.
  for (int i = 0; i < 6; ++i) {
    const Answer& answer = answers[i];
    if (i > 0) WaitAnyKey();
    if (answer.beside) {
      Say(answer.label, XI2 + 40, YI1, answer.label_colour);
    } else {
      Say(answer.label, XI0, i == 0 ? Y_a(3) + 10 : YI1 + 60, answer.label_colour);
    }
    Continue(answer.working, 0);
    Continue(answer.result, 5);
  }
}

}  // namespace quorrel
