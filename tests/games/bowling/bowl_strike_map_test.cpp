// SPDX-License-Identifier: GPL-3.0-or-later
// The pin action a bowler recognises, measured on the pure model at the
// default settings (Pin Interaction Normal, no spin): a seeded sweep of
// swings over start x, slant and speed prints the strike map; pocket hits at
// a good speed strike often, a ball on the nose leaves splits, a thin hit
// leaves pins, and no swing strikes on more than 80 % of the swings within
// 2 pixels and 20 ms of it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "games/bowling/model/bowl_lane.h"
#include "games/bowling/model/bowl_swing.h"

namespace bowling {
namespace {

constexpr int kPressY = 385, kReleaseY = 230;
const double kFriction = kPinFriction[kDefaultPinInteraction];

// The runtime's rand(), seeded per swing so that every swing is reproducible.
RandSource Seeded(unsigned seed) {
  return [seed]() mutable {
    seed = seed * 1103515245u + 12345u;
    return static_cast<int>((seed >> 16) & 0x7FFF);
  };
}

// A swing on the approach in screen pixels: press x, release x, hold time.
struct Swing {
  int pressX, releaseX;
  DWORD holdMs;
};

Throw ThrowOf(const Swing& s) {
  return ThrowFromSwing({MapX(s.pressX), kPressY}, {MapX(s.releaseX), kReleaseY}, s.holdMs, kDefaultSpin, 0.0,
                        false);
}

unsigned Seed(const Swing& s) {
  return static_cast<unsigned>(s.pressX) * 7919u + static_cast<unsigned>(s.releaseX) * 104729u +
         static_cast<unsigned>(s.holdMs) * 1299709u + 1u;
}

unsigned Bowl(const Swing& s) { return SimulateThrow(ThrowOf(s), kFriction, kPinScatter, Seeded(Seed(s))); }

bool InPocket(double x) { return (x >= 75.0 && x <= 81.0) || (x >= 63.0 && x <= 69.0); }

TEST(BowlStrikeMap, PrintsTheStrikeMapOfStartSlantAndSpeed) {
  // Rows: where the ball starts (lane x at the foul line); columns: the
  // drag's slant in lane pixels; X a strike, else the pins down.
  int throws = 0, strikes = 0;
  for (DWORD hold : {250u, 450u, 900u}) {
    std::printf("strike map, hold %u ms (speed %.2f): start x down, slant -16..16 across\n", hold,
                SpeedForSwing(hold));
    for (int x = kLaneLeft + 7; x <= kLaneRight - 7; x += 2) {
      std::string row;
      for (int slant = -16; slant <= 16; slant += 2) {
        const Throw t = ThrowFromSwing({x - slant, kPressY}, {x, kReleaseY}, hold, kDefaultSpin, 0.0, false);
        const unsigned down =
            SimulateThrow(t, kFriction, kPinScatter, Seeded(static_cast<unsigned>(x * 131 + slant * 17 + hold)));
        const int n = PinCount(down);
        row += n == kPins ? 'X' : static_cast<char>('0' + n);
        ++throws;
        strikes += n == kPins;
      }
      std::printf("  %3d %s\n", x, row.c_str());
    }
  }
  std::printf("%d throws, %d strikes\n", throws, strikes);
  EXPECT_GT(strikes, 0);
  EXPECT_LT(strikes, throws / 3);
}

TEST(BowlStrikeMap, PocketHitsStrikeOftenNoseHitsSplitThinHitsLeavePins) {
  int pocket = 0, pocketStrikes = 0, nose = 0, noseStrikes = 0, noseSplits = 0, thin = 0, thinStrikes = 0;
  long thinPins = 0;
  int slow = 0, slowStrikes = 0;
  for (int release = kPressZone.left; release < kPressZone.right; ++release)
    for (int slant = -20; slant <= 20; slant += 2)
      for (DWORD hold = 150; hold <= 1350; hold += 60) {
        const Swing s{release - slant, release, hold};
        if (s.pressX < kPressZone.left || s.pressX >= kPressZone.right) continue;
        const Throw t = ThrowOf(s);
        const double x = PredictX(t, kPocketY);
        const bool good = t.dSpeed >= SpeedForSwing(600);
        if (InPocket(x)) {
          const bool strike = PinCount(Bowl(s)) == kPins;
          (good ? pocket : slow) += 1;
          (good ? pocketStrikes : slowStrikes) += strike;
        } else if (good && x > 70.0 && x < 74.0) {
          const unsigned down = Bowl(s);
          ++nose;
          noseStrikes += PinCount(down) == kPins;
          noseSplits += IsSplit(kFullRack & ~down);
        } else if (good && ((x >= 57.0 && x <= 61.0) || (x >= 83.0 && x <= 87.0))) {
          const unsigned down = Bowl(s);
          ++thin;
          thinStrikes += PinCount(down) == kPins;
          thinPins += PinCount(down);
        }
      }
  const auto pct = [](int n, int of) { return of ? 100.0 * n / of : 0.0; };
  std::printf("pocket at a good speed: %d throws, %.1f %% strikes\n", pocket, pct(pocketStrikes, pocket));
  std::printf("pocket slow: %d throws, %.1f %% strikes\n", slow, pct(slowStrikes, slow));
  std::printf("nose: %d throws, %.1f %% strikes, %.1f %% splits\n", nose, pct(noseStrikes, nose),
              pct(noseSplits, nose));
  std::printf("thin: %d throws, %.1f %% strikes, %.2f pins\n", thin, pct(thinStrikes, thin),
              thin ? static_cast<double>(thinPins) / thin : 0.0);
  ASSERT_GE(pocket, 1000);
  EXPECT_GE(pct(pocketStrikes, pocket), 40.0);
  EXPECT_LE(pct(pocketStrikes, pocket), 80.0);
  EXPECT_LT(pct(slowStrikes, slow), pct(pocketStrikes, pocket));  // speed carries
  ASSERT_GE(nose, 200);
  EXPECT_LT(pct(noseStrikes, nose), 15.0);
  EXPECT_GT(pct(noseSplits, nose), 25.0);
  ASSERT_GE(thin, 200);
  EXPECT_LT(pct(thinStrikes, thin), 35.0);
  EXPECT_GT(static_cast<double>(thinPins) / thin, 7.0);
}

TEST(BowlStrikeMap, NoSwingStrikesOnMoreThanFourFifthsOfItsNeighbourhood) {
  // The swings that strike the most: every striking pocket swing at a good
  // speed on a coarse lattice, each with all 125 swings within 2 pixels of
  // its press and release and 20 ms of its hold.
  double worst = 0.0;
  Swing worstSwing{};
  int centres = 0;
  for (int release = kPressZone.left + 2; release < kPressZone.right - 2; release += 3)
    for (int slant = -18; slant <= 18; slant += 3)
      for (DWORD hold = 200; hold <= 560; hold += 60) {
        const Swing c{release - slant, release, hold};
        if (c.pressX < kPressZone.left + 2 || c.pressX >= kPressZone.right - 2) continue;
        if (!InPocket(PredictX(ThrowOf(c), kPocketY)) || PinCount(Bowl(c)) != kPins) continue;
        ++centres;
        int n = 0, strikes = 0;
        for (int dp = -2; dp <= 2; ++dp)
          for (int dr = -2; dr <= 2; ++dr)
            for (int dh = -20; dh <= 20; dh += 10) {
              const Swing s{c.pressX + dp, c.releaseX + dr, static_cast<DWORD>(static_cast<int>(c.holdMs) + dh)};
              ++n;
              strikes += PinCount(Bowl(s)) == kPins;
            }
        const double share = static_cast<double>(strikes) / n;
        if (share > worst) {
          worst = share;
          worstSwing = c;
        }
      }
  std::printf("%d striking swings checked; the most reliable strikes %.0f %% of its neighbourhood "
              "(press %d, release %d, %u ms)\n",
              centres, 100.0 * worst, worstSwing.pressX, worstSwing.releaseX, worstSwing.holdMs);
  ASSERT_GT(centres, 50);
  EXPECT_LE(worst, 0.8);
}

TEST(BowlStrikeMap, SplitsAreTheOnesABowlerNames) {
  const auto standing = [](std::initializer_list<int> spots) {
    unsigned m = 0;
    for (int s : spots) m |= 1u << (s - 1);
    return m;
  };
  // Spot order: 1..4 the back row (the 7, 8, 9, 10 pins), 5..7 (4, 5, 6), 8, 9 (2, 3), 10 the head pin.
  EXPECT_TRUE(IsSplit(standing({1, 4})));       // 7-10
  EXPECT_TRUE(IsSplit(standing({5, 7})));       // 4-6
  EXPECT_TRUE(IsSplit(standing({5, 7, 1, 4}))); // the big four
  EXPECT_TRUE(IsSplit(standing({9, 4})));       // 3-10
  EXPECT_TRUE(IsSplit(standing({8, 1})));       // 2-7
  EXPECT_FALSE(IsSplit(standing({4})));         // a single pin
  EXPECT_FALSE(IsSplit(standing({5, 1})));      // 4-7 stand together
  EXPECT_FALSE(IsSplit(standing({8, 2})));      // 2-8, a sleeper
  EXPECT_FALSE(IsSplit(standing({8, 5, 6})));   // 2-4-5
  EXPECT_FALSE(IsSplit(standing({10, 1, 4})));  // the head pin still up
}

}  // namespace
}  // namespace bowling
