// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/darts/dart_dialogs.h"

#include "games/darts/model/dart_geometry.h"
#include "games/darts/model/dart_motion.h"
#include "res/resource_ids.h"

namespace darts {

namespace {

constexpr auto kTypeControls = ThreeWayChoiceControls("Select Game", {kRadio301, kRadio501, kRadioCricket}, {"301", "501", "Cricket"});
constexpr DialogTemplate kTypeOfGame{kTypeOfGameDialog, "Select Type of Dart Game", kThreeWayChoiceWidth, kThreeWayChoiceHeight,
                                     kTypeControls};

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

CGameControlsDlg::CGameControlsDlg()
    : CThrowControlsDlg(GameControlsTemplate(), kTracks, {kVelocityMax, kAccuracyMax, kDriftMax}) {}

}  // namespace darts
