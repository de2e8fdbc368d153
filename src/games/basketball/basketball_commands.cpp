// SPDX-License-Identifier: GPL-3.0-or-later
// The Options menu commands of the basketball game.
#include "games/basketball/basketball.h"
#include "games/basketball/basketball_dialogs.h"
#include "games/basketball/model/basketball_rules.h"
#include "platform/host.h"
#include "res/resource_ids.h"
#include "ui/message_box.h"

using namespace basketball;

namespace {
constexpr const char* kSection = "Basketball";
}  // namespace

void CBasketBall::OnTypeOfGame() {
  if (IsGameInProgress() && MessageBox("Do you wish to quit the current game?", "Quit Game?",
                                            MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL) == IDNO)
    return;
  CBasketTypeDlg dlg;
  dlg.m_nType = m_nVariant;
  if (DoModal(dlg) != IDOK || dlg.m_nType < kVariantTimed || dlg.m_nType > kVariantPlayTo40) {
    // A command over the final board ends the wait: the board is set for the next game.
    if (SceneIsOurs()) ClearFinalBoard();
    return;
  }
  SetGameInProgress(FALSE);
  // The document replaces this game: nothing of ours may run after this call.
  Services().RestartWithVariant(dlg.m_nType);
}

void CBasketBall::OnGameControls() {
  SettingsStore& store = GetHost().Settings();
  const Settings stored = ClampSettings(store.GetProfileInt(kSection, "GameTime", kDefaultGameTime),
                                        store.GetProfileInt(kSection, "BackboardPercent", kDefaultBoardPercent));
  CBasketControlsDlg dlg;
  dlg.m_nTimePos = GameTimeToPos(stored.gameTime);
  dlg.m_nBoardPos = stored.boardPercent;
  if (DoModal(dlg) == IDOK) {
    const Settings chosen = ClampSettings(PosToGameTime(dlg.m_nTimePos), dlg.m_nBoardPos);
    SettingsGroup group(store);  // one save: the controls belong together
    store.WriteProfileInt(kSection, "GameTime", chosen.gameTime);
    store.WriteProfileInt(kSection, "BackboardPercent", chosen.boardPercent);
    // A running turn keeps its clock; the board follows the new setting at once.
    m_nGameTime = chosen.gameTime;
    m_nBoardPercent = chosen.boardPercent;
    m_nBoardThreshold = BoardThreshold(m_nVariant, m_nGameTime, m_nBoardPercent);
  }
  // A command over the final board ends the wait: the board is set for the next game.
  if (SceneIsOurs()) ClearFinalBoard();
}
