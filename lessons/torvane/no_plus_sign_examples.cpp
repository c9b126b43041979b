// Item ①: the eight sums and differences of 3 and 4, each with its signs
// and brackets written out, rewritten without "+" and then computed.
#include "explanation_page.h"
#include "shell.h"
#include "terms_pages.h"

namespace torvane {

namespace {

struct Row {
  const char* label;
  const char* question;
  const char* without_plus;
};
const Row kRows[] = {
    {"① ", "(+3)+(+4)=", "3+4"},  {"② ", "(+3)+(-4)=", "3+(-4)"},
    {"③ ", "(-3)+(+4)=", "-3+4"}, {"④ ", "(-3)+(-4)=", "-3+(-4)"},
    {"⑤ ", "(+3)-(+4)=", "3-4"},  {"⑥ ", "(+3)-(-4)=", "3-(-4)"},
    {"⑦ ", "(-3)-(+4)=", "-3-4"}, {"⑧ ", "(-3)-(-4)=", "-3-(-4)"},
};

// One piece of the computing, revealed by a key at the end of its row; where
// the row goes on after it, the row's end moves behind it.
struct Step {
  int row;
  const char* text;
  float colour;
  bool row_goes_on;
  float gap = 0;
};
const Step kComputing[] = {
    {1, "=7", 3, false}, {2, "=-1", 3, true},       {3, "=1", 3, false},
    {4, "=-7", 3, true}, {5, "=-1", 3, false},      {6, "=3+4", 0, true},
    {6, "=7", 3, false}, {7, "=-7", 3, false},      {8, "=-3+4", 0, true},
    {8, "=1", 3, false}, {2, "=3-4", 7, false, 30}, {4, "=-3-4", 7, false, 30},
};

// The end of row `row` so far is kept in X_a(row), Y_a(row).
void AtRowEnd(int row, const std::string& text, float colour, bool row_goes_on, float gap = 0) {
  A = row;
  Say(text, X_a(row) + gap, Y_a(row), colour);
  if (row_goes_on) {
    X_a(row) = XI2;
    Y_a(row) = YI1;
  }
}

}  // namespace

void NoPlusSignExamples() {
  OpenPage({.width = 1760, .height = 1300, .left = 30, .top = 20});
  Say("Q1 ", XI0, YI1, 3);
  Continue("次の式を、正の符号+をつけずに表しなさい。", 0);
  for (int row = 1; row <= 8; ++row) {
    A = row;
    Say(kRows[row - 1].label, XI0, YI1 + 60, 3);
    Continue(kRows[row - 1].question, 0);
    X_a(row) = XI2;
    Y_a(row) = YI1;
  }

  for (int row = 1; row <= 8; ++row) {
    WaitAnyKey();
    AtRowEnd(row, kRows[row - 1].without_plus, 0, true);
  }
  WaitAnyKey();
  Say("Q2 ", XI0, YI1 + 60, 3);
  Continue("表した式を計算しなさい。", 7);
  for (const Step& step : kComputing) {
    WaitAnyKey();
    AtRowEnd(step.row, step.text, step.colour, step.row_goes_on, step.gap);
  }
}

}  // namespace torvane
