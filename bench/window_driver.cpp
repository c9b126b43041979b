// How fast a program's real window keeps up, on the X server of $DISPLAY
// (a virtual one at the screen size under test):
//
//   window_bench PROGRAM TITLE "N: KEY KEY LABEL=KEY ..." ...
//
// starts PROGRAM (its window titled TITLE) and measures
//   - start to menu: from starting the process until the main menu's panel
//     shows at the middle of the screen;
//   - the keys of the groups, in order, each group N times over: a key is an
//     X key name ("4", "Return", "a", "Right") or a pause ("500ms"); a key
//     with a LABEL is
//     measured from the key pressed (XTest) until the last drawing it caused
//     reaches the window (XDamage), and its times are summed up under the
//     label;
//   - peak memory: the process's high-water resident size.
// Prints one line of figures.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>
#include <signal.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
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

// One key of a group: its name and the label it is measured under ("" for
// none).
struct Step {
  KeySym key = NoSymbol;
  std::string label;
  int pause_ms = 0;  // a pause instead of a key
};

// "N: KEY LABEL=KEY ...": the steps, and N in `times`. False when a key
// name is unknown.
bool ParseGroup(const std::string& text, int* times, std::vector<Step>* steps) {
  std::istringstream in(text);
  std::string count;
  if (!(in >> count) || count.back() != ':') return false;
  *times = std::atoi(count.c_str());
  for (std::string token; in >> token;) {
    Step step;
    size_t eq = token.find('=');
    if (eq != std::string::npos) {
      step.label = token.substr(0, eq);
      token = token.substr(eq + 1);
    }
    if (token.size() > 2 && token.compare(token.size() - 2, 2, "ms") == 0 &&
        std::isdigit(static_cast<unsigned char>(token[0]))) {
      step.pause_ms = std::atoi(token.c_str());
      steps->push_back(step);
      continue;
    }
    step.key = XStringToKeysym(token.c_str());
    if (step.key == NoSymbol) return false;
    steps->push_back(step);
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: window_bench PROGRAM TITLE \"N: KEY LABEL=KEY ...\" ...\n");
    return 2;
  }
  std::vector<std::pair<int, std::vector<Step>>> groups;
  for (int k = 3; k < argc; ++k) {
    int times = 0;
    std::vector<Step> steps;
    if (!ParseGroup(argv[k], &times, &steps)) {
      std::fprintf(stderr, "window_bench: cannot read the group \"%s\"\n", argv[k]);
      return 2;
    }
    groups.emplace_back(times, steps);
  }
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

  std::vector<std::string> labels;  // in the order first measured
  std::map<std::string, std::vector<double>> times;
  bool failed = false;
  for (const auto& [count, steps] : groups) {
    for (int k = 0; k < count && !failed; ++k) {
      for (const Step& step : steps) {
        if (step.pause_ms > 0) {
          usleep(step.pause_ms * 1000);
          continue;
        }
        double pressed = Now();
        Press(display, step.key);
        if (step.label.empty()) {
          LastDamage(display, damage_event, 1000, 100);
          continue;
        }
        double last = LastDamage(display, damage_event, 2000, 60);
        if (last < 0) {
          std::fprintf(stderr, "window_bench: a %s key drew nothing\n", step.label.c_str());
          failed = true;
          break;
        }
        if (!times.count(step.label)) labels.push_back(step.label);
        times[step.label].push_back(last - pressed);
      }
    }
  }
  double peak = PeakMiB(pid);
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  std::printf("start to menu %.1f ms;", menu);
  for (const std::string& label : labels) {
    std::vector<double>& t = times[label];
    std::sort(t.begin(), t.end());
    std::printf(" %s median %.2f max %.2f ms (%zu);", label.c_str(), t[t.size() / 2], t.back(),
                t.size());
  }
  std::printf(" peak memory %.1f MiB\n", peak);
  XCloseDisplay(display);
  return failed ? 1 : 0;
}
