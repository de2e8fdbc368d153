// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every generated picture, cursor and sound the program loads, with the size
// its code expects, and a reader for the resource-format pictures.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "games/darts/model/dart_geometry.h"
#include "platform/resources.h"
#include "platform/types.h"

namespace art_test {

struct PictureSpec {
  UINT id;
  int width;
  int height;
};

// Playfields, splash and tool bar strip.
inline constexpr PictureSpec kPictures[] = {
    {102, 388, 373}, {128, 144, 15},  {130, 602, 401}, {131, 602, 401}, {132, 602, 401}, {133, 602, 401},
    {134, 602, 401}, {178, 602, 401}, {179, 602, 401}, {306, 602, 401}, {396, 602, 401},
};

struct CelSpec {
  UINT id;
  int width;
  int height;
  int tipX;  // the dart's point: for stuck darts the game's hot spot
  int tipY;
};

// Darts: tray darts of players 0..3 (the point at the top middle), and the
// stuck darts by player and pose, as the game's geometry has them.
inline constexpr auto kCels = [] {
  std::array<CelSpec, darts::kSeats * (1 + darts::kStuckPoses.size())> cels{};
  std::size_t n = 0;
  for (int seat = 0; seat < darts::kSeats; ++seat)
    cels[n++] = {darts::kTrayBitmaps[static_cast<std::size_t>(seat)], darts::kTraySlotWidth, darts::kTraySlotHeight,
                 darts::kTraySlotWidth / 2, 0};
  for (int seat = 0; seat < darts::kSeats; ++seat)
    for (int pose : darts::kStuckPoses) {
      const darts::StuckDartImage image = darts::StuckDartFor(seat, pose);
      cels[n++] = {image.bitmap, image.width, image.height, image.hotX, image.hotY};
    }
  return cels;
}();

inline constexpr UINT kCursors[] = {darts::kReadyCursor, darts::kThrowingCursor, 399};
inline constexpr UINT kIcons[] = {128, 129};
inline constexpr std::array<UINT, 5> kWaves = darts::kSoundTable;

// A picture in the resource layout: 40-byte header, 256 colours, pixels.
struct Picture {
  int width = 0;
  int height = 0;
  int bitCount = 0;
  std::uint32_t compression = 0;
  std::vector<RGBQUAD> colors;  // 256 entries
  std::vector<BYTE> pixels;     // rows top-down, width bytes each

  BYTE At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  RGBQUAD ColorAt(int x, int y) const { return colors[At(x, y)]; }
};

// Reads a resource-format picture; nothing when it is not a whole 8-bit one.
std::optional<Picture> ReadPicture(std::span<const BYTE> bytes);
std::optional<Picture> FindPicture(const ResourceTable& table, UINT id);

}  // namespace art_test
