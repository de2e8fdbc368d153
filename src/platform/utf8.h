// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's text is UTF-8 throughout: names typed by players, the
// clipboard and the settings file. Decoding never reads past the text, and a
// byte that does not begin a well-formed sequence stands for itself alone.
#include <cstddef>
#include <string>
#include <string_view>

struct Utf8Char {
  char32_t code = 0;       // the code point, or the byte itself when !valid
  std::size_t length = 1;  // bytes taken (at least 1 inside the text)
  bool valid = false;
};

// The character starting at `s[at]` (`at` < s.size()). Overlong forms,
// surrogates, code points above U+10FFFF and truncated sequences are invalid
// and take one byte, so the bytes after them are decoded afresh.
inline Utf8Char DecodeUtf8(std::string_view s, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
  const unsigned lead = byte(at);
  if (lead < 0x80) return {lead, 1, true};
  std::size_t length = 0;
  char32_t code = 0, least = 0;
  if (lead >= 0xC2 && lead <= 0xDF) { length = 2; code = lead & 0x1F; least = 0x80; }
  else if (lead >= 0xE0 && lead <= 0xEF) { length = 3; code = lead & 0x0F; least = 0x800; }
  else if (lead >= 0xF0 && lead <= 0xF4) { length = 4; code = lead & 0x07; least = 0x10000; }
  const Utf8Char invalid{lead, 1, false};
  if (length == 0 || s.size() - at < length) return invalid;
  for (std::size_t k = 1; k < length; ++k) {
    const unsigned next = byte(at + k);
    if ((next & 0xC0) != 0x80) return invalid;
    code = (code << 6) | (next & 0x3F);
  }
  if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return invalid;
  return {code, length, true};
}

// Calls `f(code)` for each character; a byte that is not well-formed UTF-8
// is passed as U+FFFD so that it is drawn as a replacement.
template <class F>
void ForEachCodePoint(std::string_view s, F&& f) {
  for (std::size_t i = 0; i < s.size();) {
    const Utf8Char c = DecodeUtf8(s, i);
    f(c.valid ? c.code : U'\uFFFD');
    i += c.length;
  }
}

void AppendUtf8(std::string& out, char32_t code);
std::size_t CountUtf8Chars(std::string_view s);
// Byte offsets of the character boundaries next to `at` (clamped to the text).
std::size_t NextCharBoundary(std::string_view s, std::size_t at);
std::size_t PrevCharBoundary(std::string_view s, std::size_t at);
// The first `chars` characters of `s`.
std::string_view Utf8Prefix(std::string_view s, std::size_t chars);
// Text from outside that should be UTF-8 but may be older Latin-1 bytes:
// well-formed sequences are kept and every other byte is taken as Latin-1.
std::string Utf8FromStoredBytes(std::string_view bytes);
