// Looks at a program's window on the X server the way a learner sees it.
//
//   window_look blink WINDOW   the main menu's answer-field cursor blinks, and
//                              nothing else on the screen changes
//   window_look fit WINDOW     the whole page shows in the window, scaled to
//                              fit with its aspect kept, centred
//   window_look same WINDOW PROGRAM KEYS
//                              the window shows, pixel for pixel, the page
//                              PROGRAM draws headless on the key script KEYS
//                              (the window at the page's own size), over
//                              more than a second: where the keys leave the
//                              answer field waiting, its cursor blinks off
//                              (its square white) and back on, leaving no
//                              trace
//
// Prints what it saw; exit status 0 when it is as it should be.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "errors.h"
#include "globals.h"
#include "headless.h"
#include "palette.h"
#include "programs.h"
#include "runtime.h"

namespace {

constexpr int kPageWidth = 1440;
constexpr int kPageHeight = 900;

struct Shot {
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;
  uint32_t at(int x, int y) const { return pixels[size_t(y) * width + x]; }
};

Shot Take(Display* display, Window window) {
  XWindowAttributes attributes;
  XGetWindowAttributes(display, window, &attributes);
  Shot shot;
  shot.width = attributes.width;
  shot.height = attributes.height;
  XImage* image = XGetImage(display, window, 0, 0, shot.width, shot.height, AllPlanes, ZPixmap);
  if (!image) return {};
  shot.pixels.resize(size_t(shot.width) * shot.height);
  for (int y = 0; y < shot.height; ++y) {
    for (int x = 0; x < shot.width; ++x) {
      shot.pixels[size_t(y) * shot.width + x] = XGetPixel(image, x, y) & 0xFFFFFF;
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

Place PlaceOf(const Shot& shot) {
  double fit = std::min(shot.width / double(kPageWidth), shot.height / double(kPageHeight));
  double w = std::lround(kPageWidth * fit), h = std::lround(kPageHeight * fit);
  return {std::floor((shot.width - w) / 2), std::floor((shot.height - h) / 2), w / kPageWidth};
}

uint32_t Colour(int number) {
  Rgb c = PaletteColour(number);
  return uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | c.b;
}

int Blink(Display* display, Window window) {
  // The cursor: a disc of radius 4 at (1064, 656) of the page, with a margin
  // of two window pixels.
  std::vector<Shot> shots;
  for (int k = 0; k < 5; ++k) {
    if (k > 0) usleep(500 * 1000);
    shots.push_back(Take(display, window));
    if (shots.back().pixels.empty()) {
      std::printf("blink: no image of the window\n");
      return 1;
    }
  }
  Place place = PlaceOf(shots[0]);
  int cx1 = place.px(1059) - 2, cy1 = place.py(651) - 2;
  int cx2 = place.px(1069) + 2, cy2 = place.py(661) + 2;
  int differing = 0, failures = 0;
  for (size_t k = 1; k < shots.size(); ++k) {
    const Shot& a = shots[k - 1];
    const Shot& b = shots[k];
    if (a.width != b.width || a.height != b.height) return 1;
    int x1 = a.width, y1 = a.height, x2 = -1, y2 = -1;
    for (int y = 0; y < a.height; ++y) {
      for (int x = 0; x < a.width; ++x) {
        if (a.at(x, y) == b.at(x, y)) continue;
        x1 = std::min(x1, x), y1 = std::min(y1, y), x2 = std::max(x2, x), y2 = std::max(y2, y);
      }
    }
    if (x2 < 0) {
      std::printf("blink: shots %zu and %zu alike\n", k - 1, k);
      continue;
    }
    ++differing;
    bool inside = x1 >= cx1 && x2 <= cx2 && y1 >= cy1 && y2 <= cy2;
    std::printf("blink: shots %zu and %zu differ in x %d..%d, y %d..%d%s\n", k - 1, k, x1, x2, y1,
                y2, inside ? "" : " (outside the cursor)");
    if (!inside) ++failures;
  }
  std::printf("blink: %d of %zu half-second steps changed the cursor (x %d..%d, y %d..%d)\n",
              differing, shots.size() - 1, cx1, cx2, cy1, cy2);
  return failures == 0 && differing >= 2 ? 0 : 1;
}

int Fit(Display* display, Window window) {
  Shot shot = Take(display, window);
  if (shot.pixels.empty()) return 1;
  Place place = PlaceOf(shot);
  int failures = 0;
  auto expect = [&](const char* what, int x, int y, uint32_t colour) {
    x = std::clamp(x, 0, shot.width - 1);
    y = std::clamp(y, 0, shot.height - 1);
    bool ok = shot.at(x, y) == colour;
    std::printf("fit: %s at (%d, %d): %06X%s\n", what, x, y, shot.at(x, y), ok ? "" : " (wrong)");
    if (!ok) ++failures;
  };
  std::printf("fit: window %dx%d, page at (%g, %g) scaled %g\n", shot.width, shot.height, place.x,
              place.y, place.scale);
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
  return failures == 0 ? 0 : 1;
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
      if (page.at(x, y) == shot.at(place.px(x), place.py(y))) continue;
      x1 = std::min(x1, x), y1 = std::min(y1, y), x2 = std::max(x2, x), y2 = std::max(y2, y);
      ++count;
    }
  }
  if (count == 0) return "";
  char text[96];
  std::snprintf(text, sizeof text, "%d pixels differ in x %d..%d, y %d..%d", count, x1, x2, y1, y2);
  return text;
}

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
  // Shots over more than two blink ticks (the cursor changes every half
  // second): each must be the page with the cursor on or, at a field, off;
  // at a field the cursor must come back after being off, without a trace.
  int ons = 0, offs = 0, back_on = 0, failures = 0;
  for (int k = 0; k < 10; ++k) {
    if (k > 0) usleep(150 * 1000);
    Shot shot = Take(display, window);
    if (shot.pixels.empty()) return 1;
    Place place = PlaceOf(shot);
    if (place.scale != 1.0) {
      std::printf("same: the window shows the page scaled %g, not pixel for pixel\n", place.scale);
      return 1;
    }
    const std::string from_on = Differences(shot, place, on);
    if (from_on.empty()) {
      ++ons;
      back_on += offs > 0;
      continue;
    }
    if (field && Differences(shot, place, off).empty()) {
      ++offs;
      continue;
    }
    std::printf("same: shot %d: %s from the page%s\n", k, from_on.c_str(),
                field ? ", and is not the page with the cursor off either" : "");
    ++failures;
  }
  if (field) {
    std::printf("same: %s \"%s\": of %d shots, %d the page, %d the page with the cursor off\n",
                program.c_str(), keys.c_str(), ons + offs + failures, ons, offs);
  } else {
    std::printf("same: %s \"%s\": of %d shots, %d the page (no answer field waits)\n",
                program.c_str(), keys.c_str(), ons + failures, ons);
  }
  if (field && (offs == 0 || back_on == 0)) {
    std::printf("same: the cursor did not blink off and back on while looked at\n");
    ++failures;
  }
  return failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::string what = argc > 1 ? argv[1] : "";
  if (what == "same" ? argc != 5 : argc != 3) {
    std::fprintf(stderr, "usage: window_look blink|fit WINDOW_ID | same WINDOW_ID PROGRAM KEYS\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "window_look: no display\n");
    return 1;
  }
  Window window = std::strtoul(argv[2], nullptr, 0);
  int status = what == "blink"  ? Blink(display, window)
               : what == "fit"  ? Fit(display, window)
               : what == "same" ? Same(display, window, argv[3], argv[4])
                                : 2;
  XCloseDisplay(display);
  return status;
}
