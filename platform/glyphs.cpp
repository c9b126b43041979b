#include "glyphs.h"

#include <unordered_map>

#include "string_ops.h"

namespace {

constexpr double kBaseline = 0.88;  // baseline below the top, in ems
// The serif italic letters a, x, c are asked for with their top well above
// the line (at 10 x 7 the markup printer puts them 22 units above the pen):
// their baseline lies lower in their cell, so that they stand on the line of
// the gothic digits beside them (and in fractions and bold text alike).
constexpr double kSerifBaseline = 1.15;
// ... and they are set a little narrow, so that an italic letter does not run
// into the line-drawn sign 27 units after it ("2x+3").
constexpr double kSerifWidth = 0.85;

// The faces as the programs name them, in Shift-JIS.
const std::string kGothicHalf = "ｺﾞｼｯｸ";
const std::string kGothicFull = "ゴシック";
const std::string kTimes = "Times New Roman";
const std::string kMtExtra = "MT Extra";

// UTF-8 of one Shift-JIS character, cached: the same few hundred characters
// are drawn over and over.
const std::string& Utf8Of(const std::string& ch) {
  static std::unordered_map<std::string, std::string> cache;
  auto it = cache.find(ch);
  if (it != cache.end()) return it->second;
  return cache.emplace(ch, ToUtf8(ch)).first->second;
}

}  // namespace

const char* FamilyForFace(const std::string& face) {
  if (face == kTimes) return "Liberation Serif";
  return "IPAGothic";  // the gothic faces, "MT Extra" and anything unknown
}

double CellWidth(const FontState& font, int hmag, unsigned char lead, int* bytes) {
  bool wide = IsLeadByte(lead);
  if (bytes) *bytes = wide ? 2 : 1;
  return font.size * hmag * (wide ? 1.0 : 0.5);
}

double PaintText(cairo_t* cr, const FontState& font, double x, double y, int hmag, int vmag,
                 const std::string& sjis) {
  cairo_select_font_face(cr, FamilyForFace(font.face),
                         font.italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                         font.bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  double em_x = font.size * hmag;
  double em_y = font.size * vmag;
  bool serif = font.face == kTimes;
  bool mt_extra = font.face == kMtExtra;
  double baseline = y + (serif ? kSerifBaseline : kBaseline) * em_y;
  // The italic letters and the script l keep their own proportions: they are
  // drawn at the vertical em in both directions, in a cell narrowed in the
  // same ratio, so that a wide magnification (10 x 7, 6 x 3) does not smear
  // them over the next glyph. Their advance is the full cell as for any glyph.
  double glyph_em_x = serif ? kSerifWidth * em_y : mt_extra ? em_y : em_x;
  size_t i = 0;
  while (i < sjis.size()) {
    int bytes = 1;
    double cell = CellWidth(font, hmag, static_cast<unsigned char>(sjis[i]), &bytes);
    if (i + bytes > sjis.size()) bytes = 1;
    std::string ch = sjis.substr(i, bytes);
    i += bytes;
    const std::string& utf8 =
        (mt_extra && ch == "l") ? std::string("\xE2\x84\x93") /* U+2113 script small l, in UTF-8 */
                                : Utf8Of(ch);
    if (ch != " " && !utf8.empty()) {
      double box = cell * glyph_em_x / em_x;
      cairo_matrix_t m;
      cairo_matrix_init_scale(&m, glyph_em_x, em_y);
      cairo_set_font_matrix(cr, &m);
      cairo_text_extents_t ext;
      cairo_text_extents(cr, utf8.c_str(), &ext);
      double squeeze = 1.0;
      if (ext.x_advance > box * 1.02 && ext.x_advance > 0) squeeze = box / ext.x_advance;
      if (squeeze != 1.0) {
        cairo_matrix_init_scale(&m, glyph_em_x * squeeze, em_y);
        cairo_set_font_matrix(cr, &m);
      }
      double left = x + (box - ext.x_advance * squeeze) / 2;
      cairo_move_to(cr, left, baseline);
      cairo_show_text(cr, utf8.c_str());
      cairo_new_path(cr);
    }
    x += cell;
  }
  return x;
}
