// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/png.h"

#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/file_descriptor.h"

namespace {

void Put32(std::vector<unsigned char>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<unsigned char>(v >> shift));
}

void PutChunk(std::vector<unsigned char>& out, const char type[4], const std::vector<unsigned char>& data) {
  Put32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t typeAt = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  uLong crc = crc32(0L, Z_NULL, 0);
  crc = crc32(crc, out.data() + typeAt, static_cast<uInt>(4 + data.size()));
  Put32(out, static_cast<std::uint32_t>(crc));
}

// The picture goes to a new file that takes the name only when complete: a
// symbolic link planted at the name is replaced, never followed, and no one
// sees half a picture.
bool WriteNewFile(const std::filesystem::path& file, const std::vector<unsigned char>& bytes) {
  std::string temp = file.string() + ".tmp-XXXXXX";
  FileDescriptor fd(::mkstemp(temp.data()));
  if (fd.Get() < 0) return false;
  const mode_t mask = ::umask(0);
  ::umask(mask);
  ::fchmod(fd.Get(), 0666 & ~mask);  // as any new file of the user's
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd.Get(), bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<std::size_t>(n);
  }
  if (done != bytes.size() || ::close(fd.Release()) != 0 || ::rename(temp.c_str(), file.c_str()) != 0) {
    ::unlink(temp.c_str());
    return false;
  }
  return true;
}

}  // namespace

bool SavePng(const std::filesystem::path& file, const Surface32& image) {
  const int w = image.Width();
  const int h = image.Height();
  if (w <= 0 || h <= 0) return false;

  // Each row: filter byte 0 (none), then RGB.
  const std::size_t rowBytes = 1 + static_cast<std::size_t>(w) * 3;
  std::vector<unsigned char> raw(rowBytes * static_cast<std::size_t>(h));
  for (int y = 0; y < h; ++y) {
    unsigned char* row = raw.data() + rowBytes * static_cast<std::size_t>(y);
    row[0] = 0;
    for (int x = 0; x < w; ++x) {
      const std::uint32_t p = image.At(x, y);
      row[1 + x * 3] = static_cast<unsigned char>(p >> 16);
      row[2 + x * 3] = static_cast<unsigned char>(p >> 8);
      row[3 + x * 3] = static_cast<unsigned char>(p);
    }
  }
  uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
  std::vector<unsigned char> packed(packedSize);
  if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 6) != Z_OK) return false;
  packed.resize(packedSize);

  std::vector<unsigned char> header;
  Put32(header, static_cast<std::uint32_t>(w));
  Put32(header, static_cast<std::uint32_t>(h));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit depth, RGB, deflate, no filter, no interlace

  std::vector<unsigned char> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PutChunk(out, "IHDR", header);
  PutChunk(out, "IDAT", packed);
  PutChunk(out, "IEND", {});

  return WriteNewFile(file, out);
}
