// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as the settings file on disk: reading must not crash, a
// save must read back exactly as saved, and a file we only partly understood
// must be kept, byte for byte, beside the new one. The fuzz build reads with
// small limits (so inputs of a few kilobytes take a big file's path) and
// saves without waiting for the disk.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/settings.h"
#include "platform/settings_backup.h"
#include "platform/settings_file.h"
#include "platform/settings_ini.h"

namespace fs = std::filesystem;

namespace {

// Plain storage, so the clean-up at exit does not outlive it.
char g_workDirectory[4096];

void RemoveWorkDirectory() {
  std::error_code ec;
  fs::remove_all(g_workDirectory, ec);
}

fs::path WorkDirectory() {
  if (g_workDirectory[0] == '\0') {
    const fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    const std::string pattern = (base / "quintaro-fuzz-XXXXXX").string();
    if (pattern.size() >= sizeof g_workDirectory) std::abort();
    pattern.copy(g_workDirectory, pattern.size());
    if (::mkdtemp(g_workDirectory) == nullptr) std::abort();
    std::atexit(RemoveWorkDirectory);
  }
  return g_workDirectory;
}

std::string ReadAll(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  const fs::path file = WorkDirectory() / "Quintaro.ini";
  for (const fs::path& copy : BadCopiesOf(file)) fs::remove(copy);
  std::ofstream(file, std::ios::binary | std::ios::trunc) << text;

  const SettingsFileRead read = ReadSettingsFile(file, SettingsStore::DefaultReadLimits());
  const IniParseResult parsed = ParseIni(read.text);
  const bool partly = read.PartlyRead() || parsed.hadUnreadableLines;
  SettingsStore store(file);
  // The input's first line is also stored as a value, so odd bytes get written too.
  std::string value = text.substr(0, text.find('\n'));
  if (store.Raw("Fuzz", "Value") == value) value += '!';  // a change, so the file is saved
  // A value too long for a line a read takes is refused, and nothing is saved.
  const bool fits = FormattedLineLength("Value", value) + 1 <= SettingsStore::DefaultReadLimits().maxLineBytes;  // "[Fuzz]" always fits
  if (store.WriteProfileString("Fuzz", "Value", value) != fits) std::abort();
  if (!fits) return 0;
  // A file we only partly read is kept whole, once, beside the new one; so
  // is one the save had to shorten to stay within what a read keeps.
  const std::vector<fs::path> copies = BadCopiesOf(file);
  if (copies.size() > 1 || (partly && copies.empty())) std::abort();
  if (!copies.empty() && ReadAll(copies[0]) != text) std::abort();

  const SettingsStore again(file);
  for (const auto& [section, keys] : parsed.sections) {
    for (const auto& [key, stored] : keys) {
      if (again.Raw(section, key) != store.Raw(section, key)) std::abort();
    }
  }
  if (again.GetProfileString("Fuzz", "Value") != value) std::abort();
  return 0;
}
