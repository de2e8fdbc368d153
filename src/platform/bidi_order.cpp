// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/bidi_order.h"

// Hebrew, Arabic, Syriac, Thaana, N'Ko, Samaritan, Mandaic and their
// presentation forms, and the right-to-left scripts beyond the first plane.
bool HasRightToLeft(std::u32string_view text) {
  for (const char32_t c : text) {
    if ((c >= 0x0590 && c <= 0x08FF) || (c >= 0xFB1D && c <= 0xFDFF) || (c >= 0xFE70 && c <= 0xFEFF) ||
        (c >= 0x10800 && c <= 0x10FFF) || (c >= 0x1E800 && c <= 0x1EFFF))
      return true;
  }
  return false;
}
