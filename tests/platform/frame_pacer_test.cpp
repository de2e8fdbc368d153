// SPDX-License-Identifier: GPL-3.0-or-later
// Frame pacing on a clock the test moves: frames keep the display's beat
// however long each takes to show, a frame that falls due is shown then and
// not at some later wake-up, and a late frame does not drag the beat.
#include "platform/frame_pacer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr std::int64_t kPeriod = 16667;

// A window that always has a change waiting: each frame takes `presentUs`
// to show, and the wait between frames ends when the pacer says the next
// is due. Returns when each frame started, for `runUs` microseconds.
std::vector<std::int64_t> RunBusyWindow(FramePacer& pacer, std::int64_t presentUs, std::int64_t runUs) {
  std::vector<std::int64_t> starts;
  for (std::int64_t now = 0; now < runUs;) {
    if (!pacer.Due(now)) {
      now += pacer.WaitUs(now);  // the wait wakes when the frame falls due
      continue;
    }
    pacer.Started(now);
    starts.push_back(now);
    now += presentUs;
  }
  return starts;
}

TEST(FramePacer, FramesKeepTheDisplaysRateWhateverThePresentCosts) {
  EXPECT_EQ(FramePacer::PeriodForRate(60), kPeriod);
  EXPECT_EQ(FramePacer::PeriodForRate(0), kPeriod) << "an unknown rate is taken as 60 Hz";
  EXPECT_EQ(FramePacer::PeriodForRate(144), 6944);
  for (const std::int64_t presentUs : {500, 8800, 16000}) {
    FramePacer pacer(kPeriod);
    const auto starts = RunBusyWindow(pacer, presentUs, 1'000'000);
    EXPECT_EQ(starts.size(), 60u) << "a present of " << presentUs << " us";
    for (std::size_t i = 1; i < starts.size(); ++i) EXPECT_EQ(starts[i] - starts[i - 1], kPeriod);
  }
}

TEST(FramePacer, AChangeAfterAQuietSpellIsShownAtOnce) {
  FramePacer pacer(kPeriod);
  EXPECT_TRUE(pacer.Due(0)) << "the first frame";
  pacer.Started(0);
  EXPECT_FALSE(pacer.Due(kPeriod - 1));
  EXPECT_EQ(pacer.WaitUs(10000), kPeriod - 10000) << "a frame waiting wakes the wait when it falls due";
  // Nothing changed for a while; the pointer moves at 0.5 s.
  EXPECT_TRUE(pacer.Due(500000));
  EXPECT_EQ(pacer.WaitUs(500000), 0);
}

TEST(FramePacer, ALateFrameKeepsTheBeatAndAStallStartsANewOne) {
  FramePacer pacer(kPeriod);
  pacer.Started(0);
  pacer.Started(kPeriod + 5000);  // 5 ms late
  EXPECT_FALSE(pacer.Due(2 * kPeriod - 1));
  EXPECT_TRUE(pacer.Due(2 * kPeriod)) << "the next frame is due on the old beat, not 5 ms later";
  pacer.Started(2 * kPeriod);
  pacer.Started(10 * kPeriod);  // the machine stalled for several frames
  EXPECT_FALSE(pacer.Due(11 * kPeriod - 1)) << "no burst of frames to catch up";
  EXPECT_TRUE(pacer.Due(11 * kPeriod));
}

}  // namespace
