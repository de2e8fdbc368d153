// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Problems with the settings the player may not have been told of before the
// program ended (it was closed, or its session ended, with the message still
// up): a short note of them waits for the next start. The note lies beside
// the settings file or, when that folder takes no files, in the user's state
// folder ($XDG_STATE_HOME, by default ~/.local/state) under the same folder name.
#include <filesystem>
#include <string>
#include <vector>

// Leaves `texts` for the next start; false when no place took them.
bool LeaveSettingsNotice(const std::filesystem::path& settingsFile, const std::vector<std::string>& texts);
// What an earlier run left, and the note gone.
std::vector<std::string> TakeSettingsNotice(const std::filesystem::path& settingsFile);
// The places a note may be, the first tried first.
std::vector<std::filesystem::path> SettingsNoticePlaces(const std::filesystem::path& settingsFile);
