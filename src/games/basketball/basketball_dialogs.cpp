// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/basketball/basketball_dialogs.h"

#include "games/basketball/model/basketball_geometry.h"
#include "res/resource_ids.h"
#include "ui/ddx.h"

namespace basketball {

namespace {

using K = ControlKind;

constexpr ControlDef kTypeControls[] = {
    {K::GroupBox, IDC_STATIC, "Select Game", 10, 7, 100, 70, 0},
    {K::RadioButton, kRadioTimed, "&Timed", 25, 22, 70, 12, WS_GROUP | WS_TABSTOP},
    {K::RadioButton, kRadioPractice, "&Practice", 25, 39, 70, 12, 0},
    {K::RadioButton, kRadioPlayTo40, "Play to &40", 25, 56, 70, 12, 0},
    {K::DefPushButton, IDOK, "OK", 122, 12, 50, 14, WS_GROUP | WS_TABSTOP},
    {K::PushButton, IDCANCEL, "Cancel", 122, 32, 50, 14, WS_TABSTOP},
};

constexpr DialogTemplate kTypeOfGame{kTypeOfGameDialog, "Select Type of Basketball Game", 182, 86, kTypeControls};

constexpr DWORD kTrack = TBS_BOTH | WS_TABSTOP;

// Two settings, each a track bar with the names of its stops underneath.
constexpr ControlDef kControlsControls[] = {
    {K::GroupBox, IDC_STATIC, "Game Time", 7, 7, 196, 50, 0},
    {K::TrackBar, kGameTimeTrack, "", 20, 19, 170, 20, kTrack | WS_GROUP},
    {K::Static, IDC_STATIC, "30", 20, 41, 30, 8, SS_LEFT},
    {K::Static, IDC_STATIC, "60", 90, 41, 30, 8, SS_CENTER},
    {K::Static, IDC_STATIC, "90", 160, 41, 30, 8, SS_RIGHT},
    {K::GroupBox, IDC_STATIC, "Backboard Movement", 7, 63, 196, 50, 0},
    {K::TrackBar, kBoardTrack, "", 20, 75, 170, 20, kTrack | WS_GROUP},
    {K::Static, IDC_STATIC, "Not at all", 14, 97, 50, 8, SS_LEFT},
    {K::Static, IDC_STATIC, "Half of the time", 70, 97, 70, 8, SS_CENTER},
    {K::Static, IDC_STATIC, "All of the time", 136, 97, 60, 8, SS_RIGHT},
    {K::DefPushButton, IDOK, "OK", 45, 121, 50, 14, WS_GROUP | WS_TABSTOP},
    {K::PushButton, IDCANCEL, "Cancel", 115, 121, 50, 14, WS_TABSTOP},
};

constexpr DialogTemplate kGameControls{kControlsDialog, "Basketball Game Controls", 210, 142, kControlsControls};

constexpr const DialogTemplate* kDialogs[] = {&kTypeOfGame, &kGameControls};

}  // namespace

const DialogTemplate& TypeOfGameTemplate() { return kTypeOfGame; }
const DialogTemplate& GameControlsTemplate() { return kGameControls; }
std::span<const DialogTemplate* const> BasketballDialogTemplates() { return kDialogs; }

CBasketTypeDlg::CBasketTypeDlg() : CDialog(TypeOfGameTemplate()) {}

void CBasketTypeDlg::DoDataExchange(CDataExchange* pDX) { DDX_Radio(pDX, kRadioTimed, m_nType); }

CBasketControlsDlg::CBasketControlsDlg() : CDialog(GameControlsTemplate()) {}

BOOL CBasketControlsDlg::OnInitDialog() {
  SetTrackRange(kGameTimeTrack, kGameTimeMinPos, kGameTimeMaxPos);
  for (int pos = kGameTimeMinPos; pos <= kGameTimeMaxPos; ++pos) SetTrackTic(kGameTimeTrack, pos);
  SetTrackRange(kBoardTrack, 0, kBoardPercentMax);
  for (int pos = 0; pos <= kBoardPercentMax; ++pos) SetTrackTic(kBoardTrack, pos);
  return CDialog::OnInitDialog();
}

void CBasketControlsDlg::DoDataExchange(CDataExchange* pDX) {
  DDX_Slider(pDX, kGameTimeTrack, m_nTimePos);
  DDX_Slider(pDX, kBoardTrack, m_nBoardPos);
}

}  // namespace basketball
