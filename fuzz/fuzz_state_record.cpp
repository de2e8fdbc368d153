// SPDX-License-Identifier: GPL-3.0-or-later
// The game record reader (resume files, replays): any bytes are read or
// refused with a reason, a record read writes back to text that reads as
// the same record, and typed reads stay in their ranges.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "game/state_record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::string error;
  const auto record = StateRecord::Read(text, error);
  if (!record) {
    if (error.empty()) std::abort();
    return 0;
  }
  std::string again;
  const auto copy = StateRecord::Read(record->Write(), again);
  if (!copy || copy->Values() != record->Values()) std::abort();
  StateReader reader(*record);
  for (const auto& [key, value] : record->Values()) {
    const auto ints = reader.Ints(key, 1 + value.size() % 8, -5, 300);
    for (int v : ints)
      if (v < -5 || v > 300) std::abort();
    const double d = reader.Double(key, -1.0, 1.0);
    if (!(d >= -1.0 && d <= 1.0)) std::abort();
  }
  return 0;
}
