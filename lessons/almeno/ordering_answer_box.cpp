// The answer box of the practice pages on order: a white box with a colour-3
// border around its answer in colour 5, standing on the text line of its row.
#include "layout_cursor.h"
#include "ordering_practice_pages.h"
#include "page_faces.h"
#include "shell.h"

namespace almeno {

void OrderingAnswerBox(const std::string& text, float x, float y, float width) {
  PlainCell(x, y, width, 50, 5, 3, 15, text);
  KeepCursor();
}

}  // namespace almeno
