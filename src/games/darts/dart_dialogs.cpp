// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/darts/dart_dialogs.h"

#include "games/darts/model/dart_geometry.h"
#include "games/darts/model/dart_motion.h"
#include "res/resource_ids.h"
#include "ui/ddx.h"

namespace darts {

namespace {

constexpr auto kKinds = ThreeWayChoiceControls("Select Game", {kRadio301, kRadio501, kRadioCricket}, {"301", "501", "Cricket"});
// The three kinds, then the two options underneath them.
constexpr std::array<ControlDef, kKinds.size() + 2> TypeControls() {
  std::array<ControlDef, kKinds.size() + 2> controls{};
  for (std::size_t i = 0; i < kKinds.size(); ++i) controls[i] = kKinds[i];
  controls[kKinds.size()] = {ControlKind::CheckBox, kCheckDoubleOut, "Double &out (301, 501)", 14, 84, 120, 12,
                             WS_GROUP | WS_TABSTOP};
  controls[kKinds.size() + 1] = {ControlKind::CheckBox, kCheckDoubleIn, "Double &in (301)", 14, 99, 120, 12, WS_TABSTOP};
  return controls;
}
constexpr auto kTypeControls = TypeControls();
constexpr DialogTemplate kTypeOfGame{kTypeOfGameDialog, "Select Type of Dart Game", kThreeWayChoiceWidth,
                                     kThreeWayChoiceHeight + 30, kTypeControls};

constexpr ThrowTrackIds kTracks{kVelocityTrack, kAccuracyTrack, kDriftTrack};
constexpr auto kControlsControls = ThrowControls("Velocity ", kTracks);
constexpr DialogTemplate kGameControls{kControlsDialog, "Dart Game Controls", kThrowControlsWidth, kThrowControlsHeight,
                                       kControlsControls};

constexpr const DialogTemplate* kDialogs[] = {&kTypeOfGame, &kGameControls};

}  // namespace

const DialogTemplate& TypeOfGameTemplate() { return kTypeOfGame; }
const DialogTemplate& GameControlsTemplate() { return kGameControls; }
std::span<const DialogTemplate* const> DartDialogTemplates() { return kDialogs; }

CTypeOfGameDlg::CTypeOfGameDlg() : CThreeWayChoiceDlg(TypeOfGameTemplate(), kRadio301) {}

void CTypeOfGameDlg::DoDataExchange(CDataExchange* pDX) {
  CThreeWayChoiceDlg::DoDataExchange(pDX);
  DDX_Check(pDX, kCheckDoubleOut, m_bDoubleOut);
  DDX_Check(pDX, kCheckDoubleIn, m_bDoubleIn);
}

CGameControlsDlg::CGameControlsDlg()
    : CThrowControlsDlg(GameControlsTemplate(), kTracks, {kVelocityMax, kAccuracyMax, kDriftMax}) {}

}  // namespace darts
