// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The puck and the two mallets as plain values: where they are, where they
// are going and on which line.
#include "games/airhockey/model/airhockey_line.h"
#include "platform/rect.h"

namespace airhockey {

struct Puck {
  CPoint pos;
  CPoint aim;         // the point on a wall the puck travels toward
  CPoint runStart;    // where the current straight run began (hit or bounce)
  int speed = 0;      // pixels per sub-step; 0 at rest
  bool live = false;  // hit since the last serve
  Line line;
};

struct Mallet {
  CPoint prev;        // position before the last step
  CPoint pos;
  CPoint target;
  int speed = 1;      // pixels per sub-step along the path
  Line path;          // from the position to the target
  int cooldown = 0;   // sub-steps before this mallet may hit again
  bool attack = false;  // computer: heading for the puck or a goal post
  bool homing = false;  // computer: heading home

  // Sets the path from the current position to `to`.
  void HeadFor(CPoint to) {
    target = to;
    path = LineBetween(pos, to);
  }
  // Puts the mallet at rest on `at`.
  void PlaceAt(CPoint at) {
    prev = pos = target = at;
    path = LineBetween(at, at);
  }
};

// The three bodies on the rink.
struct Rink {
  Puck puck;
  Mallet human;
  Mallet computer;
};

}  // namespace airhockey
