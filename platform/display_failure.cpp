#include "display_failure.h"

#include <cstdlib>
#include <sstream>

#include "readable.h"

namespace {

// The variable's value, as a terminal can show it.
std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value ? Readable(value) : "";
}

std::string WhyNot(const std::string& driver) {
  if (driver == "x11") {
    const std::string display = Variable("DISPLAY");
    if (display.empty()) return "no X display (DISPLAY is not set)";
    return "the X display " + display + " cannot be opened";
  }
  if (driver == "wayland") {
    // As the Wayland library finds its display: a path, or a name in
    // XDG_RUNTIME_DIR.
    std::string display = Variable("WAYLAND_DISPLAY");
    if (display.empty()) display = "wayland-0";
    const std::string folder = Variable("XDG_RUNTIME_DIR");
    if (display[0] != '/' && folder.empty()) {
      return "the Wayland display " + display + " cannot be found (XDG_RUNTIME_DIR is not set)";
    }
    const std::string path = display[0] == '/' ? display : folder + "/" + display;
    return "the Wayland display " + path + " cannot be opened";
  }
  return "the video driver " + Readable(driver) + " cannot be started";
}

}  // namespace

std::string WhyNoDisplay(const std::string& drivers) {
  std::string why;
  std::istringstream list(drivers);
  std::string driver;
  while (std::getline(list, driver, ',')) {
    if (driver.empty()) continue;
    why += (why.empty() ? "" : "; ") + WhyNot(driver);
  }
  return why.empty() ? "no video driver" : why;
}
