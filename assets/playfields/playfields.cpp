// Playfields of the other games: basketball (131), bowling (132), pool (133),
// air hockey (134) and football (179), each drawn from its game's geometry.
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
