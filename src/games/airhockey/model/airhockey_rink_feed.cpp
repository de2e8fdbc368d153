// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/airhockey/model/airhockey_rink_feed.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "games/airhockey/model/airhockey_geometry.h"

namespace airhockey {

namespace {

// Snapshots kept: plenty for the delay at sixty a second.
constexpr std::size_t kKeep = 16;
// An arrival this much off the clocks' offset: a clock stood still (a
// message box on either machine); the offset starts afresh.
constexpr std::int32_t kClockJumpMs = 250;
// The arrivals the offset is read from (half a second of them), and how far
// it moves with each snapshot at most.
constexpr std::size_t kSamples = 32;
constexpr std::int32_t kSlewMs = 2;

std::int32_t Since(DWORD later, DWORD earlier) { return static_cast<std::int32_t>(later - earlier); }

int Blend(int a, int b, double f) { return static_cast<int>(std::lround(a + (b - a) * f)); }

CPoint Blend(CPoint a, CPoint b, double f) { return {Blend(a.x, b.x, f), Blend(a.y, b.y, f)}; }

CPoint RunOn(const RinkSnapshot& s, std::int32_t ms) {
  const CPoint p{s.puck.x + static_cast<int>(std::lround(s.puckVelocity.x * ms / 1000.0)),
                 s.puck.y + static_cast<int>(std::lround(s.puckVelocity.y * ms / 1000.0))};
  return {std::clamp(p.x, kWallLeft + kPuckRadius, kWallRight - kPuckRadius),
          std::clamp(p.y, kWallTop + kPuckRadius, kWallBottom - kPuckRadius)};
}

}  // namespace

void RinkFeed::Clear() {
  m_kept.clear();
  m_offset.reset();
  m_samples.clear();
}

void RinkFeed::Take(const RinkSnapshot& snapshot, DWORD arrivedAt) {
  // A running machine started again counts from its new clock; news told
  // twice in one millisecond (a goal) stands for the earlier.
  if (!m_kept.empty() && Since(snapshot.tick, m_kept.back().tick) < 0) Clear();
  if (!m_kept.empty() && snapshot.tick == m_kept.back().tick) m_kept.pop_back();
  const DWORD sample = arrivedAt - snapshot.tick;
  if (!m_offset || std::abs(Since(sample, *m_offset)) > kClockJumpMs) {
    m_offset = sample;
    m_samples.clear();
  }
  m_samples.push_back(sample);
  if (m_samples.size() > kSamples) m_samples.pop_front();
  std::int32_t earliest = Since(sample, *m_offset);
  for (const DWORD s : m_samples) earliest = std::min(earliest, Since(s, *m_offset));
  *m_offset += static_cast<DWORD>(std::clamp(earliest, -kSlewMs, kSlewMs));
  m_kept.push_back(snapshot);
  if (m_kept.size() > kKeep) m_kept.pop_front();
}

std::optional<RinkFeed::Shown> RinkFeed::At(DWORD now) const {
  if (m_kept.empty()) return std::nullopt;
  const DWORD drawn = now - *m_offset - kDelayMs;
  // The last snapshot at or before the drawn moment, and the one after it.
  std::size_t i = 0;
  while (i + 1 < m_kept.size() && Since(drawn, m_kept[i + 1].tick) >= 0) ++i;
  const RinkSnapshot& a = m_kept[i];
  const std::int32_t past = Since(drawn, a.tick);
  if (past < 0) return Shown{a.puck, a.nearMallet, a.farMallet};  // before everything kept
  if (i + 1 == m_kept.size()) {
    const std::int32_t lead = a.playing ? std::min<std::int32_t>(past, kMaxLeadMs) : 0;
    return Shown{RunOn(a, lead), a.nearMallet, a.farMallet};
  }
  const RinkSnapshot& b = m_kept[i + 1];
  if (b.serve != a.serve) return Shown{a.puck, a.nearMallet, a.farMallet};
  const double f = static_cast<double>(past) / std::max<std::int32_t>(1, Since(b.tick, a.tick));
  return Shown{Blend(a.puck, b.puck, f), Blend(a.nearMallet, b.nearMallet, f), Blend(a.farMallet, b.farMallet, f)};
}

}  // namespace airhockey
