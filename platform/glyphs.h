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

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "page.h"

// Width of the cell of the character whose first byte is `lead`, and in
// `bytes` that character's byte length (2 for a lead byte, else 1).
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

// Glyphs made ready before they are needed. The first time a glyph shows at
// a size, the font renders it, which costs far more than showing it again.
// The warmer keeps the styles (font and magnifications) the page has drawn
// text in, and the characters; asked to, it renders, a few at a time, the
// characters drawn so far and the digits in every one of those styles, on a
// small surface of its own at the page's scale, so that the font's cache
// holds them when a page shows them. (Each glyph held costs memory: at 4K a
// set of the kana in three styles would take 2 MiB more.)
class GlyphWarmer {
 public:
  explicit GlyphWarmer(double scale) : scale_(scale) {}
  ~GlyphWarmer();
  GlyphWarmer(const GlyphWarmer&) = delete;
  GlyphWarmer& operator=(const GlyphWarmer&) = delete;

  // A text the page draws (kept until the warming starts).
  void Note(const FontState& font, int hmag, int vmag, const std::string& sjis);
  // Renders up to `count` glyphs not ready yet; false once all are.
  bool WarmSome(int count);
  size_t glyphs_warmed() const { return next_; }

 private:
  using Style = std::tuple<std::string, double, bool, bool, int, int>;
  void Start();

  double scale_;
  bool started_ = false;
  std::set<Style> styles_;
  std::set<std::string> chars_;
  // What is to be rendered, in order: (style, character).
  std::vector<std::pair<Style, std::string>> work_;
  size_t next_ = 0;
  cairo_surface_t* surface_ = nullptr;
  cairo_t* cr_ = nullptr;
};
