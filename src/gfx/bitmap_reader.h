// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Decoding the two bitmap layouts the program reads: the resource format of
// its own pack and .bmp files from outside. Both check every size and offset
// before touching a byte, and hand back a complete image or nothing.
#include <memory>
#include <span>

#include "gfx/dib.h"

class CFile;

struct DecodedBitmap {
  std::unique_ptr<DIBInfoBlock> info;  // header always 40 bytes, bottom-up, positive height
  std::unique_ptr<BYTE[]> bits;        // stride x height bytes
};

// Resource layout: 40-byte info header, 256 colour entries, pixels at byte 1064.
bool DecodeBitmapResource(std::span<const BYTE> bytes, DecodedBitmap* out);
// A .bmp file starting at the stream's current position.
bool DecodeBitmapFile(CFile& file, DecodedBitmap* out);
