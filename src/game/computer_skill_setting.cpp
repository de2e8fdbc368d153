// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/computer_skill_setting.h"

#include "res/game_rows.h"
#include "platform/settings.h"

namespace skill {

namespace {
constexpr const char* kSkillKey = "ComputerSkill";
}  // namespace

const char* SkillSection(int nScreen) {
  // Every game's row names its section, so no game's level or statistics go unsaved.
  const GameShellRow* row = FindShellRow(nScreen);
  return row ? row->pszSection : nullptr;
}

ComputerSkill LoadComputerSkill(const SettingsStore& store, int nScreen) {
  const char* section = SkillSection(nScreen);
  if (!section) return kDefaultSkill;
  return SkillFromStored(store.GetProfileInt(section, kSkillKey, static_cast<int>(kDefaultSkill)));
}

void StoreComputerSkill(SettingsStore& store, int nScreen, ComputerSkill level) {
  if (const char* section = SkillSection(nScreen)) store.WriteProfileInt(section, kSkillKey, static_cast<int>(level));
}

std::string ComputerSeatName(ComputerSkill level) { return std::string("Computer (") + SkillName(level) + ")"; }

std::string ComputerPlayingText(ComputerSkill level) { return ComputerSeatName(level) + " to play"; }

}  // namespace skill
