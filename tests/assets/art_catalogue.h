#pragma once
// Every generated picture, cursor and sound the program loads, with the size
// its code expects, and a reader for the resource-format pictures.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

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
    {102, 388, 373}, {128, 128, 15},  {130, 602, 401}, {131, 602, 401}, {132, 602, 401}, {133, 602, 401},
    {134, 602, 401}, {178, 602, 401}, {179, 602, 401}, {306, 602, 401}, {396, 602, 401},
};

struct CelSpec {
  UINT id;
  int width;
  int height;
  int tipX;  // the dart's point: for stuck darts the game's hot spot
  int tipY;
};

// Darts: tray darts of players 0..3, and the stuck darts by player and pose.
inline constexpr CelSpec kCels[] = {
    {143, 11, 47, 5, 0},  {145, 11, 47, 5, 0},  {144, 11, 47, 5, 0},  {151, 11, 47, 5, 0},
    {152, 41, 28, 40, 26}, {153, 41, 28, 0, 26}, {156, 11, 27, 5, 0}, {157, 11, 27, 5, 26},
    {172, 41, 28, 40, 26}, {173, 41, 28, 0, 26}, {176, 11, 27, 5, 0}, {177, 11, 27, 5, 26},
    {164, 41, 28, 40, 26}, {165, 41, 28, 0, 26}, {169, 11, 27, 5, 0}, {170, 11, 27, 5, 26},
    {158, 41, 28, 40, 26}, {159, 41, 28, 0, 26}, {162, 11, 27, 5, 0}, {163, 11, 27, 5, 26},
};

inline constexpr UINT kCursors[] = {149, 150, 399};
inline constexpr UINT kIcons[] = {128, 129};
inline constexpr UINT kWaves[] = {324, 325, 326, 327, 402};

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
