// The glyph model: how a text of the current font is laid out and painted.
//
// At font size s and magnifications h x v (h fractional in a narrowed text),
// a single-byte character fills a cell s*h/2 wide, a double-byte one a cell
// s*h wide; both are s*v high. A gothic glyph is drawn as a font sits in its
// em box: scaled so that a kanji's ink is about 0.9 of the cell high, on a
// common baseline, so that a text of a 44-unit line stays inside it. A glyph
// is centred in its cell and narrowed when it would not fit, so the advance
// of a text never depends on the font.
// The serif italic letters and the script l keep their own proportions (they
// are not stretched with a wide magnification) and the serif ones sit lower,
// on the line of the gothic digits beside them.
#pragma once

#include <cairo.h>

#include <string>

#include "page.h"

// Width of the cell of the character that starts at byte `i` of `sjis`, and
// that character's byte length.
double CellWidth(const FontState& font, double hmag, unsigned char lead, int* bytes);

// The logical rectangle a text's ink covers (empty when nothing was painted).
struct InkBox {
  double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  bool empty() const { return x1 >= x2 || y1 >= y2; }
};

// Paints `sjis` from the top-left point (x, y); returns the pen x after it
// and, with `ink`, where it painted.
double PaintText(cairo_t* cr, const FontState& font, double x, double y, double hmag, int vmag,
                 const std::string& sjis, InkBox* ink = nullptr);
