// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The rink as the showing machine draws it. Snapshots of the running
// machine's rink come unevenly (the network, and both machines' frames,
// bunch them up or hold them back), so the rink is drawn a little behind
// the running machine's clock, blended between the two snapshots around
// that moment: the puck glides at its own pace whatever the arrivals do.
// A snapshot that comes late is stood in for by the puck running on at its
// speed for a moment; bodies put back on their spots (a serve) jump there.
// The drawn moment follows the running machine's clock by the earliest
// recent arrival and moves only a little with each snapshot, so a bunch of
// messages or one that is quick never makes the puck skip.
#include <cstdint>
#include <deque>
#include <optional>

#include "games/airhockey/model/airhockey_snapshot.h"

namespace airhockey {

class RinkFeed {
 public:
  // How far behind the running machine's latest news the rink is drawn:
  // about two of its frames, enough for the arrivals' unevenness.
  static constexpr DWORD kDelayMs = 36;
  // How long the puck runs on past the latest snapshot at most.
  static constexpr DWORD kMaxLeadMs = 20;

  struct Shown {
    CPoint puck;
    CPoint nearMallet;
    CPoint farMallet;
  };

  // A snapshot that arrived at `arrivedAt` on this machine's clock.
  void Take(const RinkSnapshot& snapshot, DWORD arrivedAt);
  // Where the bodies are drawn at `now` on this machine's clock (nothing before any snapshot).
  std::optional<Shown> At(DWORD now) const;
  void Clear();

 private:
  std::deque<RinkSnapshot> m_kept;  // in the running machine's time order
  // This machine's clock less the running machine's, as the earliest of
  // the recent arrivals tells it, approached a little at a time so that
  // the picture never skips (clocks wrap: differences are 32-bit).
  std::optional<DWORD> m_offset;
  std::deque<DWORD> m_samples;  // recent arrivals' clock differences
};

}  // namespace airhockey
