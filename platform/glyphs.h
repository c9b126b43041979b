// The glyph model: how a text of the current font is laid out and painted.
//
// At font size s and magnifications h x v, a single-byte character fills a
// cell s*h/2 wide, a double-byte one a cell s*h wide; both are s*v high with
// a common baseline at 0.88*s*v below the top. A glyph is painted centred in
// its cell and narrowed when it would not fit, so the advance of a text never
// depends on the font. The serif italic letters and the script l keep their
// own proportions (they are not stretched with a wide magnification) and the
// serif ones sit lower, on the line of the gothic digits beside them.
#pragma once

#include <cairo.h>

#include <string>

#include "page.h"

// Width of the cell of the character that starts at byte `i` of `sjis`, and
// that character's byte length.
double CellWidth(const FontState& font, int hmag, unsigned char lead, int* bytes);

// Paints `sjis` from the top-left point (x, y); returns the pen x after it.
double PaintText(cairo_t* cr, const FontState& font, double x, double y, int hmag, int vmag,
                 const std::string& sjis);

// The family a face name of the programs stands for on this machine.
const char* FamilyForFace(const std::string& face);
