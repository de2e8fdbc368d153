// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the settings reader: nothing may crash or read out
// of bounds, and whatever was read must survive a write and a read back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/settings_ini.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const IniParseResult first = ParseIni(text);
  for (const auto& [section, keys] : first.sections) {
    for (const auto& [key, value] : keys) (void)ParseProfileInt(value, 0);
  }
  const IniParseResult again = ParseIni(FormatIni(first.sections));
  // Empty sections are not written, so compare only what holds keys.
  IniSections expected;
  for (const auto& [section, keys] : first.sections)
    if (!keys.empty()) expected[section] = keys;
  if (again.hadUnreadableLines || again.sections != expected) std::abort();
  return 0;
}
