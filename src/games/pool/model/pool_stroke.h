// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A stroke through balls that touch at once: the cue ball into a rack, or a
// ball into a cluster. It runs in two phases, as balls pressed together and
// springing apart. First the group is pressed: the least pushes at the
// contacts after which no ball still runs into a ball it touches, as if the
// balls stuck together. Then the energy the pressing took is given back as
// equal pushes at every contact that was pressed, so the group springs apart
// all round. Pushes come in equal and opposite pairs, so momentum is kept,
// and the energy after is the energy before. Between two balls this is the
// elastic exchange along the line of centres.
#include <cstddef>
#include <vector>

namespace pool {

struct StrokeBody {
  double x, y;    // centre
  double vx, vy;  // pixels per step
};

// Two balls of the group that touch; `pressed` tells whether the stroke
// pushed them apart.
struct StrokeContact {
  std::size_t a, b;
  bool pressed = false;
};

// Resolves the stroke in place; false when no contact was closing.
bool ResolveStroke(std::vector<StrokeBody>& bodies, std::vector<StrokeContact>& contacts);

// The total kinetic energy of the bodies (speed squared, equal balls).
double StrokeEnergy(const std::vector<StrokeBody>& bodies);

}  // namespace pool
