// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/trackbar_logic.h"

#include <algorithm>

#include "platform/messages.h"

void TrackSetRange(TrackState& t, int min, int max) {
  t.rangeMin = min;
  t.rangeMax = std::max(min, max);
  t.pageSize = std::max(1, (t.rangeMax - t.rangeMin) / 5);
  std::erase_if(t.ticks, [&](int p) { return p <= t.rangeMin || p >= t.rangeMax; });
  TrackSetPos(t, t.pos);
}

void TrackSetPos(TrackState& t, int pos) { t.pos = std::clamp(pos, t.rangeMin, t.rangeMax); }

bool TrackSetTic(TrackState& t, int pos) {
  if (pos < t.rangeMin || pos > t.rangeMax) return false;
  if (pos == t.rangeMin || pos == t.rangeMax) return true;  // the ends always carry one
  if (std::find(t.ticks.begin(), t.ticks.end(), pos) == t.ticks.end()) {
    t.ticks.push_back(pos);
    std::sort(t.ticks.begin(), t.ticks.end());
  }
  return true;
}

void TrackSetTicFreq(TrackState& t, int freq) { t.tickFreq = std::max(1, freq); }

void TrackSetPageSize(TrackState& t, int size) { t.pageSize = std::max(1, size); }

bool TrackKey(TrackState& t, unsigned vk, bool* moved) {
  const int old = t.pos;
  switch (vk) {
    case VK_LEFT:
    case VK_UP: TrackSetPos(t, t.pos - t.lineSize); break;
    case VK_RIGHT:
    case VK_DOWN: TrackSetPos(t, t.pos + t.lineSize); break;
    case VK_PRIOR: TrackSetPos(t, t.pos - t.pageSize); break;
    case VK_NEXT: TrackSetPos(t, t.pos + t.pageSize); break;
    case VK_HOME: TrackSetPos(t, t.rangeMin); break;
    case VK_END: TrackSetPos(t, t.rangeMax); break;
    default:
      if (moved) *moved = false;
      return false;
  }
  if (moved) *moved = t.pos != old;
  return true;
}

std::vector<int> TrackTickPositions(const TrackState& t, DWORD style) {
  std::vector<int> out;
  if (style & TBS_NOTICKS) return out;
  out.push_back(t.rangeMin);
  if (style & TBS_AUTOTICKS) {
    for (int p = t.rangeMin + t.tickFreq; p < t.rangeMax; p += t.tickFreq) out.push_back(p);
  }
  for (int p : t.ticks) out.push_back(p);
  if (t.rangeMax != t.rangeMin) out.push_back(t.rangeMax);
  std::sort(out.begin(), out.end());
  out.erase(std::unique(out.begin(), out.end()), out.end());
  return out;
}

TrackGeometry TrackLayout(const CRect& control, const TrackState& t, DWORD style) {
  TrackGeometry g;
  const bool noTicks = (style & TBS_NOTICKS) != 0;
  const bool above = !noTicks && (style & (TBS_TOP | TBS_BOTH));
  const bool below = !noTicks && (!(style & TBS_TOP) || (style & TBS_BOTH));
  g.point = (style & TBS_BOTH) ? ThumbPoint::None : (style & TBS_TOP) ? ThumbPoint::Up : ThumbPoint::Down;
  constexpr int kTickSpace = kTrackTickLength + 4;
  const int top = control.top + (above ? kTickSpace : 3);
  const int limit = control.bottom - (below ? kTickSpace : 3);
  const int thumbHeight = std::clamp(limit - top, 10, 21);
  const int thumbTop = top + std::max(0, (limit - top - thumbHeight) / 2);
  g.thumb = {0, thumbTop, kTrackThumbWidth, thumbTop + thumbHeight};
  // The groove runs through the middle of the thumb's square body.
  const int pointRows = g.point == ThumbPoint::None ? 0 : kTrackThumbWidth / 2;
  const int bodyTop = g.point == ThumbPoint::Up ? thumbTop + pointRows : thumbTop;
  const int cy = bodyTop + (thumbHeight - pointRows) / 2;
  g.channel = {control.left + 8, cy - 2, control.right - 8, cy + 2};
  g.xMin = g.channel.left + kTrackThumbWidth / 2 + 1;
  g.xMax = std::max(g.xMin, g.channel.right - kTrackThumbWidth / 2 - 2);
  if (above) g.ticksAbove = g.thumb.top - 2 - (kTrackTickLength + 1);
  if (below) g.ticksBelow = g.thumb.bottom + 2;
  const int x = TrackPosToX(g, t, t.pos);
  g.thumb.OffsetRect(x - kTrackThumbWidth / 2, 0);
  return g;
}

int TrackPosToX(const TrackGeometry& g, const TrackState& t, int pos) {
  const int span = t.rangeMax - t.rangeMin;
  if (span <= 0) return g.xMin;
  const long long offset = static_cast<long long>(std::clamp(pos, t.rangeMin, t.rangeMax) - t.rangeMin) * (g.xMax - g.xMin);
  return g.xMin + static_cast<int>((offset + span / 2) / span);
}

int TrackXToPos(const TrackGeometry& g, const TrackState& t, int x) {
  const int width = g.xMax - g.xMin;
  const int span = t.rangeMax - t.rangeMin;
  if (width <= 0 || span <= 0) return t.rangeMin;
  const long long offset = static_cast<long long>(std::clamp(x, g.xMin, g.xMax) - g.xMin) * span;
  return t.rangeMin + static_cast<int>((offset + width / 2) / width);
}
