// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/writers.h"

#include <algorithm>
#include <cmath>
#include <fstream>

#include "core/palette.h"

namespace art {
namespace {

void Put16(std::vector<std::uint8_t>& v, unsigned x) {
  v.push_back(static_cast<std::uint8_t>(x & 0xFF));
  v.push_back(static_cast<std::uint8_t>((x >> 8) & 0xFF));
}
void Put32(std::vector<std::uint8_t>& v, std::uint32_t x) {
  Put16(v, x & 0xFFFF);
  Put16(v, x >> 16);
}
void PutTag(std::vector<std::uint8_t>& v, const char* tag) {
  for (int i = 0; i < 4; ++i) v.push_back(static_cast<std::uint8_t>(tag[i]));
}

}  // namespace

std::vector<std::uint8_t> EncodeBmp(const IndexedImage& image) {
  const std::uint32_t stride = (static_cast<std::uint32_t>(image.width) + 3u) & ~3u;
  const std::uint32_t imageSize = stride * static_cast<std::uint32_t>(image.height);
  const std::uint32_t offBits = 14 + 40 + 1024;
  std::vector<std::uint8_t> v;
  v.reserve(offBits + imageSize);
  // File header.
  v.push_back('B');
  v.push_back('M');
  Put32(v, offBits + imageSize);
  Put32(v, 0);
  Put32(v, offBits);
  // Info header: 8 bits, uncompressed, bottom-up, all 256 colours.
  Put32(v, 40);
  Put32(v, static_cast<std::uint32_t>(image.width));
  Put32(v, static_cast<std::uint32_t>(image.height));
  Put16(v, 1);
  Put16(v, 8);
  Put32(v, 0);
  Put32(v, imageSize);
  Put32(v, 2835);  // 72 dpi
  Put32(v, 2835);
  Put32(v, 0);
  Put32(v, 0);
  for (const Rgb8& c : MasterPalette()) {
    v.push_back(c.b);
    v.push_back(c.g);
    v.push_back(c.r);
    v.push_back(0);
  }
  for (int y = image.height - 1; y >= 0; --y) {
    const auto row = image.pixels.begin() + static_cast<std::ptrdiff_t>(y) * image.width;
    v.insert(v.end(), row, row + image.width);
    for (std::uint32_t pad = static_cast<std::uint32_t>(image.width); pad < stride; ++pad) v.push_back(0);
  }
  return v;
}

std::vector<std::uint8_t> EncodeWav(const std::vector<std::int16_t>& samples) {
  const std::uint32_t dataSize = static_cast<std::uint32_t>(samples.size() * 2);
  std::vector<std::uint8_t> v;
  PutTag(v, "RIFF");
  Put32(v, 4 + 8 + 16 + 8 + dataSize);
  PutTag(v, "WAVE");
  PutTag(v, "fmt ");
  Put32(v, 16);
  Put16(v, 1);  // PCM
  Put16(v, 1);  // mono
  Put32(v, kSampleRate);
  Put32(v, kSampleRate * 2);
  Put16(v, 2);
  Put16(v, 16);
  PutTag(v, "data");
  Put32(v, dataSize);
  for (std::int16_t s : samples) Put16(v, static_cast<std::uint16_t>(s));
  return v;
}

std::vector<std::uint8_t> EncodeQcur(const Canvas& image, int hotX, int hotY) {
  std::vector<std::uint8_t> v;
  PutTag(v, "QCUR");
  Put16(v, static_cast<unsigned>(image.Width()));
  Put16(v, static_cast<unsigned>(image.Height()));
  Put16(v, static_cast<unsigned>(std::clamp(hotX, 0, image.Width() - 1)));
  Put16(v, static_cast<unsigned>(std::clamp(hotY, 0, image.Height() - 1)));
  auto byte = [](float f) { return static_cast<std::uint32_t>(std::clamp(static_cast<int>(std::lround(f)), 0, 255)); };
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) {
      const Pixel& p = image.At(x, y);
      const std::uint32_t a = byte(p.a * 255.f);
      const std::uint32_t argb = a == 0 ? 0u : (a << 24) | (byte(p.r) << 16) | (byte(p.g) << 8) | byte(p.b);
      Put32(v, argb);
    }
  return v;
}

ResourceSink::ResourceSink(std::filesystem::path dir) : m_dir(std::move(dir)) {}

void ResourceSink::Write(const std::string& sub, unsigned id, const std::string& ext,
                         const std::vector<std::uint8_t>& bytes) {
  std::error_code ec;
  std::filesystem::create_directories(m_dir / sub, ec);
  const auto path = m_dir / sub / (std::to_string(id) + ext);
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!f) m_ok = false;
  m_written.push_back(sub + "/" + std::to_string(id) + ext);
}

void ResourceSink::Bitmap(unsigned id, const IndexedImage& image) { Write("bitmap", id, ".bmp", EncodeBmp(image)); }
void ResourceSink::Wave(unsigned id, const std::vector<std::int16_t>& samples) {
  Write("wave", id, ".wav", EncodeWav(samples));
}
void ResourceSink::Cursor(unsigned id, const Canvas& image, int hotX, int hotY) {
  Write("cursor", id, ".cur", EncodeQcur(image, hotX, hotY));
}
void ResourceSink::Icon(unsigned id, const Canvas& image) { Write("icon", id, ".ico", EncodeQcur(image, 0, 0)); }

}  // namespace art
