// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The replays in a folder as the chooser lists them: newest first, each
// with the game, when it was saved and who played, as far as the file says.
#include <filesystem>
#include <string>
#include <vector>

struct ReplayListing {
  std::filesystem::path file;
  std::string line;  // "Bowling, 2026-12-10 22:10 (Player1, Player2)", or the file's name
};

std::vector<ReplayListing> ListReplays(const std::filesystem::path& folder);
