// The page: a retained Cairo image of the logical drawing space, the font and
// pen state, and the operation log. Both backends draw through one Page.
#pragma once

#include <cairo.h>

#include <functional>
#include <string>
#include <vector>

// One drawing operation as the log records it: the operation's name, its
// numbers in order, and for text the face and the string (UTF-8).
struct LoggedOp {
  std::string name;
  std::vector<double> nums;
  std::string face;
  std::string text;
  // "name<TAB>numbers...<TAB>face<TAB>text", one line, no newline.
  std::string Line() const;
};

struct FontState {
  std::string face;  // as the program named it (Shift-JIS)
  double size = 16;
  bool bold = false;
  bool italic = false;
};

class Page {
 public:
  // `scale` device pixels for one logical unit.
  explicit Page(double scale = 1.0);
  ~Page();
  Page(const Page&) = delete;
  Page& operator=(const Page&) = delete;

  double scale() const { return scale_; }
  cairo_surface_t* surface() const { return surface_; }
  int pixel_width() const;
  int pixel_height() const;

  FontState font;
  int pen_width = 1;

  void Line(double x1, double y1, double x2, double y2, int colour);
  void Box(double x1, double y1, double x2, double y2, int colour, int fill, int mask);
  void Disc(double x, double y, double r, int colour);
  void Circle(double x, double y, double r, int colour);
  void Arc(double x, double y, double r, int colour, double start, double end);
  void Sector(double x, double y, double r, int colour, int fill, double start, double end);
  void Polyline(const std::vector<double>& xy, int colour);
  void Polygon(const std::vector<double>& xy, int colour, int fill);
  void Clear();
  void Text(double x, double y, int hmag, int vmag, int colour, const std::string& sjis);
  void Note(const std::string& routine, double x, double y, double colour, const std::string& sjis);

  // Set whenever something is drawn; the window backend clears it when it
  // has shown the page.
  bool changed = true;

  // With logging on, every operation is kept in `log`, or, with a sink set,
  // handed to the sink as it happens and not kept.
  bool logging = false;
  std::vector<LoggedOp> log;
  std::function<void(const LoggedOp&)> log_sink;

  bool SavePng(const std::string& path) const;

 private:
  // Logs a drawing operation: the page has changed.
  void Record(LoggedOp op);
  // Logs any operation, drawing or note.
  void Keep(LoggedOp op);
  void SetColour(int colour);
  void StrokeAtPen();

  double scale_;
  bool erasing_ = false;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};
