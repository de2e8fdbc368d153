// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Allocation of image blocks that reports failure as null instead of throwing,
// so that a picture too big for memory fails its load and nothing else.
#include <cstddef>
#include <memory>
#include <new>

#include "gfx/dib.h"

inline std::unique_ptr<DIBInfoBlock> AllocateInfoBlock() {
  try {
    return std::make_unique<DIBInfoBlock>();
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}

inline std::unique_ptr<BYTE[]> AllocatePixels(std::size_t count) {
  try {
    return std::make_unique<BYTE[]>(count);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
