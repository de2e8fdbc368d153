// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game on screen as a record and back: the shell writes which game it
// is, its variant and the seats (names, computer, level, scores, whose turn),
// and the game adds its own state.
#include <optional>
#include <string>

#include "game/state_record.h"

class CQuintaroDoc;

// The game under way where its last finished shot, throw or turn left it;
// nothing when no game is under way or the game is mid-turn.
std::optional<StateRecord> CaptureGame(CQuintaroDoc& doc);
// The game's name in a record ("Pool"), or empty when it names no game.
std::string RecordGameName(const CQuintaroDoc& doc, const StateRecord& record);
// Puts the record's game on screen as it was. On a bad record the seats are
// left as they were, the title screen shows and `error` says why.
// Without `withGameState` the game starts afresh with the record's seats, as
// it began (a replay's start).
bool RestoreGame(CQuintaroDoc& doc, const StateRecord& record, std::string& error, bool withGameState = true);
// The game and the seats as a game of the current screen begins.
StateRecord CaptureStart(const CQuintaroDoc& doc);
