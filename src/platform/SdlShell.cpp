// The windowed shell on SDL2: one window showing the back buffer, paced
// ticks, keyboard and mouse turned into the game's inputs.
#include <SDL.h>

#include <cstdint>
#include <cstdio>
#include <vector>

#include "gfx/Surface.h"
#include "platform/Display.h"
#include "platform/InputRouter.h"
#include "platform/Shell.h"
#include "platform/ShellArgs.h"
#include "platform/ShellClient.h"
#include "platform/SingleInstance.h"
#include "platform/TickPacer.h"
#include "platform/WindowIcon.h"

namespace qv {
namespace {

constexpr int kScreenWidth = 240;
constexpr int kScreenHeight = 320;

DesktopKey DesktopKeyOfSdl(SDL_Keycode key) {
  switch (key) {
    case SDLK_LEFT:
      return DesktopKey::kLeft;
    case SDLK_RIGHT:
      return DesktopKey::kRight;
    case SDLK_UP:
      return DesktopKey::kUp;
    case SDLK_DOWN:
      return DesktopKey::kDown;
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
      return DesktopKey::kReturn;
    case SDLK_SPACE:
      return DesktopKey::kSpace;
    case SDLK_q:
      return DesktopKey::kQ;
    case SDLK_w:
      return DesktopKey::kW;
    case SDLK_F1:
      return DesktopKey::kF1;
    case SDLK_F2:
      return DesktopKey::kF2;
    case SDLK_F3:
      return DesktopKey::kF3;
    case SDLK_F4:
      return DesktopKey::kF4;
    case SDLK_F5:
      return DesktopKey::kF5;
    case SDLK_KP_0:
      return DesktopKey::kDigit0;
    default:
      break;
  }
  if (key >= SDLK_0 && key <= SDLK_9) {
    return static_cast<DesktopKey>(static_cast<int>(DesktopKey::kDigit0) + (key - SDLK_0));
  }
  if (key >= SDLK_KP_1 && key <= SDLK_KP_9) {
    return static_cast<DesktopKey>(static_cast<int>(DesktopKey::kDigit1) + (key - SDLK_KP_1));
  }
  return DesktopKey::kNone;
}

// RGB565 to ARGB8888 with each channel widened exactly (white stays white).
const std::vector<std::uint32_t>& ColourTable() {
  static std::vector<std::uint32_t> table = [] {
    std::vector<std::uint32_t> t(65536);
    for (std::uint32_t v = 0; v < 65536; ++v) {
      std::uint32_t r = (v >> 11) & 31, g = (v >> 5) & 63, b = v & 31;
      r = (r << 3) | (r >> 2);
      g = (g << 2) | (g >> 4);
      b = (b << 3) | (b >> 2);
      t[v] = 0xFF000000u | (r << 16) | (g << 8) | b;
    }
    return t;
  }();
  return table;
}

class Window {
 public:
  ~Window() {
    if (texture_) SDL_DestroyTexture(texture_);
    if (renderer_) SDL_DestroyRenderer(renderer_);
    if (window_) SDL_DestroyWindow(window_);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }

  bool Open(const ShellConfig& config) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return Fail("cannot open the display");
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "0");
    Uint32 flags = SDL_WINDOW_RESIZABLE | (config.fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    window_ = SDL_CreateWindow(config.title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                               kScreenWidth * config.scale, kScreenHeight * config.scale, flags);
    if (window_ == nullptr) return Fail("cannot create the window");
    SDL_SetWindowMinimumSize(window_, kScreenWidth, kScreenHeight);
    SetIcon();
    renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED);
    if (renderer_ == nullptr) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (renderer_ == nullptr) return Fail("cannot create a renderer");
    SDL_RenderSetLogicalSize(renderer_, kScreenWidth, kScreenHeight);
    SDL_RenderSetIntegerScale(renderer_, SDL_TRUE);
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING,
                                 kScreenWidth, kScreenHeight);
    if (texture_ == nullptr) return Fail("cannot create the frame texture");
    fullscreen_ = config.fullscreen;
    return true;
  }

  void ToggleFullscreen() {
    fullscreen_ = !fullscreen_;
    SDL_SetWindowFullscreen(window_, fullscreen_ ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
  }

  void Raise() { SDL_RaiseWindow(window_); }

  // The back buffer goes through the display copy into a 16-bit frame, then
  // through the colour table into the texture.
  void Present(const Surface* back) {
    if (back == nullptr || back->Pixels() == nullptr) return;
    frame_.resize(kScreenWidth * kScreenHeight);
    qv::Present(back->Pixels(), back->Width(), back->Height(), frame_.data(), DesktopDisplayInfo());
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(texture_, nullptr, &pixels, &pitch) == 0) {
      const std::vector<std::uint32_t>& table = ColourTable();
      for (int y = 0; y < kScreenHeight; ++y) {
        auto* row =
            reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(pixels) + y * pitch);
        const std::uint16_t* src = frame_.data() + y * kScreenWidth;
        for (int x = 0; x < kScreenWidth; ++x) row[x] = table[src[x]];
      }
      SDL_UnlockTexture(texture_);
    }
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
  }

 private:
  bool Fail(const char* what) {
    std::fprintf(stderr, "%s: %s\n", what, SDL_GetError());
    return false;
  }

  void SetIcon() {
    std::vector<std::uint32_t> pixels = WindowIconPixels();
    SDL_Surface* icon =
        SDL_CreateRGBSurfaceWithFormatFrom(pixels.data(), kWindowIconSize, kWindowIconSize, 32,
                                           kWindowIconSize * 4, SDL_PIXELFORMAT_ARGB8888);
    if (icon != nullptr) {
      SDL_SetWindowIcon(window_, icon);
      SDL_FreeSurface(icon);
    }
  }

  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  std::vector<std::uint16_t> frame_;
  bool fullscreen_ = false;
};

std::int64_t NowNs() {
  static const double nsPerCount = 1e9 / static_cast<double>(SDL_GetPerformanceFrequency());
  return static_cast<std::int64_t>(static_cast<double>(SDL_GetPerformanceCounter()) * nsPerCount);
}

// Handles one event; false when the program should end.
bool HandleEvent(const SDL_Event& e, Window& window, InputRouter& router, ShellClient& client) {
  switch (e.type) {
    case SDL_QUIT:
      return false;
    case SDL_KEYDOWN:
      if (e.key.keysym.sym == SDLK_q && (e.key.keysym.mod & KMOD_CTRL)) return false;
      if (e.key.keysym.sym == SDLK_F11) {
        if (!e.key.repeat) window.ToggleFullscreen();
        return true;
      }
      router.Key(DesktopKeyOfSdl(e.key.keysym.sym), true);
      return true;
    case SDL_KEYUP:
      router.Key(DesktopKeyOfSdl(e.key.keysym.sym), false);
      return true;
    case SDL_MOUSEBUTTONDOWN:
      if (e.button.button == SDL_BUTTON_LEFT) {
        SDL_CaptureMouse(SDL_TRUE);
        router.Press(e.button.x, e.button.y);
      }
      return true;
    case SDL_MOUSEMOTION:
      router.Move(e.motion.x, e.motion.y);
      return true;
    case SDL_MOUSEBUTTONUP:
      if (e.button.button == SDL_BUTTON_LEFT) {
        router.Release(e.button.x, e.button.y);
        SDL_CaptureMouse(SDL_FALSE);
      }
      return true;
    case SDL_WINDOWEVENT:
      if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST) client.OnSuspend();
      if (e.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) client.OnResume();
      return true;
    default:
      return true;
  }
}

}  // namespace

int RunWindowed(ShellClient& client, const ShellConfig& config, SingleInstance* instance) {
  Window window;
  if (!window.Open(config)) return 1;
  if (!client.Init(kScreenWidth, kScreenHeight)) {
    std::fprintf(stderr, "cannot start: resources failed to load\n");
    return 1;
  }
  InputRouter router(client, kScreenWidth, kScreenHeight);
  TickPacer pacer(config.tickRate);
  pacer.Start(NowNs());
  bool running = true;
  while (running && !TerminationRequested()) {
    // Wait for input until the next tick is due; the process idles meanwhile.
    SDL_Event e;
    std::int64_t waitNs = pacer.WaitNs(NowNs());
    int waitMs = static_cast<int>((waitNs + 999999) / 1000000);
    if (waitMs > 0 && SDL_WaitEventTimeout(&e, waitMs)) {
      running = HandleEvent(e, window, router, client);
    }
    while (running && SDL_PollEvent(&e)) running = HandleEvent(e, window, router, client);
    if (!running || pacer.WaitNs(NowNs()) > 0) continue;
    if (instance != nullptr && instance->RaiseRequested()) window.Raise();
    if (client.QuitRequested()) break;
    client.Tick();
    window.Present(client.BackBufferSurface());
    pacer.TickDone(NowNs());
  }
  return 0;
}

}  // namespace qv
