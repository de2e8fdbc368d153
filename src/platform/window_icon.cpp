// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/window_icon.h"

std::vector<unsigned long> NetWmIconData(std::span<const CursorImage> images) {
  std::vector<unsigned long> data;
  for (const CursorImage& image : images) {
    const std::size_t pixels = static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height);
    if (image.width <= 0 || image.height <= 0 || image.argb.size() != pixels) continue;
    data.push_back(static_cast<unsigned long>(image.width));
    data.push_back(static_cast<unsigned long>(image.height));
    data.insert(data.end(), image.argb.begin(), image.argb.end());
  }
  return data;
}

std::vector<CursorImage> LoadIcons(const ResourceTable& resources, UINT firstId, int count) {
  std::vector<CursorImage> icons;
  for (int i = 0; i < count; ++i) {
    CursorImage icon;
    if (CursorImage::Parse(resources.Find(ResKind::Icon, firstId + static_cast<UINT>(i)), &icon))
      icons.push_back(std::move(icon));
  }
  return icons;
}
