// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ring: it sticks out from the glass at the rim line, as deep as its
// front reaches. A ball that meets it drops in or is knocked back out, at
// the point of its path where they meet.
#include "games/basketball/model/basketball_motion.h"

namespace basketball {

// Between the ring's outer ends (offsets from the board's left edge).
bool InRimSpan(float x, int boardX);
// The ring knocks the ball back out towards its side.
void BounceOut(ShotBall& ball, bool left);
// The ball's bottom meets the rim line where the ball is: in the ring (the
// net takes it), on the ring (it bounces out), or past it (false).
bool MeetRim(ShotBall& ball, int boardX, BallFrame& frame);

// One step of the descent, from (x0, y0, z0) to where the ball is now.
struct StepSpan {
  float x0, y0, z0;
  bool straight;  // no wall bounce inside the step: the ball went in a straight line
};
// The ball's path over the step meets the ring: it has dropped in or
// bounced off at the meeting point. False (and the ball unchanged) otherwise.
bool MeetRingOnTheWay(ShotBall& ball, const StepSpan& step, int boardX, BallFrame& frame);
// A ball that passed the rim line beside the ring and runs on sideways into
// its span, still level with it, strikes the ring's end and bounces off.
bool RunIntoRingEnd(ShotBall& ball, int boardX, BallFrame& frame);

}  // namespace basketball
