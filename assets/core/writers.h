// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File formats the generator writes: 8-bit BMP with the full master palette,
// 16-bit mono PCM WAVE at 22050 Hz, and QCUR cursors and icons (ARGB).
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "core/canvas.h"
#include "core/quantise.h"

namespace art {

inline constexpr int kSampleRate = 22050;

std::vector<std::uint8_t> EncodeBmp(const IndexedImage& image);
std::vector<std::uint8_t> EncodeWav(const std::vector<std::int16_t>& samples);
// A canvas as QCUR: straight alpha, rows top-down.
std::vector<std::uint8_t> EncodeQcur(const Canvas& image, int hotX, int hotY);

// Where the generated resources go: <dir>/bitmap/<id>.bmp and so on.
class ResourceSink {
 public:
  explicit ResourceSink(std::filesystem::path dir);
  void Bitmap(unsigned id, const IndexedImage& image);
  void Wave(unsigned id, const std::vector<std::int16_t>& samples);
  void Cursor(unsigned id, const Canvas& image, int hotX, int hotY);
  void Icon(unsigned id, const Canvas& image);
  bool Ok() const { return m_ok; }
  const std::vector<std::string>& Written() const { return m_written; }

 private:
  void Write(const std::string& sub, unsigned id, const std::string& ext, const std::vector<std::uint8_t>& bytes);
  std::filesystem::path m_dir;
  bool m_ok = true;
  std::vector<std::string> m_written;
};

}  // namespace art
