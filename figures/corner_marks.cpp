// The size of an angle as a text in degrees, and the corner mark that closes
// a small rhombus between the two rays (the square of a right angle).
//
// Both take the vertex (ZX0, ZY0), ray 1 through (ZX1, ZY1) and ray 2 through
// (ZX2, ZY2) (ITI -1 exchanges them). AngleDegreesText leaves the angle in
// KAKUDO_s; DrawCornerMark draws in CCC2, NAGASA the side of the rhombus.
// Work: HH (the angle before rounding), HH4, HH5 (the sweep) and the rest
// of RayAngles' (HH1, HH2, HH3, HHP, PI); ZX3, ZY3, ZX4, ZY4, ZX5, ZY5 (the
// rhombus' corners); A_s (AngleDegreesText: the text of the angle, as
// KAKUDO_s) and NumberText's.
#include <cmath>

#include "figures.h"
#include "number_texts.h"

void AngleDegreesText() {
  RayAngles();
  // The sweep counter-clockwise from ray 1 to ray 2, in [0, 2*PI).
  if (HH3 > HH4) HH4 = HH4 + 2.0 * PI;
  HH5 = HH4 - HH3;
  HH = static_cast<double>(HH5) * 180 / PI;
  // One decimal: ten times the size made whole, then divided by ten.
  KAKUDO_s = NumberText(static_cast<float>(PbFstInt(static_cast<double>(HH) * 10) / 10.0));
}

void DrawCornerMark() {
  RayAngles();
  const double l = NAGASA;
  ZX3 = ZX0 + l * std::cos(HH3);
  ZY3 = ZY0 - l * std::sin(HH3);
  ZX4 = ZX0 + l * std::cos(HH4);
  ZY4 = ZY0 - l * std::sin(HH4);
  ZX5 = ZX3 + l * std::cos(HH4);
  ZY5 = ZY3 - l * std::sin(HH4);
  PsCONNECT({{ZX3, ZY3}, {ZX5, ZY5}, {ZX4, ZY4}}, CCC2);
}
