// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/sdl_clock.h"

std::int64_t SdlNowUs() {
  static const double kUsPerCount = 1e6 / static_cast<double>(SDL_GetPerformanceFrequency());
  return static_cast<std::int64_t>(static_cast<double>(SDL_GetPerformanceCounter()) * kUsPerCount);
}

bool IsPlayerInput(const SDL_Event& e) {
  switch (e.type) {
    case SDL_MOUSEMOTION:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
    case SDL_MOUSEWHEEL:
    case SDL_KEYDOWN:
    case SDL_KEYUP:
    case SDL_FINGERDOWN:
    case SDL_FINGERMOTION:
      return true;
    default:
      return false;
  }
}
