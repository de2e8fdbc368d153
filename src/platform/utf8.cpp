// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/utf8.h"

#include <algorithm>

void AppendUtf8(std::string& out, char32_t code) {
  if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) code = U'\uFFFD';
  const auto put = [&](unsigned value) { out += static_cast<char>(value); };
  if (code < 0x80) {
    put(code);
  } else if (code < 0x800) {
    put(0xC0 | (code >> 6));
    put(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    put(0xE0 | (code >> 12));
    put(0x80 | ((code >> 6) & 0x3F));
    put(0x80 | (code & 0x3F));
  } else {
    put(0xF0 | (code >> 18));
    put(0x80 | ((code >> 12) & 0x3F));
    put(0x80 | ((code >> 6) & 0x3F));
    put(0x80 | (code & 0x3F));
  }
}

std::size_t CountUtf8Chars(std::string_view s) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < s.size(); i += DecodeUtf8(s, i).length) ++n;
  return n;
}

std::size_t NextCharBoundary(std::string_view s, std::size_t at) {
  if (at >= s.size()) return s.size();
  return at + DecodeUtf8(s, at).length;
}

std::size_t PrevCharBoundary(std::string_view s, std::size_t at) {
  at = std::min(at, s.size());
  if (at == 0) return 0;
  // A character is at most four bytes: find the start whose decoding ends
  // exactly at `at`; a stray byte otherwise stands alone.
  for (std::size_t back = 2; back <= 4 && back <= at; ++back) {
    const Utf8Char c = DecodeUtf8(s, at - back);
    if (c.valid && c.length == back) return at - back;
  }
  return at - 1;
}

std::string_view Utf8Prefix(std::string_view s, std::size_t chars) {
  std::size_t end = 0;
  for (; chars > 0 && end < s.size(); --chars) end += DecodeUtf8(s, end).length;
  return s.substr(0, end);
}

std::string Utf8FromStoredBytes(std::string_view bytes) {
  std::string out;
  for (std::size_t i = 0; i < bytes.size();) {
    const Utf8Char c = DecodeUtf8(bytes, i);
    if (c.valid) out.append(bytes.substr(i, c.length));
    else AppendUtf8(out, c.code);  // an older Latin-1 byte
    i += c.length;
  }
  return out;
}
