// Directions of rays and segments in radians: 0 towards increasing x,
// growing counter-clockwise on the screen (y grows downwards, so a y
// difference enters with its sign reversed). PI is 3.14159 throughout.
//   RayAngles: vertex (ZX0, ZY0), ray 1 through (ZX1, ZY1), ray 2 through
//   (ZX2, ZY2); ITI -1 exchanges the rays. HH3, HH4 the two directions in
//   [0, 2 PI); HH1, HH2 the same as fractions of a turn counted clockwise,
//   as the arc operation takes them; HH5 the bisector of the sweep
//   counter-clockwise from ray 1 to ray 2. Work: HHP (left the direction of
//   (ZX2, ZY2): HH4, or HH3 where ITI is -1).
//   SegmentAngle: from (ZX0, ZY0) to (ZX1, ZY1); HHP radians, HH degrees.
#include <cmath>
#include <utility>

#include "figures.h"

namespace {

// Direction of (px, py) seen from (vx, vy). Divides only when the y values
// differ; a point on the vertex's level is 0 to the right, PI otherwise
// (also when the two points coincide).
double Direction(double vx, double vy, double px, double py) {
  const double pi = PI;
  if (py > vy) return 3 * pi / 2 + std::atan((px - vx) / (py - vy));
  if (py < vy) return pi / 2 + std::atan((px - vx) / (py - vy));
  return px > vx ? 0.0 : pi;
}

}  // namespace

void RayAngles() {
  PI = 3.14159f;
  HHP = Direction(ZX0, ZY0, ZX1, ZY1);
  HH1 = 1 - HHP / (2.0 * PI);
  HH3 = HHP;
  HHP = Direction(ZX0, ZY0, ZX2, ZY2);
  HH2 = 1 - HHP / (2.0 * PI);
  HH4 = HHP;
  if (ITI == -1) {
    std::swap(HH1, HH2);
    std::swap(HH3, HH4);
  }
  // When the sweep from ray 1 to ray 2 passes direction 0, the mean of the
  // two directions points into the opposite angle: turn it half a turn.
  HH5 = (static_cast<double>(HH3) + HH4) / 2;
  if (HH3 > HH4) HH5 = HH5 + PI;
}

void SegmentAngle() {
  PI = 3.14159f;
  HHP = Direction(ZX0, ZY0, ZX1, ZY1);
  HH = HHP * 180.0 / PI;
}
