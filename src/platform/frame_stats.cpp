// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/frame_stats.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr double kMsPerUs = 1e-3;
constexpr std::int64_t kQuietGapUs = 250000;

// The value below which `fraction` of the samples lie (0 when there are none).
double Percentile(std::vector<float> samples, double fraction) {
  if (samples.empty()) return 0;
  const auto rank = static_cast<std::size_t>(std::ceil(fraction * static_cast<double>(samples.size())));
  const std::size_t at = std::clamp<std::size_t>(rank, 1, samples.size()) - 1;
  std::nth_element(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(at), samples.end());
  return samples[at];
}

}  // namespace

void FrameStats::NoteInput(std::int64_t nowUs) {
  if (!m_unansweredInputUs) m_unansweredInputUs = nowUs;
}

void FrameStats::NotePresent(std::int64_t startUs, std::int64_t endUs) {
  if (m_presents > 0) {
    const std::int64_t interval = startUs - m_lastStartUs;
    m_intervalsMs.push_back(static_cast<float>(static_cast<double>(interval) * kMsPerUs));
    if (interval <= kQuietGapUs) {
      m_showingUs += interval;
      ++m_showingFrames;
    }
  }
  m_lastStartUs = startUs;
  ++m_presents;
  if (m_unansweredInputUs && endUs - *m_unansweredInputUs <= kQuietGapUs)
    m_inputWaitsMs.push_back(static_cast<float>(static_cast<double>(endUs - *m_unansweredInputUs) * kMsPerUs));
  m_unansweredInputUs.reset();
}

void FrameStats::NoteGameTime(double gameMs, double realMs) {
  m_gameMs += gameMs;
  m_realMs += realMs;
}

std::string FrameStats::Report() const {
  const double showingS = static_cast<double>(m_showingUs) * kMsPerUs * kMsPerUs;
  const double fps = showingS > 0 ? static_cast<double>(m_showingFrames) / showingS : 0.0;
  const double speed = m_realMs > 0 ? m_gameMs / m_realMs : 1.0;
  char line[320];
  std::snprintf(line, sizeof line,
                "frame-stats: presents=%llu fps=%.1f interval_median_ms=%.1f interval_p95_ms=%.1f "
                "input_to_present_median_ms=%.1f input_to_present_p95_ms=%.1f game_speed=%.2f",
                static_cast<unsigned long long>(m_presents), fps, Percentile(m_intervalsMs, 0.5),
                Percentile(m_intervalsMs, 0.95), Percentile(m_inputWaitsMs, 0.5), Percentile(m_inputWaitsMs, 0.95),
                speed);
  return line;
}

bool FrameStats::Wanted() {
  const char* value = std::getenv("QUINTARO_FRAME_STATS");
  return value != nullptr && std::strcmp(value, "1") == 0;
}

FrameStats& ProgramFrameStats() {
  static FrameStats stats;
  return stats;
}
