// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The plain way of telling what a frame changed: compare every pixel. The
// host copies only what was drawn on; the tests hold it against this.
#include <cstdint>
#include <cstring>

#include "platform/rect.h"
#include "platform/surface.h"

namespace quintaro::test {

inline bool FramesEqual(const Surface32& a, const Surface32& b) {
  return a.Width() == b.Width() && a.Height() == b.Height() &&
         std::memcmp(a.Data(), b.Data(), static_cast<std::size_t>(a.Width()) * a.Height() * sizeof(std::uint32_t)) == 0;
}

// The smallest rectangle holding every pixel that differs between two frames
// of one size (empty when none does).
inline CRect ChangedArea(const Surface32& before, const Surface32& after) {
  CRect changed;
  for (int y = 0; y < after.Height(); ++y) {
    const std::uint32_t* a = before.Row(y);
    const std::uint32_t* b = after.Row(y);
    for (int x = 0; x < after.Width(); ++x) {
      if (a[x] != b[x]) changed.UnionRect(changed, CRect(x, y, x + 1, y + 1));
    }
  }
  return changed;
}

}  // namespace quintaro::test
