// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sdl/sdl_frame_timing.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

namespace {

constexpr std::int64_t kUsPerMs = 1000;

// Microseconds on SDL's steady high-resolution clock.
std::int64_t NowUs() {
  static const double kUsPerCount = 1e6 / static_cast<double>(SDL_GetPerformanceFrequency());
  return static_cast<std::int64_t>(static_cast<double>(SDL_GetPerformanceCounter()) * kUsPerCount);
}

// The player's input (pointer, keys, touch), which the next frame answers.
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

}  // namespace

bool SdlFrameTiming::Due() const { return m_pacer.Due(NowUs()); }

int SdlFrameTiming::SleepMs(int limitMs) const {
  if (!m_pending) return limitMs;
  const auto untilFrame = static_cast<int>((m_pacer.WaitUs(NowUs()) + kUsPerMs - 1) / kUsPerMs);
  return std::min(limitMs, untilFrame);
}

void SdlFrameTiming::ShowFrame(const std::function<void()>& show) {
  const std::int64_t startUs = NowUs();
  m_pacer.Started(startUs);
  show();
  m_pending = false;
  if (m_reporting) ProgramFrameStats().NotePresent(startUs, NowUs());
}

void SdlFrameTiming::NoteEvent(const SDL_Event& e) {
  if (m_reporting && IsPlayerInput(e)) ProgramFrameStats().NoteInput(NowUs());
}

void SdlFrameTiming::PrintReport() {
  if (!m_reporting) return;
  m_reporting = false;
  std::fprintf(stderr, "%s\n", ProgramFrameStats().Report().c_str());
}
