// SPDX-License-Identifier: GPL-3.0-or-later
// The one entry point of the bowling family.
#include "bowling/bowling_art.h"
#include "registry.h"

namespace art {

void MakeBowlingPlayfield(Context& ctx) {
  MakeBowlingLane(ctx);
  MakeBowlingSprites(ctx);
  MakeBowlingSounds(ctx);
}

namespace {
[[maybe_unused]] const bool kRegistered = RegisterFamily("bowling", MakeBowlingPlayfield);
}  // namespace

}  // namespace art
