// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/player_name.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace {

// The length of the well-formed UTF-8 sequence at the front of `text` and its
// code point, or 0 when the front byte starts no valid sequence.
std::size_t DecodeOne(std::string_view text, std::uint32_t& cp) {
  const auto b0 = static_cast<unsigned char>(text[0]);
  std::size_t length = b0 < 0x80 ? 1 : b0 >= 0xC2 && b0 < 0xE0 ? 2 : b0 >= 0xE0 && b0 < 0xF0 ? 3 : b0 >= 0xF0 && b0 < 0xF5 ? 4 : 0;
  if (length == 0 || length > text.size()) return 0;
  cp = length == 1 ? b0 : b0 & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  const bool overlong = (length == 3 && cp < 0x800) || (length == 4 && cp < 0x10000);
  const bool surrogate = cp >= 0xD800 && cp <= 0xDFFF;
  if (overlong || surrogate || cp > 0x10FFFF) return 0;
  return length;
}

bool IsControl(std::uint32_t cp) {
  return cp < 0x20 || (cp >= 0x7F && cp < 0xA0) || cp == 0x2028 || cp == 0x2029 || (cp >= 0x202A && cp <= 0x202E) ||
         (cp >= 0x2066 && cp <= 0x2069) || cp == 0xFEFF;
}

bool IsSpace(std::uint32_t cp) { return cp == ' ' || cp == 0xA0 || cp == 0x3000 || (cp >= 0x2000 && cp <= 0x200B); }

}  // namespace

std::string CleanPlayerName(std::string_view raw, int seat) {
  // The characters kept, each as its bytes and whether it is a space.
  std::vector<std::pair<std::string_view, bool>> kept;
  while (!raw.empty()) {
    std::uint32_t cp = 0;
    const std::size_t length = DecodeOne(raw, cp);
    if (length == 0) {
      raw.remove_prefix(1);
      continue;
    }
    if (!IsControl(cp)) kept.emplace_back(raw.substr(0, length), IsSpace(cp));
    raw.remove_prefix(length);
  }
  std::size_t first = 0, last = kept.size();
  while (first < last && kept[first].second) ++first;
  last = std::min(last, first + kMaxPlayerNameCharacters);
  while (last > first && kept[last - 1].second) --last;
  std::string name;
  for (std::size_t i = first; i < last; ++i) name.append(kept[i].first);
  if (name.empty()) name = "Player " + std::to_string(seat + 1);
  return name;
}
