// SPDX-License-Identifier: GPL-3.0-or-later
#include "games/football/football_dialogs.h"

#include "games/football/model/football_geometry.h"
#include "games/football/model/football_rules.h"
#include "res/resource_ids.h"

namespace football {

namespace {

constexpr auto kTypeControls = ThreeWayChoiceControls("Select Game", {kRadioPlayTo28, kRadioPlayTo40, kRadioPlayTo54}, {"Play to 28", "Play to 40", "Play to 54"});
constexpr DialogTemplate kTypeOfGame{kTypeOfGameDialog, "Select Type of Football Game", kThreeWayChoiceWidth, kThreeWayChoiceHeight,
                                     kTypeControls};

constexpr ThrowTrackIds kTracks{kVelocityTrack, kAccuracyTrack, kDriftTrack};
constexpr auto kControlsControls = ThrowControls("Velocity", kTracks);
constexpr DialogTemplate kGameControls{kControlsDialog, "Football Game Controls", kThrowControlsWidth, kThrowControlsHeight,
                                       kControlsControls};

constexpr const DialogTemplate* kDialogs[] = {&kTypeOfGame, &kGameControls};

}  // namespace

const DialogTemplate& TypeOfGameTemplate() { return kTypeOfGame; }
const DialogTemplate& GameControlsTemplate() { return kGameControls; }
std::span<const DialogTemplate* const> FootballDialogTemplates() { return kDialogs; }

CFootballTypeDlg::CFootballTypeDlg() : CThreeWayChoiceDlg(TypeOfGameTemplate(), kRadioPlayTo28) {}

CFootballControlsDlg::CFootballControlsDlg()
    : CThrowControlsDlg(GameControlsTemplate(), kTracks, {kVelocityMax, kAccuracyMax, kDriftMax}) {}

}  // namespace football
