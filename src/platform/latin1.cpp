#include "platform/latin1.h"

namespace {

// The code point of a well-formed two-byte sequence at `s[i]` that fits
// Latin-1, or 0 when the bytes there are something else.
unsigned TwoByteLatin1(std::string_view s, std::size_t i) {
  if (i + 1 >= s.size()) return 0;
  const auto lead = static_cast<unsigned char>(s[i]);
  const auto next = static_cast<unsigned char>(s[i + 1]);
  if ((lead != 0xC2 && lead != 0xC3) || (next & 0xC0) != 0x80) return 0;
  return ((lead & 0x1Fu) << 6) | (next & 0x3Fu);
}

// Bytes of a well-formed longer sequence at `s[i]`, or 0.
std::size_t WideSequenceLength(std::string_view s, std::size_t i) {
  const auto lead = static_cast<unsigned char>(s[i]);
  const std::size_t length = lead >= 0xF0 && lead < 0xF5 ? 4 : lead >= 0xE0 && lead < 0xF0 ? 3 : 0;
  if (length == 0 || i + length > s.size()) return 0;
  for (std::size_t k = 1; k < length; ++k)
    if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return 0;
  return length;
}

}  // namespace

std::string Latin1ToUtf8(std::string_view latin1) {
  std::string out;
  for (char c : latin1) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      out += c;
    } else {
      out += static_cast<char>(0xC0 | (byte >> 6));
      out += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return out;
}

std::string Utf8ToLatin1(std::string_view utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    if (const unsigned cp = TwoByteLatin1(utf8, i)) {
      out += static_cast<char>(cp);
      i += 2;
    } else if (const std::size_t wide = WideSequenceLength(utf8, i)) {
      out += '?';
      i += wide;
    } else {
      out += utf8[i++];
    }
  }
  return out;
}
