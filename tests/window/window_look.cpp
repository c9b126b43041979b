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
//   window_look icon WINDOW PROGRAM
//                              the window's icon is PROGRAM's: its tile in
//                              the colour of PROGRAM's place in the list
//   window_look keys KEYS      prints the X key names that type the key
//                              script KEYS, one a line (for xdotool)
//
// Nothing here takes its verdict from a clock: each waits for what it looks
// for, as long as the test's processes, the program among them, are at work
// (WaitUntil). What it checks about time is the blink itself, judged only
// from what looks close enough together prove about it.
//
// Prints what it saw; exit status 0 when it is as it should be.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "bounded_wait.h"
#include "errors.h"
#include "globals.h"
#include "headless.h"
#include "headless_pixels.h"
#include "icon_tiles.h"
#include "key_script.h"
#include "palette.h"
#include "program.h"
#include "programs.h"
#include "runtime.h"
#include "x_key_names.h"

namespace {

// The blink: the cursor changes every half second (a wait for a key wakes
// then), a little later when the machine is busy.
//
// Two looks at the cursor's square less than kLookGap apart leave no room
// for a whole phase between them (a phase that short is wrong in itself),
// so they tell when a change came, to within the gap. A phase counts
// towards the mean only where such close looks saw both its ends: looks
// further apart prove nothing about its length, and a change missed between
// them would make a phase look longer. The mean of kBlinkPhases such phases
// lies between kMeanPhaseLeast and kMeanPhaseMost (a blink twice or half as
// fast falls outside). A phase seen without such a gap for longer than
// kLongestPhase is wrong, as is one that the looks on either side bound to
// less than kShortestPhase.
constexpr double kLookGap = 0.25;
constexpr int kBlinkPhases = 6;
constexpr double kMeanPhaseLeast = 0.35, kMeanPhaseMost = 0.75;
constexpr double kLongestPhase = 2.0, kShortestPhase = 0.25;
// The whole window is compared with its first shot this many times at
// least while the blink is watched, a shot at a time apart from the looks
// at the cursor.
constexpr int kWholeShots = 4;

double Now() {
  return MonotonicSeconds();
}

// A window that went away (its program ended) makes a look fail, not this
// tool end. Each thread looks through a display connection of its own, and
// Xlib reports an error to the thread whose request caused it.
thread_local int g_x_error = 0;
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

// Takes shots of windows through one display connection: through memory
// shared with the X server where it offers that (a whole window then comes
// in milliseconds, where its megabytes sent through the connection take
// seconds on a busy machine), else through the connection.
class Camera {
 public:
  explicit Camera(Display* display) : display_(display) {
    int major, minor;
    Bool pixmaps;
    shared_ = XShmQueryVersion(display_, &major, &minor, &pixmaps);
  }
  ~Camera() {
    for (Segment& s : segments_) {
      XShmDetach(display_, &s.info);
      s.image->data = nullptr;
      XDestroyImage(s.image);
      shmdt(s.info.shmaddr);
    }
  }
  Camera(const Camera&) = delete;
  Camera& operator=(const Camera&) = delete;

  // The window's size, or false when it cannot be read.
  bool SizeOf(Window window, int* width, int* height) {
    XWindowAttributes attributes;
    g_x_error = 0;
    if (!XGetWindowAttributes(display_, window, &attributes) || g_x_error) return false;
    *width = attributes.width;
    *height = attributes.height;
    return true;
  }

  // The pixels of the window in x..x+width, y..y+height (the whole window
  // when width is 0): empty when the window cannot be read (it went away).
  Shot Take(Window window, int x = 0, int y = 0, int width = 0, int height = 0) {
    if (width == 0 && !SizeOf(window, &width, &height)) return {};
    XImage* image = nullptr;
    XImage* shared = SharedImage(width, height);
    if (shared) {
      g_x_error = 0;
      XShmGetImage(display_, window, shared, x, y, AllPlanes);
      XSync(display_, False);
      if (!g_x_error) image = shared;
    }
    if (!image) {
      g_x_error = 0;
      image = XGetImage(display_, window, x, y, width, height, AllPlanes, ZPixmap);
      XSync(display_, False);
      if (!image || g_x_error) {
        if (image) XDestroyImage(image);
        return {};
      }
      // The window reads through the connection but not through shared
      // memory (another depth than the screen's): the connection from now on.
      if (shared) shared_ = false;
    }
    Shot shot;
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
    if (image != shared) XDestroyImage(image);
    return shot;
  }

 private:
  struct Segment {
    XShmSegmentInfo info;
    XImage* image;
  };

  // An image of that size in memory shared with the X server; nullptr when
  // the server shares none.
  XImage* SharedImage(int width, int height) {
    if (!shared_) return nullptr;
    for (Segment& s : segments_) {
      if (s.image->width == width && s.image->height == height) return s.image;
    }
    const int screen = DefaultScreen(display_);
    Segment s{};
    s.image =
        XShmCreateImage(display_, DefaultVisual(display_, screen), DefaultDepth(display_, screen),
                        ZPixmap, nullptr, &s.info, width, height);
    if (!s.image) return NoSharing();
    s.info.shmid = shmget(IPC_PRIVATE, size_t(s.image->bytes_per_line) * height, IPC_CREAT | 0600);
    if (s.info.shmid < 0) {
      XDestroyImage(s.image);
      return NoSharing();
    }
    s.info.shmaddr = s.image->data = static_cast<char*>(shmat(s.info.shmid, nullptr, 0));
    s.info.readOnly = False;
    g_x_error = 0;
    const bool attached = s.info.shmaddr != reinterpret_cast<char*>(-1) &&
                          XShmAttach(display_, &s.info) && (XSync(display_, False), !g_x_error);
    // Gone once both sides let it go, whatever happens to this process.
    shmctl(s.info.shmid, IPC_RMID, nullptr);
    if (!attached) {
      if (s.info.shmaddr != reinterpret_cast<char*>(-1)) shmdt(s.info.shmaddr);
      s.image->data = nullptr;
      XDestroyImage(s.image);
      return NoSharing();
    }
    segments_.push_back(s);
    return s.image;
  }
  XImage* NoSharing() {
    shared_ = false;
    return nullptr;
  }

  Display* display_;
  bool shared_ = false;
  std::vector<Segment> segments_;
};

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

// The page point where the answer field at (field_x, field_y) draws its
// cursor: a disc about (XX + 8, YY + 8), as the field draws it.
struct PagePoint {
  double x, y;
};
PagePoint CursorOfField(double field_x, double field_y) {
  return {field_x + 8, field_y + 8};
}

// The main menu's cursor: its field where the program's start puts it.
PagePoint MenuCursor() {
  HeadlessBackend backend;
  backend.page().logging = false;
  InstallBackend(&backend);
  StartUpState(ProgramDescription{});
  InstallBackend(nullptr);
  return CursorOfField(KAIX, KAIY);
}

// The answer field's cursor in the window: the square it may draw in, with
// a margin, and its centre.
struct Cursor {
  int x1, y1, x2, y2;  // inclusive
  int cx, cy;
  bool inside(int x, int y) const { return x >= x1 && x <= x2 && y >= y1 && y <= y2; }
};

Cursor CursorAt(const Place& place, PagePoint centre) {
  return {place.px(centre.x - 5) - 2, place.py(centre.y - 5) - 2, place.px(centre.x + 5) + 2,
          place.py(centre.y + 5) + 2, place.px(centre.x),         place.py(centre.y)};
}

Shot TakeCursor(Camera& camera, Window window, const Cursor& c) {
  return camera.Take(window, c.x1, c.y1, c.x2 - c.x1 + 1, c.y2 - c.y1 + 1);
}

// Whether the cursor is drawn (its centre in the cursor's colour) in a shot
// of its square.
bool Drawn(const Shot& square, const Cursor& c) {
  return square.at(c.cx, c.cy) == Colour(5);
}

// Waits until the main menu's cursor shows: the menu is drawn and waits for
// a number. Leaves the cursor's place in `cursor`.
bool WaitForMenuCursor(Camera& camera, Window window, Cursor* cursor, const char* what) {
  const PagePoint centre = MenuCursor();
  bool gone = false;
  const bool shown = WaitUntil(
      "the main menu's cursor to show",
      [&] {
        int width, height;
        if (!camera.SizeOf(window, &width, &height)) return gone = true;
        *cursor = CursorAt(PlaceOf(width, height), centre);
        Shot square = TakeCursor(camera, window, *cursor);
        if (square.empty()) return gone = true;
        return Drawn(square, *cursor);
      },
      0.01);
  if (!shown || gone) std::printf("%s: the menu's cursor never showed\n", what);
  return shown && !gone;
}

int Waiting(Camera& camera, Window window) {
  Cursor cursor;
  return WaitForMenuCursor(camera, window, &cursor, "waiting") ? 0 : 1;
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

// One look at the cursor's square: the image was taken between `sent` and
// `received`, and showed the cursor drawn or not.
struct Look {
  double sent, received;
  bool drawn;
};

// What the looks at the cursor prove about its blink, look by look. A phase
// is a run of looks that agree; the look before it and the look after it
// bound it.
class BlinkSeen {
 public:
  void Add(const Look& look) {
    ++looks_;
    if (looks_ == 1) {
      phase_ = {look.drawn, {}, false, look, look, false, look.received};
      previous_ = look;
      return;
    }
    // A change between two looks came after the first was taken and before
    // the second was.
    const double gap = look.received - previous_.sent;
    largest_gap_ = std::max(largest_gap_, gap);
    const bool close = gap < kLookGap;
    wide_gaps_ += !close;
    if (look.drawn == phase_.drawn) {
      if (!close) {
        phase_.close = false;
        phase_.stretch_from = look.received;
      }
      phase_.last = look;
      // Seen without a break from the stretch's first look to this one.
      if (look.sent - phase_.stretch_from > longest_.seconds) {
        longest_ = {look.sent - phase_.stretch_from, look.drawn};
      }
    } else {
      ++changes_;
      if (phase_.has_before) {
        // The phase lay between the look before it and this one.
        shortest_bound_ = std::min(shortest_bound_, look.received - phase_.before.sent);
        if (phase_.close && close) {
          // Its ends, each halfway between the looks on either side.
          const double start = (phase_.before.sent + phase_.first.received) / 2;
          const double end = (phase_.last.sent + look.received) / 2;
          close_phases_.push_back(end - start);
        }
      }
      phase_ = {look.drawn, previous_, true, look, look, close, look.received};
    }
    previous_ = look;
  }

  int looks() const { return looks_; }
  int changes() const { return changes_; }
  double largest_gap() const { return largest_gap_; }
  // How many times two looks in a row were kLookGap or more apart.
  int wide_gaps() const { return wide_gaps_; }
  // The lengths of the phases seen closely at both ends.
  const std::vector<double>& close_phases() const { return close_phases_; }
  double mean() const {
    double sum = 0;
    for (double length : close_phases_) sum += length;
    return close_phases_.empty() ? 0 : sum / close_phases_.size();
  }
  // The longest stretch one phase was seen without a gap of kLookGap, and
  // whether the cursor was drawn in it.
  double longest() const { return longest_.seconds; }
  bool longest_drawn() const { return longest_.drawn; }
  // The least upper bound the looks gave a phase (1e9 when none was bound).
  double shortest_bound() const { return shortest_bound_; }

 private:
  struct Phase {
    bool drawn;
    Look before;  // the last look of the phase before
    bool has_before;
    Look first, last;
    bool close;           // no gap of kLookGap yet from `before` on
    double stretch_from;  // where the stretch seen without a gap began
  };
  struct Stretch {
    double seconds = 0;
    bool drawn = false;
  };
  int looks_ = 0, changes_ = 0, wide_gaps_ = 0;
  double largest_gap_ = 0, shortest_bound_ = 1e9;
  Look previous_{};
  Phase phase_{};
  Stretch longest_;
  std::vector<double> close_phases_;
};

// The whole window, shot again and again on a display connection of its own
// while the cursor is looked at, each shot compared with the first: nothing
// but the cursor changes. Its shots, however slow, never hold up the looks
// at the cursor.
class WholeWindowWatch {
 public:
  WholeWindowWatch(Window window, const Shot& reference, const Cursor& cursor)
      : thread_([this, window, &reference, cursor] { Run(window, reference, cursor); }) {}
  ~WholeWindowWatch() { Stop(); }

  void Stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
  }
  int shots() const { return shots_; }
  bool failed() const { return failed_; }
  // What was wrong, once stopped.
  const std::string& fault() const { return fault_; }

 private:
  void Run(Window window, const Shot& reference, const Cursor& cursor) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
      Fail("no second connection to the display");
      return;
    }
    Watch(Camera(display), window, reference, cursor);
    XCloseDisplay(display);
  }
  void Watch(Camera&& camera, Window window, const Shot& reference, const Cursor& cursor) {
    while (!stop_ && !failed_) {
      Shot whole = camera.Take(window);
      std::string where;
      if (whole.empty()) {
        Fail("the window went away");
      } else if (whole.width != reference.width || whole.height != reference.height) {
        Fail("the window changed its size");
      } else if (DiffersOutside(reference, whole, cursor, &where)) {
        Fail("the window changed outside the cursor, in " + where);
      } else {
        ++shots_;
      }
      // Not back to back: the program and the looks at the cursor share
      // the machine and the X server with these shots.
      usleep(150000);
    }
  }
  void Fail(const std::string& what) {
    fault_ = what;
    failed_ = true;
  }

  std::atomic<bool> stop_ = false, failed_ = false;
  std::atomic<int> shots_ = 0;
  std::string fault_;
  std::thread thread_;
};

int Blink(Camera& camera, Window window) {
  Cursor cursor;
  if (!WaitForMenuCursor(camera, window, &cursor, "blink")) return 1;
  const Shot reference = camera.Take(window);
  if (reference.empty()) {
    std::printf("blink: no image of the window\n");
    return 1;
  }
  std::vector<std::string> faults;
  // The cursor's square, drawn and white: every look must be one of the two.
  Shot on, off;
  BlinkSeen seen;
  WholeWindowWatch whole(window, reference, cursor);
  const double start = Now();
  WaitUntil(
      std::to_string(kBlinkPhases) + " phases of the blink seen closely and " +
          std::to_string(kWholeShots) + " shots of the whole window",
      [&] {
        const double sent = Now();
        Shot square = TakeCursor(camera, window, cursor);
        const double received = Now();
        if (square.empty()) {
          faults.push_back("the window went away");
          return true;
        }
        const bool drawn = Drawn(square, cursor);
        Shot& same_kind = drawn ? on : off;
        if (same_kind.empty()) {
          same_kind = square;
          // Off, the cursor's square is white.
          if (!drawn && square.at(cursor.cx, cursor.cy) != Colour(15)) {
            faults.push_back("the cursor's square is neither drawn nor white");
          }
        } else if (square.pixels != same_kind.pixels) {
          faults.push_back(std::string("the cursor ") + (drawn ? "on" : "off") +
                           " looked otherwise than before");
        }
        seen.Add({sent, received, drawn});
        if (whole.failed() || !faults.empty()) return true;
        if (seen.longest() > kLongestPhase || seen.shortest_bound() < kShortestPhase) return true;
        return int(seen.close_phases().size()) >= kBlinkPhases && whole.shots() >= kWholeShots;
      },
      0.005);
  whole.Stop();
  if (whole.failed()) faults.push_back(whole.fault());
  char text[160];
  if (seen.longest() > kLongestPhase) {
    std::snprintf(text, sizeof text, "the cursor stayed %s for longer than %g s (%.3f s seen)",
                  seen.longest_drawn() ? "on" : "off", kLongestPhase, seen.longest());
    faults.push_back(text);
  }
  if (seen.shortest_bound() < kShortestPhase) {
    std::snprintf(text, sizeof text, "a phase of at most %.3f s", seen.shortest_bound());
    faults.push_back(text);
  }
  const std::vector<double>& close = seen.close_phases();
  std::printf(
      "blink: %d changes in %.1f s (%d looks at the cursor x %d..%d, y %d..%d, the largest gap "
      "%.2f s, %d of %g s or more; %d of the whole window); %zu phases seen closely",
      seen.changes(), Now() - start, seen.looks(), cursor.x1, cursor.x2, cursor.y1, cursor.y2,
      seen.largest_gap(), seen.wide_gaps(), kLookGap, whole.shots(), close.size());
  if (!close.empty()) {
    const auto [least, most] = std::minmax_element(close.begin(), close.end());
    std::printf(", mean %.2f s (%.2f to %.2f s)", seen.mean(), *least, *most);
  }
  std::printf("; longest seen %.2f s", seen.longest());
  if (seen.shortest_bound() < 1e9) std::printf(", shortest at most %.2f s", seen.shortest_bound());
  std::printf("\n");
  if (faults.empty() && int(close.size()) >= kBlinkPhases) {
    if (seen.mean() < kMeanPhaseLeast || seen.mean() > kMeanPhaseMost) {
      faults.push_back("the mean phase is not about half a second");
    }
  } else if (faults.empty() && seen.changes() == 0) {
    // Never seen in the other state, however far apart the looks.
    faults.push_back("the cursor never changed in " + std::to_string(seen.looks()) + " looks");
  } else if (faults.empty()) {
    // Looks too far apart prove nothing about the phases between them:
    // they are not held against the program.
    std::printf("blink: too few phases seen closely to judge the mean\n");
  }
  for (const std::string& fault : faults) std::printf("blink: %s\n", fault.c_str());
  return faults.empty() ? 0 : 1;
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
int Fit(Camera& camera, Window window, const std::string& size) {
  int want_width = 0, want_height = 0;
  if (!size.empty() && std::sscanf(size.c_str(), "%dx%d", &want_width, &want_height) != 2) {
    return 2;
  }
  Shot shot;
  const bool fits = WaitUntil(
      "the window to show the whole page",
      [&] {
        shot = camera.Take(window);
        if (shot.empty()) return true;
        const bool sized = size.empty() || (shot.width == want_width && shot.height == want_height);
        return sized && FitFailures(shot, false) == 0;
      },
      0.02);
  if (fits && !shot.empty()) return FitFailures(shot, true);
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

int Error(Camera& camera, Window window) {
  bool shown = false;
  WaitUntil(
      "the window to show the error screen",
      [&] {
        const Shot shot = camera.Take(window);
        shown = !shot.empty() && ShowsErrorScreen(shot);
        return shown || shot.empty();
      },
      0.02);
  std::printf(shown ? "error: the window shows the error screen\n"
                    : "error: the window never showed the error screen\n");
  return shown ? 0 : 1;
}

// The page PROGRAM draws headless on KEYS, as the player runs it.
bool Headless(const std::string& name, const std::string& keys, Shot* page) {
  const ProgramDescription* program = FindProgram(name);
  if (!program) return false;
  PagePixels pixels;
  const bool shown = RunHeadless(*program, ParseKeyScript(keys), &pixels);
  page->width = pixels.width;
  page->height = pixels.height;
  page->pixels = std::move(pixels.pixels);
  return shown;
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

int Same(Camera& camera, Window window, const std::string& program, const std::string& keys) {
  Shot on;
  if (!Headless(program, keys, &on)) {
    std::printf("same: %s does not run headless on \"%s\"\n", program.c_str(), keys.c_str());
    return 1;
  }
  // Where the keys leave the answer field waiting, the headless page shows
  // its cursor (colour 5 at the disc's centre); the window blinks it: off,
  // the cursor's square, 4 each way from its centre, is white and every
  // other pixel as it was.
  const PagePoint centre = CursorOfField(XX, YY);
  const int cx = int(centre.x), cy = int(centre.y);
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
    Shot shot = camera.Take(window);
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
  WaitUntil(
      "the window to show what the keys drew",
      [&] {
        seen = look();
        return seen != Seen::kOther || why == "no image of the window";
      },
      0.02);
  if (seen == Seen::kOther) {
    std::printf("same: %s \"%s\": %s from the page\n", program.c_str(), keys.c_str(), why.c_str());
    return 1;
  }
  // From then on every shot is the page, with the cursor on or off; at a
  // field, the cursor is seen to go off and come back on without a trace.
  // A shot is taken whenever the cursor's square changes, and every 0.15 s.
  const Cursor cursor = CursorAt(place, centre);
  int ons = seen == Seen::kOn, offs = seen == Seen::kOff, back_on = 0, shots = 1;
  bool last_drawn = seen == Seen::kOn;
  const double start = Now();
  double last_shot = start;
  std::string fault;
  WaitUntil(
      field ? "the page to keep showing, its cursor blinking off and back on"
            : "the page to keep showing",
      [&] {
        const bool blinked = offs > 0 && back_on > 0;
        if (Now() - start >= 1.2 && shots >= 4 && (!field || blinked)) return true;
        bool changed = false;
        if (field) {
          Shot square = TakeCursor(camera, window, cursor);
          if (square.empty()) {
            fault = "the window went away";
            return true;
          }
          changed = Drawn(square, cursor) != last_drawn;
        }
        if (!changed && Now() - last_shot < 0.15) return false;
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
            fault = "shot " + std::to_string(shots) + ": " + why + " from the page";
            return true;
        }
        return false;
      },
      0.005);
  if (!fault.empty()) {
    std::printf("same: %s\n", fault.c_str());
    return 1;
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

// Prints the X key name of each key of the key script `keys`, one a line.
int Keys(const std::string& keys) {
  try {
    for (const std::string& key : ParseKeyScript(keys)) std::printf("%s\n", XKeyName(key).c_str());
  } catch (const std::invalid_argument& e) {
    std::fprintf(stderr, "window_look: %s\n", e.what());
    return 2;
  }
  return 0;
}

}  // namespace

// The icon the window carries (_NET_WM_ICON, as a window manager reads it)
// is PROGRAM's: a tile in the colour of its place in the list of programs,
// seen at the icon's corners (the initial and the number line lie inside).
int Icon(Display* display, Window window, const std::string& program) {
  const int place = ProgramPlace(program);
  if (place < 0) {
    std::printf("icon: %s is not in the list of programs\n", program.c_str());
    return 2;
  }
  const uint32_t tile = Colour(IconTileColour(place));
  Atom type;
  int format;
  unsigned long count = 0, left = 0;
  unsigned char* data = nullptr;
  const int got =
      XGetWindowProperty(display, window, XInternAtom(display, "_NET_WM_ICON", False), 0, 1 << 20,
                         False, XA_CARDINAL, &type, &format, &count, &left, &data);
  // Format 32 comes as longs: the width, the height, then the pixels (ARGB).
  const unsigned long* icon = reinterpret_cast<const unsigned long*>(data);
  int failures = 0;
  if (got != Success || !data || format != 32 || count < 2 || icon[0] < 4 || icon[1] < 4 ||
      count < 2 + icon[0] * icon[1]) {
    std::printf("icon: the window carries no icon\n");
    failures = 1;
  } else {
    const unsigned long width = icon[0], height = icon[1];
    std::printf("icon: %lux%lu, %s's tile colour %06X (palette %d)\n", width, height,
                program.c_str(), tile, IconTileColour(place));
    for (const auto& [x, y] : {std::pair<unsigned long, unsigned long>{1, 1},
                               {width - 2, 1},
                               {1, height - 2},
                               {width - 2, height - 2}}) {
      const uint32_t pixel = uint32_t(icon[2 + y * width + x]) & 0xFFFFFF;
      if (pixel != tile) {
        std::printf("icon: %06X at (%lu, %lu), not %s's tile colour\n", pixel, x, y,
                    program.c_str());
        ++failures;
      }
    }
  }
  if (data) XFree(data);
  return failures ? 1 : 0;
}

int main(int argc, char** argv) {
  std::string what = argc > 1 ? argv[1] : "";
  const bool right = what == "same"   ? argc == 5
                     : what == "fit"  ? argc == 3 || argc == 4
                     : what == "icon" ? argc == 4
                                      : argc == 3;
  if (!right) {
    std::fprintf(stderr,
                 "usage: window_look waiting|blink|error WINDOW_ID | fit WINDOW_ID [WxH] | "
                 "same WINDOW_ID PROGRAM KEYS | icon WINDOW_ID PROGRAM | keys KEYS\n");
    return 2;
  }
  if (what == "keys") return Keys(argv[2]);
  // The blink's whole-window shots come from a thread of their own.
  XInitThreads();
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "window_look: no display\n");
    return 1;
  }
  XSetErrorHandler(NoteXError);
  Window window = std::strtoul(argv[2], nullptr, 0);
  int status;
  if (what == "icon") {
    status = Icon(display, window, argv[3]);
  } else {
    Camera camera(display);
    status = what == "waiting" ? Waiting(camera, window)
             : what == "blink" ? Blink(camera, window)
             : what == "error" ? Error(camera, window)
             : what == "fit"   ? Fit(camera, window, argc == 4 ? argv[3] : "")
             : what == "same"  ? Same(camera, window, argv[3], argv[4])
                               : 2;
  }
  XCloseDisplay(display);
  return status;
}
