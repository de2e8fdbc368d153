// SPDX-License-Identifier: GPL-3.0-or-later
// The real window: SDL2 video, input and timing behind the Backend interface.
#include "platform/sdl/sdl_backend.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <utility>

#include "platform/audio_device.h"
#include "platform/hang_up.h"
#include "platform/host.h"
#include "platform/sdl/first_present_probe.h"
#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/sdl_cursors.h"
#include "platform/sdl/sdl_frame_timing.h"
#include "platform/sdl/sdl_presenter.h"
#include "platform/sdl/sdl_handles.h"
#include "platform/sdl/sdl_input.h"
#include "platform/sdl/sdl_video.h"
#include "platform/sdl/sdl_window_icon.h"
#include "platform/sdl/sdl_window_placement.h"
#include "platform/window_scale.h"

namespace {

constexpr char kTitle[] = "Quintaro Games";
constexpr int kDefaultWidth = 602;
constexpr int kDefaultHeight = 401;
constexpr DWORD kSettleMs = 500;  // how long the window manager may take to place a resized window
constexpr int kIdleSliceMs = 16;   // waiting for input alone still looks for a hang-up this often

bool Reached(DWORD now, DWORD due) { return static_cast<std::int32_t>(now - due) >= 0; }

class SdlBackend : public Backend {
 public:
  SdlBackend() = default;

  // Starts SDL video and opens the window at the playfield's size until the
  // chrome lays it out; false (with the reason on stderr) when there is no display.
  bool Open() {
    if (!StartSdlVideo(kTitle)) return false;
    SDL_DisplayMode mode;
    const int hz = SDL_GetCurrentDisplayMode(0, &mode) == 0 ? mode.refresh_rate : 0;
    m_frames.SetRefreshRate(hz);
    return CreateWindowFor(kDefaultWidth, kDefaultHeight);
  }

  ~SdlBackend() override {
    m_frames.PrintReport();
    m_cursors.Clear();
    m_presenter.reset();
    m_window.reset();
    m_audio.reset();
    SDL_Quit();
  }

  void Attach(Host& host) override {
    Backend::Attach(host);
    FollowLayout();
  }

  DWORD Ticks() override { return SDL_GetTicks(); }
  std::int64_t WallSeconds() override { return static_cast<std::int64_t>(std::time(nullptr)); }

  void WaitUntil(DWORD deadline, bool wakeOnInput) override {
    const bool forever = deadline == kWaitForever;
    for (;;) {
      Poll();
      // A hang-up wakes the wait too: the host turns it into a close request.
      if (wakeOnInput && (m_host->QueuedCount() > 0 || HangUpPending())) return;
      const DWORD now = Ticks();
      if (!forever && Reached(now, deadline)) return;
      // Input ends the sleep at once; a frame waiting to be shown ends it
      // when the frame falls due.
      const int slice = m_frames.SleepMs(forever ? kIdleSliceMs : static_cast<int>(deadline - now));
      SDL_WaitEventTimeout(nullptr, std::max(slice, 1));
    }
  }

  void Poll() override {
    SDL_Event e;
    while (SDL_PollEvent(&e)) Translate(e);
    if (m_frames.FrameWaitingAndDue()) Draw();
  }

  void Present(bool force) override {
    m_frames.MarkChanged();
    if (force || m_frames.Due()) Draw();
  }

  DisplayCaps Caps() const override { return DisplayCaps::Palette8(); }

  void SetCursor(int resourceId, const CursorImage* image) override {
    m_cursors.Set(resourceId, image);
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

  void SetIcons(std::span<const CursorImage> icons) override { SetSdlWindowIcons(m_window.get(), icons); }

  std::string ClipboardText() override { return SdlClipboardText(); }
  void SetClipboardText(const std::string& utf8) override { SetSdlClipboardText(utf8); }

  void SetWindowMode(int zoom, bool fullscreen, WindowSizing sizing) override {
    FollowLayout();
    const bool opening = !m_modeChosen;
    m_modeChosen = true;
    m_zoom = zoom;
    if (opening && sizing == WindowSizing::Keep) m_placement.OpenWith(m_window.get(), m_surfaceSize, zoom);
    if (!fullscreen && FullscreenByDesktop()) {
      // SDL does not know of the window manager's full screen: take it over,
      // then leave it as our own.
      SDL_SetWindowFullscreen(m_window.get(), SDL_WINDOW_FULLSCREEN_DESKTOP);
      m_fullscreen = true;
    }
    if (fullscreen != m_fullscreen) {
      if (fullscreen && m_shown) m_placement.Note(m_window.get(), false);  // what to come back to
      m_fullscreen = fullscreen;
      // The desktop's own mode: the screen's resolution never changes.
      SDL_SetWindowFullscreen(m_window.get(), fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
      if (!fullscreen && sizing == WindowSizing::Keep) {
        m_placement.ReturnTo(m_window.get());
        m_keepOnScreenUntil = Ticks() + kSettleMs;
      }
    }
    if (sizing == WindowSizing::ToZoom) SizeWindowToZoom(true);
    Present(true);
  }

  WindowPlacement Placement() const override { return m_placement.Get(); }
  void SetPlacement(const WindowPlacement& placement) override { m_placement.Set(placement); }
  SIZE UsableScreen() const override { return UsableArea(m_window.get(), Backend::UsableScreen()); }

  bool FullscreenByDesktop() const override { return m_shown && !m_fullscreen && WindowCoversItsDisplay(m_window.get()); }

  [[noreturn]] void ExitProcess(int code) override {
    m_frames.PrintReport();
    std::fflush(stdout);
    m_audio.reset();
    SDL_Quit();
    std::exit(code);
  }

 private:
  // Hidden until the first frame after the window mode is chosen.
  bool CreateWindowFor(int width, int height) {
    m_window.reset(SDL_CreateWindow(kTitle, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                                    SDL_WINDOW_ALLOW_HIGHDPI | SDL_WINDOW_RESIZABLE | SDL_WINDOW_HIDDEN));
    if (!m_window) {
      std::fprintf(stderr, "quintaro: cannot open a window: %s\n", SDL_GetError());
      return false;
    }
    m_presenter = MakeSdlPresenter(m_window.get());
    if (!m_presenter) return false;
    if (m_frames.Reporting()) std::fprintf(stderr, "frame-present: %s\n", m_presenter->Describe().c_str());
    m_surfaceSize = SIZE{width, height};
    return true;
  }

  // A window of the chosen zoom (lowered to what the screen holds). A
  // maximised window is left alone unless the user picked a zoom.
  void SizeWindowToZoom(bool unmaximise) {
    if (m_fullscreen || m_surfaceSize.cx <= 0 || m_surfaceSize.cy <= 0) return;
    if (SDL_GetWindowFlags(m_window.get()) & SDL_WINDOW_MAXIMIZED) {
      if (!unmaximise) return;
      SDL_RestoreWindow(m_window.get());
    }
    SizeWindowForZoom(m_window.get(), m_surfaceSize, m_zoom, !m_shown);
    // The window manager may still move the window as it takes the new size
    // (back from full screen it restores an older place): for a moment, each
    // move or resize is kept on the screen.
    m_keepOnScreenUntil = Ticks() + kSettleMs;
  }

  // The chrome may lay the window out anew: follow its size.
  void FollowLayout() {
    const Surface32& s = m_host->WindowSurface();
    if (s.Width() <= 0 || s.Height() <= 0) return;
    if (s.Width() == m_surfaceSize.cx && s.Height() == m_surfaceSize.cy) return;
    m_surfaceSize = SIZE{s.Width(), s.Height()};
    // Never smaller than one times the picture.
    SDL_SetWindowMinimumSize(m_window.get(), s.Width(), s.Height());
    // Before the zoom is chosen the size would only be set twice.
    if (m_modeChosen) SizeWindowToZoom(false);
    m_presenter->Forget();
  }

  void Draw() {
    // Nothing is drawn into the hidden window: it appears once, at its final
    // size, when the program has chosen its zoom and full screen.
    if (!m_modeChosen) return;
    FollowLayout();
    if (!m_shown) {
      SDL_ShowWindow(m_window.get());
      m_shown = true;
    }
    CRect place;
    m_frames.ShowFrame([&] { place = m_presenter->Show(*m_host, m_surfaceSize); });
    m_cursors.SetScale(place.Width() / std::max<int>(1, m_surfaceSize.cx));
    const SIZE out = m_presenter->OutputSize();
    NoteFirstPresent(out.cx, out.cy);
  }

  POINT ToSurface(int x, int y) const {
    int winW = 0, winH = 0;
    SDL_GetWindowSize(m_window.get(), &winW, &winH);
    return WindowToSurface(POINT{x, y}, SIZE{winW, winH}, m_presenter->OutputSize(), m_surfaceSize);
  }

  void Translate(const SDL_Event& e) {
    m_frames.NoteEvent(e);
    if (PostSdlInput(*m_host, e, [this](int x, int y) { return ToSurface(x, y); })) return;
    if (e.type == SDL_QUIT) m_host->PostClose();
    // The renderer lost its textures: the next frame uploads the whole picture.
    if (e.type == SDL_RENDER_TARGETS_RESET || e.type == SDL_RENDER_DEVICE_RESET) {
      m_presenter->Forget();
      Present(true);
    }
    if (e.type != SDL_WINDOWEVENT) return;
    if (m_shown) m_placement.Note(m_window.get(), m_fullscreen);
    if (e.window.event == SDL_WINDOWEVENT_CLOSE) m_host->PostClose();
    PostSdlWindowState(*m_host, e.window.event);
    if (e.window.event == SDL_WINDOWEVENT_EXPOSED || e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
      m_presenter->Forget();  // what the desktop showed over the window is gone only when all is drawn again
      Draw();
    }
    const bool placed = e.window.event == SDL_WINDOWEVENT_MOVED || e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED;
    if (placed && !m_fullscreen && !Reached(Ticks(), m_keepOnScreenUntil)) KeepWindowOnScreen(m_window.get());
    // The pointer left the window: a tool tip must not stay behind.
    if (e.window.event == SDL_WINDOWEVENT_LEAVE && m_host->GetCapture() == HWND_NONE)
      m_host->PostMouse(WM_MOUSEMOVE, -1, -1, 0);
  }

  SdlWindowPtr m_window;
  std::unique_ptr<SdlPresenter> m_presenter;
  SIZE m_surfaceSize{};
  int m_zoom = 0;          // the chosen zoom; 0 is as large as the screen allows
  bool m_fullscreen = false;
  bool m_shown = false;
  bool m_modeChosen = false;
  DWORD m_keepOnScreenUntil = 0;
  SdlFrameTiming m_frames;

  SdlCursors m_cursors;
  SdlWindowPlacement m_placement;

  bool m_audioTried = false;
  std::unique_ptr<AudioDevice> m_audio;
};

}  // namespace

std::unique_ptr<Backend> MakeSdlBackend() {
  auto backend = std::make_unique<SdlBackend>();
  if (!backend->Open()) return nullptr;
  return backend;
}
