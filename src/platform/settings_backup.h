// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A settings file we could only partly read is kept, byte for byte, beside
// the new one before anything replaces it: <file>.bad-YYYYMMDD-HHMMSS (local
// time, "-2", "-3", ... after a second copy within one second). Each bad
// original gets a name of its own; only the newest few are kept, and a file
// identical to the newest copy is not copied again. A copy takes its name
// only once it is complete, so a copy that failed never counts among them.
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

inline constexpr std::size_t kBadCopiesKept = 5;

struct BadCopy {
  bool kept = false;
  std::filesystem::path path;  // where the copy is (when kept)
  std::string reason;          // why it could not be made
};

BadCopy KeepBadCopy(const std::filesystem::path& file, std::time_t now, std::size_t keep = kBadCopiesKept);
// The copies of `file` there are now, oldest first.
std::vector<std::filesystem::path> BadCopiesOf(const std::filesystem::path& file);
