// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The shell's dialog templates: the about box (100) and the players dialog (137).
#include <span>

#include "res/dialog_template.h"

const DialogTemplate& AboutBoxTemplate();
const DialogTemplate& PlayersDialogTemplate();
// Every dialog template of the shell, for structure checks.
std::span<const DialogTemplate* const> ShellDialogTemplates();
