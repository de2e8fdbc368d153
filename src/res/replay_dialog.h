// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Game > Open Replay's template: a page of replays to choose from, the
// buttons that turn the page, Open and Cancel.
#include "res/dialog_template.h"

const DialogTemplate& OpenReplayDialogTemplate();
