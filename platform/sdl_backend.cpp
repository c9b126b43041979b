#include "sdl_backend.h"

#include <SDL.h>
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <deque>
#include <new>
#include <optional>
#include <stdexcept>
#include <vector>

#include "backend.h"
#include "descriptors.h"
#include "display_failure.h"
#include "errors.h"
#include "fonts.h"
#include "last_chance.h"
#include "memory_room.h"
#include "runtime.h"
#include "standard_error_aside.h"
#include "standard_streams.h"
#include "window_icon.h"
#include "x_errors.h"

namespace {

// A wait without keys wakes at least this often: the answer field's cursor
// blinks on these ticks (about twice a second).
constexpr Uint64 kBlinkMs = 500;
// The error screen's wait has nothing to blink.
constexpr int kIdleWaitMs = 5000;
// Glyphs readied at a time while no event waits: a key waits at most for
// these (well under a millisecond).
constexpr int kWarmGlyphsAtOnce = 2;

// The page could not be drawn, and why (the drawing library's words).
struct PageNotDrawn {
  std::string why;
};

class SdlBackend : public Backend {
 public:
  SdlBackend(const std::string& title_utf8, const std::string& title_sjis, int icon_colour)
      : title_(title_utf8) {
    SDL_Rect usable{0, 0, kPageWidth, kPageHeight};
    SDL_GetDisplayUsableBounds(0, &usable);
    // The page is drawn at the resolution the screen shows it at, so text
    // stays sharp; the window then scales it only for later size changes.
    scale_ = std::min(usable.w / double(kPageWidth), usable.h / double(kPageHeight));
    scale_ = std::clamp(scale_, 0.5, 4.0);

    // The window surface is plain memory that X shows, not a texture of a GL
    // renderer (software GL at every key is what made the window slow).
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // The window stays hidden until it can be drawn to: making it ready could
    // replace it by a new one, and whatever acted on the one replaced (a
    // close from the window manager among them) would be lost.
    window_ = SDL_CreateWindow(
        title_utf8.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
        std::max(320, PagePixelWidth(scale_)), std::max(200, PagePixelHeight(scale_)),
        SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE | SDL_WINDOW_MAXIMIZED | SDL_WINDOW_ALLOW_HIGHDPI);
    if (!window_) throw std::runtime_error(SDL_GetError());
    if (SDL_Surface* icon = MakeWindowIcon(title_sjis, icon_colour)) {
      SDL_SetWindowIcon(window_, icon);
      SDL_FreeSurface(icon);
    }
    screen_ = SDL_GetWindowSurface(window_);
    if (!screen_) throw std::runtime_error(SDL_GetError());
    // The page is drawn straight into the window surface when the window
    // shows it pixel for pixel: one image of the page, no copy at each key.
    place_ = PageRect(screen_);
    if (CanDrawIntoScreen()) {
      page_ = std::make_unique<Page>(scale_, PageInScreen(), screen_->pitch);
      drawing_into_screen_ = true;
      FillBorder();
    } else {
      page_ = std::make_unique<Page>(scale_);
      resized_ = true;
    }
    SDL_EventState(SDL_MOUSEMOTION, SDL_IGNORE);
    WatchForDestruction(window_);
    // Keys are read from key events; with text input off, an input method
    // neither takes the digits into a composition nor opens its box.
    SDL_StopTextInput();
    // The glyphs of the first pages are readied during the first wait for a
    // key, so that a page showing them for the first time is not slower.
    page_->NoteGlyphsToWarm();
    SDL_ShowWindow(window_);
    next_tick_ = SDL_GetTicks64() + kBlinkMs;
  }

  ~SdlBackend() override {
    page_.reset();  // it may draw into the window's memory
    // SDL waits for a destroyed window to be unmapped, for ever: a window
    // another client destroyed is left as it is.
    if (window_ && !WindowDestroyed()) SDL_DestroyWindow(window_);
  }

  std::string PollKey() override {
    Pump();
    if (pending_.empty()) {
      // A page that could not be drawn (memory ran out under it) would wait
      // for keys showing less than the program drew.
      if (std::string fault = page_->DrawingFault(); !fault.empty()) throw PageNotDrawn{fault};
      // Nothing typed: show what changed, then sleep until a key comes or
      // the next blink tick is due.
      Present();
      for (;;) {
        Uint64 now = SDL_GetTicks64();
        if (now >= next_tick_) {
          next_tick_ = now + kBlinkMs;
          break;
        }
        if (warming_) {
          SDL_PumpEvents();
          if (!SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT)) {
            warming_ = page_->WarmGlyphs(kWarmGlyphsAtOnce);
            continue;
          }
        }
        SDL_Event e;
        if (SDL_WaitEventTimeout(&e, int(next_tick_ - now))) {
          Handle(e);
          Pump();
        }
        if (!pending_.empty()) break;
        Present();  // a window event may want the page shown again
      }
    }
    if (pending_.empty()) return "";
    std::string key = pending_.front();
    pending_.pop_front();
    next_tick_ = SDL_GetTicks64() + kBlinkMs;  // a full blink after each key
    return key;
  }

  std::string Clock() override {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", local.tm_hour, local.tm_min, local.tm_sec);
    return buf;
  }

  void Maximize() override { SDL_MaximizeWindow(window_); }

  void WaitUntilClosed(const RuntimeError& error) override {
    // The screen shows only the line: standard error says which file it is in.
    std::fprintf(stderr, "%s: %s\n", title_.c_str(),
                 ErrorScreenReport(error.line, error.code, error.file).c_str());
    for (;;) {
      Present();
      SDL_Event e;
      if (SDL_WaitEventTimeout(&e, kIdleWaitMs)) Handle(e);
      if (WindowDestroyed()) throw WindowClosed();
      pending_.clear();
    }
  }

 private:
  void Pump() {
    SDL_Event e;
    while (pending_.empty() && SDL_PollEvent(&e)) Handle(e);
    if (WindowDestroyed()) throw WindowClosed();
  }

  void Handle(const SDL_Event& e) {
    switch (e.type) {
      case SDL_QUIT:
        throw WindowClosed();
      case SDL_SYSWMEVENT:  // only the window's destruction is let through
        if (WindowDestroyed()) throw WindowClosed();
        break;
      case SDL_WINDOWEVENT:
        switch (e.window.event) {
          case SDL_WINDOWEVENT_CLOSE:
            throw WindowClosed();
          case SDL_WINDOWEVENT_SIZE_CHANGED:
          case SDL_WINDOWEVENT_RESIZED:
          case SDL_WINDOWEVENT_MAXIMIZED:
          case SDL_WINDOWEVENT_RESTORED:
            resized_ = true;
            break;
          case SDL_WINDOWEVENT_EXPOSED:
            show_all_ = true;
            break;
        }
        break;
      case SDL_KEYDOWN:
        if (char key = KeyOf(e.key.keysym)) pending_.push_back(std::string(1, key));
        break;
      default:
        break;
    }
  }

  // The key as the keyboard poll reports it, 0 for none: the control keys
  // by their codes, printable keys as themselves, letters in upper case.
  static char KeyOf(const SDL_Keysym& key) {
    switch (key.sym) {
      case SDLK_RETURN:
      case SDLK_KP_ENTER:
        return 13;
      case SDLK_BACKSPACE:
        return 8;
      case SDLK_DELETE:
      case SDLK_HOME:
        return 12;
      case SDLK_RIGHT:
        return 28;
      case SDLK_LEFT:
        return 29;
      case SDLK_UP:
        return 30;
      case SDLK_DOWN:
        return 31;
      case SDLK_ESCAPE:
        return 27;
      case SDLK_TAB:
        return 9;
      case SDLK_KP_MINUS:
        return '-';
      case SDLK_KP_PERIOD:
        return '.';
      case SDLK_KP_DIVIDE:
        return '/';
      case SDLK_KP_PLUS:
        return '+';
      case SDLK_KP_MULTIPLY:
        return '*';
    }
    if (key.sym >= SDLK_KP_1 && key.sym <= SDLK_KP_9) return char('1' + (key.sym - SDLK_KP_1));
    if (key.sym == SDLK_KP_0) return '0';
    if (key.sym < 0x20 || key.sym >= 0x7F) return 0;
    char c = char(key.sym);
    if (c >= 'a' && c <= 'z') return char(c - 'a' + 'A');
    if (key.mod & KMOD_SHIFT) return Shifted(c);
    return c;
  }

  // The character a shifted key gives on the common layout.
  static char Shifted(char c) {
    static const char kPlain[] = "1234567890-=[]\\;',./`";
    static const char kShift[] = "!@#$%^&*()_+{}|:\"<>?~";
    const char* at = std::strchr(kPlain, c);
    return at && *at ? kShift[at - kPlain] : c;
  }

  // Where the page shows in the window: scaled to fit with its aspect kept,
  // centred.
  SDL_Rect PageRect(const SDL_Surface* screen) const {
    const int page_w = PagePixelWidth(scale_), page_h = PagePixelHeight(scale_);
    double fit = std::min(screen->w / double(kPageWidth), screen->h / double(kPageHeight));
    SDL_Rect r;
    r.w = int(std::lround(kPageWidth * fit));
    r.h = int(std::lround(kPageHeight * fit));
    // At the size the page was drawn for, the window shows it pixel for pixel.
    if (std::abs(r.w - page_w) <= 1 && std::abs(r.h - page_h) <= 1) {
      r.w = std::min(page_w, screen->w);
      r.h = std::min(page_h, screen->h);
    }
    r.x = (screen->w - r.w) / 2;
    r.y = (screen->h - r.h) / 2;
    return r;
  }

  // Whether the page can be drawn straight into the window surface: the
  // window shows it whole, pixel for pixel, in the page's own pixel layout.
  bool CanDrawIntoScreen() const {
    return screen_->format->format == SDL_PIXELFORMAT_RGB888 && !SDL_MUSTLOCK(screen_) &&
           place_.w == PagePixelWidth(scale_) && place_.h == PagePixelHeight(scale_) &&
           place_.x >= 0 && place_.y >= 0 && place_.x + place_.w <= screen_->w &&
           place_.y + place_.h <= screen_->h;
  }

  unsigned char* PageInScreen() const {
    return static_cast<unsigned char*>(screen_->pixels) + size_t(place_.y) * screen_->pitch +
           size_t(place_.x) * 4;
  }

  // The window's border colour around the page.
  void FillBorder() {
    const Uint32 grey = SDL_MapRGB(screen_->format, 0x60, 0x60, 0x60);
    const SDL_Rect bands[4] = {
        {0, 0, screen_->w, place_.y},
        {0, place_.y + place_.h, screen_->w, screen_->h - place_.y - place_.h},
        {0, place_.y, place_.x, place_.h},
        {place_.x + place_.w, place_.y, screen_->w - place_.x - place_.w, place_.h},
    };
    for (const SDL_Rect& band : bands) {
      if (band.w > 0 && band.h > 0) SDL_FillRect(screen_, &band, grey);
    }
  }

  // Copies the page into the window surface `screen`, placed (and scaled)
  // at `dst`: only what falls in the window rectangle `to` is drawn.
  void Copy(SDL_Surface* screen, const SDL_Rect& dst, const SDL_Rect& to) {
    PixelRows page = page_->Pixels();
    if (screen->format->format == SDL_PIXELFORMAT_RGB888) {
      // Same pixel layout: Cairo copies (or scales) straight between the
      // two buffers.
      cairo_surface_t* src = cairo_image_surface_create_for_data(
          const_cast<unsigned char*>(page.data), CAIRO_FORMAT_RGB24, page.width, page.height,
          page.stride);
      cairo_surface_t* out = cairo_image_surface_create_for_data(
          static_cast<unsigned char*>(screen->pixels), CAIRO_FORMAT_RGB24, screen->w, screen->h,
          screen->pitch);
      cairo_t* cr = cairo_create(out);
      cairo_rectangle(cr, to.x, to.y, to.w, to.h);
      cairo_clip(cr);
      cairo_translate(cr, dst.x, dst.y);
      bool same_size = std::abs(dst.w - page.width) <= 1 && std::abs(dst.h - page.height) <= 1;
      if (!same_size) cairo_scale(cr, dst.w / double(page.width), dst.h / double(page.height));
      cairo_set_source_surface(cr, src, 0, 0);
      cairo_pattern_set_filter(cairo_get_source(cr),
                               same_size ? CAIRO_FILTER_NEAREST : CAIRO_FILTER_GOOD);
      cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
      cairo_paint(cr);
      cairo_destroy(cr);
      cairo_surface_flush(out);
      cairo_surface_destroy(out);
      cairo_surface_destroy(src);
      return;
    }
    // Any other layout: SDL converts (and scales, nearest pixel).
    SDL_Surface* src =
        SDL_CreateRGBSurfaceWithFormatFrom(const_cast<unsigned char*>(page.data), page.width,
                                           page.height, 32, page.stride, SDL_PIXELFORMAT_RGB888);
    if (!src) return;
    SDL_Rect clip = to, place = dst;
    SDL_SetClipRect(screen, &clip);
    SDL_BlitScaled(src, nullptr, screen, &place);
    SDL_SetClipRect(screen, nullptr);
    SDL_FreeSurface(src);
  }

  // The window rectangle that shows the page pixels `r`.
  SDL_Rect InWindow(const PixelRect& r) const {
    if (drawing_into_screen_) return {place_.x + r.x1, place_.y + r.y1, r.width(), r.height()};
    // Scaled: a window pixel more on every side for the smoothing filter.
    double sx = place_.w / double(page_->pixel_width());
    double sy = place_.h / double(page_->pixel_height());
    int x1 = std::max(place_.x, place_.x + int(std::floor(r.x1 * sx)) - 1);
    int y1 = std::max(place_.y, place_.y + int(std::floor(r.y1 * sy)) - 1);
    int x2 = std::min(place_.x + place_.w, place_.x + int(std::ceil(r.x2 * sx)) + 1);
    int y2 = std::min(place_.y + place_.h, place_.y + int(std::ceil(r.y2 * sy)) + 1);
    return {x1, y1, x2 - x1, y2 - y1};
  }

  // The window changed size (or may have): its surface is made again, and
  // the page shown whole in it. The old surface's memory lasts until
  // SDL_GetWindowSurface makes the new one, so the page is first moved out
  // of it.
  void Rebuild() {
    if (drawing_into_screen_) page_->DrawInto(nullptr, 0);
    drawing_into_screen_ = false;
    screen_ = SDL_GetWindowSurface(window_);
    if (!screen_) return;  // tried again at the next present
    resized_ = show_all_ = false;
    page_->TakeTouched();
    if (SDL_MUSTLOCK(screen_) && SDL_LockSurface(screen_) != 0) return;
    place_ = PageRect(screen_);
    FillBorder();
    if (CanDrawIntoScreen()) {
      page_->DrawInto(PageInScreen(), screen_->pitch);
      drawing_into_screen_ = true;
    } else {
      Copy(screen_, place_, place_);
    }
    if (SDL_MUSTLOCK(screen_)) SDL_UnlockSurface(screen_);
    SDL_UpdateWindowSurface(window_);
  }

  // Shows what the page's operations changed since the last time: only those
  // rectangles of the window are updated on the screen (and, when the page
  // is drawn apart from the window surface, copied into it first).
  void Present() {
    if (resized_) {
      Rebuild();
      return;
    }
    std::vector<PixelRect> touched = page_->TakeTouched();
    if ((touched.empty() && !show_all_) || !screen_) return;
    changed_.clear();
    for (const PixelRect& r : touched) {
      SDL_Rect to = InWindow(r);
      if (to.w > 0 && to.h > 0) changed_.push_back(to);
    }
    if (!drawing_into_screen_ && !changed_.empty()) {
      if (SDL_MUSTLOCK(screen_) && SDL_LockSurface(screen_) != 0) return;
      for (const SDL_Rect& to : changed_) Copy(screen_, place_, to);
      if (SDL_MUSTLOCK(screen_)) SDL_UnlockSurface(screen_);
    }
    if (show_all_) {
      SDL_UpdateWindowSurface(window_);
    } else if (!changed_.empty()) {
      SDL_UpdateWindowSurfaceRects(window_, changed_.data(), int(changed_.size()));
    }
    show_all_ = false;
  }

  std::string title_;  // UTF-8
  SDL_Window* window_ = nullptr;
  // The window surface as last made, the page's place in it, and whether
  // the page draws straight into it.
  SDL_Surface* screen_ = nullptr;
  SDL_Rect place_{};
  bool drawing_into_screen_ = false;
  double scale_ = 1.0;
  std::deque<std::string> pending_;
  Uint64 next_tick_ = 0;
  bool resized_ = false;  // the window surface is to be made again
  bool show_all_ = true;  // the whole window surface onto the screen
  bool warming_ = true;   // glyphs are readied while no key waits
  std::vector<SDL_Rect> changed_;
};

// Without a display SDL falls back to a driver that draws off screen, and the
// program would wait at its menu for ever, unseen. Only the displays that the
// environment names are tried (a choice in SDL_VIDEODRIVER is kept). Returns
// why no window can be opened, or nullptr.
const char* ChooseVideoDrivers() {
  if (std::getenv("SDL_VIDEODRIVER")) return nullptr;
  auto set = [](const char* name) {
    const char* v = std::getenv(name);
    return v && *v;
  };
  const bool x11 = set("DISPLAY"), wayland = set("WAYLAND_DISPLAY");
  if (!x11 && !wayland) return "no display (DISPLAY is not set)";
  SDL_SetHint(SDL_HINT_VIDEODRIVER, x11 && wayland ? "x11,wayland" : x11 ? "x11" : "wayland");
  return nullptr;
}

// Starts SDL's video. What the display libraries write about a display they
// cannot reach is kept from the terminal, the program saying why in a line
// of its own; once a display is open, whatever they said goes on to
// standard error.
bool StartVideo() {
  StandardErrorAside aside;
  const bool started = SDL_Init(SDL_INIT_VIDEO) == 0;
  if (started) aside.PassOn();
  return started;
}

// The video drivers SDL tries: SDL_VIDEODRIVER, else those
// ChooseVideoDrivers chose.
std::string TriedDrivers() {
  const char* drivers = std::getenv("SDL_VIDEODRIVER");
  if (!drivers) drivers = SDL_GetHint(SDL_HINT_VIDEODRIVER);
  return drivers ? drivers : "";
}

// An off-screen or dummy driver shows nothing.
bool IsRealDisplay(const char* driver) {
  return driver && std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0;
}

}  // namespace

namespace {

// Opens the window and runs the program in it (see RunInWindow).
int RunWindowed(const std::string& title_utf8, const std::string& title, int icon_colour,
                const std::function<int()>& program) {
  if (!DescriptorsForARun(title_utf8) || !FontsPresent(title_utf8)) return 1;
  auto cannot = [&](const std::string& why) {
    // A display library that ran out of memory says so in words of its own
    // ("x11 not available"), when it says it at all.
    if (MemoryTooShortForARun()) throw std::bad_alloc();
    std::fprintf(stderr, "%s: cannot open a window: %s\n", title_utf8.c_str(), why.c_str());
    return 1;
  };
  if (const char* none = ChooseVideoDrivers()) return cannot(none);
  IgnoreMessagesToClosedWindows();
  SayWhenMemoryEndsTheConnection(title_utf8);
  if (!StartVideo()) return cannot(WhyNoDisplay(TriedDrivers()));
  if (const char* driver = SDL_GetCurrentVideoDriver(); !IsRealDisplay(driver)) {
    std::string why = std::string("no display (video driver ") + (driver ? driver : "none") + ")";
    SDL_Quit();
    return cannot(why);
  }
  // Only the window's own set-up may fail as "cannot open a window": an
  // exception the program throws goes on past this routine to the
  // last-chance message, as any other uncaught exception does.
  std::optional<SdlBackend> backend;
  try {
    backend.emplace(title_utf8, title, icon_colour);
  } catch (const std::runtime_error& e) {
    if (!WindowDestroyed()) SDL_Quit();
    return cannot(e.what());
  }
  InstallBackend(&*backend);
  InstallLastChance(title_utf8, /*show_box=*/true);
  int status = 1;
  try {
    status = program();
  } catch (const WindowClosed&) {
    status = 0;
  } catch (const PageNotDrawn& fault) {
    std::fprintf(stderr, "%s: the page could not be drawn: %s\n", title_utf8.c_str(),
                 fault.why.c_str());
  }
  InstallBackend(nullptr);
  backend.reset();
  // Quitting would destroy a window that another client destroyed: see above.
  if (!WindowDestroyed()) SDL_Quit();
  return status;
}

}  // namespace

int RunInWindow(int argc, char** argv, const std::string& title, int icon_colour,
                const std::function<int()>& program) {
  // A standard descriptor closed at the start stays so: the display's
  // connection taking descriptor 2 would take the error line as requests.
  HoldClosedStandardDescriptors();
  // Started again by the crash handler: the message box is all there is to
  // do; the crashed run's window went with its process.
  if (LastChanceBoxRequest box = FindLastChanceBoxRequest(argc, argv); box.asked) {
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, box.caption, box.message, nullptr);
    return kLastChanceStatus;
  }
  // Memory that runs out, at the start or during the run, ends the program
  // with one line rather than as a crash: the crash box would start the
  // program again, in no more memory than it had.
  std::string title_utf8;
  try {
    title_utf8 = ToUtf8(title);
    return RunWindowed(title_utf8, title, icon_colour, program);
  } catch (const std::bad_alloc&) {
    std::fprintf(stderr, "%s: %s\n",
                 title_utf8.empty() ? program_invocation_short_name : title_utf8.c_str(),
                 kOutOfMemory);
    return 1;
  }
}
