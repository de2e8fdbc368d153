// SPDX-License-Identifier: GPL-3.0-or-later
// The program in a web page. The host's waits are the only places the
// program gives the browser its turn: the page's listeners queue events and
// end the wait, and the picture goes to the canvas as the frame's changed area.
#include "platform/web/web_backend.h"

#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <vector>

#include "platform/frame_rgba.h"
#include "platform/host.h"
#include "platform/resources.h"
#include "platform/web/web_audio.h"
#include "platform/web/web_input.h"
#include "platform/web/web_page.h"

namespace {

constexpr int kDefaultWidth = 602;
constexpr int kDefaultHeight = 401;
constexpr DWORD kFrameMs = 16;  // the browser shows at most one picture per refresh anyway

bool Reached(DWORD now, DWORD due) { return static_cast<std::int32_t>(now - due) >= 0; }

class WebBackend : public Backend {
 public:
  WebBackend() : m_start(web_page::NowMs()) { web_page::Open(kDefaultWidth, kDefaultHeight); }

  DWORD Ticks() override { return static_cast<DWORD>(static_cast<std::uint64_t>(web_page::NowMs() - m_start)); }
  std::int64_t WallSeconds() override { return static_cast<std::int64_t>(web_page::WallSeconds()); }

  void WaitUntil(DWORD deadline, bool wakeOnInput) override {
    const bool forever = deadline == kWaitForever;
    for (;;) {
      Poll();
      if (wakeOnInput && m_host->QueuedCount() > 0) return;
      const DWORD now = Ticks();
      if (!forever && Reached(now, deadline)) return;
      // Sleep until the deadline, the next frame due, or an event, whichever
      // comes first; with nothing to show and no deadline, until an event.
      int slice = forever ? -1 : static_cast<int>(deadline - now);
      if (m_pending) {
        const int untilFrame = Reached(now, m_lastPresent + kFrameMs) ? 0 : static_cast<int>(m_lastPresent + kFrameMs - now);
        slice = slice < 0 ? untilFrame : std::min(slice, untilFrame);
      }
      web_page::Wait(slice);
    }
  }

  void Poll() override {
    for (const WebEvent& e : TakeWebEvents()) PostWebEvent(*m_host, e);
    if (m_pending && Reached(Ticks(), m_lastPresent + kFrameMs)) Draw();
  }

  void Present(bool force) override {
    m_pending = true;
    if (force || Reached(Ticks(), m_lastPresent + kFrameMs)) Draw();
  }

  DisplayCaps Caps() const override { return DisplayCaps::Palette8(); }

  void SetCursor(int resourceId, const CursorImage* image) override {
    if (image == nullptr || image->argb.empty()) {
      web_page::SetCursor(nullptr, 0, 0, 0, 0, resourceId);
      return;
    }
    web_page::SetCursor(image->argb.data(), image->width, image->height, image->hotX, image->hotY, resourceId);
  }

  // The page keeps the pointer for the canvas from a press to the last release.
  void SetMouseCapture(bool) override {}

  AudioDevice* Audio() override {
    if (!m_audioTried) {
      m_audioTried = true;
      m_audio = MakeWebAudioDevice();
    }
    return m_audio.get();
  }

  void SetTitle(const std::string& title) override { web_page::SetTitle(title.c_str()); }

  void SetIcons(std::span<const CursorImage> icons) override {
    // The page's icon: the size nearest 32 pixels.
    const CursorImage* best = nullptr;
    for (const CursorImage& icon : icons) {
      if (icon.argb.empty()) continue;
      if (best == nullptr || std::abs(icon.width - 32) < std::abs(best->width - 32)) best = &icon;
    }
    if (best != nullptr) web_page::SetIcon(best->argb.data(), best->width, best->height);
  }

  void SetWindowMode(int zoom, bool fullscreen, WindowSizing) override {
    FollowLayout();
    web_page::SetZoom(zoom, fullscreen);
    m_modeChosen = true;
    Present(true);
  }

  void SetTextField(const CRect& onSurface) override {
    web_page::SetTextField(onSurface.left, onSurface.top, onSurface.Width(), onSurface.Height());
  }

  SIZE UsableScreen() const override { return SIZE{web_page::UsableWidth(), web_page::UsableHeight()}; }

  // A page cannot close its own tab: it says the program ended and offers
  // to start it again, and the program waits for the page to go.
  [[noreturn]] void ExitProcess(int code) override {
    std::fflush(stdout);
    m_audio.reset();
    web_page::ShowEnded(code);
    for (;;) web_page::Wait(-1);
  }

 private:
  void FollowLayout() {
    const Surface32& s = m_host->WindowSurface();
    if (s.Width() <= 0 || s.Height() <= 0) return;
    if (s.Width() == m_surfaceSize.cx && s.Height() == m_surfaceSize.cy) return;
    m_surfaceSize = SIZE{s.Width(), s.Height()};
    // The canvas starts blank at its new size; so does the frame composed
    // for it, and composing a new frame hands back all of it.
    web_page::SetSurfaceSize(s.Width(), s.Height());
  }

  void Draw() {
    if (!m_modeChosen) return;
    FollowLayout();
    const CRect changed = m_host->ComposeForDisplay(m_frame);
    if (!changed.IsRectEmpty()) {
      ConvertToRgba(m_frame, changed, m_rgba);
      web_page::Put(m_rgba.data(), m_frame.Width(), m_frame.Height(), changed.left, changed.top, changed.Width(),
                    changed.Height());
    }
    m_lastPresent = Ticks();
    m_pending = false;
  }

  double m_start;
  Surface32 m_frame;
  std::vector<std::uint8_t> m_rgba;
  SIZE m_surfaceSize{};
  bool m_modeChosen = false;
  bool m_pending = false;
  DWORD m_lastPresent = 0;
  bool m_audioTried = false;
  std::unique_ptr<AudioDevice> m_audio;
};

}  // namespace

std::unique_ptr<Backend> MakeWebBackend() { return std::make_unique<WebBackend>(); }
