// SPDX-License-Identifier: GPL-3.0-or-later
// The frame report: the line users and the benchmark read, from frames and
// input on a clock the test sets.
#include "platform/frame_stats.h"

#include <gtest/gtest.h>

#include <regex>

namespace {

constexpr std::int64_t kFrameUs = 16667;

TEST(FrameStats, ReportsRateEvennessInputWaitAndGameSpeedInOneLine) {
  FrameStats stats;
  // A second of frames at 60 Hz, each 2 ms to show; a pointer move 5 ms
  // before every other frame begins.
  for (int i = 0; i <= 60; ++i) {
    const std::int64_t start = i * kFrameUs;
    if (i % 2 == 1) stats.NoteInput(start - 5000);
    stats.NotePresent(start, start + 2000);
  }
  stats.NoteGameTime(750, 1000);
  EXPECT_EQ(stats.Report(),
            "frame-stats: presents=61 fps=60.0 interval_median_ms=16.7 interval_p95_ms=16.7 "
            "input_to_present_median_ms=7.0 input_to_present_p95_ms=7.0 game_speed=0.75");
}

TEST(FrameStats, OnlyTheOldestUnansweredInputCountsAndSlowFramesShowInTheTail) {
  FrameStats stats;
  std::int64_t t = 0;
  for (int i = 0; i < 100; ++i) {
    // Three moves wait for one frame: the first waited longest.
    stats.NoteInput(t + 1000);
    stats.NoteInput(t + 8000);
    stats.NoteInput(t + 15000);
    t += i % 10 == 9 ? 3 * kFrameUs : kFrameUs;  // every tenth frame is late
    stats.NotePresent(t, t + 1000);
  }
  const std::string line = stats.Report();
  EXPECT_NE(line.find("interval_median_ms=16.7 interval_p95_ms=50.0"), std::string::npos) << line;
  EXPECT_NE(line.find("input_to_present_median_ms=16.7"), std::string::npos) << line;
  EXPECT_NE(line.find("game_speed=1.00"), std::string::npos) << "no real-time game ran: " << line;
}

TEST(FrameStats, AStillScreenNeitherLowersTheRateNorCountsAsAnsweringInput) {
  FrameStats stats;
  for (int i = 0; i <= 60; ++i) stats.NotePresent(i * kFrameUs, i * kFrameUs + 1000);
  stats.NoteInput(61 * kFrameUs);  // a hover over a still title screen
  stats.NotePresent(3'000'000, 3'001'000);
  const std::string line = stats.Report();
  EXPECT_NE(line.find("presents=62 fps=60.0 interval_median_ms=16.7"), std::string::npos) << line;
  EXPECT_NE(line.find("input_to_present_median_ms=0.0"), std::string::npos) << line;
}

TEST(FrameStats, AnEmptyRunStillPrintsAWholeLine) {
  const std::regex shape(
      "frame-stats: presents=0 fps=0\\.0 interval_median_ms=0\\.0 interval_p95_ms=0\\.0 "
      "input_to_present_median_ms=0\\.0 input_to_present_p95_ms=0\\.0 game_speed=1\\.00");
  EXPECT_TRUE(std::regex_match(FrameStats().Report(), shape)) << FrameStats().Report();
}

}  // namespace
