// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/bowling/bowl.h"

std::unique_ptr<CGame> MakeBowlingGame(const GameContext& context, int /*nVariant*/) {
  return std::make_unique<CBowl>(context);
}
