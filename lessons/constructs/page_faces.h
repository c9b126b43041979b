// Short faces for the pieces pages otherwise set up globals for by hand: a
// table cell with its text (hanging from its top or standing on a text
// line), a straight arrow, a dotted arc and a label centred on a point. Each
// sets the globals its routine reads, calls it, and leaves what the routine
// leaves.
#pragma once

#include <string>

// A cell `width` x `height` at (x, y): border colour `border`, fill `fill`,
// `text` centred in it in `text_colour` (`HABA`, `TATE`, `CCC1` to `CCC3`
// are left as set; `A_s` and the rest of `DrawCellText`'s Work as the
// printing leaves them, `A_s` "2" after the text "12", say; the pen `X`, `Y`
// ends at the cell's top right).
void Cell(float x, float y, float width, float height, float text_colour, float border, float fill,
          const std::string& text);
// The same cell standing on the text line `y`: the box is centred on a line
// of text there rather than hanging from `y` (`DrawCellTextPlain`).
void PlainCell(float x, float y, float width, float height, float text_colour, float border,
               float fill, const std::string& text);
// A cell of two lines, `upper` over `lower`, each centred in its half
// (`DrawTwoLineCell`); an upper line alone stands lower in the cell.
void TwoLineCell(float x, float y, float width, float height, float text_colour, float border,
                 float fill, const std::string& upper, const std::string& lower);

// A straight arrow from (x0, y0) to its single head at (x, y), head `head`
// long, in `colour` at the pen width in force.
void ArrowTo(float x0, float y0, float x, float y, float colour, float head = 32);

// A dotted arc from (x0, y0) to (x1, y1) bulging `bulge` to the side
// `side` (1 or -1) of its chord, dots `step` apart in `colour`, and `label`
// (may be empty) at its middle in `label_colour`, moved by (label_dx,
// label_dy).
struct DottedArcFace {
  float x0, y0, x1, y1;
  float side;
  float step;
  float bulge;
  float colour;
  float label_colour;
  std::string label;
  float label_dx = 0, label_dy = 0;
};
void DottedArc(const DottedArcFace& arc);

// Markup `text` in `colour` with its middle at `centre_x` and its top at
// `y`; leaves its width in `LLT` and the pen after it.
void CentredLabel(const std::string& text, float centre_x, float y, float colour);
