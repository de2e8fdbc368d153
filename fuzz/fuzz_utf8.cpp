// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the UTF-8 reader and to a name field: nothing may
// read out of bounds, the boundaries must agree both ways, stored bytes must
// come back as well-formed UTF-8, and a field's caret stays between characters.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/messages.h"
#include "platform/utf8.h"
#include "ui/edit_logic.h"

namespace {

bool WellFormed(std::string_view s) {
  for (std::size_t i = 0; i < s.size();) {
    const Utf8Char c = DecodeUtf8(s, i);
    if (!c.valid) return false;
    i += c.length;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  std::size_t chars = 0;
  for (std::size_t at = 0; at < bytes.size(); at = NextCharBoundary(bytes, at)) {
    if (PrevCharBoundary(bytes, NextCharBoundary(bytes, at)) != at) std::abort();
    ++chars;
  }
  if (chars != CountUtf8Chars(bytes)) std::abort();
  if (!WellFormed(Utf8FromStoredBytes(bytes))) std::abort();
  EditState e;
  EditSetLimit(e, 20);
  EditPaste(e, bytes);
  for (std::uint8_t key : bytes.substr(0, 32)) {
    static constexpr unsigned kKeys[] = {VK_LEFT, VK_RIGHT, VK_HOME, VK_END, VK_DELETE, VK_BACK};
    EditKey(e, kKeys[key % 6], (key & 0x80) != 0);
    if (key & 0x40) EditTypeChar(e, static_cast<char32_t>(key) * 0x101);
  }
  if (!WellFormed(e.text) || EditCharCount(e) > 20) std::abort();
  return 0;
}
