// A closed polygon through the vertices in G() (row 1 x, row 2 y, vertices 1
// to KAKU) and, on request, a label beside every vertex: consecutive letters
// from the first character of AAA_s, or the texts X_sa(1) to X_sa(KAKU) when
// AAA_s is "1". Each label goes on the bisector of the turn from the vertex
// after next round to the next vertex, which lies outside the figure when
// the vertices run counter-clockwise on the screen.
//
// The sides are drawn in CCC2 at the pen width SIZE1, the labels NAGASA out
// along their bisectors; the pen width is put back, AAA_s is "" afterwards
// (NAGASA too, 0, when the vertices were labelled). Work: II, TII, KJ1, KJ2,
// KJ3, NAGASA1, ZX0, ZY0, ZX1, ZY1, ZX2, ZY2, ITI and DrawLabelAtPoint's.
#include "figures.h"

namespace {

// The vertex `i` gets its label from the placer; NAGASA1 is handed in again
// because the placer clears NAGASA after each label.
void LabelVertex(float i) {
  KJ1 = i + 1;
  if (KJ1 > KAKU) KJ1 = KJ1 - KAKU;
  KJ2 = i + 2;
  if (KJ2 > KAKU) KJ2 = KJ2 - KAKU;
  ZX0 = G(1, i);
  ZY0 = G(2, i);
  ZX1 = G(1, KJ1);
  ZY1 = G(2, KJ1);
  ZX2 = G(1, KJ2);
  ZY2 = G(2, KJ2);
  ITI = -1;
  NAGASA = NAGASA1;
}

}  // namespace

void DrawPolygon() {
  // Kept apart from DR, which the label printers overwrite.
  const int entry_width = FE_GETDRAWWIDTH();
  const float corners = KAKU;
  II = 1;
  do {
    float next = II == corners ? 1 : II + 1;
    FE_SETDRAWWIDTH(SIZE1);
    PsLINE(G(1, II), G(2, II), G(1, next), G(2, next), CCC2);
    II = II + 1;
  } while (II <= corners);
  NAGASA1 = NAGASA;
  if (AAA_s == "1") {
    PolygonVertexLabels();
  } else if (!AAA_s.empty()) {
    PolygonVertexLetters();
  }
  AAA_s = "";
  FE_SETDRAWWIDTH(entry_width);
}

void PolygonVertexLetters() {
  KJ3 = PfASC(AAA_s);
  const float corners = KAKU;
  II = 1;
  do {
    LabelVertex(II);
    AAA_s = PfCHR24(KJ3 + II - 1);
    DrawLabelAtPoint();
    II = II + 1;
  } while (II <= corners);
}

void PolygonVertexLabels() {
  const float corners = KAKU;
  TII = 1;
  do {
    LabelVertex(TII);
    AAA_s = X_sa(TII);
    DrawLabelAtPoint();
    TII = TII + 1;
  } while (TII <= corners);
}
