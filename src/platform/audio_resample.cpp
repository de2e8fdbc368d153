// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/audio_resample.h"

#include <cstring>

namespace {

// Four lanes of float arithmetic. Each lane performs exactly the operations
// of the one-frame loop, so the result is the same to the bit; the compiler
// just does four frames per instruction.
using Float4 = float __attribute__((vector_size(16)));

// Sample i or i + 1 (`next`) of the 32.32 position `pos`, as float.
float Sample(const std::int16_t* samples, std::uint64_t pos, unsigned next) {
  return samples[static_cast<std::uint32_t>(pos >> 32) + next];
}

}  // namespace

std::uint64_t AddInterpolated(const std::int16_t* samples, std::uint64_t pos, std::uint64_t step, float left,
                              float right, float* acc, std::size_t frames) {
  std::size_t f = 0;
  for (; f + 4 <= frames; f += 4) {
    const Float4 a = {Sample(samples, pos, 0), Sample(samples, pos + step, 0), Sample(samples, pos + 2 * step, 0),
                      Sample(samples, pos + 3 * step, 0)};
    const Float4 b = {Sample(samples, pos, 1), Sample(samples, pos + step, 1), Sample(samples, pos + 2 * step, 1),
                      Sample(samples, pos + 3 * step, 1)};
    const Float4 fraction = {PositionFraction(pos), PositionFraction(pos + step), PositionFraction(pos + 2 * step),
                             PositionFraction(pos + 3 * step)};
    pos += 4 * step;
    const Float4 x = a + (b - a) * fraction;
    const Float4 l = x * left;
    const Float4 r = x * right;
    // Back to left/right pairs for frames f, f+1 and f+2, f+3.
    const Float4 first = __builtin_shufflevector(l, r, 0, 4, 1, 5);
    const Float4 second = __builtin_shufflevector(l, r, 2, 6, 3, 7);
    Float4 sum0, sum1;
    std::memcpy(&sum0, acc + 2 * f, sizeof sum0);
    std::memcpy(&sum1, acc + 2 * f + 4, sizeof sum1);
    sum0 += first;
    sum1 += second;
    std::memcpy(acc + 2 * f, &sum0, sizeof sum0);
    std::memcpy(acc + 2 * f + 4, &sum1, sizeof sum1);
  }
  for (; f < frames; ++f, pos += step) {
    const auto i = static_cast<std::uint32_t>(pos >> 32);
    const float a = samples[i];
    const float x = a + (static_cast<float>(samples[i + 1]) - a) * PositionFraction(pos);
    acc[2 * f] += x * left;
    acc[2 * f + 1] += x * right;
  }
  return pos;
}
