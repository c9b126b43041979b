// Cells, arrows, dotted arcs and centred labels set up in one call.
#include "page_faces.h"

#include "figure_globals.h"
#include "figures.h"
#include "shell.h"

namespace {

// The globals a table cell reads.
void SetCell(float x, float y, float width, float height, float text_colour, float border,
             float fill, const std::string& text) {
  X = x;
  Y = y;
  HABA = width;
  TATE = height;
  CCC1 = text_colour;
  CCC2 = border;
  CCC3 = fill;
  A_s = text;
}

}  // namespace

void Cell(float x, float y, float width, float height, float text_colour, float border, float fill,
          const std::string& text) {
  SetCell(x, y, width, height, text_colour, border, fill, text);
  DrawCellText();
}

void PlainCell(float x, float y, float width, float height, float text_colour, float border,
               float fill, const std::string& text) {
  SetCell(x, y, width, height, text_colour, border, fill, text);
  DrawCellTextPlain();
}

void TwoLineCell(float x, float y, float width, float height, float text_colour, float border,
                 float fill, const std::string& upper, const std::string& lower) {
  SetCell(x, y, width, height, text_colour, border, fill, upper);
  A1_s = upper;
  A2_s = lower;
  DrawTwoLineCell();
}

void ArrowTo(float x0, float y0, float x, float y, float colour, float head) {
  ZX0 = x0;
  ZY0 = y0;
  ZX = x;
  ZY = y;
  MUKI = 1;
  NAGASA = head;
  CCC2 = colour;
  DrawArrow();
}

void DottedArc(const DottedArcFace& arc) {
  ZX0 = arc.x0;
  ZY0 = arc.y0;
  ZX1 = arc.x1;
  ZY1 = arc.y1;
  CCC1 = arc.label_colour;
  CCC2 = arc.colour;
  HOUKOU = arc.side;
  HABA = arc.step;
  TAKASA = arc.bulge;
  AAA_s = arc.label;
  NAKA = 0;
  AAAX = arc.label_dx;
  AAAY = arc.label_dy;
  DrawDottedArc();
}

void CentredLabel(const std::string& text, float centre_x, float y, float colour) {
  A_s = text;
  MeasureMarkupWidth();
  AA_s = text;
  X = centre_x - LLT / 2;
  Y = y;
  CCC1 = colour;
  PrintMarkup();
}
