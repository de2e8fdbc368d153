// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Spin between balls: english on the cue ball throws the ball it strikes.
class CPoolBall;

namespace pool {

// Turns the way `struck` leaves a little away from the side of `cue`'s
// english (the cue ball's centre was at (cx, cy) when they met); its speed is kept.
void ThrowStruckBall(const CPoolBall& cue, CPoolBall& struck, double cx, double cy);

}  // namespace pool
