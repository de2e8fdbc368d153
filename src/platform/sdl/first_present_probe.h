#pragma once
// Start-up measurement. When the environment has QUINTARO_FIRST_PRESENT set,
// the first picture that reaches the shown window prints its moment (the
// monotonic clock, in nanoseconds, as "first-present NS") and ends the
// program at once. The start-up benchmark runs the program this way.
void NoteFirstPresent();
