// SPDX-License-Identifier: GPL-3.0-or-later
// The speed dialog, its template and the Game Controls command.
#include "games/airhockey/airhockey_dialogs.h"

#include <algorithm>

#include "games/airhockey/airhockey.h"
#include "platform/host.h"
#include "res/resource_ids.h"
#include "ui/ddx.h"

namespace airhockey {

namespace {

using K = ControlKind;

constexpr ControlDef kControls[] = {
    {K::GroupBox, IDC_STATIC, "Game Speed", 7, 7, 176, 52, 0},
    {K::TrackBar, kSpeedTrack, "", 16, 20, 158, 20, TBS_AUTOTICKS | TBS_BOTH | WS_TABSTOP | WS_GROUP},
    {K::Static, IDC_STATIC, "Slower", 18, 43, 40, 8, SS_LEFT},
    {K::Static, IDC_STATIC, "Faster", 132, 43, 40, 8, SS_RIGHT},
    {K::DefPushButton, IDOK, "OK", 35, 67, 50, 14, WS_GROUP | WS_TABSTOP},
    {K::PushButton, IDCANCEL, "Cancel", 105, 67, 50, 14, WS_TABSTOP},
};

constexpr DialogTemplate kGameControls{kControlsDialog, "Airhockey Game Controls", 190, 88, kControls};

constexpr int kPageSize = 4;

}  // namespace

const DialogTemplate& GameControlsTemplate() { return kGameControls; }

CGameControlsDlg::CGameControlsDlg() : CDialog(kGameControls) {}

BOOL CGameControlsDlg::OnInitDialog() {
  SetTrackRange(kSpeedTrack, kMinSubSteps, kMaxSubSteps);
  SetTrackTicFreq(kSpeedTrack, 1);
  SetTrackPageSize(kSpeedTrack, kPageSize);
  return CDialog::OnInitDialog();
}

void CGameControlsDlg::DoDataExchange(CDataExchange* pDX) { DDX_Slider(pDX, kSpeedTrack, m_nSpeed); }

}  // namespace airhockey

void CAirHockey::OnGameControls() {
  // The user cannot hold the mallet while the dialog is up: play stops first.
  if (m_bPlaying) ReleaseMallet();
  SettingsStore& store = GetHost().Settings();
  airhockey::CGameControlsDlg dlg;
  dlg.m_nSpeed = std::clamp(store.GetProfileInt("AirHockey", "Speed", airhockey::kDefaultSubSteps),
                            airhockey::kMinSubSteps, airhockey::kMaxSubSteps);
  const bool accepted = DoModal(dlg) == IDOK;
  // A command over a finished match's score ends the wait: the next match starts.
  if (m_bMatchOver && IsCurrentGame()) StartNextMatch();
  if (!accepted) return;
  const int speed = std::clamp(dlg.m_nSpeed, airhockey::kMinSubSteps, airhockey::kMaxSubSteps);
  store.WriteProfileInt("AirHockey", "Speed", speed);
  m_nSubSteps = speed;
}
