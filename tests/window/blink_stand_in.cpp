// A stand-in for a program's window, for the test of the blink check: it
// shows the first listed program's main menu pixel for pixel, as that
// program draws it, and blinks the answer field's cursor on the phases it is
// given, rightly or wrongly, so that the check is seen to pass and to fail.
//
//   blink_stand_in [--grey] [--trace] PHASE...
//
// PHASE... are the phases' lengths in seconds, on and off in turn from the
// cursor drawn, taken round again when used up: "0.5" blinks as the
// programs do, "1000" not at all. Each phase counts from the change that
// began it, as the programs count each blink from the tick that made it: a
// change that comes late (a busy machine) makes its phase longer, never
// the next one shorter. --grey: the cursor's square
// goes grey, not white, when off. --trace: each change also leaves a dot
// outside the cursor's square. The window, titled "Blink stand-in", has the
// page's size and stays until the process is ended.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <sys/select.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bounded_wait.h"
#include "headless_pixels.h"
#include "programs.h"

namespace {

// The window's two pictures, X images over the pages' pixels.
struct Picture {
  PagePixels page;
  XImage* image = nullptr;
};

void MakeImage(Display* display, Picture* picture) {
  const int screen = DefaultScreen(display);
  picture->image = XCreateImage(display, DefaultVisual(display, screen), 24, ZPixmap, 0,
                                reinterpret_cast<char*>(picture->page.pixels.data()),
                                picture->page.width, picture->page.height, 32, 0);
}

int Usage() {
  std::fprintf(stderr, "usage: blink_stand_in [--grey] [--trace] PHASE...\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  bool grey = false, trace = false;
  std::vector<double> phases;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    char* end = nullptr;
    const double seconds = std::strtod(argv[i], &end);
    if (arg == "--grey") {
      grey = true;
    } else if (arg == "--trace") {
      trace = true;
    } else if (*end == '\0' && seconds > 0) {
      phases.push_back(seconds);
    } else {
      return Usage();
    }
  }
  if (phases.empty()) return Usage();

  // The menu with its cursor drawn, and after one blink tick, off.
  const ProgramDescription& program = AllPrograms().front().program();
  Picture on, off;
  if (!RunHeadless(program, {}, &on.page) || !RunHeadless(program, {""}, &off.page)) {
    std::fprintf(stderr, "blink_stand_in: the menu did not draw\n");
    return 1;
  }
  // The cursor's square: where the two differ.
  const int width = on.page.width, height = on.page.height;
  int x1 = width, y1 = height, x2 = -1, y2 = -1;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const size_t at = size_t(y) * width + x;
      if (on.page.pixels[at] == off.page.pixels[at]) continue;
      x1 = std::min(x1, x), y1 = std::min(y1, y), x2 = std::max(x2, x), y2 = std::max(y2, y);
      if (grey) off.page.pixels[at] = 0x808080;
    }
  }
  if (x2 < 0) {
    std::fprintf(stderr, "blink_stand_in: the menu's cursor does not blink off\n");
    return 1;
  }

  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "blink_stand_in: no display\n");
    return 1;
  }
  const int screen = DefaultScreen(display);
  const Window window = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0, width,
                                            height, 0, 0, WhitePixel(display, screen));
  XStoreName(display, window, "Blink stand-in");
  XSelectInput(display, window, ExposureMask);
  MakeImage(display, &on);
  MakeImage(display, &off);
  const GC gc = DefaultGC(display, screen);
  XMapWindow(display, window);

  bool drawn = true;
  int changes = 0;
  auto show = [&](int x, int y, int w, int h) {
    XPutImage(display, window, gc, (drawn ? on : off).image, x, y, x, y, w, h);
  };
  double next = MonotonicSeconds() + phases[0];
  for (size_t phase = 0;;) {
    // Exposed: the whole picture again.
    while (XPending(display)) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == Expose && event.xexpose.count == 0) show(0, 0, width, height);
    }
    XFlush(display);
    const double now = MonotonicSeconds();
    if (now < next) {
      // Until the next change, or an event.
      fd_set fds;
      FD_ZERO(&fds);
      FD_SET(ConnectionNumber(display), &fds);
      timeval wait{long(next - now), long((next - now - long(next - now)) * 1e6)};
      select(ConnectionNumber(display) + 1, &fds, nullptr, nullptr, &wait);
      continue;
    }
    drawn = !drawn;
    show(x1, y1, x2 - x1 + 1, y2 - y1 + 1);
    if (trace) {
      // A dot in the top row, one further right at each change, in both
      // pictures.
      const int x = 8 + 2 * (changes % (width / 2 - 8));
      for (Picture* picture : {&on, &off}) picture->page.pixels[x] ^= 0xFFFFFF;
      show(x, 0, 1, 1);
    }
    ++changes;
    phase = (phase + 1) % phases.size();
    // The next phase counts from this change, as the programs count the
    // next blink from the tick that made it: a change that came late makes
    // that phase late too, never the next one short.
    next = now + phases[phase];
  }
}
