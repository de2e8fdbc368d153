// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The templates of Game > Play Online... and of the room's lobby.
#include "res/dialog_template.h"

const DialogTemplate& PlayOnlineDialogTemplate();
const DialogTemplate& OnlineLobbyDialogTemplate();
