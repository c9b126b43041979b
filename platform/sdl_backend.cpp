#include "sdl_backend.h"

#include <SDL.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <deque>
#include <stdexcept>
#include <vector>

#include "backend.h"
#include "errors.h"
#include "last_chance.h"
#include "runtime.h"
#include "window_icon.h"

namespace {

// The programs animate nothing between keys: an idle poll may sleep long.
constexpr int kIdleWaitMs = 5000;

class SdlBackend : public Backend {
 public:
  explicit SdlBackend(const std::string& title_utf8, const std::string& title_sjis) {
    SDL_Rect usable{0, 0, kPageWidth, kPageHeight};
    SDL_GetDisplayUsableBounds(0, &usable);
    // The page is drawn at the resolution the screen shows it at, so text
    // stays sharp; the window then scales it only for later size changes.
    double scale = std::min(usable.w / double(kPageWidth), usable.h / double(kPageHeight));
    scale = std::clamp(scale, 0.5, 4.0);
    page_ = std::make_unique<Page>(scale);

    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "1");
    // The window stays hidden until it can be drawn to: making it ready may
    // replace it by a new one, and whatever acted on the one replaced (a
    // close from the window manager among them) would be lost.
    window_ = SDL_CreateWindow(
        title_utf8.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
        std::max(320, int(kPageWidth * scale)), std::max(200, int(kPageHeight * scale)),
        SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE | SDL_WINDOW_MAXIMIZED | SDL_WINDOW_ALLOW_HIGHDPI);
    if (!window_) throw std::runtime_error(SDL_GetError());
    renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_PRESENTVSYNC);
    if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (!renderer_) throw std::runtime_error(SDL_GetError());
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                 page_->pixel_width(), page_->pixel_height());
    if (!texture_) throw std::runtime_error(SDL_GetError());
    if (SDL_Surface* icon = MakeWindowIcon(title_sjis)) {
      SDL_SetWindowIcon(window_, icon);
      SDL_FreeSurface(icon);
    }
    SDL_EventState(SDL_MOUSEMOTION, SDL_IGNORE);
    SDL_StartTextInput();
    SDL_ShowWindow(window_);
    Present();
  }

  ~SdlBackend() override {
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
  }

  std::string PollKey() override {
    SDL_Event e;
    while (pending_.empty() && SDL_PollEvent(&e)) Handle(e);
    if (pending_.empty()) {
      // Nothing typed: show the page, then sleep until something happens.
      Present();
      if (SDL_WaitEventTimeout(&e, kIdleWaitMs)) Handle(e);
      while (pending_.empty() && SDL_PollEvent(&e)) Handle(e);
    }
    if (pending_.empty()) return "";
    std::string key = pending_.front();
    pending_.pop_front();
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

  void WaitUntilClosed(unsigned, int) override {
    for (;;) {
      Present();
      SDL_Event e;
      if (SDL_WaitEventTimeout(&e, kIdleWaitMs)) Handle(e);
      pending_.clear();
    }
  }

 private:
  void Handle(const SDL_Event& e) {
    switch (e.type) {
      case SDL_QUIT:
        throw WindowClosed();
      case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_CLOSE) throw WindowClosed();
        if (e.window.event == SDL_WINDOWEVENT_EXPOSED ||
            e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
            e.window.event == SDL_WINDOWEVENT_RESTORED ||
            e.window.event == SDL_WINDOWEVENT_MAXIMIZED) {
          needs_present_ = true;
        }
        break;
      case SDL_TEXTINPUT: {
        // Printable keys as themselves; letters upper case.
        unsigned char c = static_cast<unsigned char>(e.text.text[0]);
        if (c >= 0x20 && c < 0x7F && e.text.text[1] == '\0') {
          pending_.push_back(std::string(1, char(std::toupper(c))));
        }
        break;
      }
      case SDL_KEYDOWN:
        if (int code = ControlCode(e.key.keysym.sym))
          pending_.push_back(std::string(1, char(code)));
        break;
      default:
        break;
    }
  }

  static int ControlCode(SDL_Keycode key) {
    switch (key) {
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
    }
    return 0;
  }

  void Present() {
    if (!page_->changed && !needs_present_) return;
    cairo_surface_t* s = page_->surface();
    cairo_surface_flush(s);
    // The answer field draws and erases its cursor around every poll: when
    // the pixels are what the window already shows, there is nothing to do.
    const unsigned char* pixels = cairo_image_surface_get_data(s);
    size_t bytes = size_t(cairo_image_surface_get_stride(s)) * page_->pixel_height();
    if (!needs_present_ && shown_.size() == bytes &&
        std::memcmp(shown_.data(), pixels, bytes) == 0) {
      page_->changed = false;
      return;
    }
    shown_.assign(pixels, pixels + bytes);
    SDL_UpdateTexture(texture_, nullptr, cairo_image_surface_get_data(s),
                      cairo_image_surface_get_stride(s));
    int out_w = 0, out_h = 0;
    SDL_GetRendererOutputSize(renderer_, &out_w, &out_h);
    double fit = std::min(out_w / double(kPageWidth), out_h / double(kPageHeight));
    SDL_Rect dst;
    dst.w = int(kPageWidth * fit);
    dst.h = int(kPageHeight * fit);
    dst.x = (out_w - dst.w) / 2;
    dst.y = (out_h - dst.h) / 2;
    SDL_SetRenderDrawColor(renderer_, 0x60, 0x60, 0x60, 0xFF);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, &dst);
    SDL_RenderPresent(renderer_);
    page_->changed = false;
    needs_present_ = false;
  }

  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  std::deque<std::string> pending_;
  std::vector<unsigned char> shown_;  // the pixels last shown in the window
  bool needs_present_ = true;
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

// An off-screen or dummy driver shows nothing.
bool IsRealDisplay(const char* driver) {
  return driver && std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0;
}

// The last-chance message in a message box of its own.
void ShowCrashBox(const char* title, const char* message) {
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, title, message, nullptr);
}

}  // namespace

int RunInWindow(const std::string& title, const std::function<int()>& program) {
  std::string title_utf8 = ToUtf8(title);
  auto cannot = [&](const std::string& why) {
    std::fprintf(stderr, "%s: cannot open a window: %s\n", title_utf8.c_str(), why.c_str());
    return 1;
  };
  if (const char* none = ChooseVideoDrivers()) return cannot(none);
  // Cairo draws the page; the window only shows it, through its own frame
  // buffer. No OpenGL driver is loaded for that: the start is quicker, and the
  // window is never replaced to suit one.
  SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) return cannot(SDL_GetError());
  if (!IsRealDisplay(SDL_GetCurrentVideoDriver())) {
    std::string driver = SDL_GetCurrentVideoDriver();
    SDL_Quit();
    return cannot("no display (video driver " + driver + ")");
  }
  int status = 1;
  try {
    SdlBackend backend(title_utf8, title);
    InstallBackend(&backend);
    InstallLastChance(title_utf8, ShowCrashBox);
    try {
      status = program();
    } catch (const WindowClosed&) {
      status = 0;
    }
    InstallBackend(nullptr);
  } catch (const std::runtime_error& e) {
    std::fprintf(stderr, "%s: cannot open a window: %s\n", title_utf8.c_str(), e.what());
  }
  SDL_Quit();
  return status;
}
