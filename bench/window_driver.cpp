// How fast a program's real window keeps up, on the X server of $DISPLAY
// (a virtual one at the screen size under test):
//
//   window_bench PROGRAM TITLE [STEPS]
//
// starts PROGRAM (its window titled TITLE) and measures
//   - start to menu: from starting the process until the main menu's panel
//     shows at the middle of the screen;
//   - a key step on the number-line exercise (topic 4, item 1): from the
//     key pressed (XTest) until the last drawing it caused reaches the
//     window (XDamage), STEPS times, right and left in turn;
//   - peak memory: the process's high-water resident size.
// Prints one line of figures.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>
#include <signal.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

double Now() {
  timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// The main menu's panel colour (palette 10).
constexpr unsigned long kPanel = 0x0A4A22;

unsigned long PixelAt(Display* display, int x, int y) {
  XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, 1, 1, AllPlanes, ZPixmap);
  if (!image) return 0;
  unsigned long pixel = XGetPixel(image, 0, 0) & 0xFFFFFF;
  XDestroyImage(image);
  return pixel;
}

Window FindWindow(Display* display, const std::string& title) {
  Window root, parent, *children = nullptr;
  unsigned count = 0;
  Window found = 0;
  if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) return 0;
  for (unsigned k = 0; k < count && !found; ++k) {
    char* name = nullptr;
    if (XFetchName(display, children[k], &name) && name) {
      if (title == name) found = children[k];
      XFree(name);
    }
  }
  if (children) XFree(children);
  return found;
}

// Waits for damage events: returns the time of the last one of a burst
// (none for `quiet_ms` after it), or -1 when none came within `first_ms`.
double LastDamage(Display* display, int damage_event, double first_ms, double quiet_ms) {
  double last = -1, start = Now();
  for (;;) {
    while (XPending(display)) {
      XEvent event;
      XNextEvent(display, &event);
      if (event.type == damage_event + XDamageNotify) last = Now();
    }
    double limit = last < 0 ? start + first_ms : last + quiet_ms;
    double left = limit - Now();
    if (left <= 0) return last;
    int fd = ConnectionNumber(display);
    fd_set fds;
    FD_ZERO(&fds);
    FD_SET(fd, &fds);
    timeval tv{long(left / 1000), long(std::fmod(left, 1000.0) * 1000)};
    select(fd + 1, &fds, nullptr, nullptr, &tv);
  }
}

void Press(Display* display, KeySym key) {
  KeyCode code = XKeysymToKeycode(display, key);
  XTestFakeKeyEvent(display, code, True, CurrentTime);
  XTestFakeKeyEvent(display, code, False, CurrentTime);
  XFlush(display);
}

double PeakMiB(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) return std::atof(line.c_str() + 6) / 1024.0;
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: window_bench PROGRAM TITLE [STEPS]\n");
    return 2;
  }
  int steps = argc > 3 ? std::atoi(argv[3]) : 40;
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "window_bench: no display\n");
    return 1;
  }
  int damage_event, damage_error, xtest_event, xtest_error, major, minor;
  if (!XDamageQueryExtension(display, &damage_event, &damage_error) ||
      !XTestQueryExtension(display, &xtest_event, &xtest_error, &major, &minor)) {
    std::fprintf(stderr, "window_bench: the X server lacks DAMAGE or XTEST\n");
    return 1;
  }
  int cx = DisplayWidth(display, DefaultScreen(display)) / 2;
  int cy = DisplayHeight(display, DefaultScreen(display)) / 2;

  double start = Now();
  pid_t pid = fork();
  if (pid == 0) {
    execl(argv[1], argv[1], static_cast<char*>(nullptr));
    _exit(127);
  }
  double menu = -1;
  while (Now() - start < 20000) {
    if (PixelAt(display, cx, cy) == kPanel) {
      menu = Now() - start;
      break;
    }
    usleep(200);
  }
  Window window = FindWindow(display, argv[2]);
  if (menu < 0 || !window) {
    std::fprintf(stderr, "window_bench: no menu on the screen\n");
    kill(pid, SIGKILL);
    return 1;
  }
  XDamageCreate(display, window, XDamageReportRawRectangles);
  XSetInputFocus(display, window, RevertToParent, CurrentTime);
  LastDamage(display, damage_event, 300, 100);

  // To the step exercise: topic 4, item 1, past its goal page and task.
  for (KeySym key : {XK_4, XK_Return, XK_1, XK_Return, XK_a, XK_a}) {
    Press(display, key);
    LastDamage(display, damage_event, 1000, 150);
  }
  std::vector<double> times;
  for (int k = 0; k < steps; ++k) {
    double pressed = Now();
    Press(display, k % 2 == 0 ? XK_Right : XK_Left);
    double last = LastDamage(display, damage_event, 2000, 60);
    if (last < 0) {
      std::fprintf(stderr, "window_bench: a key drew nothing\n");
      break;
    }
    times.push_back(last - pressed);
  }
  double peak = PeakMiB(pid);
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  if (times.empty()) return 1;
  std::sort(times.begin(), times.end());
  double mean = 0;
  for (double t : times) mean += t;
  mean /= times.size();
  std::printf("start to menu %.1f ms; key step median %.2f ms, mean %.2f, max %.2f (%zu keys); "
              "peak memory %.1f MiB\n",
              menu, times[times.size() / 2], mean, times.back(), times.size(), peak);
  XCloseDisplay(display);
  return 0;
}
