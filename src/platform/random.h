// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The classic C runtime generator: rand() in 0..32767 from a linear
// congruential step. The games' formulas depend on that range.
#include <cstdint>

inline constexpr int RAND_MAX_CLASSIC = 0x7FFF;

class RandomGenerator {
 public:
  void Seed(std::uint32_t seed) { m_seed = seed; }
  int Next() {
    m_seed = m_seed * 214013u + 2531011u;
    return static_cast<int>((m_seed >> 16) & 0x7FFF);
  }
  std::uint32_t State() const { return m_seed; }

 private:
  std::uint32_t m_seed = 1;
};
