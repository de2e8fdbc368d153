// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/sdl_video.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "platform/video_driver_policy.h"
#include "platform/window_scale.h"

namespace {

// Room for the window manager's title bar and borders around the client area.
constexpr int kDecorationAllowance = 48;

}  // namespace

// SDL falls back to drivers that show nothing when there is no display;
// those are refused unless asked for by name. Without a display, the error
// names what each real driver said; Wayland is not tried where it cannot be
// reached, so that only the program's own message is printed.
bool StartSdlVideo(const char* appName) {
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  // A table-top game left on its title screen must not keep the screen
  // awake; the desktop's volume mixer names it and files it under games.
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
  SDL_SetHint(SDL_HINT_APP_NAME, appName);
  SDL_SetHint(SDL_HINT_AUDIO_DEVICE_STREAM_ROLE, "game");
  if (const char* requested = SDL_getenv("SDL_VIDEODRIVER")) {
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
      std::fprintf(stderr, "quintaro: cannot open a window: %s\n", SDL_GetError());
      return false;
    }
    const char* driver = SDL_GetCurrentVideoDriver();
    if (const auto refusal = RefuseVideoDriver(driver != nullptr ? driver : "", requested)) {
      std::fprintf(stderr, "quintaro: cannot open a window: %s\n", refusal->c_str());
      return false;
    }
    return true;
  }
  std::string reasons;
  for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i) {
    const std::string name = SDL_GetVideoDriver(i);
    if (name == "evdev" || RefuseVideoDriver(name, nullptr)) continue;
    if (name == "wayland") {
      const auto why = WaylandUnreachable(SDL_getenv("WAYLAND_SOCKET"), SDL_getenv("WAYLAND_DISPLAY"),
                                          SDL_getenv("XDG_RUNTIME_DIR"));
      if (why) {
        reasons += (reasons.empty() ? "" : "; ") + name + ": " + *why;
        continue;
      }
    }
    SDL_SetHint(SDL_HINT_VIDEODRIVER, name.c_str());
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) == 0) return true;
    reasons += (reasons.empty() ? "" : "; ") + name + ": " + SDL_GetError();
  }
  std::fprintf(stderr, "quintaro: cannot open a window, no display found (%s)\n", reasons.c_str());
  return false;
}

SIZE UsableArea(SDL_Window* window, SIZE fallback) {
  SDL_Rect usable{0, 0, fallback.cx, fallback.cy};
  const int display = std::max(0, SDL_GetWindowDisplayIndex(window));
  if (SDL_GetDisplayUsableBounds(display, &usable) != 0) return fallback;
  return SIZE{usable.w, usable.h - kDecorationAllowance};
}

void SizeWindowForZoom(SDL_Window* window, SIZE surface, int zoom, bool centre) {
  const int scale = WindowScaleForZoom(zoom, surface, UsableArea(window, surface));
  SDL_SetWindowSize(window, surface.cx * scale, surface.cy * scale);
  if (centre) SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
}

// A window that grew (a larger zoom, or back from full screen) moves just
// enough to stay inside its screen's usable area, title bar included.
void KeepWindowOnScreen(SDL_Window* window) {
  SDL_Rect usable{};
  const int display = SDL_GetWindowDisplayIndex(window);
  if (display < 0 || SDL_GetDisplayUsableBounds(display, &usable) != 0) return;
  int top = 0, left = 0, bottom = 0, right = 0;
  if (SDL_GetWindowBordersSize(window, &top, &left, &bottom, &right) != 0) top = left = bottom = right = 0;
  int x = 0, y = 0, w = 0, h = 0;
  SDL_GetWindowPosition(window, &x, &y);
  SDL_GetWindowSize(window, &w, &h);
  const POINT placed = KeepInside(CRect(x - left, y - top, x + w + right, y + h + bottom),
                                  CRect(usable.x, usable.y, usable.x + usable.w, usable.y + usable.h));
  if (placed.x != x - left || placed.y != y - top) SDL_SetWindowPosition(window, placed.x + left, placed.y + top);
}

bool WindowCoversItsDisplay(SDL_Window* window) {
  constexpr Uint32 kOtherStates = SDL_WINDOW_FULLSCREEN | SDL_WINDOW_MAXIMIZED | SDL_WINDOW_MINIMIZED;
  if (SDL_GetWindowFlags(window) & kOtherStates) return false;
  SDL_Rect screen{};
  const int display = SDL_GetWindowDisplayIndex(window);
  if (display < 0 || SDL_GetDisplayBounds(display, &screen) != 0) return false;
  SDL_Rect area{};
  SDL_GetWindowPosition(window, &area.x, &area.y);
  SDL_GetWindowSize(window, &area.w, &area.h);
  return SDL_RectEquals(&area, &screen) == SDL_TRUE;
}
