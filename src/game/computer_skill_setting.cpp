// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/computer_skill_setting.h"

#include "res/game_screens.h"
#include "platform/settings.h"

namespace skill {

namespace {
constexpr const char* kSkillKey = "ComputerSkill";
}  // namespace

const char* SkillSection(int nScreen) {
  switch (nScreen) {
    case kScreenAirHockey: return "AirHockey";
    case kScreenBasketball: return "Basketball";
    case kScreenBowling: return "Bowling";
    case kScreenDarts: return "Darts";
    case kScreenFootball: return "Football";
    case kScreenPool: return "Pool";
    default: return nullptr;
  }
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
