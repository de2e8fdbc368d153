// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Browser events as the page's listeners hand them over, queued until the
// backend next polls (the program is suspended while the browser runs them).
#include <vector>

struct WebEvent {
  enum class Kind { PointerMove, PointerDown, PointerUp, Wheel, KeyDown, KeyUp, Char, Focus, Hidden, Close };
  Kind kind = Kind::PointerMove;
  int x = 0;       // surface pixels, for pointer events; notches for Wheel
  int y = 0;
  int button = 0;  // 0 left, 1 middle, 2 right
  int buttons = 0; // held buttons: 1 left, 2 right, 4 middle
  int code = 0;    // virtual key, or the character's code point; 1/0 for Focus and Hidden
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

// Takes every event queued so far.
std::vector<WebEvent> TakeWebEvents();
