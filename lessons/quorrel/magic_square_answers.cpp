// Item ④ of "学びを身につけよう": a 4 × 4 magic square of signed numbers with
// seven open cells. The diagonal gives the sum 6; then each open cell is
// found from a row or column where it is the only one left, and written in.
#include "construct_globals.h"
#include "figure_globals.h"
#include "layout_cursor.h"
#include "page_faces.h"
#include "review_pages.h"
#include "shell.h"

namespace quorrel {

namespace {

constexpr float kCellWidth = 81, kCellHeight = 50;

// An open cell holds a circled number (① to ⑳ begin with the byte 0x87).
bool IsOpen(const std::string& text) {
  return text.size() == 2 && static_cast<unsigned char>(text[0]) == 0x87;
}

// One solving step: the line's pieces, then after a key the value, which
// replaces the circled number in the grid.
struct Step {
  const char* known;  // the known part of the sum before the circled number
  const char* mark;
  const char* rest;  // the rest of the equation, "だから"
  const char* value;
  int cell;
};

}  // namespace

void MagicSquareAnswers() {
  FE_SETDRAWWIDTH(5);
  ReviewAnswersPage("学びを身につけよう");
  ReviewNumberCellBesideTitle("4");
  U(1) = X + 200;
  V(1) = YI1;

  const char* const square[] = {"9", "-4", "①", "②", "③",  "3", "4", "④",
                                "2", "⑤",  "0", "5", "-3", "⑥", "⑦", "-6"};
  for (int k = 1; k <= 16; ++k) T_s(k) = square[k - 1];
  X_a(1) = U(1);
  Y_a(1) = V(1) + 50;
  for (int row = 0; row < 4; ++row) {
    X = U(1);
    for (II = 1; II <= 4; II = II + 1) {
      const int k = 4 * row + II;
      Y = Y_a(1) + kCellHeight * row;
      if (IsOpen(T_s(k))) {
        T(k) = X;
        F(k) = Y;
      }
      Cell(X, Y, kCellWidth, kCellHeight, IsOpen(T_s(k)) ? 5 : 0, 3, 13, T_s(k));
    }
  }
  X_a(2) = X;
  Y_a(2) = Y_a(1) + 200;
  WaitAnyKey();

  PsLINE(X_a(1), Y_a(1), X_a(2), Y_a(2), 7);
  Say("和は、ななめにたして", XI1, 80, 0);
  Say("9+3+0+(-6)=", XI1, YI1 + 50, 0);
  Continue("6", 3);
  WaitAnyKey();

  const Step steps[] = {
      {"9+", "③", "+2-3=6 だから　", "-2", 5},  {"-2+3+4+", "④", "=6 だから　", "1", 8},
      {"", "②", "+1+5-6=6 だから　", "6", 4},   {"9-4+", "①", "+6=6 だから　", "-5", 3},
      {"-5+4+0+", "⑦", "=6 だから　", "7", 15}, {"2+", "⑤", "+0+5=6 だから　", "-1", 10},
      {"-3+", "⑥", "+7-6=6 だから　", "8", 14},
  };
  bool first = true;
  for (const Step& step : steps) {
    if (!first) WaitAnyKey();
    first = false;
    Say(step.known, XI1, YI1 + 50, 0);
    Pieces({{step.mark, 3}, {step.rest, 0}, {step.mark, 3}, {"は、", 0}});
    WaitAnyKey();
    Continue(step.value, 5);
    Cell(T(step.cell), F(step.cell), kCellWidth, kCellHeight, 5, 3, 13, step.value);
  }
}

}  // namespace quorrel
