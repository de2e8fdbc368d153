// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/game_table.h"

#include <algorithm>

#include "res/resource_ids.h"

// Each game's factory, defined in its own folder under src/games/. A game
// that is not built yet returns null; the document then shows its playfield
// with a notice.
std::unique_ptr<CGame> MakeAirHockeyGame(const GameContext& context, int nVariant);
std::unique_ptr<CGame> MakeBasketballGame(const GameContext& context, int nVariant);
std::unique_ptr<CGame> MakeBowlingGame(const GameContext& context, int nVariant);
std::unique_ptr<CGame> MakeDartsGame(const GameContext& context, int nVariant);
std::unique_ptr<CGame> MakeFootballGame(const GameContext& context, int nVariant);
std::unique_ptr<CGame> MakePoolGame(const GameContext& context, int nVariant);

namespace {

constexpr GameInfo kGames[] = {
    // screen, New command, name, backgrounds by variant, variants,
    // controls, type of game, start, scoreboard, click prompt, button up, factory, real time
    {kScreenAirHockey, ID_GAME_NEW_AIRHOCKEY, "Air Hockey", {IDB_AIRHOCKEY, IDB_AIRHOCKEY, IDB_AIRHOCKEY}, 1,
     true, false, GameStart::AtOnce, true, false, false, &MakeAirHockeyGame, true},
    {kScreenBasketball, ID_GAME_NEW_BASKETBALL, "Basketball", {IDB_BASKETBALL, IDB_BASKETBALL, IDB_BASKETBALL}, 3,
     true, true, GameStart::OnFirstInput, true, false, true, &MakeBasketballGame, true},
    {kScreenBowling, ID_GAME_NEW_BOWLING, "Bowling", {IDB_BOWLING, IDB_BOWLING, IDB_BOWLING}, 1,
     true, false, GameStart::OnFirstInput, true, true, true, &MakeBowlingGame},
    {kScreenDarts, ID_GAME_NEW_DARTS, "Darts", {IDB_DARTS, IDB_DARTS, IDB_CRICKET}, 3,
     true, true, GameStart::OnFirstInput, true, false, true, &MakeDartsGame},
    {kScreenFootball, ID_GAME_NEW_FOOTBALL, "Football", {IDB_FOOTBALL, IDB_FOOTBALL, IDB_FOOTBALL}, 3,
     true, true, GameStart::OnFirstInput, true, false, true, &MakeFootballGame},
    {kScreenPool, ID_GAME_NEW_POOL, "Pool", {IDB_POOL, IDB_POOL, IDB_POOL}, 3,
     true, true, GameStart::OnFirstInput, true, false, true, &MakePoolGame},
};

}  // namespace

UINT GameInfo::BackgroundFor(int nVariant) const {
  return backgrounds[static_cast<std::size_t>(ClampVariant(nVariant))];
}

int GameInfo::ClampVariant(int nVariant) const { return std::clamp(nVariant, 0, std::max(nVariants, 1) - 1); }

std::span<const GameInfo> GameTable() { return kGames; }

const GameInfo* FindGame(std::span<const GameInfo> table, int nScreen) {
  for (const GameInfo& row : table)
    if (row.nScreen == nScreen) return &row;
  return nullptr;
}

const GameInfo* FindGameByCommand(std::span<const GameInfo> table, UINT nId) {
  for (const GameInfo& row : table)
    if (row.nNewCommand == nId) return &row;
  return nullptr;
}
