// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the computer aims: the double it needs to start or to finish, and
// the expert's choice of target for every score.
#include <optional>

#include "games/darts/model/dart_computer.h"
#include "games/darts/model/dart_target.h"

namespace darts {

// The double (or bull) the options call for now: D20 to get in, the
// checkout's next dart near the finish; none under the plain rules.
std::optional<Target> NeededDouble(const AimSituation& situation);

// The expert's target: the treble 20 to score, the checkout to finish, the
// trebles of the open numbers in Cricket.
Target ExpertTarget(const AimSituation& situation);

}  // namespace darts
