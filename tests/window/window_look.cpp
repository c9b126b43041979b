// Looks at a program's window on the X server the way a learner sees it.
//
//   window_look waiting WINDOW waits until the main menu waits for a number:
//                              its answer field's cursor shows
//   window_look blink WINDOW   the main menu's answer-field cursor blinks at
//                              about its period, and nothing else on the
//                              screen changes
//   window_look fit WINDOW [WxH]
//                              the whole page shows in the window (once it is
//                              W x H, when given), scaled to fit with its
//                              aspect kept, centred
//   window_look error WINDOW   waits until the window shows the error screen:
//                              the menu's panel gone from the white page, and
//                              the error's line drawn in yellow where the
//                              screen writes it
//   window_look same WINDOW PROGRAM KEYS
//                              the window shows, pixel for pixel, the page
//                              PROGRAM draws headless on the key script KEYS
//                              (the window at the page's own size), and keeps
//                              showing it: where the keys leave the answer
//                              field waiting, its cursor blinks off (its
//                              square white) and back on, leaving no trace
//
// Nothing here takes its verdict from a clock: each waits for what it looks
// for, as long as a program that has not stopped may need, and a look that
// comes late only makes it look longer. What it checks about time is the
// blink itself, with margins no busy machine reaches.
//
// Prints what it saw; exit status 0 when it is as it should be.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "errors.h"
#include "globals.h"
#include "headless.h"
#include "key_script.h"
#include "palette.h"
#include "programs.h"
#include "runtime.h"

namespace {

constexpr int kPageWidth = 1440;
constexpr int kPageHeight = 900;
// The main menu's answer field waits at (1056, 648): its cursor is a disc of
// radius 4 at (1064, 656).
constexpr double kMenuCursorX = 1064, kMenuCursorY = 656;

// How long a look waits for what it looks for: only a program that is stuck
// (or a window that never shows it) takes this long.
constexpr double kPatience = 60;

// The blink: the cursor changes every half second (a wait for a key wakes
// then), later when the machine is busy. A phase seen without a break for
// longer than kLongestPhase, or certainly shorter than kShortestPhase, is
// wrong; so is a mean phase outside kMeanPhase. Looks further apart than
// kLookGap may hide a phase between them, so they prove nothing about its
// length.
constexpr double kLongestPhase = 2.0, kShortestPhase = 0.25;
constexpr double kMeanPhaseLeast = 0.35, kMeanPhaseMost = 1.0;
constexpr double kLookGap = 0.25;
// The blink is watched for at least this long and this many changes.
constexpr double kBlinkWatch = 4.0;
constexpr int kBlinkChanges = 6;

double Now() {
  timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return double(t.tv_sec) + t.tv_nsec / 1e9;
}

void Pause(double seconds) {
  usleep(useconds_t(seconds * 1e6));
}

// A window that went away (its program ended) makes a look fail, not this
// tool end.
int g_x_error = 0;
int NoteXError(Display*, XErrorEvent* e) {
  g_x_error = e->error_code;
  return 0;
}

struct Shot {
  int x = 0, y = 0;  // where in the window it was taken
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;
  uint32_t at(int px, int py) const { return pixels[size_t(py - y) * width + (px - x)]; }
  bool contains(int px, int py) const {
    return px >= x && py >= y && px < x + width && py < y + height;
  }
  bool empty() const { return pixels.empty(); }
};

// The pixels of the window in x..x+width, y..y+height (the whole window when
// width is 0): empty when the window cannot be read (it went away).
Shot Take(Display* display, Window window, int x = 0, int y = 0, int width = 0, int height = 0) {
  Shot shot;
  if (width == 0) {
    XWindowAttributes attributes;
    g_x_error = 0;
    if (!XGetWindowAttributes(display, window, &attributes) || g_x_error) return {};
    width = attributes.width;
    height = attributes.height;
  }
  g_x_error = 0;
  XImage* image = XGetImage(display, window, x, y, width, height, AllPlanes, ZPixmap);
  XSync(display, False);
  if (!image || g_x_error) {
    if (image) XDestroyImage(image);
    return {};
  }
  shot.x = x, shot.y = y, shot.width = width, shot.height = height;
  shot.pixels.resize(size_t(width) * height);
  const bool direct = image->bits_per_pixel == 32 && image->byte_order == LSBFirst &&
                      __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__;
  for (int row = 0; row < height; ++row) {
    uint32_t* to = shot.pixels.data() + size_t(row) * width;
    if (direct) {
      std::memcpy(to, image->data + size_t(row) * image->bytes_per_line, size_t(width) * 4);
      for (int col = 0; col < width; ++col) to[col] &= 0xFFFFFF;
    } else {
      for (int col = 0; col < width; ++col) to[col] = XGetPixel(image, col, row) & 0xFFFFFF;
    }
  }
  XDestroyImage(image);
  return shot;
}

// Where the page lies in a window of this size, as the window shows it.
struct Place {
  double x, y, scale;
  int px(double page_x) const { return int(std::floor(x + page_x * scale)); }
  int py(double page_y) const { return int(std::floor(y + page_y * scale)); }
};

Place PlaceOf(int width, int height) {
  double fit = std::min(width / double(kPageWidth), height / double(kPageHeight));
  double w = std::lround(kPageWidth * fit), h = std::lround(kPageHeight * fit);
  return {std::floor((width - w) / 2), std::floor((height - h) / 2), w / kPageWidth};
}

uint32_t Colour(int number) {
  Rgb c = PaletteColour(number);
  return uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | c.b;
}

// The answer field's cursor in the window: the square it may draw in, with
// a margin, and its centre.
struct Cursor {
  int x1, y1, x2, y2;  // inclusive
  int cx, cy;
  bool inside(int x, int y) const { return x >= x1 && x <= x2 && y >= y1 && y <= y2; }
};

Cursor CursorAt(const Place& place, double page_x, double page_y) {
  return {place.px(page_x - 5) - 2, place.py(page_y - 5) - 2, place.px(page_x + 5) + 2,
          place.py(page_y + 5) + 2, place.px(page_x),         place.py(page_y)};
}

Shot TakeCursor(Display* display, Window window, const Cursor& c) {
  return Take(display, window, c.x1, c.y1, c.x2 - c.x1 + 1, c.y2 - c.y1 + 1);
}

// Whether the cursor is drawn (its centre in the cursor's colour) in a shot
// of its square.
bool Drawn(const Shot& square, const Cursor& c) {
  return square.at(c.cx, c.cy) == Colour(5);
}

// The window's size, or false when it cannot be read.
bool SizeOf(Display* display, Window window, int* width, int* height) {
  XWindowAttributes attributes;
  g_x_error = 0;
  if (!XGetWindowAttributes(display, window, &attributes) || g_x_error) return false;
  *width = attributes.width;
  *height = attributes.height;
  return true;
}

// Waits until the main menu's cursor shows: the menu is drawn and waits for
// a number. Leaves the cursor's place in `cursor`.
bool WaitForMenuCursor(Display* display, Window window, Cursor* cursor, const char* what) {
  for (double start = Now(); Now() - start < kPatience; Pause(0.01)) {
    int width, height;
    if (!SizeOf(display, window, &width, &height)) break;
    *cursor = CursorAt(PlaceOf(width, height), kMenuCursorX, kMenuCursorY);
    Shot square = TakeCursor(display, window, *cursor);
    if (square.empty()) break;
    if (Drawn(square, *cursor)) return true;
  }
  std::printf("%s: the menu's cursor never showed\n", what);
  return false;
}

int Waiting(Display* display, Window window) {
  Cursor cursor;
  return WaitForMenuCursor(display, window, &cursor, "waiting") ? 0 : 1;
}

// The box around the pixels where two shots of one size differ outside
// `cursor`; false when there are none.
bool DiffersOutside(const Shot& a, const Shot& b, const Cursor& cursor, std::string* where) {
  int x1 = a.width, y1 = a.height, x2 = -1, y2 = -1;
  for (int y = 0; y < a.height; ++y) {
    for (int x = 0; x < a.width; ++x) {
      if (cursor.inside(x, y) || a.at(x, y) == b.at(x, y)) continue;
      x1 = std::min(x1, x), y1 = std::min(y1, y), x2 = std::max(x2, x), y2 = std::max(y2, y);
    }
  }
  if (x2 < 0) return false;
  char text[96];
  std::snprintf(text, sizeof text, "x %d..%d, y %d..%d", x1, x2, y1, y2);
  *where = text;
  return true;
}

// One look at the cursor's square: when, and whether the cursor was drawn.
struct Look {
  double at;
  bool drawn;
};

// The phases of the blink as the looks saw them: a phase is a run of looks
// that agree.
struct Phase {
  double before;  // the last look of the phase before (-1: none)
  double first, last;
  double after;  // the first look of the phase after (-1: none)
  double seen;   // the longest stretch of it seen without a gap of kLookGap
  bool drawn;
};

std::vector<Phase> PhasesOf(const std::vector<Look>& looks) {
  std::vector<Phase> phases;
  for (size_t i = 0; i < looks.size();) {
    size_t j = i;
    double stretch_from = looks[i].at, seen = 0;
    while (j + 1 < looks.size() && looks[j + 1].drawn == looks[i].drawn) {
      if (looks[j + 1].at - looks[j].at > kLookGap) stretch_from = looks[j + 1].at;
      ++j;
      seen = std::max(seen, looks[j].at - stretch_from);
    }
    phases.push_back({i > 0 ? looks[i - 1].at : -1, looks[i].at, looks[j].at,
                      j + 1 < looks.size() ? looks[j + 1].at : -1, seen, looks[i].drawn});
    i = j + 1;
  }
  return phases;
}

int Blink(Display* display, Window window) {
  Cursor cursor;
  if (!WaitForMenuCursor(display, window, &cursor, "blink")) return 1;
  const Shot reference = Take(display, window);
  if (reference.empty()) {
    std::printf("blink: no image of the window\n");
    return 1;
  }
  int failures = 0;
  // The cursor's square, drawn and white: every look must be one of the two.
  Shot on, off;
  std::vector<Look> looks;
  double start = Now(), last_whole = start;
  int changes = 0, whole_shots = 0;
  while (Now() - start < kPatience && (Now() - start < kBlinkWatch || changes < kBlinkChanges)) {
    Shot square = TakeCursor(display, window, cursor);
    const double at = Now();
    if (square.empty()) {
      std::printf("blink: the window went away\n");
      return 1;
    }
    const bool drawn = Drawn(square, cursor);
    Shot& same_kind = drawn ? on : off;
    if (same_kind.empty()) {
      same_kind = square;
      // Off, the cursor's square is white.
      if (!drawn && square.at(cursor.cx, cursor.cy) != Colour(15)) {
        std::printf("blink: the cursor's square is neither drawn nor white\n");
        ++failures;
      }
    } else if (square.pixels != same_kind.pixels) {
      std::printf("blink: the cursor %s looked otherwise than before\n", drawn ? "on" : "off");
      ++failures;
    }
    if (!looks.empty() && looks.back().drawn != drawn) ++changes;
    looks.push_back({at, drawn});
    // Now and then the whole window: nothing but the cursor changes.
    if (at - last_whole >= 0.5) {
      last_whole = at;
      Shot whole = Take(display, window);
      std::string where;
      if (whole.width != reference.width || whole.height != reference.height) {
        std::printf("blink: the window changed its size\n");
        ++failures;
      } else if (DiffersOutside(reference, whole, cursor, &where)) {
        std::printf("blink: the window changed outside the cursor, in %s\n", where.c_str());
        ++failures;
      }
      ++whole_shots;
    }
    if (failures) break;
    Pause(0.005);
  }
  const std::vector<Phase> phases = PhasesOf(looks);
  double longest = 0, shortest = 1e9;
  for (const Phase& p : phases) {
    longest = std::max(longest, p.seen);
    // Only a phase with both its ends seen has a length to speak of; the
    // looks around it bound it from above.
    if (p.before >= 0 && p.after >= 0) shortest = std::min(shortest, p.after - p.before);
    if (p.seen > kLongestPhase) {
      std::printf("blink: the cursor stayed %s for %.2f s\n", p.drawn ? "on" : "off", p.seen);
      ++failures;
    }
  }
  if (shortest < kShortestPhase) {
    std::printf("blink: a phase of at most %.2f s\n", shortest);
    ++failures;
  }
  const double span = phases.size() > 2 ? phases.back().first - phases[1].first : 0;
  const double mean = changes > 1 ? span / (changes - 1) : 0;
  std::printf(
      "blink: %d changes in %.1f s (%zu looks at the cursor x %d..%d, y %d..%d, %d of the whole "
      "window); mean phase %.2f s, longest seen %.2f s, shortest at most %.2f s\n",
      changes, looks.empty() ? 0 : looks.back().at - start, looks.size(), cursor.x1, cursor.x2,
      cursor.y1, cursor.y2, whole_shots, mean, longest, shortest);
  if (changes < kBlinkChanges) {
    std::printf("blink: too few changes\n");
    ++failures;
  } else if (mean < kMeanPhaseLeast || mean > kMeanPhaseMost) {
    std::printf("blink: the mean phase is not about half a second\n");
    ++failures;
  }
  return failures == 0 ? 0 : 1;
}

// The checks of `fit` on one shot; prints them when `say`.
int FitFailures(const Shot& shot, bool say) {
  Place place = PlaceOf(shot.width, shot.height);
  int failures = 0;
  auto expect = [&](const char* what, int x, int y, uint32_t colour) {
    x = std::clamp(x, 0, shot.width - 1);
    y = std::clamp(y, 0, shot.height - 1);
    bool ok = shot.at(x, y) == colour;
    if (say) {
      std::printf("fit: %s at (%d, %d): %06X%s\n", what, x, y, shot.at(x, y), ok ? "" : " (wrong)");
    }
    if (!ok) ++failures;
  };
  if (say) {
    std::printf("fit: window %dx%d, page at (%g, %g) scaled %g\n", shot.width, shot.height, place.x,
                place.y, place.scale);
  }
  uint32_t white = Colour(15), panel = Colour(10), border = 0x606060;
  // The page's four corners are white, the menu panel inside it dark green.
  expect("top-left of the page", place.px(2), place.py(2), white);
  expect("bottom-right of the page", place.px(1437), place.py(897), white);
  expect("top-right of the page", place.px(1437), place.py(2), white);
  expect("bottom-left of the page", place.px(2), place.py(897), white);
  expect("menu panel", place.px(1200), place.py(560), panel);
  // Beyond the page, the window's border colour.
  if (place.y >= 4) {
    expect("above the page", place.px(720), int(place.y) - 3, border);
    expect("below the page", place.px(720), place.py(900) + 3, border);
  }
  if (place.x >= 4) {
    expect("left of the page", int(place.x) - 3, place.py(450), border);
    expect("right of the page", place.px(1440) + 3, place.py(450), border);
  }
  return failures;
}

// Waits until the window (of `size`, "WxH", when not empty) shows the whole
// page; prints the checks of the shot that passed, or of the last one.
int Fit(Display* display, Window window, const std::string& size) {
  int want_width = 0, want_height = 0;
  if (!size.empty() && std::sscanf(size.c_str(), "%dx%d", &want_width, &want_height) != 2) {
    return 2;
  }
  Shot shot;
  for (double start = Now(); Now() - start < kPatience; Pause(0.02)) {
    shot = Take(display, window);
    if (shot.empty()) break;
    const bool sized = size.empty() || (shot.width == want_width && shot.height == want_height);
    if (sized && FitFailures(shot, false) == 0) return FitFailures(shot, true);
  }
  if (shot.empty()) {
    std::printf("fit: no image of the window\n");
    return 1;
  }
  if (!size.empty() && (shot.width != want_width || shot.height != want_height)) {
    std::printf("fit: the window stayed %dx%d, not %s\n", shot.width, shot.height, size.c_str());
  }
  FitFailures(shot, true);
  return 1;
}

// Whether a shot shows the error screen: white where the menu's panel was,
// and the yellow line at (288, 432) that says where the error lies.
bool ShowsErrorScreen(const Shot& shot) {
  const Place place = PlaceOf(shot.width, shot.height);
  if (shot.at(place.px(1200), place.py(560)) != Colour(15)) return false;
  for (int y = place.py(432); y < std::min(place.py(480), shot.height); ++y) {
    for (int x = place.px(288); x < std::min(place.px(1440), shot.width); ++x) {
      if (shot.at(x, y) == Colour(13)) return true;
    }
  }
  return false;
}

int Error(Display* display, Window window) {
  for (double start = Now(); Now() - start < kPatience; Pause(0.02)) {
    const Shot shot = Take(display, window);
    if (shot.empty()) break;
    if (ShowsErrorScreen(shot)) {
      std::printf("error: the window shows the error screen\n");
      return 0;
    }
  }
  std::printf("error: the window never showed the error screen\n");
  return 1;
}

// The page PROGRAM draws headless on KEYS, as the player runs it.
bool Headless(const std::string& name, const std::string& keys, Shot* page) {
  const ProgramDescription* program = FindProgram(name);
  if (!program) return false;
  HeadlessBackend backend(ParseKeyScript(keys));
  backend.page().logging = false;
  InstallBackend(&backend);
  try {
    RunProgram(*program);
  } catch (const HeadlessStop&) {
  }
  InstallBackend(nullptr);
  PixelRows rows = backend.page().Pixels();
  page->width = rows.width;
  page->height = rows.height;
  page->pixels.resize(size_t(rows.width) * rows.height);
  for (int y = 0; y < rows.height; ++y) {
    const uint32_t* row = reinterpret_cast<const uint32_t*>(rows.data + size_t(y) * rows.stride);
    for (int x = 0; x < rows.width; ++x)
      page->pixels[size_t(y) * rows.width + x] = row[x] & 0xFFFFFF;
  }
  return !backend.error_screen();
}

// "" when the window shows `page` pixel for pixel, else how many pixels
// differ and where.
std::string Differences(const Shot& shot, const Place& place, const Shot& page) {
  int x1 = page.width, y1 = page.height, x2 = -1, y2 = -1, count = 0;
  for (int y = 0; y < page.height; ++y) {
    for (int x = 0; x < page.width; ++x) {
      const int wx = place.px(x), wy = place.py(y);
      if (shot.contains(wx, wy) && page.at(x, y) == shot.at(wx, wy)) continue;
      x1 = std::min(x1, x), y1 = std::min(y1, y), x2 = std::max(x2, x), y2 = std::max(y2, y);
      ++count;
    }
  }
  if (count == 0) return "";
  char text[96];
  std::snprintf(text, sizeof text, "%d pixels differ in x %d..%d, y %d..%d", count, x1, x2, y1, y2);
  return text;
}

// What one whole shot of the window shows: the page with the cursor on, or
// off, or something else (then `why`).
enum class Seen { kOn, kOff, kOther };

int Same(Display* display, Window window, const std::string& program, const std::string& keys) {
  Shot on;
  if (!Headless(program, keys, &on)) {
    std::printf("same: %s does not run headless on \"%s\"\n", program.c_str(), keys.c_str());
    return 1;
  }
  // Where the keys leave the answer field waiting, the headless page shows
  // its cursor (colour 5 at the disc's centre, (XX + 8, YY + 8)); the window
  // blinks it: off, the cursor's square (XX + 4, YY + 4) to (XX + 12, YY + 12)
  // is white and every other pixel as it was.
  const int cx = int(XX) + 8, cy = int(YY) + 8;
  const bool field =
      cx >= 0 && cy >= 0 && cx < on.width && cy < on.height && on.at(cx, cy) == Colour(5);
  Shot off = on;
  if (field) {
    for (int y = cy - 4; y < cy + 4; ++y) {
      for (int x = cx - 4; x < cx + 4; ++x) off.pixels[size_t(y) * off.width + x] = Colour(15);
    }
  }
  std::string why;
  Place place{};
  auto look = [&] {
    Shot shot = Take(display, window);
    if (shot.empty()) {
      why = "no image of the window";
      return Seen::kOther;
    }
    place = PlaceOf(shot.width, shot.height);
    if (place.scale != 1.0) {
      char text[96];
      std::snprintf(text, sizeof text, "the window shows the page scaled %g", place.scale);
      why = text;
      return Seen::kOther;
    }
    why = Differences(shot, place, on);
    if (why.empty()) return Seen::kOn;
    if (field && Differences(shot, place, off).empty()) return Seen::kOff;
    if (field) why += ", and it is not the page with the cursor off either";
    return Seen::kOther;
  };
  // The window shows what the keys drew once the program has taken them.
  Seen seen = Seen::kOther;
  for (double start = Now(); Now() - start < kPatience && seen == Seen::kOther; Pause(0.02)) {
    seen = look();
    if (why == "no image of the window") break;
  }
  if (seen == Seen::kOther) {
    std::printf("same: %s \"%s\": %s from the page\n", program.c_str(), keys.c_str(), why.c_str());
    return 1;
  }
  // From then on every shot is the page, with the cursor on or off; at a
  // field, the cursor is seen to go off and come back on without a trace.
  // A shot is taken whenever the cursor's square changes, and every 0.15 s.
  const Cursor cursor = CursorAt(place, cx, cy);
  int ons = seen == Seen::kOn, offs = seen == Seen::kOff, back_on = 0, shots = 1;
  bool last_drawn = seen == Seen::kOn;
  const double start = Now();
  double last_shot = start;
  while (Now() - start < kPatience) {
    const bool blinked = offs > 0 && back_on > 0;
    if (Now() - start >= 1.2 && shots >= 4 && (!field || blinked)) break;
    bool changed = false;
    if (field) {
      Shot square = TakeCursor(display, window, cursor);
      if (square.empty()) {
        std::printf("same: the window went away\n");
        return 1;
      }
      changed = Drawn(square, cursor) != last_drawn;
    }
    if (!changed && Now() - last_shot < 0.15) {
      Pause(0.005);
      continue;
    }
    last_shot = Now();
    ++shots;
    switch (look()) {
      case Seen::kOn:
        ++ons;
        back_on += offs > 0;
        last_drawn = true;
        break;
      case Seen::kOff:
        ++offs;
        last_drawn = false;
        break;
      case Seen::kOther:
        std::printf("same: shot %d: %s from the page\n", shots, why.c_str());
        return 1;
    }
  }
  if (field) {
    std::printf("same: %s \"%s\": of %d shots, %d the page, %d the page with the cursor off\n",
                program.c_str(), keys.c_str(), shots, ons, offs);
  } else {
    std::printf("same: %s \"%s\": of %d shots, %d the page (no answer field waits)\n",
                program.c_str(), keys.c_str(), shots, ons);
  }
  if (field && (offs == 0 || back_on == 0)) {
    std::printf("same: the cursor did not blink off and back on while looked at\n");
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::string what = argc > 1 ? argv[1] : "";
  const bool right = what == "same"  ? argc == 5
                     : what == "fit" ? argc == 3 || argc == 4
                                     : argc == 3;
  if (!right) {
    std::fprintf(stderr,
                 "usage: window_look waiting|blink|error WINDOW_ID | fit WINDOW_ID [WxH] | "
                 "same WINDOW_ID PROGRAM KEYS\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "window_look: no display\n");
    return 1;
  }
  XSetErrorHandler(NoteXError);
  Window window = std::strtoul(argv[2], nullptr, 0);
  int status = what == "waiting" ? Waiting(display, window)
               : what == "blink" ? Blink(display, window)
               : what == "error" ? Error(display, window)
               : what == "fit"   ? Fit(display, window, argc == 4 ? argv[3] : "")
               : what == "same"  ? Same(display, window, argv[3], argv[4])
                                 : 2;
  XCloseDisplay(display);
  return status;
}
