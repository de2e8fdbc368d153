// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The computer's level of each game, kept in the game's own settings section
// as "ComputerSkill" (0 Beginner, 1 Club, 2 Expert).
#include <string>

#include "game/computer_skill.h"

class SettingsStore;

namespace skill {

// "Darts", "Pool", "Bowling", "Basketball", "Football", "AirHockey"; null
// for screens without a game.
const char* SkillSection(int nScreen);
ComputerSkill LoadComputerSkill(const SettingsStore& store, int nScreen);
void StoreComputerSkill(SettingsStore& store, int nScreen, ComputerSkill level);
// "Computer (Expert)": how a computer seat at that level is called.
std::string ComputerSeatName(ComputerSkill level);
// The status line's words when a computer seat starts to play.
std::string ComputerPlayingText(ComputerSkill level);

}  // namespace skill
