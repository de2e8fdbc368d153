// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frame report: how often frames were shown, how evenly, how long input
// waited for the frame after it, and whether the real-time games kept real
// time. QUINTARO_FRAME_STATS=1 prints it when the program exits. Times are
// microseconds on any steady clock. The frame rate counts the time there was
// something to show: a gap of over a quarter second between frames (a still
// title screen) is left out of it, though not out of the intervals; input
// that no frame followed within that time changed nothing to be seen.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class FrameStats {
 public:
  // Input arrived at `nowUs`; the next frame shown answers it.
  void NoteInput(std::int64_t nowUs);
  // A frame began at `startUs` and was on the screen at `endUs`.
  void NotePresent(std::int64_t startUs, std::int64_t endUs);
  // A real-time game moved on by `gameMs` of game time while `realMs` passed.
  void NoteGameTime(double gameMs, double realMs);

  // One line: "frame-stats: presents=N fps=F interval_median_ms=A
  // interval_p95_ms=B input_to_present_median_ms=C input_to_present_p95_ms=D
  // game_speed=R" (R is 1.00 when no real-time game ran).
  std::string Report() const;

  // Whether QUINTARO_FRAME_STATS asks for the report.
  static bool Wanted();

 private:
  std::uint64_t m_presents = 0;
  std::int64_t m_lastStartUs = 0;
  std::int64_t m_showingUs = 0;  // the time between frames, less the quiet gaps
  std::uint64_t m_showingFrames = 0;  // the frames that ended those intervals
  std::vector<float> m_intervalsMs;
  std::vector<float> m_inputWaitsMs;
  std::optional<std::int64_t> m_unansweredInputUs;  // the oldest input no frame has shown yet
  double m_gameMs = 0;
  double m_realMs = 0;
};

// The program's one report: the real window notes its frames here and the
// real-time games their game time, wherever they run from.
FrameStats& ProgramFrameStats();
