#include "x_errors.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>

namespace {

XErrorHandler g_previous = nullptr;

// SDL wakes its own wait for events by sending a message to the window over
// a second connection. When the program ends just then, the server can take
// that message after the window is destroyed and answer BadWindow, which
// Xlib's default handler turns into an exit with status 1.
int OnXError(Display* display, XErrorEvent* error) {
  if (error->error_code == BadWindow && error->request_code == X_SendEvent) return 0;
  return g_previous ? g_previous(display, error) : 0;
}

}  // namespace

void IgnoreMessagesToClosedWindows() {
  XErrorHandler previous = XSetErrorHandler(OnXError);
  if (previous != OnXError) g_previous = previous;
}
