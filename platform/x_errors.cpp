#include "x_errors.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "memory_room.h"
#include "standard_error_aside.h"

namespace {

XErrorHandler g_previous = nullptr;
Window g_window = 0;  // the program's own window, once watched
bool g_destroyed = false;

// SDL wakes its own wait for events by sending a message to the window over
// a second connection. When the program ends just then, the server can take
// that message after the window is destroyed and answer BadWindow, which
// Xlib's default handler turns into an exit with status 1. The same answer
// comes to any request on our window after another client destroyed it:
// that is the window closing.
int OnXError(Display* display, XErrorEvent* error) {
  if (error->error_code == BadWindow && error->request_code == X_SendEvent) return 0;
  const bool gone = error->error_code == BadWindow || error->error_code == BadDrawable;
  if (g_window != 0 && error->resourceid == g_window && (gone || g_destroyed)) {
    g_destroyed = true;
    return 0;
  }
  return g_previous ? g_previous(display, error) : 0;
}

// Lets through the window system's own events only for the destruction of
// our window; every other one is dropped before it reaches the queue.
int KeepDestruction(void*, SDL_Event* event) {
  if (event->type != SDL_SYSWMEVENT) return 1;
  const SDL_SysWMmsg* msg = event->syswm.msg;
  if (msg && msg->subsystem == SDL_SYSWM_X11 && msg->msg.x11.event.type == DestroyNotify &&
      msg->msg.x11.event.xdestroywindow.window == g_window) {
    g_destroyed = true;
    return 1;
  }
  return 0;
}

// "who: out of memory" and its line break, for OnXIOError.
std::string g_out_of_memory;
XIOErrorHandler g_previous_io = nullptr;

// Xlib ends the program when its connection fails, after lines of its own;
// a connection that failed for lack of memory (Xlib's own allocations among
// them) ends it with the line every program says it in.
int OnXIOError(Display* display) {
  if (errno == ENOMEM || MemoryExhausted()) {
    // To the terminal, even while the libraries' own lines are kept aside.
    if (write(StandardErrorAside::Terminal(), g_out_of_memory.data(), g_out_of_memory.size()) < 0) {
      // Nowhere to say it: the status still does.
    }
    std::_Exit(1);
  }
  return g_previous_io ? g_previous_io(display) : 0;
}

}  // namespace

void SayWhenMemoryEndsTheConnection(const std::string& who) {
  g_out_of_memory = who + ": " + kOutOfMemory + "\n";
  XIOErrorHandler previous = XSetIOErrorHandler(OnXIOError);
  if (previous != OnXIOError) g_previous_io = previous;
}

void IgnoreMessagesToClosedWindows() {
  XErrorHandler previous = XSetErrorHandler(OnXError);
  if (previous != OnXError) g_previous = previous;
}

void WatchForDestruction(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return;
  g_window = info.info.x11.window;
  g_destroyed = false;
  SDL_SetEventFilter(KeepDestruction, nullptr);
  SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
}

bool WindowDestroyed() {
  return g_destroyed;
}
