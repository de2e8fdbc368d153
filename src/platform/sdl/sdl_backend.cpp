// The real window: SDL2 video, input and timing behind the Backend interface.
#include "platform/sdl/sdl_backend.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <utility>

#include "platform/audio_device.h"
#include "platform/host.h"
#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/sdl_handles.h"
#include "platform/sdl/sdl_keys.h"
#include "platform/video_driver_policy.h"
#include "platform/window_scale.h"

namespace {

constexpr char kTitle[] = "Quintaro Games";
constexpr int kDefaultRefreshHz = 60;
// Room for the window manager's title bar and borders around the client area.
constexpr int kDecorationAllowance = 48;
constexpr UINT kAppIconId = 128;
constexpr int kDefaultWidth = 602;
constexpr int kDefaultHeight = 401;

bool Reached(DWORD now, DWORD due) { return static_cast<std::int32_t>(now - due) >= 0; }

UINT MouseKeyFlags(Uint32 buttons) {
  UINT flags = 0;
  if (buttons & SDL_BUTTON_LMASK) flags |= MK_LBUTTON;
  if (buttons & SDL_BUTTON_RMASK) flags |= MK_RBUTTON;
  if (buttons & SDL_BUTTON_MMASK) flags |= MK_MBUTTON;
  const SDL_Keymod mods = SDL_GetModState();
  if (mods & KMOD_SHIFT) flags |= MK_SHIFT;
  if (mods & KMOD_CTRL) flags |= MK_CONTROL;
  return flags;
}

SdlSurfacePtr SurfaceFromArgb(const CursorImage& image, int scale) {
  SdlSurfacePtr surface(SDL_CreateRGBSurfaceWithFormat(0, image.width * scale, image.height * scale, 32,
                                                       SDL_PIXELFORMAT_ARGB8888));
  if (!surface) return nullptr;
  SDL_LockSurface(surface.get());
  for (int y = 0; y < surface->h; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(surface->pixels) + y * surface->pitch);
    for (int x = 0; x < surface->w; ++x) {
      row[x] = image.argb[static_cast<std::size_t>(y / scale) * static_cast<std::size_t>(image.width) +
                          static_cast<std::size_t>(x / scale)];
    }
  }
  SDL_UnlockSurface(surface.get());
  return surface;
}

class SdlBackend : public Backend {
 public:
  SdlBackend() = default;

  // Starts SDL video and opens the window at the playfield's size until the
  // chrome lays it out; false (with the reason on stderr) when there is no display.
  bool Open() {
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
      std::fprintf(stderr, "Cannot start the display: %s\n", SDL_GetError());
      return false;
    }
    const char* driver = SDL_GetCurrentVideoDriver();
    if (const auto refusal = RefuseVideoDriver(driver != nullptr ? driver : "", std::getenv("SDL_VIDEODRIVER"))) {
      std::fprintf(stderr, "Cannot open a window: %s\n", refusal->c_str());
      return false;
    }
    SDL_DisplayMode mode;
    const int hz = SDL_GetCurrentDisplayMode(0, &mode) == 0 && mode.refresh_rate > 0 ? mode.refresh_rate
                                                                                    : kDefaultRefreshHz;
    m_frameMs = std::max<DWORD>(1, static_cast<DWORD>(1000 / hz));
    return CreateWindowFor(kDefaultWidth, kDefaultHeight);
  }

  ~SdlBackend() override {
    m_cursors.clear();
    m_texture.reset();
    m_renderer.reset();
    m_window.reset();
    m_audio.reset();
    SDL_Quit();
  }

  void Attach(Host& host) override {
    Backend::Attach(host);
    SetIcon();
    FollowLayout();
  }

  DWORD Ticks() override { return SDL_GetTicks(); }
  std::int64_t WallSeconds() override { return static_cast<std::int64_t>(std::time(nullptr)); }

  void WaitUntil(DWORD deadline, bool wakeOnInput) override {
    const bool forever = deadline == kWaitForever;
    for (;;) {
      Poll();
      if (wakeOnInput && m_host->QueuedCount() > 0) return;
      const DWORD now = Ticks();
      if (!forever && Reached(now, deadline)) return;
      // Short slices keep busy waits precise and frames on time; waiting
      // for input alone may sleep until the next frame is due.
      int slice = forever ? static_cast<int>(m_frameMs) : 1;
      if (!forever) slice = std::min<int>(slice, static_cast<int>(deadline - now));
      SDL_WaitEventTimeout(nullptr, std::max(slice, 1));
    }
  }

  void Poll() override {
    SDL_Event e;
    while (SDL_PollEvent(&e)) Translate(e);
    if (m_pending && Reached(Ticks(), m_lastPresent + m_frameMs)) Draw();
  }

  void Present(bool force) override {
    m_pending = true;
    if (force || Reached(Ticks(), m_lastPresent + m_frameMs)) Draw();
  }

  DisplayCaps Caps() const override { return DisplayCaps::Palette8(); }

  void SetCursor(int resourceId, const CursorImage* image) override {
    m_cursorId = resourceId;
    m_cursorImage = image != nullptr ? std::optional<CursorImage>(*image) : std::nullopt;
    ApplyCursor();
  }

  void SetMouseCapture(bool captured) override { SDL_CaptureMouse(captured ? SDL_TRUE : SDL_FALSE); }

  AudioDevice* Audio() override {
    if (!m_audioTried) {
      m_audioTried = true;
      m_audio = MakeSdlAudioDevice();
    }
    return m_audio.get();
  }

  void SetTitle(const std::string& title) override {
    if (m_window) SDL_SetWindowTitle(m_window.get(), title.c_str());
  }

  [[noreturn]] void ExitProcess(int code) override {
    std::fflush(stdout);
    m_audio.reset();
    SDL_Quit();
    std::exit(code);
  }

 private:
  bool CreateWindowFor(int width, int height) {
    m_scale = ChooseScale(width, height);
    m_window.reset(SDL_CreateWindow(kTitle, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width * m_scale,
                                    height * m_scale, SDL_WINDOW_ALLOW_HIGHDPI));
    if (!m_window) {
      std::fprintf(stderr, "Cannot open the window: %s\n", SDL_GetError());
      return false;
    }
    m_renderer.reset(SDL_CreateRenderer(m_window.get(), -1, 0));
    if (!m_renderer) m_renderer.reset(SDL_CreateRenderer(m_window.get(), -1, SDL_RENDERER_SOFTWARE));
    if (!m_renderer) {
      std::fprintf(stderr, "Cannot draw into the window: %s\n", SDL_GetError());
      return false;
    }
    m_surfaceSize = SIZE{width, height};
    return true;
  }

  int ChooseScale(int width, int height) const {
    SDL_Rect usable{0, 0, width, height};
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) return 1;
    return ChooseWindowScale(SIZE{width, height}, SIZE{usable.w, usable.h - kDecorationAllowance});
  }

  void SetIcon() {
    if (m_host == nullptr) return;
    CursorImage icon;
    if (!CursorImage::Parse(m_host->Resources().Find(ResKind::Icon, kAppIconId), &icon)) return;
    SdlSurfacePtr surface = SurfaceFromArgb(icon, 1);
    if (surface) SDL_SetWindowIcon(m_window.get(), surface.get());
  }

  // The chrome may lay the window out anew: follow its size.
  void FollowLayout() {
    const Surface32& s = m_host->WindowSurface();
    if (s.Width() == m_surfaceSize.cx && s.Height() == m_surfaceSize.cy) return;
    m_surfaceSize = SIZE{s.Width(), s.Height()};
    m_scale = ChooseScale(s.Width(), s.Height());
    SDL_SetWindowSize(m_window.get(), s.Width() * m_scale, s.Height() * m_scale);
    SDL_SetWindowPosition(m_window.get(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    m_texture.reset();
    ApplyCursor();
  }

  void Draw() {
    FollowLayout();
    m_host->ComposeForDisplay(m_frame);
    if (!m_texture) {
      m_texture.reset(SDL_CreateTexture(m_renderer.get(), SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                                        m_frame.Width(), m_frame.Height()));
      if (!m_texture) return;
    }
    SDL_UpdateTexture(m_texture.get(), nullptr, m_frame.Data(), m_frame.Width() * 4);
    int outW = 0, outH = 0;
    SDL_GetRendererOutputSize(m_renderer.get(), &outW, &outH);
    const CRect place = PlaceSurface(m_surfaceSize, SIZE{outW, outH});
    const SDL_Rect dst{place.left, place.top, place.Width(), place.Height()};
    SDL_SetRenderDrawColor(m_renderer.get(), 0, 0, 0, 255);
    SDL_RenderClear(m_renderer.get());
    SDL_RenderCopy(m_renderer.get(), m_texture.get(), nullptr, &dst);
    SDL_RenderPresent(m_renderer.get());
    m_lastPresent = Ticks();
    m_pending = false;
  }

  POINT ToSurface(int x, int y) const {
    int winW = 0, winH = 0, outW = 0, outH = 0;
    SDL_GetWindowSize(m_window.get(), &winW, &winH);
    SDL_GetRendererOutputSize(m_renderer.get(), &outW, &outH);
    return WindowToSurface(POINT{x, y}, SIZE{winW, winH}, SIZE{outW, outH}, m_surfaceSize);
  }

  void PostButton(const SDL_MouseButtonEvent& b, bool down) {
    UINT message = 0;
    switch (b.button) {
      case SDL_BUTTON_LEFT: message = down ? WM_LBUTTONDOWN : WM_LBUTTONUP; break;
      case SDL_BUTTON_RIGHT: message = down ? WM_RBUTTONDOWN : WM_RBUTTONUP; break;
      case SDL_BUTTON_MIDDLE: message = down ? WM_MBUTTONDOWN : WM_MBUTTONUP; break;
      default: return;
    }
    const POINT p = ToSurface(b.x, b.y);
    m_host->PostMouse(message, p.x, p.y, MouseKeyFlags(SDL_GetMouseState(nullptr, nullptr)));
  }

  // One notch is 120, positive away from the user, in the high word of wParam.
  void PostWheel(const SDL_MouseWheelEvent& w) {
    int notches = w.direction == SDL_MOUSEWHEEL_FLIPPED ? -w.y : w.y;
    if (notches == 0) return;
    int x = 0, y = 0;
    const Uint32 buttons = SDL_GetMouseState(&x, &y);
    const POINT p = ToSurface(x, y);
    const UINT delta = static_cast<UINT>(static_cast<WORD>(static_cast<short>(notches * 120)));
    m_host->PostMouse(WM_MOUSEWHEEL, p.x, p.y, (delta << 16) | MouseKeyFlags(buttons));
  }

  void PostKeyEvent(const SDL_KeyboardEvent& k, bool down) {
    const UINT vk = VirtualKeyFromSdl(k.keysym.sym);
    if (vk == 0) return;
    // Right Alt is AltGr on many layouts: it types characters, it opens no menus.
    const bool alt = (k.keysym.mod & KMOD_LALT) != 0 || k.keysym.sym == SDLK_LALT;
    m_host->PostKey(down ? WM_KEYDOWN : WM_KEYUP, vk, alt);
    // Keys that type no text still reach edit fields as characters.
    const char c = ControlCharFromVirtualKey(vk);
    if (down && c != 0 && !alt) m_host->PostKey(WM_CHAR, static_cast<UINT>(static_cast<unsigned char>(c)));
  }

  void PostText(const char* utf8) {
    if (SDL_GetModState() & KMOD_LALT) return;  // Alt+letter is a menu key, not text
    // The fonts cover Latin-1: decode UTF-8 and keep what fits in a byte.
    const auto* s = reinterpret_cast<const unsigned char*>(utf8);
    while (*s != 0) {
      unsigned cp = *s;
      int extra = 0;
      if (cp >= 0xF0) { cp &= 0x07; extra = 3; }
      else if (cp >= 0xE0) { cp &= 0x0F; extra = 2; }
      else if (cp >= 0xC0) { cp &= 0x1F; extra = 1; }
      else if (cp >= 0x80) { ++s; continue; }
      ++s;
      for (; extra > 0 && (*s & 0xC0) == 0x80; --extra, ++s) cp = (cp << 6) | (*s & 0x3F);
      if (extra == 0 && cp >= 0x20 && cp < 0x100 && cp != 0x7F) m_host->PostKey(WM_CHAR, cp);
    }
  }

  void Translate(const SDL_Event& e) {
    switch (e.type) {
      case SDL_QUIT: m_host->PostClose(); break;
      case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_CLOSE) m_host->PostClose();
        if (e.window.event == SDL_WINDOWEVENT_EXPOSED || e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) Draw();
        break;
      case SDL_MOUSEMOTION: {
        const POINT p = ToSurface(e.motion.x, e.motion.y);
        m_host->PostMouse(WM_MOUSEMOVE, p.x, p.y, MouseKeyFlags(e.motion.state));
        break;
      }
      case SDL_MOUSEBUTTONDOWN: PostButton(e.button, true); break;
      case SDL_MOUSEBUTTONUP: PostButton(e.button, false); break;
      case SDL_KEYDOWN: PostKeyEvent(e.key, true); break;
      case SDL_KEYUP: PostKeyEvent(e.key, false); break;
      case SDL_TEXTINPUT: PostText(e.text.text); break;
      case SDL_MOUSEWHEEL: PostWheel(e.wheel); break;
      default: break;
    }
  }

  void ApplyCursor() {
    if (!m_cursorImage) {
      if (!m_arrow) m_arrow.reset(SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW));
      if (m_arrow) SDL_SetCursor(m_arrow.get());
      return;
    }
    // Cursors grow with the window, so they keep their size against the art.
    const auto key = std::make_pair(m_cursorId, m_scale);
    auto it = m_cursors.find(key);
    if (it == m_cursors.end()) {
      SdlSurfacePtr surface = SurfaceFromArgb(*m_cursorImage, m_scale);
      SdlCursorPtr cursor(surface ? SDL_CreateColorCursor(surface.get(), m_cursorImage->hotX * m_scale,
                                                          m_cursorImage->hotY * m_scale)
                                  : nullptr);
      if (!cursor) return;
      it = m_cursors.emplace(key, std::move(cursor)).first;
    }
    SDL_SetCursor(it->second.get());
  }

  SdlWindowPtr m_window;
  SdlRendererPtr m_renderer;
  SdlTexturePtr m_texture;
  Surface32 m_frame;
  SIZE m_surfaceSize{};
  int m_scale = 1;
  DWORD m_frameMs = 16;
  DWORD m_lastPresent = 0;
  bool m_pending = false;

  int m_cursorId = 0;
  std::optional<CursorImage> m_cursorImage;
  SdlCursorPtr m_arrow;
  std::map<std::pair<int, int>, SdlCursorPtr> m_cursors;

  bool m_audioTried = false;
  std::unique_ptr<AudioDevice> m_audio;
};

}  // namespace

std::unique_ptr<Backend> MakeSdlBackend() {
  auto backend = std::make_unique<SdlBackend>();
  if (!backend->Open()) return nullptr;
  return backend;
}
