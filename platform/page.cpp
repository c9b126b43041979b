#include "page.h"

#include <cairo.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "glyphs.h"
#include "palette.h"
#include "png_file.h"
#include "runtime.h"

namespace {

// Geometry far off the page is cut down before it reaches Cairo, whose fixed
// point coordinates would wrap around.
constexpr double kFar = 100000.0;

double Clamp(double v) {
  return std::clamp(v, -kFar, kFar);
}

// Liang-Barsky: cut the segment to the square |x|, |y| <= kFar. False when
// nothing of it is left.
bool ClipSegment(double& x1, double& y1, double& x2, double& y2) {
  double t0 = 0, t1 = 1, dx = x2 - x1, dy = y2 - y1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x1 + kFar, kFar - x1, y1 + kFar, kFar - y1};
  for (int k = 0; k < 4; ++k) {
    if (p[k] == 0) {
      if (q[k] < 0) return false;
      continue;
    }
    double t = q[k] / p[k];
    if (p[k] < 0) {
      t0 = std::max(t0, t);
    } else {
      t1 = std::min(t1, t);
    }
    if (t0 > t1) return false;
  }
  double nx1 = x1 + t0 * dx, ny1 = y1 + t0 * dy;
  x2 = x1 + t1 * dx;
  y2 = y1 + t1 * dy;
  x1 = nx1;
  y1 = ny1;
  return true;
}

bool FarAway(double x, double y, double r) {
  return std::fabs(x) > kFar || std::fabs(y) > kFar || r > kFar;
}

std::string Number(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.6g", v);
  return buf;
}

// Why the context or its surface stopped drawing, "" while neither did: an
// error stays with them, and every drawing after it is left undone.
std::string FaultOf(cairo_t* cr, cairo_surface_t* surface) {
  cairo_status_t status = cairo_surface_status(surface);
  if (status == CAIRO_STATUS_SUCCESS) status = cairo_status(cr);
  return status == CAIRO_STATUS_SUCCESS ? "" : cairo_status_to_string(status);
}

double Turn(double fraction) {
  double f = std::fmod(fraction, 1.0);
  if (f < 0) f += 1.0;
  return f * 2 * M_PI;
}

}  // namespace

std::string LoggedOp::Line() const {
  std::string s = name;
  if (name == "print") {  // print, routine, X, Y, colour, text
    s += "\t" + face;
    for (double v : nums) s += "\t" + Number(v);
    return s + "\t" + text;
  }
  for (double v : nums) s += "\t" + Number(v);
  if (name == "text") s += "\t" + face + "\t" + text;
  return s;
}

int PagePixelWidth(double scale) {
  return static_cast<int>(std::ceil(kPageWidth * scale));
}
int PagePixelHeight(double scale) {
  return static_cast<int>(std::ceil(kPageHeight * scale));
}

Page::Page(double scale, unsigned char* pixels, int stride) : scale_(scale) {
  Bind(pixels, stride);
  ErasePixels({0, 0, pixel_width(), pixel_height()}, true);
  tiles_across_ = (pixel_width() + kTile - 1) / kTile;
  blank_tiles_.assign(size_t(tiles_across_) * ((pixel_height() + kTile - 1) / kTile), 1);
  touched_ = {{0, 0, pixel_width(), pixel_height()}};
}

Page::~Page() {
  Unbind();
}

void Page::Bind(unsigned char* pixels, int stride) {
  int w = PagePixelWidth(scale_), h = PagePixelHeight(scale_);
  own_memory_ = pixels == nullptr;
  surface_ = own_memory_
                 ? cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h)
                 : cairo_image_surface_create_for_data(pixels, CAIRO_FORMAT_RGB24, w, h, stride);
  cr_ = cairo_create(surface_);
  cairo_scale(cr_, scale_, scale_);
  cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
}

void Page::Unbind() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

void Page::DrawInto(unsigned char* pixels, int stride) {
  PixelRows from = Pixels();
  if (pixels ? pixels == from.data : own_memory_) return;
  cairo_t* old_cr = cr_;
  cairo_surface_t* old_surface = surface_;
  Bind(pixels, stride);
  PixelRows to = Pixels();
  for (int y = 0; y < from.height; ++y) {
    std::memcpy(const_cast<unsigned char*>(to.data) + size_t(y) * to.stride,
                from.data + size_t(y) * from.stride, size_t(from.width) * 4);
  }
  cairo_surface_mark_dirty(surface_);
  if (earlier_fault_.empty()) earlier_fault_ = FaultOf(old_cr, old_surface);
  cairo_destroy(old_cr);
  cairo_surface_destroy(old_surface);
}

std::string Page::DrawingFault() const {
  return earlier_fault_.empty() ? FaultOf(cr_, surface_) : earlier_fault_;
}

int Page::pixel_width() const {
  return cairo_image_surface_get_width(surface_);
}
int Page::pixel_height() const {
  return cairo_image_surface_get_height(surface_);
}

PixelRows Page::Pixels() const {
  cairo_surface_flush(surface_);
  return {cairo_image_surface_get_data(surface_), cairo_image_surface_get_stride(surface_),
          pixel_width(), pixel_height()};
}

uint32_t Page::Pixel(int px, int py) const {
  PixelRows rows = Pixels();
  if (px < 0 || py < 0 || px >= rows.width || py >= rows.height) return 0xFFFFFF;
  const unsigned char* row = rows.data + size_t(py) * rows.stride;
  return reinterpret_cast<const uint32_t*>(row)[px] & 0xFFFFFF;
}

void Page::Touch(double x1, double y1, double x2, double y2) {
  // One device pixel more on every side: antialiased edges, and the erasing
  // pixel (see SetColour).
  int px1 = std::max(0, int(std::floor(std::max(x1, -kFar) * scale_)) - 1);
  int py1 = std::max(0, int(std::floor(std::max(y1, -kFar) * scale_)) - 1);
  int px2 = std::min(pixel_width(), int(std::ceil(std::min(x2, kFar) * scale_)) + 1);
  int py2 = std::min(pixel_height(), int(std::ceil(std::min(y2, kFar) * scale_)) + 1);
  if (px1 >= px2 || py1 >= py2) return;
  Unblank({px1, py1, px2, py2});
  AddTouched({px1, py1, px2, py2});
}

namespace {

PixelRect Joined(const PixelRect& a, const PixelRect& b) {
  return {std::min(a.x1, b.x1), std::min(a.y1, b.y1), std::max(a.x2, b.x2), std::max(a.y2, b.y2)};
}

int64_t Area(const PixelRect& r) {
  return int64_t(r.width()) * r.height();
}

// The pixels the joint rectangle of a and b holds beyond theirs (negative
// when they overlap).
int64_t Waste(const PixelRect& a, const PixelRect& b) {
  return Area(Joined(a, b)) - Area(a) - Area(b);
}

bool Overlap(const PixelRect& a, const PixelRect& b) {
  return a.x1 < b.x2 && b.x1 < a.x2 && a.y1 < b.y2 && b.y1 < a.y2;
}

// From this many pixels on, an erase goes past the caches: it is larger than
// they are, and what is drawn over it comes later.
constexpr int64_t kStreamingErase = 256 * 1024;

// Two rectangles this close are shown as one: each rectangle costs the
// window a request of its own.
constexpr int64_t kSmallWaste = 64 * 64;

}  // namespace

void Page::Unblank(const PixelRect& r) {
  for (int ty = r.y1 / kTile; ty <= (r.y2 - 1) / kTile; ++ty) {
    for (int tx = r.x1 / kTile; tx <= (r.x2 - 1) / kTile; ++tx) {
      blank_tiles_[size_t(ty) * tiles_across_ + tx] = 0;
    }
  }
}

void Page::Erase(const PixelRect& r) {
  if (r.empty()) return;
  const bool streaming = Area(r) >= kStreamingErase;
  // Row of tiles by row of tiles, the runs of tiles not known blank are
  // erased; tiles the rectangle covers whole are blank from now on.
  for (int ty = r.y1 / kTile; ty <= (r.y2 - 1) / kTile; ++ty) {
    const int y1 = std::max(r.y1, ty * kTile);
    const int y2 = std::min({r.y2, (ty + 1) * kTile, pixel_height()});
    const bool whole_rows = y1 == ty * kTile && y2 == std::min((ty + 1) * kTile, pixel_height());
    uint8_t* blank = &blank_tiles_[size_t(ty) * tiles_across_];
    for (int tx = r.x1 / kTile; tx <= (r.x2 - 1) / kTile;) {
      if (blank[tx]) {
        ++tx;
        continue;
      }
      const int run_start = tx;
      while (tx <= (r.x2 - 1) / kTile && !blank[tx]) {
        const int x1 = tx * kTile, x2 = std::min((tx + 1) * kTile, pixel_width());
        if (whole_rows && r.x1 <= x1 && r.x2 >= x2) blank[tx] = 1;
        ++tx;
      }
      PixelRect run{std::max(r.x1, run_start * kTile), y1, std::min(r.x2, tx * kTile), y2};
      ErasePixels(run, streaming);
      AddTouched(run);
    }
  }
}

void Page::AddTouched(PixelRect r) {
  // Joined with every rectangle it overlaps or nearly meets, so that the
  // rectangles never overlap.
  for (size_t k = 0; k < touched_.size();) {
    if (Overlap(r, touched_[k]) || Waste(r, touched_[k]) <= kSmallWaste) {
      r = Joined(r, touched_[k]);
      touched_.erase(touched_.begin() + k);
      k = 0;
    } else {
      ++k;
    }
  }
  touched_.push_back(r);
  if (touched_.size() <= kMostTouched) return;
  size_t best_i = 0, best_j = 1;
  for (size_t i = 0; i < touched_.size(); ++i) {
    for (size_t j = i + 1; j < touched_.size(); ++j) {
      if (Waste(touched_[i], touched_[j]) < Waste(touched_[best_i], touched_[best_j])) {
        best_i = i, best_j = j;
      }
    }
  }
  PixelRect joined = Joined(touched_[best_i], touched_[best_j]);
  touched_.erase(touched_.begin() + best_j);
  touched_.erase(touched_.begin() + best_i);
  AddTouched(joined);
}

std::vector<PixelRect> Page::TakeTouched() {
  std::vector<PixelRect> r;
  r.swap(touched_);
  return r;
}

namespace {

// n pixels from p on set to `pixel`, four at a time.
void FillRow(uint32_t* p, int n, uint32_t pixel, bool streaming) {
#if defined(__SSE2__)
  while (n > 0 && (reinterpret_cast<uintptr_t>(p) & 15) != 0) {
    *p++ = pixel;
    --n;
  }
  const __m128i four = _mm_set1_epi32(int(pixel));
  if (streaming) {
    for (; n >= 4; n -= 4, p += 4) _mm_stream_si128(reinterpret_cast<__m128i*>(p), four);
  } else {
    for (; n >= 4; n -= 4, p += 4) _mm_store_si128(reinterpret_cast<__m128i*>(p), four);
  }
#else
  (void)streaming;
#endif
  std::fill_n(p, n, pixel);
}

}  // namespace

void Page::ErasePixels(const PixelRect& r, bool streaming) {
  const int x1 = std::max(r.x1, 0), y1 = std::max(r.y1, 0);
  const int x2 = std::min(r.x2, pixel_width()), y2 = std::min(r.y2, pixel_height());
  if (x1 >= x2 || y1 >= y2) return;
  Rgb c = PaletteColour(kPageColour);
  const uint32_t pixel = 0xFF000000u | uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | c.b;
  cairo_surface_flush(surface_);
  unsigned char* data = cairo_image_surface_get_data(surface_);
  const int stride = cairo_image_surface_get_stride(surface_);
  for (int y = y1; y < y2; ++y) {
    FillRow(reinterpret_cast<uint32_t*>(data + size_t(y) * stride) + x1, x2 - x1, pixel, streaming);
  }
#if defined(__SSE2__)
  if (streaming) _mm_sfence();
#endif
  cairo_surface_mark_dirty_rectangle(surface_, x1, y1, x2 - x1, y2 - y1);
}

void Page::SetColour(int colour) {
  // Drawing in the page colour is how the programs erase. An antialiased
  // edge drawn over an antialiased edge leaves a faint ghost, so erasing is
  // done without antialiasing and one device pixel wider on every side.
  erasing_ = colour == kPageColour;
  cairo_set_antialias(cr_, erasing_ ? CAIRO_ANTIALIAS_NONE : CAIRO_ANTIALIAS_DEFAULT);
  Rgb c = PaletteColour(colour);
  cairo_set_source_rgb(cr_, c.r / 255.0, c.g / 255.0, c.b / 255.0);
}

void Page::StrokeAtPen() {
  cairo_set_line_width(cr_, pen_width + (erasing_ ? 2.0 / scale_ : 0.0));
  cairo_stroke(cr_);
}

PixelRect Page::ErasingPixels(double x, double y, double w, double h) const {
  // Every device pixel the rectangle reaches into, so that an antialiased
  // edge drawn there before leaves no ghost; nothing beyond them.
  return {std::max(0, int(std::floor(x * scale_ + 1e-6))),
          std::max(0, int(std::floor(y * scale_ + 1e-6))),
          std::min(pixel_width(), int(std::ceil((x + w) * scale_ - 1e-6))),
          std::min(pixel_height(), int(std::ceil((y + h) * scale_ - 1e-6)))};
}

void Page::FillRect(double x, double y, double w, double h) {
  if (w <= 0 || h <= 0) return;
  if (erasing_) {
    PixelRect r = ErasingPixels(x, y, w, h);
    ErasePixels(r, Area(r) >= kStreamingErase);
    return;
  }
  cairo_rectangle(cr_, x, y, w, h);
  cairo_fill(cr_);
}

void Page::Line(double x1, double y1, double x2, double y2, int colour) {
  if (logging) Record({"line", {x1, y1, x2, y2, double(colour), double(pen_width)}, "", ""});
  if (!ClipSegment(x1, y1, x2, y2)) return;
  double reach = pen_width / 2.0;
  Touch(std::min(x1, x2) - reach, std::min(y1, y2) - reach, std::max(x1, x2) + reach,
        std::max(y1, y2) + reach);
  SetColour(colour);
  cairo_move_to(cr_, x1, y1);
  cairo_line_to(cr_, x2, y2);
  StrokeAtPen();
}

void Page::Box(double x1, double y1, double x2, double y2, int colour, int fill, int mask) {
  if (logging) {
    Record({"box",
            {x1, y1, x2, y2, double(colour), double(fill), double(mask), double(pen_width)},
            "",
            ""});
  }
  x1 = Clamp(x1), y1 = Clamp(y1), x2 = Clamp(x2), y2 = Clamp(y2);
  double left = std::min(x1, x2), top = std::min(y1, y2);
  double w = std::fabs(x2 - x1), h = std::fabs(y2 - y1);
  // The box covers exactly its rectangle: the border is the outer band of
  // it, the pen width wide, and the fill is what the border leaves inside.
  const double border = pen_width;
  const bool inside = fill != colour && w > 2 * border && h > 2 * border;
  if (colour == kPageColour) {
    // An erasing border: the whole rectangle is erased (where not blank
    // already), then filled inside.
    if (w > 0 && h > 0) Erase(ErasingPixels(left, top, w, h));
    if (!inside) return;
    Touch(left + border, top + border, left + w - border, top + h - border);
  } else {
    Touch(left, top, left + w, top + h);
    SetColour(colour);
    FillRect(left, top, w, h);
  }
  if (inside) {
    SetColour(fill);
    FillRect(left + border, top + border, w - 2 * border, h - 2 * border);
  }
}

void Page::Disc(double x, double y, double r, int colour) {
  if (logging) Record({"disc", {x, y, r, double(colour), double(pen_width)}, "", ""});
  if (FarAway(x, y, r)) return;
  // One fill, no outline, at least as wide as the pen: a dot of a dotted arc
  // (radius 0.5) takes the pen's width, while a disc wider than the pen (the
  // answer field's cursor, the point markers) keeps its own radius.
  double radius =
      std::max(std::fabs(r), pen_width / 2.0) + (colour == kPageColour ? 1.0 / scale_ : 0.0);
  TouchAround(x, y, radius);
  SetColour(colour);
  cairo_new_sub_path(cr_);
  cairo_arc(cr_, x, y, radius, 0, 2 * M_PI);
  cairo_fill(cr_);
}

void Page::Circle(double x, double y, double r, int colour) {
  if (logging) Record({"circle", {x, y, r, double(colour), double(pen_width)}, "", ""});
  if (FarAway(x, y, r)) return;
  TouchAround(x, y, std::fabs(r) + pen_width / 2.0);
  SetColour(colour);
  cairo_new_sub_path(cr_);
  cairo_arc(cr_, x, y, std::fabs(r), 0, 2 * M_PI);
  StrokeAtPen();
}

void Page::Arc(double x, double y, double r, int colour, double start, double end) {
  if (logging) Record({"arc", {x, y, r, double(colour), start, end, double(pen_width)}, "", ""});
  if (FarAway(x, y, r)) return;
  TouchAround(x, y, std::fabs(r) + pen_width / 2.0);
  SetColour(colour);
  cairo_new_sub_path(cr_);
  cairo_arc(cr_, x, y, std::fabs(r), Turn(start), Turn(end));
  StrokeAtPen();
}

void Page::Sector(double x, double y, double r, int colour, int fill, double start, double end) {
  if (logging) {
    Record(
        {"sector", {x, y, r, double(colour), double(fill), start, end, double(pen_width)}, "", ""});
  }
  if (FarAway(x, y, r)) return;
  TouchAround(x, y, std::fabs(r) + pen_width / 2.0);
  cairo_move_to(cr_, x, y);
  cairo_arc(cr_, x, y, std::fabs(r), Turn(start), Turn(end));
  cairo_close_path(cr_);
  SetColour(fill);
  cairo_fill_preserve(cr_);
  SetColour(colour);
  StrokeAtPen();
}

// The bounding box of the points, widened by `reach`.
void Page::TouchPoints(const std::vector<double>& xy, double reach) {
  if (xy.size() < 2) return;
  double x1 = kFar, y1 = kFar, x2 = -kFar, y2 = -kFar;
  for (size_t k = 0; k + 1 < xy.size(); k += 2) {
    x1 = std::min(x1, Clamp(xy[k]));
    x2 = std::max(x2, Clamp(xy[k]));
    y1 = std::min(y1, Clamp(xy[k + 1]));
    y2 = std::max(y2, Clamp(xy[k + 1]));
  }
  Touch(x1 - reach, y1 - reach, x2 + reach, y2 + reach);
}

void Page::Polyline(const std::vector<double>& xy, int colour) {
  if (logging) {
    LoggedOp op{"polyline", {double(colour), double(pen_width), double(xy.size() / 2)}, "", ""};
    op.nums.insert(op.nums.end(), xy.begin(), xy.end());
    Record(std::move(op));
  }
  TouchPoints(xy, pen_width / 2.0);
  SetColour(colour);
  for (size_t k = 0; k + 3 < xy.size(); k += 2) {
    double x1 = xy[k], y1 = xy[k + 1], x2 = xy[k + 2], y2 = xy[k + 3];
    if (!ClipSegment(x1, y1, x2, y2)) continue;
    // Consecutive segments join into one path so the corners are round.
    if (k == 0 || !cairo_has_current_point(cr_)) cairo_move_to(cr_, x1, y1);
    cairo_line_to(cr_, x2, y2);
  }
  StrokeAtPen();
}

void Page::Polygon(const std::vector<double>& xy, int colour, int fill) {
  if (logging) {
    LoggedOp op{"polygon",
                {double(colour), double(fill), double(pen_width), double(xy.size() / 2)},
                "",
                ""};
    op.nums.insert(op.nums.end(), xy.begin(), xy.end());
    Record(std::move(op));
  }
  TouchPoints(xy, pen_width / 2.0);
  for (size_t k = 0; k + 1 < xy.size(); k += 2) {
    double x = Clamp(xy[k]), y = Clamp(xy[k + 1]);
    if (k == 0) {
      cairo_move_to(cr_, x, y);
    } else {
      cairo_line_to(cr_, x, y);
    }
  }
  cairo_close_path(cr_);
  SetColour(fill);
  cairo_fill_preserve(cr_);
  SetColour(colour);
  StrokeAtPen();
}

void Page::Clear() {
  if (logging) Record({"clear", {}, "", ""});
  Erase({0, 0, pixel_width(), pixel_height()});
}

void Page::Text(double x, double y, double hmag, int vmag, int colour, const std::string& sjis) {
  if (logging) {
    Record({"text",
            {x, y, hmag, double(vmag), double(colour), font.size, double(font.bold),
             double(font.italic)},
            ToUtf8(font.face),
            ToUtf8(sjis)});
  }
  if (FarAway(x, y, 0)) return;
  SetColour(colour);
  if (warmer_) warmer_->Note(font, hmag, vmag, sjis);
  InkBox ink;
  PaintText(cr_, font, x, y, hmag, vmag, sjis, &ink);
  if (!ink.empty()) Touch(ink.x1, ink.y1, ink.x2, ink.y2);
}

void Page::Note(const std::string& routine, double x, double y, double colour,
                const std::string& sjis) {
  if (logging) Record({"print", {x, y, colour}, routine, ToUtf8(sjis)});
}

void Page::NoteGlyphsToWarm() {
  if (!warmer_) warmer_ = std::make_unique<GlyphWarmer>(scale_);
}

bool Page::WarmGlyphs(int count) {
  return warmer_ && warmer_->WarmSome(count);
}

bool Page::SavePng(const std::string& path) const {
  PixelRows rows = Pixels();
  return WritePng(path, rows.data, rows.stride, rows.width, rows.height);
}

bool Page::SavePng(std::FILE* file) const {
  PixelRows rows = Pixels();
  return WritePngTo(file, rows.data, rows.stride, rows.width, rows.height);
}
