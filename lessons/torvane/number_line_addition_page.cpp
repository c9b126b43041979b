// Addition on the number line: four worked sums read as the number so much
// larger than the first, then eight exercises with every combination of
// signs, each built on the number line with the arrow keys.
#include "addition_pages.h"
#include "explanation_page.h"
#include "layout_cursor.h"
#include "number_line_sum.h"
#include "shell.h"

namespace torvane {

namespace {

// The sum t1 + t2 on the line at 520, positive numbers signed unless
// `unsigned_positives`.
void SumOnTheLine(float t1, float t2, bool unsigned_positives) {
  Y_a(31) = 520;
  T(1) = t1;
  T(2) = t2;
  NumberLineSum(unsigned_positives);
}

struct WorkedSum {
  const char* sum;
  const char* sentence;  // the sum read as the number so much larger
  float t1, t2;
  const char* answer;  // null: the sum's text as the line wrote it
};

const WorkedSum kWorked[] = {
    {"② (-4)+5=", "-4より5大きい数を求める計算", -4, 5, "1"},
    {"③ 5+(-6)=", "5より-6大きい数を求める計算", 5, -6, "-1"},
    {"④ (-2)+(-6)=", "-2より-6大きい数を求める計算", -2, -6, nullptr},
};

struct Exercise {
  const char* sum;
  float t1, t2;
  const char* answer;
};

const Exercise kExercises[] = {
    {"①(+3)+(+4)=", 3, 4, "+7"},   {"②(+6)+(+2)=", 6, 2, "+8"},  {"③(-3)+(-4)=", -3, -4, "-7"},
    {"④(-6)+(-2)=", -6, -2, "-8"}, {"⑤(+3)+(-4)=", 3, -4, "-1"}, {"⑥(+6)+(-2)=", 6, -2, "+4"},
    {"⑦(-3)+(+4)=", -3, 4, "+1"},  {"⑧(-6)+(+2)=", -6, 2, "-4"},
};

// Where each exercise's answer goes: the pen after its "=".
float& AnswerX(int k) {
  static float* const xs[] = {&U(1), &U(2), &X13, &X14, &X15, &X16, &X17, &X18};
  return *xs[k];
}
float& AnswerY(int k) {
  static float* const ys[] = {&V(1), &V(2), &Y13, &Y14, &Y15, &Y16, &Y17, &Y18};
  return *ys[k];
}

void WorkedSums() {
  ExplanationPage(1760, 1300, 44, 30);
  Say("<加法(たし算)> ", XI1, YI1, 3);
  Continue(" 次の計算をしなさい。", 0);
  // The first sum shows its answer before the line, its sentence after it.
  Say("① 3+5=", XI1, YI1 + 75, 0);
  WaitAnyKey();
  Continue("8", 5);
  SumOnTheLine(3, 5, true);
  WaitAnyKey();
  Continue(" 3より5大きい数を求める計算", 7);
  WaitAnyKey();
  // The others: the sentence first, 132 right of the "=", the answer after
  // the line.
  for (const WorkedSum& w : kWorked) {
    Say(w.sum, XI1, YI1 + 75, 0);
    U(1) = XI2;
    V(1) = YI1;
    WaitAnyKey();
    Say(w.sentence, U(1) + 132, YI1, 7);
    SumOnTheLine(w.t1, w.t2, true);
    Say(w.answer ? w.answer : T_s(3), U(1), V(1), 5);
    WaitAnyKey();
  }
  WaitAnyKey();
}

void Exercises() {
  ExplanationPage(1760, 1300, 44, 30);
  Say("問　次の2数の和を求めなさい。", XI1, YI1, 0);
  Continue("(和…加法の結果、答)", 3);
  // Two to a row, the second 132 right of the first, room for its answer.
  for (int k = 0; k < 8; ++k) {
    if (k % 2 == 0) {
      Say(kExercises[k].sum, 44, 30 + 75 * (k / 2 + 1), 0);
    } else {
      Say(kExercises[k].sum, XI2 + 132, YI1, 0);
    }
    AnswerX(k) = XI2;
    AnswerY(k) = YI1;
  }
  for (int k = 0; k < 8; ++k) {
    SumOnTheLine(kExercises[k].t1, kExercises[k].t2, false);
    Say(kExercises[k].answer, AnswerX(k), AnswerY(k), 5);
    if (k < 7) WaitAnyKey();
  }
}

}  // namespace

void NumberLineAdditionPage() {
  WorkedSums();
  Exercises();
}

}  // namespace torvane
