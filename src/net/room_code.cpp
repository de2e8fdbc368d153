// SPDX-License-Identifier: GPL-3.0-or-later
#include "net/room_code.h"

namespace {

// The largest multiple of 31 a byte can hold: bytes above it are drawn again
// so no letter comes up more often than another.
constexpr unsigned kFairBytes = 256 / kRoomCodeAlphabet.size() * kRoomCodeAlphabet.size();

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

std::string MakeRoomCode(const std::function<std::uint8_t()>& randomByte) {
  std::string code;
  while (code.size() < kRoomCodeLength) {
    const unsigned byte = randomByte();
    if (byte < kFairBytes) code.push_back(kRoomCodeAlphabet[byte % kRoomCodeAlphabet.size()]);
  }
  return code;
}

std::optional<std::string> NormaliseRoomCode(std::string_view typed) {
  std::string code;
  for (char c : typed) {
    if (c == '-' || c == ' ') continue;
    c = Upper(c);
    if (kRoomCodeAlphabet.find(c) == std::string_view::npos || code.size() == kRoomCodeLength) return std::nullopt;
    code.push_back(c);
  }
  if (code.size() != kRoomCodeLength) return std::nullopt;
  return code;
}

std::string ShowRoomCode(std::string_view code) {
  if (code.size() != kRoomCodeLength) return std::string(code);
  std::string shown(code.substr(0, 4));
  shown.append(1, '-').append(code.substr(4));
  return shown;
}
