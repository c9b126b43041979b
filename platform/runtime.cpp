// The runtime operations, checked and handed to the page of the current
// backend.
#include "runtime.h"

#include <cmath>
#include <cstdlib>

#include "backend.h"
#include "palette.h"

namespace {

Backend* g_backend = nullptr;

Page& ThePage() {
  return CurrentBackend().page();
}

// Coordinates and sizes must be finite numbers.
double Coord(double v, Where where) {
  if (!std::isfinite(v)) RaiseError(kOverflow, where);
  return v;
}

// Where a program's x is drawn: checked, and moved towards the narrowing's
// origin while a narrowing is on (exactly x otherwise).
double DrawX(double x, Where where) {
  const Page& page = ThePage();
  Coord(x, where);
  if (page.narrowing == 1) return x;
  return page.narrow_origin + (x - page.narrow_origin) * page.narrowing;
}

int Colour(double c, Where where) {
  int n = PbFstInt(c, where);
  if (n < 0 || n >= kPaletteSize) RaiseError(kIllegalFunctionCall, where);
  return n;
}

}  // namespace

void InstallBackend(Backend* backend) {
  g_backend = backend;
}

Backend& CurrentBackend() {
  if (!g_backend) std::abort();  // a program always installs one first
  return *g_backend;
}

void FE_SETMAPMODE(double) {}

void FE_MAXIMIZEWINDOW() {
  CurrentBackend().Maximize();
}

void FE_SETFONTNAME(const std::string& face) {
  ThePage().font.face = face;
}

void FE_SETFONTSIZE(double size, Where where) {
  if (!std::isfinite(size) || size <= 0) RaiseError(kIllegalFunctionCall, where);
  ThePage().font.size = size;
}

void FE_SETFONTBOLD(double flag) {
  ThePage().font.bold = flag != 0;
}
void FE_SETFONTITALIC(double flag) {
  ThePage().font.italic = flag != 0;
}

int FE_GETDRAWWIDTH() {
  return ThePage().pen_width;
}

void FE_SETDRAWWIDTH(double width, Where where) {
  int w = PbFstInt(width, where);
  if (w < 0) RaiseError(kIllegalFunctionCall, where);
  ThePage().pen_width = w == 0 ? 1 : w;  // 0 is the thinnest pen
}

void PsLINE(double x1, double y1, double x2, double y2, double colour, Where where) {
  NoteLine(where);
  ThePage().Line(DrawX(x1, where), Coord(y1, where), DrawX(x2, where), Coord(y2, where),
                 Colour(colour, where));
}

void PsLINE_STEP(double x1, double y1, double dx, double dy, double colour, Where where) {
  PsLINE(x1, y1, Coord(x1, where) + Coord(dx, where), Coord(y1, where) + Coord(dy, where), colour,
         where);
}

void PsBOX(double x1, double y1, double x2, double y2, double colour, double fill, double mask,
           Where where) {
  NoteLine(where);
  ThePage().Box(DrawX(x1, where), Coord(y1, where), DrawX(x2, where), Coord(y2, where),
                Colour(colour, where), Colour(fill, where), PbFstInt(mask, where));
}

void PsBOX_STEP(double x1, double y1, double w, double h, double colour, double fill, double mask,
                Where where) {
  PsBOX(x1, y1, Coord(x1, where) + Coord(w, where), Coord(y1, where) + Coord(h, where), colour,
        fill, mask, where);
}

void PsCIRCLE_DISC(double x, double y, double r, double colour, Where where) {
  NoteLine(where);
  ThePage().Disc(DrawX(x, where), Coord(y, where), Coord(r, where), Colour(colour, where));
}

void PsCIRCLE(double x, double y, double r, double colour, Where where) {
  NoteLine(where);
  ThePage().Circle(DrawX(x, where), Coord(y, where), Coord(r, where), Colour(colour, where));
}

void PsCIRCLE_ARC(double x, double y, double r, double colour, double start, double end,
                  Where where) {
  NoteLine(where);
  ThePage().Arc(DrawX(x, where), Coord(y, where), Coord(r, where), Colour(colour, where),
                Coord(start, where), Coord(end, where));
}

void PsCIRCLE_SECTOR(double x, double y, double r, double colour, double fill, double start,
                     double end, Where where) {
  NoteLine(where);
  ThePage().Sector(DrawX(x, where), Coord(y, where), Coord(r, where), Colour(colour, where),
                   Colour(fill, where), Coord(start, where), Coord(end, where));
}

namespace {

// The points as x, y, x, y, ..., every coordinate checked.
std::vector<double> Coords(const std::vector<Pt>& points, Where where) {
  std::vector<double> xy;
  xy.reserve(points.size() * 2);
  for (const Pt& p : points) {
    xy.push_back(DrawX(p.x, where));
    xy.push_back(Coord(p.y, where));
  }
  return xy;
}

}  // namespace

void PsCONNECT(const std::vector<Pt>& points, double colour, Where where) {
  NoteLine(where);
  // The coordinates are checked before the colour.
  const std::vector<double> xy = Coords(points, where);
  ThePage().Polyline(xy, Colour(colour, where));
}

void PsCONNECT_FILL(const std::vector<Pt>& points, double colour, double fill, Where where) {
  NoteLine(where);
  const std::vector<double> xy = Coords(points, where);
  ThePage().Polygon(xy, Colour(colour, where), Colour(fill, where));
}

void SetNarrowing(double origin_x, double factor, Where where) {
  Coord(origin_x, where);
  if (!(factor > 0 && factor <= 1)) RaiseError(kIllegalFunctionCall, where);
  ThePage().narrow_origin = origin_x;
  ThePage().narrowing = factor;
}

void PsCLS() {
  ThePage().Clear();
}

void PsSYMBOL40(double x, double y, double hmag, double vmag, double colour,
                const std::string& text, Where where) {
  NoteLine(where);
  int h = PbFstInt(hmag, where);
  int v = PbFstInt(vmag, where);
  if (h < 1 || h > 12 || v < 1 || v > 7) RaiseError(kIllegalFunctionCall, where);
  ThePage().Text(DrawX(x, where), Coord(y, where), h * ThePage().narrowing, v,
                 Colour(colour, where), text);
}

void LogPrint(const std::string& routine, double x, double y, double colour,
              const std::string& text) {
  ThePage().Note(routine, x, y, colour, text);
}

std::string PfINKEY24() {
  return CurrentBackend().PollKey();
}

std::string PfTIME24() {
  return CurrentBackend().Clock();
}

void PsEND() {
  throw ProgramEnded(0);
}

void WaitUntilClosed(const RuntimeError& error) {
  CurrentBackend().WaitUntilClosed(error);
  std::abort();  // a backend never comes back from it
}
