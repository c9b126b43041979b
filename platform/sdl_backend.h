// The real window: one maximised SDL window showing the page scaled to fit
// with its aspect kept; keys from the keyboard; the clock of the machine.
#pragma once

#include <functional>
#include <string>

// Holds closed the standard descriptors that were closed at the start (see
// standard_streams.h), opens the window titled `title` (Shift-JIS) with the
// program's own icon (its tile of palette colour `icon_colour`), installs it as the backend and the
// last-chance crash box, and runs `program`. Returns its status, or 1 when it cannot run (too few
// file descriptors free, a font missing, no window to open, memory that ran out) or a page could
// not be drawn. `argc` and `argv` are main's: a program that the crash handler started again only
// shows the crash box and returns the crash's status.
int RunInWindow(int argc, char** argv, const std::string& title, int icon_colour,
                const std::function<int()>& program);
