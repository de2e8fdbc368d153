// SPDX-License-Identifier: GPL-3.0-or-later
// Air Hockey against slow frames, on virtual time: when the program gets to
// its timer only every other frame or less often, the puck still covers the
// ground it covers on time; and the mallet heads for the pointer as soon as
// the move is read, not at the next tick.
#include <gtest/gtest.h>

#include "airhockey_app.h"

namespace airhockey::test {
namespace {

// How far the slowest puck (a pixel a tick, at the slowest Speed setting)
// runs up the rink in two seconds when the program takes its messages every
// `frameMs` milliseconds (each frame's present holding it up that long).
int PuckRunInTwoSeconds(DWORD frameMs) {
  AirHockeyApp app;
  app.GetHost().Settings().WriteProfileInt("AirHockey", "Speed", 1);
  app.StartAirHockey();
  app.PressMallet();
  app.TheRink().puck = PuckOnRun({70, 360}, {70, kWallTop}, 1);
  const DWORD end = app.Now() + 2000;
  while (static_cast<std::int32_t>(app.Now() - end) < 0) app.Wait(frameMs);
  return 360 - app.TheRink().puck.pos.y;
}

TEST(AirHockeyFramePace, ALateFrameDoesNotSlowTheGame) {
  const int onTime = PuckRunInTwoSeconds(1);
  EXPECT_NEAR(onTime, 128, 1) << "64 ticks a second";
  for (const DWORD frameMs : {21u, 33u, 50u}) {
    // The last frame may end a little after the two seconds.
    EXPECT_NEAR(PuckRunInTwoSeconds(frameMs), onTime, 2) << "frames of " << frameMs << " ms";
  }
}

TEST(AirHockeyFramePace, TheMalletHeadsForThePointerInTheFrameThatReadsIt) {
  AirHockeyApp app;
  app.StartAirHockey();
  app.PressMallet();
  app.GetHost().Sleep(10);  // between timer ticks: the next is due at 16 ms
  const CPoint before = app.TheRink().human.pos;
  app.Move(before.x + 40, before.y);
  // Ten milliseconds hold five sub-steps of at most three pixels each.
  EXPECT_EQ(app.TheRink().human.pos.x, before.x + 15) << "moved before any further tick";
  app.RunFor(30);
  EXPECT_EQ(app.TheRink().human.pos, CPoint(before.x + 40, before.y));
}

}  // namespace
}  // namespace airhockey::test
