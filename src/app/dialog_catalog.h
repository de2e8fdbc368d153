// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every dialog template the program shows: the shell's and each game's.
// The catalog of texts and the test that every label fits read them here.
#include <vector>

#include "res/dialog_template.h"

std::vector<const DialogTemplate*> AllDialogTemplates();
