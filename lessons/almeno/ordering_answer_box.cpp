// The answer box of the practice pages on order: a white box with a colour-3
// border around its answer in colour 5, standing on the text line of its row.
#include "layout_cursor.h"
#include "ordering_practice_pages.h"
#include "shell.h"

namespace almeno {

void OrderingAnswerBox(const std::string& text, float x, float y, float width) {
  X = x;
  Y = y;
  HABA = width;
  TATE = 50;
  CCC1 = 5;
  CCC2 = 3;
  CCC3 = 15;
  A_s = text;
  DrawCellTextPlain();
  KeepCursor();
}

}  // namespace almeno
