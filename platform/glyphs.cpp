#include "glyphs.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <tuple>
#include <unordered_map>

#include "fonts.h"
#include "string_ops.h"

namespace {

// A gothic glyph is drawn at this part of its cell's em: IPAGothic's kanji
// fill their whole em, and a 44-unit line holds text of a 48-unit cell only
// when the ink is about 0.9 of it.
constexpr double kGothicInk = 0.9;
// The gothic baseline below the top of the cell: a kanji's ink then runs
// from just below the top to 0.91 of the cell.
constexpr double kBaseline = 0.82;
// The serif italic letters a, x, c are asked for with their top well above
// the line (at 10 x 7 the markup printer puts them 22 units above the pen):
// their baseline lies lower in their cell, so that they stand on the line of
// the gothic digits beside them (and in fractions and bold text alike).
constexpr double kSerifBaseline = 1.15;
// ... and they are set a little narrow, so that an italic letter does not run
// into the line-drawn sign 27 units after it ("2x+3").
constexpr double kSerifWidth = 0.85;

// The faces as the programs name them, in Shift-JIS.
const std::string kTimes = "Times New Roman";
const std::string kMtExtra = "MT Extra";

// IPAGothic draws its half-width zero slashed; the proportional face of the
// same family draws letters and digits plain. Signs and brackets stay with
// IPAGothic, whose glyphs keep to the em like the full-width ones.
const char* FamilyOf(const FontState& font, const std::string& ch) {
  if (font.face == kTimes) return kSerifFamily;
  if (font.face != kMtExtra && ch.size() == 1 && std::isalnum(static_cast<unsigned char>(ch[0]))) {
    return kPropGothicFamily;
  }
  return kGothicFamily;  // the gothic faces, "MT Extra" and anything unknown
}

// One font face per family and style, made once.
cairo_font_face_t* FaceOf(const char* family, bool italic, bool bold) {
  static std::map<std::tuple<std::string, bool, bool>, cairo_font_face_t*> faces;
  auto key = std::make_tuple(std::string(family), italic, bold);
  auto it = faces.find(key);
  if (it != faces.end()) return it->second;
  cairo_font_face_t* face =
      cairo_toy_font_face_create(family, italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                                 bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  return faces.emplace(key, face).first->second;
}

// UTF-8 of one Shift-JIS character, cached: the same few hundred characters
// are drawn over and over.
const std::string& Utf8Of(const std::string& ch) {
  static std::unordered_map<std::string, std::string> cache;
  auto it = cache.find(ch);
  if (it != cache.end()) return it->second;
  return cache.emplace(ch, ToUtf8(ch)).first->second;
}

void Widen(InkBox* ink, double x1, double y1, double x2, double y2) {
  if (!ink || x1 >= x2 || y1 >= y2) return;
  if (ink->empty()) {
    *ink = {x1, y1, x2, y2};
    return;
  }
  ink->x1 = std::min(ink->x1, x1);
  ink->y1 = std::min(ink->y1, y1);
  ink->x2 = std::max(ink->x2, x2);
  ink->y2 = std::max(ink->y2, y2);
}

}  // namespace

double CellWidth(const FontState& font, double hmag, unsigned char lead, int* bytes) {
  bool wide = IsLeadByte(lead);
  if (bytes) *bytes = wide ? 2 : 1;
  return font.size * hmag * (wide ? 1.0 : 0.5);
}

double PaintText(cairo_t* cr, const FontState& font, double x, double y, double hmag, int vmag,
                 const std::string& sjis, InkBox* ink) {
  double em_x = font.size * hmag;
  double em_y = font.size * vmag;
  bool serif = font.face == kTimes;
  bool mt_extra = font.face == kMtExtra;
  double baseline = y + (serif ? kSerifBaseline : kBaseline) * em_y;
  double glyph_em_y = serif ? em_y : kGothicInk * em_y;
  // The italic letters and the script l keep their own proportions: they are
  // drawn at the vertical em in both directions, in a cell narrowed in the
  // same ratio, so that a wide magnification (10 x 7, 6 x 3) does not smear
  // them over the next glyph. Their advance is the full cell as for any glyph.
  double glyph_em_x = serif ? kSerifWidth * em_y : mt_extra ? glyph_em_y : kGothicInk * em_x;
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
      cairo_set_font_face(cr, FaceOf(FamilyOf(font, ch), font.italic, font.bold));
      // The box the glyph is centred in: the cell, narrowed with the glyph
      // where the glyph keeps its own proportions.
      double box = cell * glyph_em_x / (serif || mt_extra ? em_x : kGothicInk * em_x);
      box = std::min(box, cell);
      cairo_matrix_t m;
      cairo_matrix_init_scale(&m, glyph_em_x, glyph_em_y);
      cairo_set_font_matrix(cr, &m);
      cairo_text_extents_t ext;
      cairo_text_extents(cr, utf8.c_str(), &ext);
      double squeeze = 1.0;
      if (ext.x_advance > box * 1.02 && ext.x_advance > 0) squeeze = box / ext.x_advance;
      if (squeeze != 1.0) {
        cairo_matrix_init_scale(&m, glyph_em_x * squeeze, glyph_em_y);
        cairo_set_font_matrix(cr, &m);
      }
      double left = x + (cell - ext.x_advance * squeeze) / 2;
      if (serif || mt_extra) left = x + (box - ext.x_advance * squeeze) / 2;
      cairo_move_to(cr, left, baseline);
      cairo_show_text(cr, utf8.c_str());
      cairo_new_path(cr);
      // Two units more around the measured ink: synthesised bold and
      // antialiasing reach a little beyond it.
      Widen(ink, left + ext.x_bearing * squeeze - 2, baseline + ext.y_bearing - 2,
            left + (ext.x_bearing + ext.width) * squeeze + 2,
            baseline + ext.y_bearing + ext.height + 2);
    }
    x += cell;
  }
  return x;
}

GlyphWarmer::~GlyphWarmer() {
  if (cr_) cairo_destroy(cr_);
  if (surface_) cairo_surface_destroy(surface_);
}

void GlyphWarmer::Note(const FontState& font, int hmag, int vmag, const std::string& sjis) {
  if (started_) return;
  styles_.emplace(font.face, font.size, font.bold, font.italic, hmag, vmag);
  for (size_t i = 0; i < sjis.size();) {
    int bytes = IsLeadByte(static_cast<unsigned char>(sjis[i])) && i + 1 < sjis.size() ? 2 : 1;
    chars_.insert(sjis.substr(i, bytes));
    i += bytes;
  }
}

void GlyphWarmer::Start() {
  started_ = true;
  for (char digit = '0'; digit <= '9'; ++digit) chars_.insert(std::string(1, digit));
  for (const Style& style : styles_) {
    for (const std::string& ch : chars_) work_.emplace_back(style, ch);
  }
  chars_.clear();
  styles_.clear();
  // Big enough for the ink of a glyph drawn at its top-left corner to reach
  // into it at any size: glyphs entirely outside a surface are not rendered.
  surface_ = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 128, 128);
  cr_ = cairo_create(surface_);
  cairo_scale(cr_, scale_, scale_);
}

bool GlyphWarmer::WarmSome(int count) {
  if (!started_) Start();
  for (; count > 0 && next_ < work_.size(); --count, ++next_) {
    const auto& [style, ch] = work_[next_];
    FontState font;
    std::tie(font.face, font.size, font.bold, font.italic, std::ignore, std::ignore) = style;
    PaintText(cr_, font, 0, 0, std::get<4>(style), std::get<5>(style), ch);
  }
  if (next_ < work_.size()) return true;
  work_ = {};
  return false;
}
