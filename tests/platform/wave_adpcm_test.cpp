// SPDX-License-Identifier: GPL-3.0-or-later
// The web page's squeezed sounds: what the resource table unpacks is a PCM
// wave of the same length that sounds like the original, and broken bytes
// give no wave rather than a crash.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "platform/resources.h"
#include "platform/wave_adpcm.h"

namespace {

void Put32(std::vector<BYTE>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<BYTE>(v >> (8 * i)));
}

// A 22050 Hz mono wave: a decaying 440 Hz tone over noise, with a hard start.
std::vector<BYTE> ToneWave(std::size_t samples) {
  std::vector<BYTE> w = {'R', 'I', 'F', 'F'};
  Put32(w, static_cast<std::uint32_t>(36 + samples * 2));
  for (const char c : std::string("WAVEfmt ")) w.push_back(static_cast<BYTE>(c));
  for (const std::uint32_t v : {16u, 0x00010001u, 22050u, 44100u, 0x00100002u}) Put32(w, v);
  for (const char c : std::string("data")) w.push_back(static_cast<BYTE>(c));
  Put32(w, static_cast<std::uint32_t>(samples * 2));
  std::uint32_t seed = 7;
  for (std::size_t i = 0; i < samples; ++i) {
    seed = seed * 1103515245u + 12345u;
    const double noise = static_cast<double>((seed >> 16) & 0x7FF) - 1024.0;
    const double tone = 20000.0 * std::exp(-static_cast<double>(i) / 6000.0) * std::sin(i * 2 * 3.14159265 * 440 / 22050);
    const auto s = static_cast<std::int16_t>(tone + noise);
    w.push_back(static_cast<BYTE>(s & 0xFF));
    w.push_back(static_cast<BYTE>((s >> 8) & 0xFF));
  }
  return w;
}

std::int16_t Sample(const std::vector<BYTE>& wave, std::size_t i) {
  return static_cast<std::int16_t>(wave[44 + 2 * i] | (wave[45 + 2 * i] << 8));
}

}  // namespace

TEST(WaveAdpcm, UnpacksToAPcmWaveOfTheSameLengthCloseToTheOriginal) {
  const std::size_t n = 5000;  // not a whole number of blocks
  const std::vector<BYTE> original = ToneWave(n);
  const std::vector<BYTE> packed = EncodeAdpcmWave(original);
  ASSERT_FALSE(packed.empty());
  EXPECT_LT(packed.size() * 3, original.size());
  std::vector<BYTE> pack = {'Q', 'R', 'E', 'S'};
  Put32(pack, 1);
  for (const std::uint32_t v : {10u, 3368u, 24u, static_cast<std::uint32_t>(packed.size())}) Put32(pack, v);
  pack.insert(pack.end(), packed.begin(), packed.end());
  const ResourceTable table(pack);
  const std::span<const BYTE> wave = table.Find(ResKind::Wave, 3368);
  ASSERT_EQ(wave.size(), original.size());
  EXPECT_EQ(0, std::memcmp(wave.data(), original.data(), 44)) << "the header says the same format and length";
  const std::vector<BYTE> unpacked(wave.begin(), wave.end());
  double signal = 0, error = 0;
  for (std::size_t i = 0; i < n; ++i) {
    signal += std::pow(Sample(original, i), 2.0);
    error += std::pow(Sample(original, i) - Sample(unpacked, i), 2.0);
  }
  EXPECT_GT(10 * std::log10(signal / error), 20.0) << "the noise the squeezing adds stays 20 dB below the sound";
}

TEST(WaveAdpcm, BrokenOrForeignBytesGiveNoWave) {
  std::vector<BYTE> packed = EncodeAdpcmWave(ToneWave(3000));
  EXPECT_TRUE(DecodeAdpcmWave({packed.data(), packed.size() - 1}).empty()) << "cut short";
  packed[8] = 0xFF;  // claims more samples than there are bytes for
  packed[11] = 0x7F;
  EXPECT_TRUE(DecodeAdpcmWave(packed).empty());
  std::vector<BYTE> stereo = ToneWave(100);
  stereo[22] = 2;
  EXPECT_TRUE(EncodeAdpcmWave(stereo).empty()) << "only 16-bit mono waves are squeezed";
  EXPECT_TRUE(EncodeAdpcmWave({}).empty());
}
