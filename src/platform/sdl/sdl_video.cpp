#include "platform/sdl/sdl_video.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

// Room for the window manager's title bar and borders around the client area.
constexpr int kDecorationAllowance = 48;

}  // namespace

// SDL falls back to an invisible off-screen display when there is no real
// one; unless the user asked for such a driver, no display is an error that
// names what each driver said.
bool StartSdlVideo() {
  if (SDL_getenv("SDL_VIDEODRIVER") != nullptr) {
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS) == 0) return true;
    std::fprintf(stderr, "quintaro: cannot open a window: %s\n", SDL_GetError());
    return false;
  }
  std::string reasons;
  for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i) {
    const std::string name = SDL_GetVideoDriver(i);
    if (name == "offscreen" || name == "dummy" || name == "evdev") continue;
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
