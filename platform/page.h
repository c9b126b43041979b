// The page: a retained image of the logical drawing space, the font and pen
// state, and the operation log. Both backends draw through one Page.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The drawing library's own types stay inside the platform layer.
struct _cairo;
struct _cairo_surface;
class GlyphWarmer;

// One drawing operation as the log records it: the operation's name, its
// numbers in order, and for a text ("text") its face and its string (UTF-8);
// for a printer's note ("print") `face` holds the printing routine's name and
// `text` the text it was given (UTF-8). Other operations have neither.
struct LoggedOp {
  std::string name;
  std::vector<double> nums;
  std::string face;
  std::string text;
  // One line, no newline, fields separated by tabs: "name<TAB>numbers...",
  // then for a text "<TAB>face<TAB>string"; a printer's note puts the routine
  // before the numbers: "print<TAB>routine<TAB>numbers...<TAB>text".
  std::string Line() const;
};

struct FontState {
  std::string face;  // as the program named it (Shift-JIS)
  double size = 16;
  bool bold = false;
  bool italic = false;
};

// Device pixels x1 <= x < x2, y1 <= y < y2.
struct PixelRect {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  bool empty() const { return x1 >= x2 || y1 >= y2; }
  int width() const { return x2 - x1; }
  int height() const { return y2 - y1; }
};

// The page's pixels: `height` rows of `width` 32-bit values 0x00RRGGBB,
// `stride` bytes apart.
struct PixelRows {
  const unsigned char* data;
  int stride;
  int width;
  int height;
};

// The page's size in device pixels at `scale` device pixels a unit.
int PagePixelWidth(double scale);
int PagePixelHeight(double scale);

class Page {
 public:
  // `scale` device pixels for one logical unit. The page draws into memory
  // of its own, or with `pixels` into those (see DrawInto).
  explicit Page(double scale = 1.0, unsigned char* pixels = nullptr, int stride = 0);
  ~Page();
  Page(const Page&) = delete;
  Page& operator=(const Page&) = delete;

  double scale() const { return scale_; }
  int pixel_width() const;
  int pixel_height() const;
  // One device pixel as 0xRRGGBB.
  uint32_t Pixel(int px, int py) const;
  PixelRows Pixels() const;

  // From now on the page draws into `pixels`: rows of at least pixel_width()
  // 32-bit values 0x00RRGGBB, `stride` bytes apart, pixel_height() of them,
  // which the caller keeps alive; the page as it stands is copied there.
  // nullptr: into memory of its own again. A window draws the page straight
  // into the image it shows this way.
  void DrawInto(unsigned char* pixels, int stride);
  bool draws_into_own_memory() const { return own_memory_; }

  FontState font;
  int pen_width = 1;
  // Narrowed drawing (see SetNarrowing): x is drawn at
  // narrow_origin + (x - narrow_origin) * narrowing.
  double narrow_origin = 0;
  double narrowing = 1;

  void Line(double x1, double y1, double x2, double y2, int colour);
  void Box(double x1, double y1, double x2, double y2, int colour, int fill, int mask);
  void Disc(double x, double y, double r, int colour);
  void Circle(double x, double y, double r, int colour);
  void Arc(double x, double y, double r, int colour, double start, double end);
  void Sector(double x, double y, double r, int colour, int fill, double start, double end);
  void Polyline(const std::vector<double>& xy, int colour);
  void Polygon(const std::vector<double>& xy, int colour, int fill);
  void Clear();
  // hmag may be fractional (a narrowed text); vmag is whole.
  void Text(double x, double y, double hmag, int vmag, int colour, const std::string& sjis);
  void Note(const std::string& routine, double x, double y, double colour, const std::string& sjis);

  // The device pixels the operations may have changed since the last call:
  // a few rectangles that do not overlap (none when nothing was drawn);
  // starts again from nothing.
  std::vector<PixelRect> TakeTouched();

  // At most this many rectangles are kept: beyond it, the two whose joint
  // rectangle wastes the least are joined.
  static constexpr size_t kMostTouched = 8;

  // From now on the page notes the texts it draws, so that WarmGlyphs can
  // render a few of the glyphs it may soon show (those of the texts drawn
  // so far, and the digits) before they are needed; false once all are
  // ready. For an idle moment: a window's first wait for a key.
  void NoteGlyphsToWarm();
  bool WarmGlyphs(int count);

  // With logging on, every operation is kept in `log`, or, with a sink set,
  // handed to the sink as it happens and not kept.
  bool logging = false;
  std::vector<LoggedOp> log;
  std::function<void(const LoggedOp&)> log_sink;

  // "" while every drawing reached the page, else why one did not (the
  // drawing library's words, "out of memory" say): from that drawing on the
  // page may show less than was drawn.
  std::string DrawingFault() const;

  // A PNG of the page, written whole or not at all (see WritePng); false
  // when it cannot be written.
  bool SavePng(const std::string& path) const;
  // A PNG of the page written to `file`; false (errno saying why) when it
  // cannot be written.
  bool SavePng(std::FILE* file) const;

 private:
  // Logs an operation: kept in `log`, or handed to the sink.
  void Record(LoggedOp&& op) {
    if (log_sink) {
      log_sink(op);
    } else {
      log.push_back(std::move(op));
    }
  }
  // Adds the logical rectangle, plus a pixel of antialiased edge, to the
  // touched ones.
  void Touch(double x1, double y1, double x2, double y2);
  void AddTouched(PixelRect r);
  // Drawing over r: its tiles are no longer known blank.
  void Unblank(const PixelRect& r);
  // Erases the device pixels r, those not known blank already.
  void Erase(const PixelRect& r);
  PixelRect ErasingPixels(double x, double y, double w, double h) const;
  // Makes the surface and drawing context over `pixels` (own memory when
  // nullptr), the page white.
  void Bind(unsigned char* pixels, int stride);
  void Unbind();
  // Fills device pixels with the page colour: a plain store of the pixels,
  // past the caches when `streaming`.
  void ErasePixels(const PixelRect& r, bool streaming);
  void TouchAround(double x, double y, double reach) {
    Touch(x - reach, y - reach, x + reach, y + reach);
  }
  void TouchPoints(const std::vector<double>& xy, double reach);
  void SetColour(int colour);
  void StrokeAtPen();
  void FillRect(double x, double y, double w, double h);

  double scale_;
  bool erasing_ = false;
  // The page in tiles of kTile x kTile device pixels, row by row: 1 for a
  // tile known to hold nothing but the page colour, which erasing again
  // would not change and is not drawn.
  static constexpr int kTile = 32;
  int tiles_across_ = 0;
  std::vector<uint8_t> blank_tiles_;
  bool own_memory_ = true;
  std::vector<PixelRect> touched_;
  std::unique_ptr<GlyphWarmer> warmer_;
  _cairo_surface* surface_;
  _cairo* cr_;
  // Why a surface or context the page drew with before (see DrawInto)
  // failed; "" when none did.
  std::string earlier_fault_;
};
