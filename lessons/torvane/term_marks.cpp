// Marks under and through the terms of a worked calculation.
#include "addition_laws_pages.h"
#include "globals.h"
#include "layout_cursor.h"

namespace torvane {

void MarkedPiece(const std::string& text, int start, int end) {
  if (start) X_a(start) = XI2;
  Continue(text, 0);
  if (end) X_a(end) = XI2;
}

void Stroke(float x1, float y1, float x2, float y2, float colour, float width) {
  FE_SETDRAWWIDTH(width);
  PsLINE(x1, y1, x2, y2, colour);
}

}  // namespace torvane
