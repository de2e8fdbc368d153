// SPDX-License-Identifier: GPL-3.0-or-later
// The Options menu commands of the football game: its controls and the kind of game.
#include "games/football/football.h"
#include "games/football/football_dialogs.h"
#include "platform/host.h"
#include "res/resource_ids.h"
#include "ui/message_box.h"

using namespace football;

namespace {
constexpr const char* kSection = "Football";
}  // namespace

void CFootBall::OnTypeOfGame() {
  if (IsGameInProgress() && MessageBox("Do you wish to quit the current game?", "Quit Game?",
                                            MB_YESNO | MB_ICONQUESTION | MB_TASKMODAL) == IDNO)
    return;
  CFootballTypeDlg dlg;
  dlg.m_nType = ClampVariant(Services().Variant());
  const bool chosen = DoModal(dlg) == IDOK && dlg.m_nType >= kPlayTo28 && dlg.m_nType <= kPlayTo54;
  if (!chosen) {
    // A command over the final board ends the wait: the next game starts.
    if (m_bGameOver) RestartGame();
    return;
  }
  SetGameInProgress(FALSE);
  // The document replaces this game: nothing of ours may run after this call.
  Services().RestartWithVariant(dlg.m_nType);
}

void CFootBall::OnGameControls() {
  SettingsStore& store = GetHost().Settings();
  ThrowSettings stored;
  stored.accuracy = store.GetProfileInt(kSection, "Accuracy", 1);
  stored.drift = store.GetProfileInt(kSection, "Drift", 4);
  stored.velocity = store.GetProfileInt(kSection, "Velocity", 1);
  stored = ClampSettings(stored);
  CFootballControlsDlg dlg;
  dlg.m_nAccuracy = stored.accuracy;
  dlg.m_nDrift = stored.drift;
  dlg.m_nVelocity = stored.velocity;
  const bool accepted = DoModal(dlg) == IDOK;
  if (accepted) KeepControls(dlg.m_nVelocity, dlg.m_nAccuracy, dlg.m_nDrift);
  // A command over the final board ends the wait: the next game starts.
  if (m_bGameOver) RestartGame();
}

void CFootBall::KeepControls(int nVelocity, int nAccuracy, int nDrift) {
  SettingsStore& store = GetHost().Settings();
  const ThrowSettings chosen = ClampSettings({nVelocity, nAccuracy, nDrift});
  SettingsGroup group(store);  // one save: the controls belong together
  store.WriteProfileInt(kSection, "Accuracy", chosen.accuracy);
  store.WriteProfileInt(kSection, "Drift", chosen.drift);
  store.WriteProfileInt(kSection, "Velocity", chosen.velocity);
  m_nAccuracy = chosen.accuracy;
  m_nVelocity = chosen.velocity;
  m_nDrift = chosen.drift;
}
