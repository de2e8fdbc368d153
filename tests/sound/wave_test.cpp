// SPDX-License-Identifier: GPL-3.0-or-later
// Reading wave resources: the RIFF chunk walk, the format record, the data
// chunk, and every way a file can be broken.
#include <gtest/gtest.h>

#include <map>

#include "sound/pcm_decode.h"
#include "sound/riff_reader.h"
#include "sound/wave.h"
#include "wave_builder.h"

using namespace wavetest;

namespace {

const std::vector<std::int16_t> kSamples = {0, 1000, -1000, 32767, -32768, 7};

TEST(WaveTest, ReadsFormatAndDataOfAWellFormedWave) {
  const std::vector<BYTE> file = MonoWave(kSamples);
  CWave wave;
  ASSERT_TRUE(wave.Load(file));
  WAVEFORMATEX format;
  ASSERT_TRUE(wave.GetFormat(&format));
  EXPECT_EQ(format.wFormatTag, WAVE_FORMAT_PCM);
  EXPECT_EQ(format.nChannels, 1);
  EXPECT_EQ(format.nSamplesPerSec, 22050u);
  EXPECT_EQ(format.nAvgBytesPerSec, 44100u);
  EXPECT_EQ(format.nBlockAlign, 2);
  EXPECT_EQ(format.wBitsPerSample, 16);
  EXPECT_EQ(wave.GetDataLength(), kSamples.size() * 2);
  EXPECT_EQ(wave.ReadData(), Pcm16(kSamples));
}

TEST(WaveTest, AcceptsASixteenByteFormatChunkButNotAShorterOne) {
  const std::vector<BYTE> pcm = Pcm16(kSamples);
  std::vector<BYTE> sixteen = Riff("WAVE", {{"fmt ", Format(1, 1, 22050, 16, false), {}}, {"data", pcm, {}}});
  CWave wave;
  ASSERT_TRUE(wave.Load(sixteen));
  WAVEFORMATEX format;
  format.cbSize = 99;
  ASSERT_TRUE(wave.GetFormat(&format));
  EXPECT_EQ(format.wBitsPerSample, 16);
  EXPECT_EQ(format.cbSize, 0);

  std::vector<BYTE> shortFmt = Format(1, 1, 22050, 16, false);
  shortFmt.resize(14);
  std::vector<BYTE> fourteen = Riff("WAVE", {{"fmt ", shortFmt, {}}, {"data", pcm, {}}});
  ASSERT_TRUE(wave.Load(fourteen));
  EXPECT_FALSE(wave.GetFormat(&format));
}

TEST(WaveTest, ReadDataIntoAShortRegionCopiesOnlyTheRegion) {
  const std::vector<BYTE> file = MonoWave(kSamples);
  CWave wave;
  ASSERT_TRUE(wave.Load(file));
  const std::vector<BYTE> pcm = Pcm16(kSamples);

  // One byte past the region must stay untouched.
  std::vector<BYTE> region(6, 0xAA);
  EXPECT_EQ(wave.ReadData(std::span(region).first(5)), 5u);
  EXPECT_TRUE(std::equal(region.begin(), region.begin() + 5, pcm.begin()));
  EXPECT_EQ(region[5], 0xAA);

  std::vector<BYTE> large(100, 0xAA);
  EXPECT_EQ(wave.ReadData(large), pcm.size());
  EXPECT_TRUE(std::equal(pcm.begin(), pcm.end(), large.begin()));
  EXPECT_EQ(large[pcm.size()], 0xAA);
}

TEST(WaveTest, SkipsOtherChunksIncludingOddSizedOnesWithTheirPadByte) {
  std::vector<BYTE> file = Riff("WAVE", {{"LIST", {1, 2, 3}, {}},
                                         {"fmt ", Format(1, 1, 11025, 16), {}},
                                         {"junk", {9}, {}},
                                         {"data", Pcm16(kSamples), {}}});
  CWave wave;
  ASSERT_TRUE(wave.Load(file));
  WAVEFORMATEX format;
  ASSERT_TRUE(wave.GetFormat(&format));
  EXPECT_EQ(format.nSamplesPerSec, 11025u);
  EXPECT_EQ(wave.ReadData(), Pcm16(kSamples));
}

TEST(WaveTest, FindsTheWaveFormPastAnotherRiffForm) {
  std::vector<BYTE> file = Riff("AVI ", {{"data", {1, 2, 3, 4}, {}}});
  const std::vector<BYTE> wave = MonoWave(kSamples);
  file.insert(file.end(), wave.begin(), wave.end());
  CWave w;
  ASSERT_TRUE(w.Load(file));
  EXPECT_EQ(w.ReadData(), Pcm16(kSamples));
}

TEST(WaveTest, OddDataChunkAtTheVeryEndWithoutItsPadByteIsRead) {
  std::vector<BYTE> file = Riff("WAVE", {{"fmt ", Format(1, 1, 22050, 8), {}}, {"data", {10, 20, 30}, {}}});
  file.pop_back();  // drop the pad byte, and count it out of the RIFF size
  file[4] = static_cast<BYTE>(file.size() - 8);
  CWave wave;
  ASSERT_TRUE(wave.Load(file));
  EXPECT_EQ(wave.ReadData(), (std::vector<BYTE>{10, 20, 30}));
}

// Each broken file gives no data and reads nothing beyond its own bytes (the
// sanitizer build would catch a stray read: every file is its own exact-size
// heap block).
TEST(WaveTest, BrokenFilesGiveNoData) {
  const std::vector<BYTE> fmt = Format(1, 1, 22050, 16);
  const std::vector<BYTE> pcm = Pcm16(kSamples);
  std::vector<BYTE> truncated = MonoWave(kSamples);
  truncated.resize(truncated.size() - 3);
  std::vector<BYTE> cutInHeader = MonoWave(kSamples);
  cutInHeader.resize(12 + 8 + fmt.size() + 4);  // ends inside the data chunk's header

  const std::map<std::string, std::vector<BYTE>> broken = {
      {"empty", {}},
      {"shorter than a chunk header", {'R', 'I', 'F', 'F', 1, 0}},
      {"data truncated", truncated},
      {"cut inside the data header", cutInHeader},
      {"data size past the end", Riff("WAVE", {{"fmt ", fmt, {}}, {"data", pcm, 0x7FFFFFF0u}})},
      {"data size at the 32-bit limit", Riff("WAVE", {{"fmt ", fmt, {}}, {"data", pcm, 0xFFFFFFFFu}})},
      {"riff size past the end", Riff("WAVE", {{"fmt ", fmt, {}}, {"data", pcm, {}}}, 0x10000000u)},
      {"chunk before data claims too much", Riff("WAVE", {{"fmt ", fmt, {}}, {"LIST", {1, 2}, 5000u}, {"data", pcm, {}}})},
      {"no data chunk", Riff("WAVE", {{"fmt ", fmt, {}}})},
      {"not a wave form", Riff("AVI ", {{"fmt ", fmt, {}}, {"data", pcm, {}}})},
      {"riff without a form type", Chunks({{"RIFF", {'W', 'A'}, {}}})},
      {"no riff at all", Chunks({{"fmt ", fmt, {}}, {"data", pcm, {}}})},
  };
  for (const auto& [name, bytes] : broken) {
    SCOPED_TRACE(name);
    // An exact-size copy on the heap, so any read past its end is caught.
    const auto heap = std::make_unique<BYTE[]>(bytes.size() + (bytes.empty() ? 1 : 0));
    std::copy(bytes.begin(), bytes.end(), heap.get());
    CWave wave;
    wave.Load(std::span<const BYTE>(heap.get(), bytes.size()));
    EXPECT_EQ(wave.GetDataLength(), 0u);
    EXPECT_TRUE(wave.ReadData().empty());
    std::vector<BYTE> region(8, 0xAA);
    EXPECT_EQ(wave.ReadData(region), 0u);
    EXPECT_EQ(region, std::vector<BYTE>(8, 0xAA));
  }
}

TEST(WaveTest, MissingFormatChunkFailsGetFormat) {
  const std::vector<BYTE> file = Riff("WAVE", {{"data", Pcm16(kSamples), {}}});
  CWave wave;
  ASSERT_TRUE(wave.Load(file));
  WAVEFORMATEX format;
  EXPECT_FALSE(wave.GetFormat(&format));
  EXPECT_EQ(wave.GetDataLength(), kSamples.size() * 2);
}

TEST(WaveTest, LoadThroughALookupAndFree) {
  const std::vector<BYTE> file = MonoWave(kSamples);
  const WaveLookup lookup = [&](UINT id) { return id == 325 ? std::span<const BYTE>(file) : std::span<const BYTE>(); };
  CWave wave;
  EXPECT_FALSE(wave.Load(999, lookup));
  EXPECT_FALSE(wave.IsLoaded());
  ASSERT_TRUE(wave.Load(325, lookup));
  EXPECT_EQ(wave.GetDataLength(), kSamples.size() * 2);
  wave.Free();
  EXPECT_FALSE(wave.IsLoaded());
  EXPECT_EQ(wave.GetDataLength(), 0u);
  WAVEFORMATEX format;
  EXPECT_FALSE(wave.GetFormat(&format));
  EXPECT_FALSE(wave.Load(325, WaveLookup{}));
}

TEST(PcmDecodeTest, SixteenBitMonoPassesThrough) {
  std::vector<std::int16_t> out;
  WAVEFORMATEX f{1, 1, 22050, 44100, 2, 16, 0};
  ASSERT_TRUE(DecodePcm(f, Pcm16(kSamples), &out));
  EXPECT_EQ(out, kSamples);
}

TEST(PcmDecodeTest, EightBitIsCentredAndStereoIsAveraged) {
  std::vector<std::int16_t> out;
  WAVEFORMATEX eight{1, 1, 8000, 8000, 1, 8, 0};
  ASSERT_TRUE(DecodePcm(eight, std::vector<BYTE>{0, 128, 255}, &out));
  EXPECT_EQ(out, (std::vector<std::int16_t>{-32768, 0, 32512}));

  WAVEFORMATEX stereo{1, 2, 22050, 88200, 4, 16, 0};
  ASSERT_TRUE(DecodePcm(stereo, Pcm16({1000, 3000, -32768, -32768, 32767, 32767}), &out));
  EXPECT_EQ(out, (std::vector<std::int16_t>{2000, -32768, 32767}));
}

TEST(PcmDecodeTest, TrailingPartialFrameIsDropped) {
  std::vector<std::int16_t> out;
  WAVEFORMATEX f{1, 1, 22050, 44100, 2, 16, 0};
  std::vector<BYTE> data = Pcm16({5, 6});
  data.push_back(0x7F);
  ASSERT_TRUE(DecodePcm(f, data, &out));
  EXPECT_EQ(out, (std::vector<std::int16_t>{5, 6}));
}

TEST(PcmDecodeTest, RefusesFormatsItCannotPlay) {
  const std::vector<BYTE> data = Pcm16(kSamples);
  const std::map<std::string, WAVEFORMATEX> refused = {
      {"compressed", {2, 1, 22050, 44100, 2, 16, 0}},
      {"24 bits", {1, 1, 22050, 66150, 3, 24, 0}},
      {"no channels", {1, 0, 22050, 0, 0, 16, 0}},
      {"six channels", {1, 6, 22050, 264600, 12, 16, 0}},
      {"block align lies", {1, 1, 22050, 44100, 4, 16, 0}},
      {"rate zero", {1, 1, 0, 0, 2, 16, 0}},
      {"rate too high", {1, 1, 200000, 400000, 2, 16, 0}},
  };
  for (const auto& [name, format] : refused) {
    SCOPED_TRACE(name);
    std::vector<std::int16_t> out = {1};
    EXPECT_FALSE(DecodePcm(format, data, &out));
    EXPECT_TRUE(out.empty());
  }
}

}  // namespace
