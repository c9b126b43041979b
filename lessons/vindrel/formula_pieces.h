// A formula written piece by piece, with anchors for the dotted arcs that
// join a common factor to the terms it multiplies (the distributive law).
#pragma once

#include <string>

namespace vindrel {

// The next piece of a formula, right after the last one. With an anchor n
// (11 to 13), element n of `X_a()` and `Y_a()` first keeps the point 10
// right of where the piece begins, on its top line: an arc's end.
void FormulaPiece(const std::string& text, float colour, int anchor = 0);

// A dotted arc above the formula line from anchor `from` to anchor `to`, a
// dot every degree in `colour`, bulging `bulge`, with no label.
void AnchorArc(int from, int to, float bulge, float colour);

}  // namespace vindrel
