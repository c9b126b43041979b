// Answers of textbook questions 5 and 6 on the number line from -7 to 7,
// drawn 320 units down the page.
#include <initializer_list>
#include <utility>

#include "figure_globals.h"
#include "globals.h"
#include "layout_cursor.h"
#include "marking_pages.h"
#include "shell.h"
#include "textbook_answers.h"

namespace almeno {

namespace {

// `text` centred over x, its top at y.
void PrintCentredOver(float x, float y, const std::string& text, float colour) {
  A_s = text;
  MeasureMarkupWidth();
  P1 = LLT / 2;
  PrintAt(text, x - P1, y, colour);
}

// The points' values U(k) and labels T_s(k), from k = 1.
void SetPoints(std::initializer_list<std::pair<float, const char*>> points) {
  int k = 1;
  for (const auto& [value, label] : points) {
    U(k) = value;
    T_s(k) = label;
    ++k;
  }
}

// The number line at y 320, and the x of points 1 to n on it.
void AnswerLineWithPoints(int n) {
  Y_a(31) = 320;
  SignedNumberLine();
  for (int k = 1; k <= n; ++k) V(k) = X_a(32) + 80 * U(k);
}

// Point k: a disc at V(k) on the line, its label T_s(k) centred `height`
// units above the line.
void PointWithLabel(int k, float colour, float height) {
  PsCIRCLE_DISC(V(k), Y_a(31), 15, 5);
  PrintCentredOver(V(k), Y_a(31) - height, T_s(k), colour);
}

}  // namespace

void Question5AnswersPage() {
  TextbookAnswersPage("問5　点A,B,Cにあたる数をいいなさい。", 44, 30, 0);
  SetPoints({{-4, "A"}, {-1.5, "B"}, {0.5, "C"}});
  T_s(11) = "-4";
  T_s(12) = "-1.5";
  T_s(13) = "0.5";
  AnswerLineWithPoints(3);
  for (int k = 1; k <= 3; ++k) PointWithLabel(k, 3, 90);
  WaitAnyKey();
  for (int k = 1; k <= 3; ++k) {
    PrintCentredOver(V(k), Y_a(31) - 160, T_s(10 + k), 5);
    WaitAnyKey();
  }
  TextbookTaskLine("教科書 問6　をしなさい。", 44, 580);
}

void Question6AnswersPage() {
  TextbookAnswersPage("問6 解答", 40, 30);
  SetPoints({{-3, "-3"}, {3.5, "ﾀ7/2ﾀ"}, {4.5, "+4.5"}, {-2.5, "-2.5"}});
  // The question's numbers on one line, a comma after each but the last and
  // 40 units after each comma.
  Say(T_s(1), 40, YI1 + 70, 3);
  for (int k = 2; k <= 4; ++k) {
    Continue(",", 0);
    Say(T_s(k), XI2 + 40, YI1, 3);
  }
  AnswerLineWithPoints(4);
  WaitAnyKey();
  const float heights[] = {90, 90, 90, 140};
  for (int k = 1; k <= 4; ++k) {
    PointWithLabel(k, 3, heights[k - 1]);
    if (k < 4) WaitAnyKey();
  }
}

}  // namespace almeno
