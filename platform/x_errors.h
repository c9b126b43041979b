// Errors of the X connection that are no fault of the program.
#pragma once

#include <string>

struct SDL_Window;

// Call before SDL starts its video: an X error that only reports a message to
// a window already gone is ignored; any other ends the program as before.
void IgnoreMessagesToClosedWindows();

// Call before SDL starts its video: when the connection to the X server
// fails for lack of memory, which Xlib would report in lines of its own
// before it ends the program, the program ends with one line,
// "`who`: out of memory", status 1.
void SayWhenMemoryEndsTheConnection(const std::string& who);

// Call once the window exists. Another client may destroy the window (as
// `xdotool windowclose` does) instead of asking it to close: its destruction,
// and the X errors of the requests that still name it, then mean the window
// was closed rather than a fault. Not for a window of another video driver.
void WatchForDestruction(SDL_Window* window);
// Whether the watched window was destroyed.
bool WindowDestroyed();
