// SPDX-License-Identifier: GPL-3.0-or-later
// The generated sounds: 22050 Hz mono 16-bit PCM that starts and ends in
// silence, so that no effect clicks when it starts or stops.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "assets/art_catalogue.h"
#include "assets/game_sounds.h"
#include "core/sound_measure.h"

using namespace art_test;

namespace {

struct Wave {
  int format = 0, channels = 0, rate = 0, bits = 0;
  std::vector<std::int16_t> samples;
};

std::uint32_t U32(const BYTE* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24); }
int U16(const BYTE* p) { return p[0] | (p[1] << 8); }

// A small chunk walker over the whole file, checked against its length.
bool ReadWave(std::span<const BYTE> b, Wave* out) {
  if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) != 0 || std::memcmp(b.data() + 8, "WAVE", 4) != 0) return false;
  if (U32(b.data() + 4) + 8 > b.size()) return false;
  bool fmt = false, data = false;
  for (std::size_t at = 12; at + 8 <= b.size();) {
    const std::uint32_t size = U32(b.data() + at + 4);
    if (size > b.size() - at - 8) return false;
    const BYTE* body = b.data() + at + 8;
    if (std::memcmp(b.data() + at, "fmt ", 4) == 0 && (size == 16 || size == 18)) {
      out->format = U16(body);
      out->channels = U16(body + 2);
      out->rate = static_cast<int>(U32(body + 4));
      out->bits = U16(body + 14);
      fmt = true;
    } else if (std::memcmp(b.data() + at, "data", 4) == 0) {
      out->samples.resize(size / 2);
      std::memcpy(out->samples.data(), body, out->samples.size() * 2);
      data = true;
    }
    at += 8 + size + (size & 1);
  }
  return fmt && data;
}

}  // namespace

TEST(Waves, AreMonoPcm22050HzOf16BitsAndStartAndEndInSilence) {
  const ResourceTable table;
  for (const GameWave& wave : AllGameWaves()) {
    const UINT id = wave.Resource();
    SCOPED_TRACE(id);
    Wave w;
    ASSERT_TRUE(ReadWave(table.Find(ResKind::Wave, id), &w));
    EXPECT_EQ(w.format, 1);
    EXPECT_EQ(w.channels, 1);
    EXPECT_EQ(w.rate, 22050);
    EXPECT_EQ(w.bits, 16);
    ASSERT_GT(w.samples.size(), 22050u / 20) << "at least 50 ms";
    EXPECT_LT(w.samples.size(), 22050u * 4) << "an effect, not a song";
    int peak = 0;
    for (std::int16_t s : w.samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
    EXPECT_GT(art::Measure(w.samples, 22050).loudnessDb, -35.f) << "audible";
    EXPECT_LT(peak, 32767) << "not clipped";
    EXPECT_LT(std::abs(static_cast<int>(w.samples.front())), 200);
    EXPECT_LT(std::abs(static_cast<int>(w.samples.back())), 200);
    // The first samples rise from silence (a hit cracks within a fraction
    // of a millisecond); the last millisecond stays quiet, falling smoothly.
    EXPECT_LT(std::abs(static_cast<int>(w.samples[0])), 32767 / 8);
    for (std::size_t i = 0; i < 22; ++i)
      EXPECT_LT(std::abs(static_cast<int>(w.samples[w.samples.size() - 1 - i])), 32767 / 4) << "from the end " << i;
  }
}
