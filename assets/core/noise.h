// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Deterministic randomness for the art: a small seeded generator and
// lattice value noise. The same seed always makes the same bytes.
#include <cstdint>

namespace art {

class Rng {
 public:
  explicit Rng(std::uint64_t seed) : m_state(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}
  std::uint64_t Next() {  // splitmix64
    std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  float Uniform() { return static_cast<float>(Next() >> 40) / static_cast<float>(1u << 24); }  // 0..1
  float Range(float lo, float hi) { return lo + (hi - lo) * Uniform(); }
  int Int(int n) { return n <= 0 ? 0 : static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }

 private:
  std::uint64_t m_state;
};

// Hash of a lattice point to 0..1.
float Hash2(int x, int y, std::uint32_t seed);
// Smooth value noise in 0..1 with unit lattice spacing.
float ValueNoise(float x, float y, std::uint32_t seed);
// Fractal sum of `octaves` octaves, 0..1.
float Fbm(float x, float y, std::uint32_t seed, int octaves = 4);

}  // namespace art
