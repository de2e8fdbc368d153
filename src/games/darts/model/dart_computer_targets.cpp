// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/darts/model/dart_computer_targets.h"

#include <array>

#include "games/darts/model/dart_checkout.h"

namespace darts {

namespace {

constexpr int kTrebleTwenty = 60;
constexpr int kFinishZone = 60;  // at or below this a double-out player plays for the checkout

// Straight out: one dart that reaches exactly 0, else a single that leaves
// something one dart can finish.
Target StraightOutTarget(int remaining) {
  if (remaining >= kTrebleTwenty) return kTreble20;
  if (remaining <= 20) return Single(remaining);
  if (remaining == 25) return kOuterBull;
  if (remaining == 50) return kBull;
  if (remaining % 3 == 0) return Treble(remaining / 3);
  if (remaining % 2 == 0 && remaining <= 40) return Double(remaining / 2);
  if (remaining > 40) return Single(20);
  return Single(remaining - 20);  // leaves 20
}

// Double out with no checkout this turn: score, or leave a favourite double.
Target DoubleOutSetup(int remaining) {
  if (remaining - kTrebleTwenty >= 2 && remaining > kFinishZone + 10) return kTreble20;
  constexpr std::array<int, 8> kLeaves = {32, 40, 16, 36, 24, 20, 8, 4};
  for (int leave : kLeaves)
    if (remaining - leave >= 1 && remaining - leave <= 20) return Single(remaining - leave);
  if (remaining - 20 >= 2) return Single(20);
  return Single(1);
}

// The trebles of the open numbers, the highest first, then the bull.
Target CricketTarget(const AimSituation& s) {
  if (!s.marks) return kTreble20;
  for (int e = kBullsEntry - 1; e >= 0; --e)
    if (!s.marks->IsClosed(s.seat, e)) return Treble(kFirstCricketNumber + e);
  return kBull;
}

}  // namespace

std::optional<Target> NeededDouble(const AimSituation& s) {
  if (s.variant == kVariantCricket) return std::nullopt;
  if (s.options.doubleIn && !s.isIn) return Double(20);
  if (!s.options.doubleOut || s.remaining > kFinishZone || s.remaining < 2) return std::nullopt;
  const std::vector<Target> route = Checkout(s.remaining, s.dartsLeft);
  if (!route.empty()) return route.front();
  return DoubleOutSetup(s.remaining);
}

Target ExpertTarget(const AimSituation& s) {
  if (s.variant == kVariantCricket) return CricketTarget(s);
  if (s.options.doubleIn && !s.isIn) return Double(20);
  if (!s.options.doubleOut) return StraightOutTarget(s.remaining);
  const std::vector<Target> route = Checkout(s.remaining, s.dartsLeft);
  if (!route.empty() && s.remaining <= 110) return route.front();
  if (!route.empty() && s.dartsLeft == 3) return route.front();
  return DoubleOutSetup(s.remaining);
}

}  // namespace darts
