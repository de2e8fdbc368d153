// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What differs between running in a real window (SDL) and running headless
// on virtual time. Everything else lives in Host, shared by both.
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "platform/display.h"
#include "platform/surface.h"
#include "platform/types.h"

class Host;
class AudioDevice;
struct CursorImage;

// A WaitUntil deadline that never comes: only input ends the wait.
inline constexpr DWORD kWaitForever = 0xFFFFFFFFu;

// How the player left the window: its size when it is neither maximised nor
// full screen (0 x 0 when not known), and whether it is maximised.
struct WindowPlacement {
  int width = 0;
  int height = 0;
  bool maximized = false;
  bool operator==(const WindowPlacement&) const = default;
};

// Whether a change of window mode sizes the window to the zoom (a zoom
// chosen) or leaves the size and maximised state the player gave it.
enum class WindowSizing { Keep, ToZoom };

class Backend {
 public:
  virtual ~Backend() = default;

  // Connects the backend to the host it serves (called once by Host).
  virtual void Attach(Host& host) { m_host = &host; }

  // Milliseconds since an arbitrary start (GetTickCount).
  virtual DWORD Ticks() = 0;
  // Wall-clock seconds, for seeding the random generator.
  virtual std::int64_t WallSeconds() = 0;
  // Waits until Ticks() reaches `deadline` or, when `wakeOnInput`, until input
  // arrives, whichever is first. New input is posted to the host's queue; it is
  // never dispatched here. Never spins the CPU.
  virtual void WaitUntil(DWORD deadline, bool wakeOnInput) = 0;
  // Reads pending OS input into the host's queue without waiting.
  virtual void Poll() = 0;
  // The window surface changed; show it when the display is ready for a new
  // frame (at most once per refresh).
  virtual void Present(bool force = false) = 0;

  virtual DisplayCaps Caps() const = 0;
  virtual void SetCursor(int resourceId, const CursorImage* image) = 0;
  virtual void SetMouseCapture(bool captured) = 0;
  // The audio device, or null when there is none.
  virtual AudioDevice* Audio() = 0;
  // Window title and icon (the SDL window shows them). The icon comes at
  // several sizes, so that no desktop has to scale one.
  virtual void SetTitle(const std::string& /*title*/) {}
  virtual void SetIcons(std::span<const CursorImage> /*icons*/) {}
  // Full screen on the desktop's own mode (the video mode never changes), or
  // a window. With ToZoom the window becomes `zoom` times the surface's size
  // (0: as large as the screen allows; the backend lowers a zoom the screen
  // cannot hold); with Keep, leaving full screen returns to the window as it
  // was, maximised or of the size the player dragged it to.
  virtual void SetWindowMode(int /*zoom*/, bool /*fullscreen*/, WindowSizing /*sizing*/) {}
  // The window as the player left it, to remember between runs; and, before
  // the window first shows, the one remembered (applied by the next
  // SetWindowMode with Keep).
  virtual WindowPlacement Placement() const { return {}; }
  virtual void SetPlacement(const WindowPlacement& /*placement*/) {}
  // The room a window may take on the screen, for making a remembered size safe.
  virtual SIZE UsableScreen() const { return SIZE{1920, 1080}; }
  // True while the window fills the screen because the desktop made it so
  // (the window manager's own full-screen command), not the program.
  virtual bool FullscreenByDesktop() const { return false; }
  // The text field that has the keyboard, on the window surface (empty:
  // none). A phone's browser shows its on-screen keyboard for it.
  virtual void SetTextField(const CRect& /*onSurface*/) {}
  // The desktop's clipboard, as UTF-8 text; without a desktop, the
  // program's own.
  virtual std::string ClipboardText() { return m_clipboard; }
  virtual void SetClipboardText(const std::string& utf8) { m_clipboard = utf8; }
  // Ends the program at once with this code, after the caller stored what must persist.
  [[noreturn]] virtual void ExitProcess(int code);

 protected:
  Host* m_host = nullptr;

 private:
  std::string m_clipboard;
};
