// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// When the next frame may be shown. Frames follow the display's rate counted
// from each frame's start, so the present's own cost does not lengthen the
// period; a frame that has waited longer than a period starts a new beat at
// once instead of being held back to the old one. Times are microseconds on
// any steady clock.
#include <cstdint>

class FramePacer {
 public:
  // `periodUs`: one refresh of the display (16667 at 60 Hz); at least 1.
  explicit FramePacer(std::int64_t periodUs);

  // The refresh period of a display running at `hz` (60 when unknown).
  static std::int64_t PeriodForRate(int hz);

  // True when a frame may start at `nowUs`.
  bool Due(std::int64_t nowUs) const { return nowUs >= m_nextUs; }
  // Microseconds from `nowUs` until the next frame may start (0 when due).
  std::int64_t WaitUs(std::int64_t nowUs) const { return Due(nowUs) ? 0 : m_nextUs - nowUs; }
  // A frame started at `nowUs`: the next falls one period after this one
  // was due, or one period after now when this one came more than a period late.
  void Started(std::int64_t nowUs);

  std::int64_t PeriodUs() const { return m_periodUs; }

 private:
  std::int64_t m_periodUs;
  std::int64_t m_nextUs = INT64_MIN;  // the first frame is due at once
};
