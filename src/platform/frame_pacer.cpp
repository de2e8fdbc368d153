// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/frame_pacer.h"

#include <algorithm>

namespace {
constexpr int kDefaultRefreshHz = 60;
constexpr std::int64_t kMicrosecondsPerSecond = 1'000'000;
}  // namespace

FramePacer::FramePacer(std::int64_t periodUs) : m_periodUs(std::max<std::int64_t>(periodUs, 1)) {}

std::int64_t FramePacer::PeriodForRate(int hz) {
  if (hz <= 0) hz = kDefaultRefreshHz;
  return (kMicrosecondsPerSecond + hz / 2) / hz;
}

void FramePacer::Started(std::int64_t nowUs) {
  // On the beat (or a little behind it): the next frame keeps the beat, so
  // the rate holds at the display's. Far behind: the beat restarts now.
  const bool onBeat = m_nextUs != INT64_MIN && nowUs - m_nextUs < m_periodUs;
  m_nextUs = (onBeat ? m_nextUs : nowUs) + m_periodUs;
}
