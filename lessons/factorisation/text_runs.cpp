// Lines of Quorrel's pages that change colour word by word.
#include "text_runs.h"

#include "layout_cursor.h"

namespace quorrel {

void Pieces(std::initializer_list<Piece> pieces) {
  for (const Piece& piece : pieces) Continue(piece.text, piece.colour);
}

}  // namespace quorrel
