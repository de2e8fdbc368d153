// SPDX-License-Identifier: GPL-3.0-or-later
// Playfields of the other games: basketball (131), bowling (132) and pool
// (133), each drawn from its game's geometry; air hockey (134) and football
// (179) with all their sprites, cursors and sounds, from assets/airhockey/
// and assets/football/.
#include "context.h"

namespace art {

void MakeBasketballPlayfield(Context& ctx);
void MakeBowlingPlayfield(Context& ctx);
void MakePoolPlayfield(Context& ctx);
void MakeAirHockeyPlayfield(Context& ctx);
void MakeFootballPlayfield(Context& ctx);

void MakePlayfields(Context& ctx) {
  MakeBasketballPlayfield(ctx);
  MakeBowlingPlayfield(ctx);
  MakePoolPlayfield(ctx);
  MakeAirHockeyPlayfield(ctx);
  MakeFootballPlayfield(ctx);
}

}  // namespace art
