// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The mixer's inner loop: one voice, resampled with linear interpolation,
// added into a stereo float accumulator.
#include <cstddef>
#include <cstdint>

// The fractional part of a 32.32 position as 0..1 (through a signed 64-bit
// value, which converts to float in one instruction).
inline float PositionFraction(std::uint64_t pos) {
  return static_cast<float>(static_cast<std::int64_t>(pos & 0xFFFFFFFFu)) * (1.0f / 4294967296.0f);
}

// Adds `frames` frames starting at 32.32 position `pos`, moving on by `step`
// per frame, into `acc` (interleaved left/right). Every position visited must
// lie before the last sample, so sample i + 1 always exists. Returns the
// position after the last frame.
std::uint64_t AddInterpolated(const std::int16_t* samples, std::uint64_t pos, std::uint64_t step, float left,
                              float right, float* acc, std::size_t frames);
