// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Decoding the resource pack's pictures, cursors and waves for display.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/surface.h"
#include "platform/types.h"

namespace sheet {

struct Picture {
  Surface32 image;                 // the colours, 0x00RRGGBB
  std::vector<bool> transparent;   // pixels equal to the top-left key (sprite cels)
};

// A resource-format 8-bit picture (info header, 256 colours, bottom-up pixels).
std::optional<Picture> DecodePicture(std::span<const BYTE> bytes);

struct WaveInfo {
  int rate = 0, channels = 0, bits = 0;
  std::vector<std::int16_t> samples;  // first channel
};
std::optional<WaveInfo> DecodeWave(std::span<const BYTE> bytes);

}  // namespace sheet
