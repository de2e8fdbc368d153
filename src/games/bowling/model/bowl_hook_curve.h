// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The line a ball takes up the lane when the hook key is held through the
// whole swing, for each Spin position: what the Game Controls dialog draws
// so a player sees what each setting does before choosing it.
#include <vector>

namespace bowling {

struct LanePoint {
  double x = 0, y = 0;  // x: sideways from the release line (left negative); y: lane pixels, down the screen
};

// From the foul line to the head pin, the ball released straight up the
// lane at a middling speed with Shift held all the way (a left hook).
std::vector<LanePoint> HookCurve(int nSpin);

}  // namespace bowling
