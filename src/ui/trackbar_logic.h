// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A horizontal track bar: its range and position rules, the keys that move
// it, and its geometry (channel, thumb, ticks) inside the control rectangle.
#include <vector>

#include "platform/rect.h"
#include "ui/dialog_control.h"

void TrackSetRange(TrackState& t, int min, int max);
// Clamps to the range.
void TrackSetPos(TrackState& t, int pos);
// An explicit tick mark; false (and ignored) outside the range. The ends
// always carry a tick.
bool TrackSetTic(TrackState& t, int pos);
void TrackSetTicFreq(TrackState& t, int freq);
void TrackSetPageSize(TrackState& t, int size);
// Arrows move by the line size, Page Up/Down by the page size, Home/End to
// the ends. Returns true when the key belongs to the track bar; `moved`
// tells whether the position changed.
bool TrackKey(TrackState& t, unsigned vk, bool* moved);
// Every position that carries a tick mark, in order, ends included.
std::vector<int> TrackTickPositions(const TrackState& t, DWORD style);

enum class ThumbPoint { Down, Up, None };

struct TrackGeometry {
  CRect channel;          // the sunken groove
  CRect thumb;            // the thumb at the current position
  ThumbPoint point = ThumbPoint::Down;  // towards the ticks; none with ticks on both sides
  int xMin = 0;           // thumb centre at rangeMin
  int xMax = 0;           // thumb centre at rangeMax
  int ticksAbove = -1;    // y of the first row of the ticks above the thumb, -1 when none
  int ticksBelow = -1;    // y of the first row of the ticks below the thumb, -1 when none
};
inline constexpr int kTrackThumbWidth = 11;
inline constexpr int kTrackTickLength = 3;  // 4 at the ends
// Ticks go below the thumb, above it with TBS_TOP, on both sides with TBS_BOTH.
TrackGeometry TrackLayout(const CRect& control, const TrackState& t, DWORD style);
// Thumb-centre x of a position, and the nearest position to an x.
int TrackPosToX(const TrackGeometry& g, const TrackState& t, int pos);
int TrackXToPos(const TrackGeometry& g, const TrackState& t, int x);
