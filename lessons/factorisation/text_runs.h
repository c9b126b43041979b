// Lines of Quorrel's pages that change colour word by word.
#pragma once

#include <initializer_list>

namespace quorrel {

// One word of a line and its colour.
struct Piece {
  const char* text;
  float colour;
};
// The pieces one after another, continuing the current line (at `XI2`,
// `YI1`); the layout cursor ends after the last.
void Pieces(std::initializer_list<Piece> pieces);

}  // namespace quorrel
