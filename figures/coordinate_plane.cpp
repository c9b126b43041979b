// The coordinate plane: on request a square grid with every fifth line thick
// and numbered, always the two axes and the names "x", "0" and "y". A grid
// square is SIZE units and stands for BAIX along x and BAIY along y. The
// plane's frame is left in the globals that points and graphs are placed by.
//
//   In: GGX, GGY the top left ((0, 0) puts (640, 180)); AA1 to AA2 and BB1
//   to BB2 the x and y ranges in values, left in grid squares; CCC2 0 draws no
//   grid; NASI -1 leaves the numbers out (then 0).
//   Out: the origin (GX0, GY0), the corners (GX1, GY1) and (GX2, GY2), SIZE1
//   the font size of the numbers.
// DrawPlaneScaleNumbers writes, on the plane drawn last, the values in place
// of the counts: at every fifth line but the origin, the count times BAIX or
// BAIY, to one decimal, its point drawn on its own.
// Work: DR, II, X, Y, AA_s, CCC1, P1, P2, P1_s, P2_s and
// NumberText's.
#include <cmath>
#include <string>

#include "figures.h"
#include "number_texts.h"

namespace {

// Every fifth grid count from the origin carries a thick line.
bool FifthLine(float count) {
  return Mod(count, 5) == 0;
}

// A value per grid square: 0 counts as 1, a negative value as its size.
float SquareValue(float v) {
  if (v == 0) return 1;
  if (v < 0) return -v;
  return v;
}

void DrawScaleText(float x, float y) {
  if (!AA_s.empty()) PsSYMBOL40(x, y, 2, 1, CCC1, AA_s);
}

}  // namespace

void DrawCoordinatePlane() {
  DR = FE_GETDRAWWIDTH();
  BAIX = SquareValue(BAIX);
  BAIY = SquareValue(BAIY);
  AA1 = Div(AA1, BAIX);
  AA2 = Div(AA2, BAIX);
  BB1 = Div(BB1, BAIY);
  BB2 = Div(BB2, BAIY);
  if (GGX == 0 && GGY == 0) {
    GGX = 640;
    GGY = 180;
  }
  GX0 = GGX + static_cast<double>(SIZE) * std::fabs(AA1);
  GY0 = GGY + static_cast<double>(SIZE) * BB2;
  GX1 = GGX;
  GY1 = GGY;
  GX2 = GX0 + static_cast<double>(SIZE) * AA2;
  GY2 = GY0 + static_cast<double>(SIZE) * std::fabs(BB1);
  SIZE1 = SIZE < 40 ? 26 : 30;
  FE_SETFONTSIZE(SIZE1);
  if (CCC2 != 0) {
    // Thin lines half a unit left of, or above, their grid position.
    const float right = AA2;
    II = AA1;
    do {
      FE_SETDRAWWIDTH(1);
      float x = GX0 + static_cast<double>(SIZE) * II - 0.5;
      PsLINE(x, GY1, x, GY2, 0);
      II = II + 1;
    } while (II <= right);
    const float top = BB2;
    II = BB1;
    do {
      float y = GY0 - static_cast<double>(SIZE) * II - 0.5;
      PsLINE(GX1, y, GX2, y, 0);
      II = II + 1;
    } while (II <= top);
    // Thick lines on the grid positions, each with its whole-number count
    // centred under it on the x axis and ending at the y axis.
    II = AA1;
    do {
      if (FifthLine(II)) {
        FE_SETDRAWWIDTH(3);
        float x = GX0 + static_cast<double>(SIZE) * II;
        PsLINE(x, GY1, x, GY2, 1);
        AA_s = (II == 0 || NASI == -1) ? "" : NumberText(II);
        CCC1 = 0;
        X = GX0 + static_cast<double>(SIZE) * II - PfKLEN(AA_s) / 2.0 * SIZE1;
        Y = GY0;
        DrawScaleText(X, Y);
      }
      II = II + 1;
    } while (II <= right);
    II = BB1;
    do {
      if (FifthLine(II)) {
        FE_SETDRAWWIDTH(3);
        float y = GY0 - static_cast<double>(SIZE) * II;
        PsLINE(GX1, y, GX2, y, 1);
        AA_s = (II == 0 || NASI == -1) ? "" : NumberText(II);
        CCC1 = 0;
        X = GX0 - static_cast<double>(SIZE1) * PfKLEN(AA_s);
        Y = GY0 - static_cast<double>(SIZE) * II - SIZE1 / 2.0 - 4;
        DrawScaleText(X, Y);
      }
      II = II + 1;
    } while (II <= top);
  }
  FE_SETDRAWWIDTH(4);
  PsLINE(GX0, GY1, GX0, GY2, 0);
  FE_SETDRAWWIDTH(4);
  PsLINE(GX1, GY0, GX2, GY0, 0);
  // The axis names and the origin, bold: "x" in the italic serif face.
  FE_SETFONTBOLD(-1);
  FE_SETFONTNAME("Times New Roman");
  FE_SETFONTSIZE(0.8 * SIZE1);
  FE_SETFONTITALIC(-1);
  CCC1 = 0;
  X = GX2 - 0.8 * SIZE1;
  Y = GY0 - 1.5 * SIZE1;
  PsSYMBOL40(X, Y, 3, 2, CCC1, "x");
  FE_SETFONTNAME("ゴシック");
  FE_SETFONTSIZE(SIZE1);
  FE_SETFONTITALIC(0);
  CCC1 = 0;
  X = GX0 - SIZE1;
  Y = GY0;
  AA_s = "0";
  PsSYMBOL40(X, Y, 2, 1, CCC1, AA_s);
  CCC1 = 0;
  X = GX0;
  Y = GY1 - SIZE1 / 2.0;
  AA_s = "y";
  PsSYMBOL40(X, Y, 2, 1, CCC1, AA_s);
  FE_SETFONTBOLD(0);
  FE_SETFONTSIZE(16);
  FE_SETDRAWWIDTH(DR);
  NASI = 0;
}

namespace {

// The value v = count * value per square at a fifth line, as its whole part
// in P1_s (with "-" for a negative value) and its tenths digit in P2_s. The
// value is brought to its nearest tenth first, so that 5 * 0.7, which single
// precision holds just below 3.5, still reads 3.5.
void SplitScaleValue(float count, float per_square) {
  const double v = static_cast<double>(count) * per_square;
  const double tenths = RoundHalfAway(std::fabs(v) * 10);
  P1 = std::floor(tenths / 10);
  P2 = tenths - 10.0 * P1;
  P1_s = NumberText(P1);
  if (v < 0) P1_s = "-" + P1_s;
  P2_s = NumberText(P2);
}

// The value text at (x, y); with tenths, the point drawn on its own between
// the whole part and the tenths digit, `point_drop` units lower.
void DrawScaleValue(float x, float y, float point_drop) {
  if (P2 == 0) {
    AA_s = P1_s;
  } else {
    AA_s = P1_s + P2_s;
  }
  CCC1 = 0;
  X = x;
  Y = y;
  PsSYMBOL40(X, Y, 2, 1, CCC1, AA_s);
  if (P2 != 0) {
    CCC1 = 0;
    X = X + static_cast<double>(SIZE1) * PfKLEN(P1_s) - 6;
    Y = y + point_drop;
    PsSYMBOL40(X, Y, 2, 1, CCC1, ".");
  }
}

}  // namespace

void DrawPlaneScaleNumbers() {
  FE_SETFONTSIZE(SIZE1);
  const float right = AA2;
  II = AA1;
  do {
    SplitScaleValue(II, BAIX);
    if (II != 0 && FifthLine(II)) {
      AA_s = P2 == 0 ? P1_s : P1_s + P2_s;
      DrawScaleValue(GX0 + static_cast<double>(SIZE) * II - PfKLEN(AA_s) / 2.0 * SIZE1, GY0 + 4, 4);
    }
    II = II + 1;
  } while (II <= right);
  const float top = BB2;
  II = BB1;
  do {
    SplitScaleValue(II, BAIY);
    if (II != 0 && FifthLine(II)) {
      AA_s = P2 == 0 ? P1_s : P1_s + P2_s;
      DrawScaleValue(GX0 - static_cast<double>(SIZE1) * PfKLEN(AA_s),
                     GY0 - static_cast<double>(SIZE) * II - SIZE1 / 2.0, 4);
    }
    II = II + 1;
  } while (II <= top);
  FE_SETFONTSIZE(16);
}
