// Why no window could be opened, named by display and video driver: the X
// display of DISPLAY, the Wayland display of WAYLAND_DISPLAY and
// XDG_RUNTIME_DIR, or the driver SDL_VIDEODRIVER names (SDL itself says no
// more than "x11 not available").
#pragma once

#include <string>

// `drivers` are the video drivers that were tried, as SDL_VIDEODRIVER
// lists them ("x11", "x11,wayland"): for each, what could not be reached,
// in one line ("the X display :77 cannot be opened").
std::string WhyNoDisplay(const std::string& drivers);
