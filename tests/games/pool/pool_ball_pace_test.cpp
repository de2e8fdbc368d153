// SPDX-License-Identifier: GPL-3.0-or-later
// A rolling ball against slow frames, on a clock the test moves: when the
// shot's loop gets round only once a frame, the ball still takes every step
// that fell due, so it rolls as far as it does on time.
#include <gtest/gtest.h>

#include "fake_table.h"

namespace pool::test {
namespace {

// Steps a fast ball (a step a millisecond) for `totalMs`, the loop coming
// round every `frameMs` and running what is due then, as the shot does.
int StepsIn(DWORD totalMs, DWORD frameMs) {
  FakeTable table;
  CPoolBall ball(&table, {200, 192}, 0, 0, kOpenField, 1);
  ball.SetVelocity(7.0, 0.0);
  const DWORD end = table.now + totalMs;
  int moved = 0;
  while (table.now <= end) {
    do {
      const int before = table.shown;
      ball.Step();
      moved += table.shown != before;
    } while (ball.NextStepDue(table.now) <= table.now);
    table.now += frameMs;
  }
  return moved;
}

TEST(PoolBallPace, ALateFrameDoesNotSlowTheBall) {
  // 351 steps a millisecond apart, then steps of two.
  const int onTime = StepsIn(400, 1);
  EXPECT_EQ(onTime, 351 + 24);
  for (const DWORD frameMs : {16u, 25u, 50u}) EXPECT_EQ(StepsIn(400, frameMs), onTime) << frameMs << " ms frames";
}

TEST(PoolBallPace, ABallFarBehindStartsItsPaceAfreshInsteadOfRacing) {
  FakeTable table;
  CPoolBall ball(&table, {200, 192}, 0, 0, kOpenField, 1);
  ball.SetVelocity(7.0, 0.0);
  ball.Step();
  table.now += 5000;  // the machine stood still for five seconds
  int burst = 0;
  do {
    const int before = table.shown;
    ball.Step();
    burst += table.shown != before;
  } while (ball.NextStepDue(table.now) <= table.now && burst < 1000);
  EXPECT_EQ(burst, 1);
}

}  // namespace
}  // namespace pool::test
