// Item ④: textbook questions 3 and 4 on the records of five classes and
// their differences from a provisional mean of 45: the four blanks filled
// one by one, then the mean of the classes from the differences.
#include "construct_globals.h"
#include "explanation_page.h"
#include "layout_cursor.h"
#include "page_faces.h"
#include "shell.h"
#include "signed_numbers_use_pages.h"
#include "textbook_answers.h"

namespace quorrel {

namespace {

constexpr float kRowHeight = 50;

float Width(int column) {
  return X_a(column + 1) - X_a(column);
}

// The answer of a blank: a new cell over it, its text in colour 5.
void FillBlank(int column, int row, const char* answer) {
  Cell(X_a(column), Y_a(row), Width(column), kRowHeight, 5, 3, 15, answer);
}

}  // namespace

void ClassRecordsQuestions() {
  OpenPage({.width = 1760, .height = 1300, .margin = 40, .top = 30});
  FE_SETDRAWWIDTH(5);
  X_a(0) = 400;
  X_a(1) = X_a(0) + 342;
  for (int i = 2; i <= 6; ++i) X_a(i) = X_a(i - 1) + 90;
  Y_a(0) = 20;
  for (int i = 1; i <= 4; ++i) Y_a(i) = Y_a(i - 1) + kRowHeight;

  const char* const classes[] = {"1組", "2組", "3組", "4組", "5組"};
  for (int i = 1; i <= 5; ++i) X_sa(i) = classes[i - 1];
  for (int i = 1; i <= 5; ++i) Cell(X_a(i), Y_a(0), Width(i), kRowHeight, 0, 3, 13, X_sa(i));
  const char* const records[] = {"跳べた回数(回)", "①", "40", "③", "55", "42"};
  const char* const differences[] = {"仮平均との違い(回)", "+6", "②", "-8", "④", "-3"};
  for (int i = 0; i <= 5; ++i) {
    X_sa(i) = records[i];
    T_s(i) = differences[i];
  }
  for (int i = 0; i <= 5; ++i) {
    Cell(X_a(i), Y_a(1), Width(i), kRowHeight, 0, 3, i == 0 ? 13 : 15, X_sa(i));
    Cell(X_a(i), Y_a(2), Width(i), kRowHeight, 0, 3, i == 0 ? 13 : 15, T_s(i));
  }

  Say("問3", XI1, YI1, 7);
  Continue("空欄をうめなさい。", 0);
  WaitAnyKey();
  Say("5組の記録から", XI1, YI1 + 50, 0);
  Say("仮平均は", XI1, YI1 + 50, 3);
  WaitAnyKey();
  Say("42+3=", XI1, YI1 + 50, 0);
  Continue("45(回)", 3);
  WaitAnyKey();
  // Question 4 is worked in a second column, from here.
  Continue(" だから", 0);
  U(1) = XI2 + 40;
  V(1) = YI1;

  struct Blank {
    const char* mark;
    const char* working;
    const char* answer;
    int column, row;
  };
  const Blank blanks[] = {
      {"①", "45+6=", "51", 1, 1},
      {"②", "40-45=", "-5", 2, 2},
      {"③", "45-8=", "37", 3, 1},
      {"④", "55-45=", "+10", 4, 2},
  };
  for (const Blank& blank : blanks) {
    Say(blank.mark, XI1, YI1 + 50, 7);
    Continue(blank.working, 0);
    WaitAnyKey();
    Continue(blank.answer, 3);
    FillBlank(blank.column, blank.row, blank.answer);
    WaitAnyKey();
  }

  SetMargins({.margin = U(1), .top = V(1)});
  Say("問4", XI1, YI1 + 30, 7);
  Continue("表から1年生5クラスの平均を求めなさい。", 0);
  ProvisionalMeanWorking({70, "6-5-8+10-3=", "0(回)", "0/5=", "0(回)", "45-0=", "45(回)"});
  WaitAnyKey();
  TextbookTaskLine("教科書 練習問題 をしなさい。", XI1, YI1 + 70);
}

}  // namespace quorrel
