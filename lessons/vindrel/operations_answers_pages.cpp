// The answers of textbook questions 3 and 4: the heading, one key, then
// every answer at once, each a question and its working lines with the value
// at the end of the last one.
#include <initializer_list>

#include "powers_sets_pages.h"
#include "shell.h"
#include "textbook_answers.h"

namespace vindrel {

namespace {

struct OperationsAnswer {
  const char* label;
  const char* question;
  std::initializer_list<const char*> lines;
  const char* value;
};

// The answers of one column from its top, 50 below the heading line and 70
// below the answer before.
void OperationsAnswerColumn(float left, std::initializer_list<OperationsAnswer> answers) {
  SetMargins({.left = left, .indent = 54, .top = 30});
  float gap = 50;
  for (const OperationsAnswer& answer : answers) {
    Say(answer.label, XI0, YI1 + gap, 3);
    Say(answer.question, XI1, YI1, 0);
    for (const char* line : answer.lines) Say(line, XI1, YI1 + 50, 0);
    Continue(answer.value, 5);
    gap = 70;
  }
}

}  // namespace

void OperationsQuestion3AnswersPage() {
  TextbookAnswersPage("問3　解答", 40, 30, 3, 1320, 1300);
  WaitAnyKey();
  OperationsAnswerColumn(40, {
                                 {"(1)", " -4-6*(-3)", {"=-4+18"}, "=14"},
                                 {"(2)", " 3*(-7)-9*(-8)", {"=-21+72"}, "=51"},
                                 {"(3)", " 5*(-12)+14/7", {"=-60+2"}, "=-58"},
                                 {"(4)", " 10/(-5)-(-6)*2", {"=-2-(-12)", "=-2+12"}, "=10"},
                             });
  OperationsAnswerColumn(640, {
                                  {"(5)", " 4*(-2)+(-3^2)", {"=-8+(-9)", "=-8-9"}, "=-17"},
                                  {"(6)", " (-2)^2+2^3/(-4)", {"=4+8/(-4)", "=4-2"}, "=2"},
                              });
}

void OperationsQuestion4AnswersPage() {
  TextbookAnswersPage("問4　解答", 40, 30, 3, 1320, 1300);
  WaitAnyKey();
  OperationsAnswerColumn(40, {{"(1)", " -5+(13-7)/3", {"=-5+6/3", "=-5+2"}, "=-3"}});
  OperationsAnswerColumn(
      640, {{"(2)", " 7-{(-2)^2-(9-14)}", {"=7-{4-(-5)}", "=7-(4+5)", "=7-9"}, "=-2"}});
}

}  // namespace vindrel
