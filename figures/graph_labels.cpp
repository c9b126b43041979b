// The vertical line x = CC of the coordinate plane drawn as one thick
// segment across the y range, and three turns of a number text's sign.
//
// The line reads CC, its y range BB1 to BB2 and the plane's frame (GX0, GY0,
// SIZE, BAIX, BAIY), draws in CCC3 and leaves the pen (X, Y) where its label
// goes. The sign turns work on A_s in place (LE changed).
#include "figures.h"

void DrawGraphLabelSegment() {
  FE_SETDRAWWIDTH(5);
  const float xs = GX0 + static_cast<double>(Div(static_cast<double>(SIZE) * CC, BAIX));
  const float y1 = GY0 - static_cast<double>(Div(static_cast<double>(SIZE) * BB1, BAIY));
  const float y2 = GY0 - static_cast<double>(Div(static_cast<double>(SIZE) * BB2, BAIY));
  PsLINE(xs, y1, xs, y2, CCC3);
  // The label goes 10 units right of the end at BB2.
  X = xs + 10.0;
  Y = y2;
}

void SignedNumberText() {
  LE = PfKLEN(A_s);
  if (LE == 0) return;
  const std::string first = PfKLEFT24(A_s, 1);
  if (first == "-") {
    A_s = "+" + PfKRIGHT24(A_s, LE - 1);
  } else if (first == "+") {
    A_s = "-" + PfKRIGHT24(A_s, LE - 1);
  } else {
    A_s = "-" + A_s;
  }
}

void StripLeadingPlus() {
  LE = PfKLEN(A_s);
  if (PfKLEFT24(A_s, 1) == "+") A_s = PfKRIGHT24(A_s, LE - 1);
}

void StripLeadingSign() {
  LE = PfKLEN(A_s);
  const std::string first = PfKLEFT24(A_s, 1);
  if (first == "+" || first == "-") A_s = PfKRIGHT24(A_s, LE - 1);
}
