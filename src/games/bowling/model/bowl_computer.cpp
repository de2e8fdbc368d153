// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/bowling/model/bowl_computer.h"

#include "games/bowling/model/bowl_geometry.h"

namespace bowling {

namespace {
constexpr double kOverRandMax = 3.051850947599719e-05;  // 1 / 32767
constexpr double kRandToPercent = 0.0030518509475997192;
constexpr double kComputerAimRange = 83.0;
constexpr int kComputerAimMin = 2;
constexpr int kComputerAimCentre = 44;
constexpr double kComputerDrift = 5.0;
}  // namespace

ComputerSwing MakeComputerSwing(const RandSource& rand) {
  ComputerSwing swing;
  const int a = static_cast<int>(rand() * kOverRandMax * kComputerAimRange) + kComputerAimMin;
  int r = 0;
  for (int i = 0; i < 5; ++i) r = rand();  // only the last of five draws is used
  const double g = r * kOverRandMax;
  const int drift = static_cast<int>(g * kComputerDrift);
  swing.press = {a + kLaneLeft, kComputerPressY};
  swing.release = {(a > kComputerAimCentre ? a - drift : a + drift) + kLaneLeft, kComputerReleaseY};
  swing.speedIndex = static_cast<int>(rand() * kRandToPercent) > 50 ? 2 : 1;
  return swing;
}

}  // namespace bowling
