// A formula written piece by piece, and the dotted arcs between its anchors.
#include "formula_pieces.h"

#include "layout_cursor.h"
#include "page_faces.h"
#include "shell.h"

namespace vindrel {

void FormulaPiece(const std::string& text, float colour, int anchor) {
  if (anchor != 0) {
    X_a(anchor) = XI2 + 10;
    Y_a(anchor) = YI1;
  }
  Continue(text, colour);
}

void AnchorArc(int from, int to, float bulge, float colour) {
  DottedArc({.x0 = X_a(from),
             .y0 = Y_a(from),
             .x1 = X_a(to),
             .y1 = Y_a(to),
             .side = -1,
             .step = 1,
             .bulge = bulge,
             .colour = colour,
             .label_colour = 0,
             .label = ""});
}

}  // namespace vindrel
