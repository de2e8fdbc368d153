// SPDX-License-Identifier: GPL-3.0-or-later
// The settings reader's path for big files, on small inputs: the first bytes
// choose the limits (chunk, line and file sizes of a few bytes), the rest is
// the file. What it keeps must be exactly the lines that fit, in order, and a
// file read only in part must say so.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "platform/settings_file.h"

namespace fs = std::filesystem;

namespace {

char g_dir[4096];

void RemoveDirectory() {
  std::error_code ec;
  fs::remove_all(g_dir, ec);
}

fs::path WorkFile() {
  if (g_dir[0] == '\0') {
    const fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    const std::string pattern = (base / "quintaro-fuzz-read-XXXXXX").string();
    if (pattern.size() >= sizeof g_dir) std::abort();
    pattern.copy(g_dir, pattern.size());
    if (::mkdtemp(g_dir) == nullptr) std::abort();
    std::atexit(RemoveDirectory);
  }
  return fs::path(g_dir) / "Quintaro.ini";
}

// The same rules, written the plain way: the whole text at once.
SettingsFileRead Expected(std::string_view text, const SettingsReadLimits& limits) {
  SettingsFileRead r;
  r.outcome = SettingsReadOutcome::Read;
  r.truncated = text.size() > limits.maxFileBytes;
  if (r.truncated) text = text.substr(0, limits.maxFileBytes);
  while (!text.empty()) {
    const auto eol = text.find('\n');
    const bool cut = eol == std::string_view::npos && r.truncated;
    const std::string_view line = text.substr(0, eol);
    text = eol == std::string_view::npos ? std::string_view{} : text.substr(eol + 1);
    if (cut || line.size() > limits.maxLineBytes || r.text.size() + line.size() + 1 > limits.maxTextBytes) {
      ++r.skippedLines;
      continue;
    }
    r.text.append(line).append(1, '\n');
  }
  return r;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  SettingsReadLimits limits;
  limits.chunkBytes = 1 + data[0] % 16;
  limits.maxLineBytes = data[1] % 64;
  limits.maxTextBytes = data[2] * 4u;
  limits.maxFileBytes = data[3] * 8u;
  const std::string_view text(reinterpret_cast<const char*>(data) + 4, size - 4);
  const fs::path file = WorkFile();
  std::ofstream(file, std::ios::binary | std::ios::trunc) << text;

  const SettingsFileRead got = ReadSettingsFile(file, limits);
  const SettingsFileRead want = Expected(text, limits);
  if (got.outcome != SettingsReadOutcome::Read || got.text != want.text || got.truncated != want.truncated ||
      got.skippedLines != want.skippedLines)
    std::abort();
  return 0;
}
