// Reading the confirmed marker as a number, marking and labelling it, and
// keeping a hit in the found-point table; showing the targets at the end.
//
// A point is a disc of radius 15 in colour 5 on the line, its label in the
// same colour centred above it, its top 90 units above the line. A slot of
// the table that holds 30 lies 2400 units right of 0, off the page.
#include <cmath>

#include "below_zero_pages.h"
#include "construct_globals.h"
#include "figure_globals.h"
#include "globals.h"
#include "marking_pages.h"
#include "number_texts.h"
#include "shell.h"

namespace almeno {

namespace {

// The confirmed point at X_a(1) as a disc on the line just drawn, its value
// in T(1) and its label text in T_s(1): "0", "0.5", "-3.5", ... (no plus
// sign, a "0" before the point). PrintConfirmedLabel prints the label.
void MarkConfirmedPoint() {
  PsCIRCLE_DISC(X_a(1), Y_a(31), 15, 5);
  T(1) = (X_a(1) - X_a(32)) / 80;
  T_s(1) = WithLeadingZero(NumberText(T(1)));
}

void PrintConfirmedLabel() {
  A_s = T_s(1);
  MeasureMarkupWidth();
  P = LLT / 2;
  CCC1 = 5;
  X = X_a(1) - P;
  Y = Y_a(31) - 90;
  AA_s = T_s(1);
  PrintMarkup();
}

// The white box over the line area: from 60 left of the left end to 60
// right of the right end, `above` units above the line to 80 below it.
void EraseLineArea(float above) {
  PsBOX(X_a(31) - 60, Y_a(31) - above, X_a(33) + 60, Y_a(31) + 80, 15, 15);
}

}  // namespace

void DrawFoundPointPair(int first_slot, const std::string& first_label,
                        const std::string& second_label) {
  A_s = first_label;
  MeasureMarkupWidth();
  P1 = LLT / 2;
  A_s = second_label;
  MeasureMarkupWidth();
  P2 = LLT / 2;
  for (int k = first_slot; k <= first_slot + 1; ++k) {
    const bool first = k == first_slot;
    V(k) = X_a(32) + 80 * U(k);
    PsCIRCLE_DISC(V(k), Y_a(31), 15, 5);
    CCC1 = 5;
    X = V(k) - (first ? P1 : P2);
    Y = Y_a(31) - 90;
    AA_s = first ? first_label : second_label;
    PrintMarkup();
  }
}

void ReadMarkedPoint() {
  EraseLineArea(80);
  PositiveNumberLine();
  MarkConfirmedPoint();
  if (T(1) == 2) {
    U(1) = 2;
  } else if (T(1) == 3.5f) {
    U(2) = 3.5;
  }
  PrintConfirmedLabel();
  DrawFoundPointPair(1, "2", "3.5");
}

void ReadMarkedSignedPoint() {
  EraseLineArea(90);
  SignedNumberLine();
  MarkConfirmedPoint();
  if (T(1) == -2) {
    U(3) = -2;
  } else if (T(1) == -3.5f) {
    U(4) = -3.5;
  }
  PrintConfirmedLabel();
  DrawFoundPointPair(1, "2", "3.5");
  DrawFoundPointPair(3, "-2", "-3.5");
}

void ShowTargetPoints() {
  EraseLineArea(100);
  PositiveNumberLine();
  U(1) = 2;
  U(2) = 3.5;
  DrawFoundPointPair(1, "2", "3.5");
}

void ShowSignedTargetPoints() {
  EraseLineArea(100);
  SignedNumberLine();
  U(3) = -2;
  U(4) = -3.5;
  DrawFoundPointPair(1, "+2", "+3.5");
  DrawFoundPointPair(3, "-2", "-3.5");
}

}  // namespace almeno
