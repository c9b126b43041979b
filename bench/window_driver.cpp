// How fast a program's real window keeps up, on the X server of $DISPLAY
// (a virtual one at the screen size under test):
//
//   window_bench [--cycles N] [--idle SECONDS] PROGRAM TITLE [KEY_FILE]
//
// starts PROGRAM (its window titled TITLE) and measures
//   - start to menu: from starting the process until the main menu's panel
//     shows at the middle of the screen;
//   - with --idle, idle at the menu: the processor time the program takes
//     over SECONDS while it waits at its menu, as a share of one core;
//   - the keys of KEY_FILE's groups (window_key_file.h), in order, "each
//     cycle" N times (8 unless --cycles says): a key with a LABEL is
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
#include <dirent.h>
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
#include <map>
#include <string>
#include <vector>

#include "window_key_file.h"

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

// The processor time all threads of `pid` have taken so far, in
// nanoseconds (the scheduler's own count, far finer than clock ticks); -1
// when it cannot be read.
double CpuNs(pid_t pid) {
  const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
  DIR* dir = opendir(tasks.c_str());
  if (!dir) return -1;
  double total = 0;
  while (dirent* entry = readdir(dir)) {
    if (entry->d_name[0] == '.') continue;
    std::ifstream stat(tasks + "/" + entry->d_name + "/schedstat");
    double ns = 0;
    if (stat >> ns) total += ns;
  }
  closedir(dir);
  return total;
}

// One key of a group: the key, the label it is measured under ("" for
// none), or a pause instead.
struct Step {
  KeySym key = NoSymbol;
  std::string label;
  int pause_ms = 0;
};

}  // namespace

int main(int argc, char** argv) {
  const char* usage =
      "usage: window_bench [--cycles N] [--idle SECONDS] PROGRAM TITLE [KEY_FILE]\n";
  int cycles = kDefaultCycles;
  double idle_s = 0;
  int arg = 1;
  for (; arg + 1 < argc && std::strncmp(argv[arg], "--", 2) == 0; arg += 2) {
    const std::string option = argv[arg];
    if (option == "--cycles" && std::atoi(argv[arg + 1]) > 0) {
      cycles = std::atoi(argv[arg + 1]);
    } else if (option == "--idle" && std::atof(argv[arg + 1]) > 0) {
      idle_s = std::atof(argv[arg + 1]);
    } else {
      std::fputs(usage, stderr);
      return 2;
    }
  }
  if (argc - arg < 2 || argc - arg > 3) {
    std::fputs(usage, stderr);
    return 2;
  }
  const char* program = argv[arg];
  const char* title = argv[arg + 1];
  std::vector<std::pair<int, std::vector<Step>>> groups;
  if (argc - arg == 3) {
    std::vector<KeyGroup> read;
    std::string error;
    if (!ReadKeyFile(argv[arg + 2], cycles, &read, &error)) {
      std::fprintf(stderr, "window_bench: %s: %s\n", argv[arg + 2], error.c_str());
      return 2;
    }
    for (const KeyGroup& group : read) {
      std::vector<Step> steps;
      for (const KeyStep& key : group.steps) {
        Step step{NoSymbol, key.label, key.pause_ms};
        if (!key.key.empty()) {
          step.key = XStringToKeysym(key.key.c_str());
          if (step.key == NoSymbol) {
            std::fprintf(stderr, "window_bench: %s: no key is named \"%s\"\n", argv[arg + 2],
                         key.key.c_str());
            return 2;
          }
        }
        steps.push_back(step);
      }
      groups.emplace_back(group.times, steps);
    }
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
    execl(program, program, static_cast<char*>(nullptr));
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
  Window window = FindWindow(display, title);
  if (menu < 0 || !window) {
    std::fprintf(stderr, "window_bench: no menu on the screen\n");
    kill(pid, SIGKILL);
    return 1;
  }
  XDamageCreate(display, window, XDamageReportRawRectangles);
  XSetInputFocus(display, window, RevertToParent, CurrentTime);
  LastDamage(display, damage_event, 300, 100);

  // Idle at the menu: the first second after the menu shows is left to
  // start-up (the window readies glyphs during its first wait); the blink of
  // the answer field's cursor is what remains.
  double idle_share = -1;
  if (idle_s > 0) {
    usleep(1000000);
    const double before = CpuNs(pid);
    const double from = Now();
    usleep(static_cast<useconds_t>(idle_s * 1e6));
    const double after = CpuNs(pid);
    if (before >= 0 && after >= 0) idle_share = (after - before) / 1e6 / (Now() - from);
    LastDamage(display, damage_event, 0, 0);  // the blinks' damage, left behind
  }

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
  if (idle_share >= 0) {
    std::printf(" idle at the menu %.3f %% of a core (%g s);", 100 * idle_share, idle_s);
  } else if (idle_s > 0) {
    std::printf(" idle at the menu not read;");
  }
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
