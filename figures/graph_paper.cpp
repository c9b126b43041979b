// Square-ruled graph paper: YOKO by TATE cells of side SIZE from the corner
// (GGX, GGY), thin rules in CCC2 and every fifth rule thick in colour 14,
// counted from the left and from the bottom edge. The sheet's corners and
// its origin (the bottom-left corner) are left in the frame globals.
//
// In: GGX, GGY, SIZE, YOKO, TATE, CCC2 (15 draws no rules). Out: the origin
// (GX0, GY0), the top-left corner (GX1, GY1), the bottom-right one (GX2,
// GY2). Work: CCC3 (left 14 when rules are drawn), II, DR.
#include "figures.h"

namespace {

// Every fifth rule from the origin is thick.
void RulePen(float count) {
  if (Mod(count, 5) == 0) {
    FE_SETDRAWWIDTH(3);
  } else {
    FE_SETDRAWWIDTH(1);
  }
}

float RuleColour(float count) {
  return Mod(count, 5) == 0 ? CCC3 : CCC2;
}

}  // namespace

void DrawGraphPaper() {
  DR = FE_GETDRAWWIDTH();
  GX1 = GGX;
  GY1 = GGY;
  GX2 = GX1 + static_cast<double>(SIZE) * YOKO;
  GY2 = GY1 + static_cast<double>(SIZE) * TATE;
  GX0 = GX1;
  GY0 = GY2;
  // White rules on the white page: no paper at all.
  if (CCC2 != 15) {
    CCC3 = 14;
    const float across = YOKO;
    II = 0;
    do {
      float x = GX1 + static_cast<double>(SIZE) * II;
      RulePen(II);
      PsLINE(x, GY1, x, GY2, RuleColour(II));
      II = II + 1;
    } while (II <= across);
    const float down = TATE;
    II = 0;
    do {
      float y = GY2 - static_cast<double>(SIZE) * II;
      RulePen(II);
      PsLINE(GX1, y, GX2, y, RuleColour(II));
      II = II + 1;
    } while (II <= down);
  }
  FE_SETDRAWWIDTH(DR);
}
