// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The order in which a line's characters are drawn: Arabic and Hebrew run
// right to left, and a name mixing them with Latin letters or digits keeps
// each run in its own direction, as the Unicode bidirectional algorithm
// (FriBidi) orders them.
#include <cstddef>
#include <string_view>
#include <vector>

struct VisualRun {
  std::size_t start = 0;   // the run's first character, in the text's own order
  std::size_t length = 0;  // characters
  bool rightToLeft = false;
  bool operator==(const VisualRun&) const = default;
};

// Whether `text` holds a character of a right-to-left script; text without
// one is drawn in its own order and needs no reordering.
bool HasRightToLeft(std::u32string_view text);

// The runs of `text` from left to right as drawn; the direction of the whole
// line is that of its first letter with a direction. A build without FriBidi
// (the web page) gives one left-to-right run.
std::vector<VisualRun> VisualRuns(std::u32string_view text);
