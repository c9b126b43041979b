// Item ①: what changing the sign of a number means (first screen), and the
// absolute value as the distance from 0 on the number line (second screen).
#include "explanation_page.h"
#include "figure_globals.h"
#include "figures.h"
#include "layout_cursor.h"
#include "order_absolute_value_pages.h"
#include "page_faces.h"
#include "shell.h"
#include "textbook_answers.h"

namespace almeno {

namespace {

// A question line: its mark in colour 7, the question in colour 0.
void Question(const std::string& mark, const std::string& text, float y) {
  Say(mark, XI0, y, 7);
  Continue(text, 0);
}

void SignChangeScreen() {
  OpenPage({.width = 1760, .height = 1800, .left = 30, .margin = 60, .top = 20});
  Question("Q ", "+3の符号を変えた数をいいなさい。", YI1);
  WaitAnyKey();
  Continue("-3", 5);
  WaitAnyKey();
  Say("符号を変える", XI0, YI1 + 60, 5);
  WaitAnyKey();
  Continue("…+,-の符号をとりかえた数をつくること", 3);
  WaitAnyKey();
  Question("① ", "-4の符号を変えた数をいいなさい。", YI1 + 60);
  WaitAnyKey();
  Continue("+4", 5);
  // Behind "+4" a note goes later.
  U(1) = X;
  V(1) = Y;
  WaitAnyKey();
  Question("② ", "3の符号を変えた数をいいなさい。", YI1 + 60);
  WaitAnyKey();
  Continue("-3", 5);
  WaitAnyKey();
  PrintAt("(4でもよい)", U(1) + 20, V(1), 5);
  WaitAnyKey();
  Question("③ ", "-1.5の符号を変えた数をいいなさい。", YI1 + 60);
  WaitAnyKey();
  Continue("1.5", 5);
}

// The points of 0, 3, -3, -4, 4, -1.5 and 1.5 as X_a(0)..X_a(6), Y_a(0)..Y_a(6).
void StorePoints() {
  static const float kValues[] = {0, 3, -3, -4, 4, -1.5, 1.5};
  for (int m = 0; m <= 6; ++m) {
    X_a(m) = X_a(32) + 80 * kValues[m];
    Y_a(m) = Y_a(31);
  }
}

// A dotted arc above the line from the point of 0 to point `b`, labelled
// with the distance, dots and label in `colour`.
void DistanceArc(int b, float colour, float side, float step, float bulge,
                 const std::string& label) {
  DottedArc({.x0 = X_a(0),
             .y0 = Y_a(0),
             .x1 = X_a(b),
             .y1 = Y_a(b),
             .side = side,
             .step = step,
             .bulge = bulge,
             .colour = colour,
             .label_colour = colour,
             .label = label});
}

void DistanceScreen() {
  OpenPage({.width = 1760, .height = 1800, .left = 30, .margin = 60, .top = 20});
  Say("Q ", XI0, YI1, 0);
  Continue("3,-3,-4,4,-1.5,1.5 ", 3);
  Continue("を数直線上に表しなさい。", 0);
  Y_a(31) = 260;
  AbsoluteValueNumberLine();
  StorePoints();

  struct Disc {
    float value, colour;
  };
  for (const Disc& d : {Disc{3, 7}, {-3, 7}, {-4, 3}, {4, 3}, {-1.5, 9}, {1.5, 9}}) {
    WaitAnyKey();
    DiscOnLine(d.value, d.colour);
  }
  WaitAnyKey();
  Say("3,-4,-1.5 ", XI1, YI1 + 60, 3);
  Continue("とその符号を変えた数との関係は?", 0);

  // Right of 0 the arc lies left of its chord, left of 0 right of it: both
  // above the line. A negative bulge is taken by its size.
  struct Arc {
    int point;
    float colour, side, step, bulge;
    const char* label;
  };
  for (const Arc& a : {Arc{1, 7, -1, 2, 50, "3"},
                       {2, 7, 1, 2, 50, "3"},
                       {3, 3, 1, 1, 60, "4"},
                       {4, 3, -1, 1, 60, "4"},
                       {5, 9, 1, 2, -15, "1.5"},
                       {6, 9, -1, 2, -15, "1.5"}}) {
    WaitAnyKey();
    DistanceArc(a.point, a.colour, a.side, a.step, a.bulge, a.label);
  }
  WaitAnyKey();
  Continue("0からの距離が等しい", 3);
  WaitAnyKey();
  Say("絶対値", XI1, YI1 + 300, 3);
  Continue("…0からある数までの距離", 0);
  Continue("(符号はつけない)", 5);

  // Question and answer by turns, the answers set apart by two wide blanks.
  WaitAnyKey();
  Say("3の絶対値…", XI1, YI1 + 75, 0);
  WaitAnyKey();
  Continue("3　　", 3);
  WaitAnyKey();
  Continue("-4の絶対値…", 0);
  WaitAnyKey();
  Continue("4　　", 3);
  WaitAnyKey();
  Say("+1.5の絶対値…", XI1, YI1 + 70, 0);
  WaitAnyKey();
  Continue("1.5　　", 3);
  WaitAnyKey();
  Continue("-ﾀ1/2ﾀの絶対値…", 0);
  WaitAnyKey();
  Continue("ﾀ1/2ﾀ　　", 3);
  WaitAnyKey();
  Continue("0の絶対値…", 0);
  WaitAnyKey();
  Continue("0　　", 3);
  WaitAnyKey();
  TextbookTaskLine("教科書 問1 をしなさい。", 40, 585);
}

}  // namespace

void AbsoluteValuePage() {
  SignChangeScreen();
  WaitAnyKey();
  DistanceScreen();
}

}  // namespace almeno
