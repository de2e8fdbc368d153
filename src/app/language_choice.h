// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Options > Language: the player's choice, kept in the settings, over the
// desktop's language.
#include "platform/types.h"

class SettingsStore;

// Sets the language the settings name (the desktop's when they name none).
void RestoreLanguage(const SettingsStore& settings);
// Whether `id` is an Options > Language command; if so the choice is made and stored.
bool ChooseLanguage(SettingsStore& settings, UINT id);
// The Options > Language command that is ticked.
UINT ChosenLanguageCommand(const SettingsStore& settings);
