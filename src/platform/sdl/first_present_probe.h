// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Start-up measurement. When the environment has QUINTARO_FIRST_PRESENT set,
// the first picture that reaches the shown window prints its moment (the
// monotonic clock, in nanoseconds) and the window's size in pixels, as
// "first-present NS WIDTH HEIGHT", and ends the program at once. The
// start-up benchmark runs the program this way.
void NoteFirstPresent(int windowWidth, int windowHeight);
