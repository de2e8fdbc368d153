// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The air hockey family: the rink (made by MakeAirHockeyPlayfield, which
// also makes the rest), the mallet and puck, and the sounds.
#include "context.h"

namespace art {

void MakeAirHockeySprites(Context& ctx);
void MakeAirHockeySounds(Context& ctx);

}  // namespace art
