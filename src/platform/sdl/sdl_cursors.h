// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's cursors as SDL colour cursors, grown with the picture's zoom
// so they keep their size against the art. Built once per cursor and zoom.
#include <map>
#include <optional>
#include <utility>

#include "platform/resources.h"
#include "platform/sdl/sdl_handles.h"

// An ARGB image as an SDL surface, each pixel repeated `scale` times.
SdlSurfacePtr SurfaceFromArgb(const CursorImage& image, int scale);

class SdlCursors {
 public:
  // `image` null is the system arrow.
  void Set(int resourceId, const CursorImage* image);
  void SetScale(int scale);
  void Clear() { m_cache.clear(); m_arrow.reset(); }

 private:
  void Apply();

  int m_id = 0;
  int m_scale = 1;
  std::optional<CursorImage> m_image;
  SdlCursorPtr m_arrow;
  std::map<std::pair<int, int>, SdlCursorPtr> m_cache;
};
