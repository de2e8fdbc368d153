// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bowling family: lane, ball and pin cels, cursors and sounds.
#include "context.h"

namespace art {

void MakeBowlingLane(Context& ctx);
void MakeBowlingSprites(Context& ctx);
void MakeBowlingSounds(Context& ctx);

}  // namespace art
