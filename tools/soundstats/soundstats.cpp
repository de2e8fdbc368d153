// SPDX-License-Identifier: GPL-3.0-or-later
// Prints, for every generated wave, its length, peak, loudness (loudest
// 400 ms, A-weighted), attack and tail, so a change of the sounds can be
// judged by numbers: `quintaro-soundstats RESDIR/wave [OLDDIR/wave]`. With a
// second directory each row also shows the older file of the same id.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/sound_measure.h"

namespace fs = std::filesystem;

namespace {

std::uint32_t U32(const unsigned char* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// The samples of a 16-bit mono PCM wave file; nothing for anything else.
std::optional<std::vector<std::int16_t>> ReadSamples(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  const std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (b.size() < 12 || std::memcmp(b.data(), "RIFF", 4) != 0) return std::nullopt;
  for (std::size_t at = 12; at + 8 <= b.size();) {
    const std::uint32_t size = U32(&b[at + 4]);
    if (size > b.size() - at - 8) return std::nullopt;
    if (std::memcmp(&b[at], "data", 4) == 0) {
      std::vector<std::int16_t> s(size / 2);
      std::memcpy(s.data(), &b[at + 8], s.size() * 2);
      return s;
    }
    at += 8 + size + (size & 1);
  }
  return std::nullopt;
}

std::map<unsigned, art::SoundMeasure> MeasureDir(const fs::path& dir) {
  std::map<unsigned, art::SoundMeasure> out;
  if (!fs::is_directory(dir)) return out;
  for (const auto& e : fs::directory_iterator(dir)) {
    const std::string stem = e.path().stem().string();
    if (e.path().extension() != ".wav" || stem.empty() || stem.find_first_not_of("0123456789") != std::string::npos)
      continue;
    if (auto s = ReadSamples(e.path())) out[static_cast<unsigned>(std::stoul(stem))] = art::Measure(*s, 22050);
  }
  return out;
}

void PrintMeasure(const art::SoundMeasure& m) {
  std::printf(" | %5.2f s | %6.1f | %6.1f | %6.2f | %6.1f", m.seconds, m.peakDb, m.loudnessDb, m.attackMs, m.tailDb);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::cerr << "usage: quintaro-soundstats WAVEDIR [OLDWAVEDIR]\n";
    return 2;
  }
  const auto now = MeasureDir(argv[1]);
  const auto old = argc == 3 ? MeasureDir(argv[2]) : std::map<unsigned, art::SoundMeasure>{};
  const char* columns = " | length | peak dB | loud dBA | attack ms | tail dB";
  std::printf("| id%s%s |\n", columns, argc == 3 ? " (before)" : "");
  for (const auto& [id, m] : now) {
    std::printf("| %u", id);
    PrintMeasure(m);
    // A game's own copy of a shared id is compared with the old file of that id.
    if (const auto it = old.find(id % 1000); it != old.end()) PrintMeasure(it->second);
    std::printf(" |\n");
  }
  return now.empty() ? 1 : 0;
}
