// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Statistics window's template: a table of players and a Reset button.
#include "res/dialog_template.h"

const DialogTemplate& StatisticsDialogTemplate();
