// SPDX-License-Identifier: GPL-3.0-or-later
// Real-time play in fixed steps by the clock: late ticks still run every
// step that fell due, so play keeps real time; reads between ticks never run
// a step twice; a stalled clock catches up in a bounded burst.
#include "game/fixed_step_clock.h"

#include <gtest/gtest.h>

namespace {

// Air Hockey's beat: 8 sub-steps to a 15.625 ms tick.
FixedStepClock AirHockeyBeat() { return FixedStepClock(125, 8 * 8, 16 * 8); }

TEST(FixedStepClock, LateTicksRunEveryStepThatFellDueSoPlayKeepsRealTime) {
  for (const DWORD tickEvery : {16u, 21u, 33u, 50u}) {
    FixedStepClock clock = AirHockeyBeat();
    clock.Start(1000);
    std::uint64_t steps = 0;
    for (DWORD t = 1000; t <= 11000; t += tickEvery) steps += clock.Take(t, 8);
    const FixedStepClock::Spent spent = clock.TakeSpent();
    // Ten seconds are 640 ticks of 8 sub-steps, whatever the frame rate.
    EXPECT_NEAR(static_cast<double>(steps), 5120.0, 8.0 + tickEvery / 2.0) << "ticks every " << tickEvery << " ms";
    EXPECT_NEAR(spent.gameMs / spent.realMs, 1.0, 0.01) << "ticks every " << tickEvery << " ms";
  }
}

TEST(FixedStepClock, TicksOnTheGridTakeOneWholeTickAndReadsBetweenNeverRepeatASubStep) {
  FixedStepClock clock = AirHockeyBeat();
  clock.Start(0);
  // A timer on the 15.625 ms grid ticks at the first whole millisecond after each beat.
  EXPECT_EQ(clock.Take(16, 8), 8u);
  EXPECT_EQ(clock.Take(32, 8), 8u);
  // The pointer moves at 40 ms: the sub-steps due since run at once (every 1.95 ms) ...
  EXPECT_EQ(clock.Take(40, 1), 4u);
  // ... and the next tick runs only the rest of its tick.
  EXPECT_EQ(clock.Take(47, 8), 4u);
  EXPECT_EQ(clock.Take(47, 1), 0u);
}

TEST(FixedStepClock, AStalledClockCatchesUpInABoundedBurstAndTimeRunsNoBackwards) {
  FixedStepClock clock(1000, 1, 3);  // a game clock's seconds
  clock.Start(5000);
  EXPECT_EQ(clock.Take(4000), 0u) << "a tick from before play began";
  EXPECT_EQ(clock.Take(7000), 2u);
  EXPECT_EQ(clock.Take(60000), 3u) << "a minute stalled: three seconds, not fifty-three";
  EXPECT_EQ(clock.Take(61000), 1u) << "and play goes on from there";
}

}  // namespace
