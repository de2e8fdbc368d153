// Playfields of the other games: basketball (131), bowling (132), pool (133),
// air hockey (134), each drawn from its game's geometry; football (179) with
// all its sprites, cursors and sounds, from assets/football/.
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
