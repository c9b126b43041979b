// The distributive law from the area of a flower bed ■ m by ▲ m whose length
// grows by ● m: the area written as length times width and as the sum of
// the two parts, the two set equal.
#include "explanation_page.h"
#include "formula_pieces.h"
#include "page_faces.h"
#include "powers_sets_pages.h"
#include "shell.h"

namespace vindrel {

namespace {

// The bed (colour 13) and its extension (colour 11), with their areas once
// known.
void BedCell(const std::string& area) {
  Cell(X_a(1), Y_a(1), 240, 150, 5, 0, 13, area);
}
void ExtensionCell(const std::string& area) {
  Cell(X_a(1), Y_a(2), 240, 100, 5, 0, 11, area);
}

// A length of the figure: a dotted arc beside the edge from (x0, y0) to
// (x1, y1), on the side `side` of it, its label beyond its middle.
void LengthArc(float x0, float y0, float x1, float y1, float side, float step,
               const std::string& label) {
  DottedArc({.x0 = x0,
             .y0 = y0,
             .x1 = x1,
             .y1 = y1,
             .side = side,
             .step = step,
             .bulge = 1,
             .colour = 3,
             .label_colour = 3,
             .label = label});
}

}  // namespace

void AreaDistributiveFigure() {
  OpenPage({.width = 1760, .height = 1300, .margin = 44, .top = 30});
  FE_SETDRAWWIDTH(5);
  Say("縦", XI1, YI1, 0);
  Continue("■m", 3);
  Continue(",横", 0);
  Continue("▲m", 3);
  Continue("の長方形の花壇があります。", 0);
  Say("縦を", XI1, 90, 0);
  Continue("●m", 3);
  Continue("だけのばしたとき、花壇の面積の式を求めなさい。", 0);

  // The figure's edges: left, right; top of the bed, its bottom (the top of
  // the extension), the bottom of the extension.
  X_a(1) = XI1 + 80;
  X_a(2) = X_a(1) + 240;
  Y_a(1) = YI1 + 150;
  Y_a(2) = Y_a(1) + 150;
  Y_a(3) = Y_a(2) + 100;
  BedCell("");
  LengthArc(X_a(1), Y_a(1), X_a(1), Y_a(2), 1, 9, "■m");
  LengthArc(X_a(1), Y_a(1), X_a(2), Y_a(1), -1, 7, "▲m");
  WaitAnyKey();
  ExtensionCell("");
  LengthArc(X_a(1), Y_a(2), X_a(1), Y_a(3), 1, 10, "●m");
  WaitAnyKey();

  SetMargins({.margin = 44 + 440, .top = 90 + 60});
  Say("<解答>", XI1, YI1, 3);
  Say("縦の長さは…", XI1, YI1 + 50, 0);
  WaitAnyKey();
  Continue("(■+●)m", 3);
  Continue("   だから", 0);
  WaitAnyKey();
  Say("面積は…", XI1, YI1 + 50, 0);
  WaitAnyKey();
  Continue("(■+●)*▲  m^2", 3);
  Continue("　…①", 0);
  WaitAnyKey();
  Say("黄色の面積は…", XI1, YI1 + 50, 0);
  WaitAnyKey();
  Continue("■*▲ m^2", 3);
  BedCell("■*▲ m^2");
  WaitAnyKey();
  Say("水色の面積は…", XI1, YI1 + 50, 0);
  WaitAnyKey();
  Continue("●*▲ m^2", 3);
  // "だから" goes on the text line, not after the cell.
  const float line_end = XI2;
  ExtensionCell("●*▲ m^2");
  Say("   だから", line_end, YI1, 0);
  WaitAnyKey();
  Say("全体の面積は…", XI1, YI1 + 50, 0);
  WaitAnyKey();
  Continue("■*▲+●*▲ m^2", 3);
  Continue("　…②", 0);
  WaitAnyKey();
  Say("①②から　", XI1, YI1 + 50, 0);
  WaitAnyKey();

  XI2 = XI1;
  YI1 = YI1 + 100;
  FormulaPiece("(", 3);
  FormulaPiece("■", 5, 11);
  FormulaPiece("+", 3);
  FormulaPiece("●", 5, 12);
  FormulaPiece(")*", 3);
  FormulaPiece("▲", 5, 13);
  FormulaPiece("=", 3);
  FormulaPiece("■", 5);
  FormulaPiece("*", 3);
  FormulaPiece("▲", 5);
  FormulaPiece("+", 3);
  FormulaPiece("●", 5);
  FormulaPiece("*", 3);
  FormulaPiece("▲", 5);
  WaitAnyKey();
  AnchorArc(11, 13, -30, 7);
  WaitAnyKey();
  AnchorArc(12, 13, -10, 9);
  WaitAnyKey();
  Say("分配法則", XI1, YI1 + 60, 5);
}

}  // namespace vindrel
