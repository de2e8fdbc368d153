// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings file on disk: read only when it is a regular file we may read,
// written so that a crash or a full disk never leaves a half-written file and
// what the user set up (mode, owner, a symbolic link) is kept.
#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

enum class SettingsReadOutcome {
  Missing,     // nothing there yet: defaults, and the first save creates it
  Read,        // `text` holds the file (up to the cap)
  Unreadable,  // there, but not ours to read: never to be written over
};

struct SettingsFileRead {
  SettingsReadOutcome outcome = SettingsReadOutcome::Missing;
  std::string text;
  bool truncated = false;  // the file was longer than the cap
  std::string reason;      // why it could not be read
};

// Reads at most `maxBytes` (a cut-off last line is dropped). A pipe, device
// or directory at the path is not opened for reading, so it cannot block us.
SettingsFileRead ReadSettingsFile(const std::filesystem::path& file, std::size_t maxBytes);

enum class SettingsWriteOutcome {
  Written,
  ReadOnly,  // the file is write-protected: left as it is
  Failed,    // could not be written (full disk, no permission, ...): left as it was
};

struct SettingsFileWrite {
  SettingsWriteOutcome outcome = SettingsWriteOutcome::Written;
  std::string reason;
};

// Replaces the file's content with `text` atomically: a reader sees the old
// file or the new one, never a mix. Writes through symbolic links to their
// target, keeps the file's mode and owner, and first removes temporary files
// that an interrupted earlier save left behind.
SettingsFileWrite WriteSettingsFile(const std::filesystem::path& file, std::string_view text);

// Follows a chain of symbolic links to the path it ends at (which may not
// exist yet). A loop or an over-long chain gives the last path reached.
std::filesystem::path FollowSymlinks(const std::filesystem::path& file);

// The name of a temporary file a save of `file` uses (before mkstemp fills
// the X's), and whether a directory entry is one of them.
std::string SettingsTempPattern(const std::filesystem::path& file);
bool IsSettingsTempName(const std::filesystem::path& file, const std::string& entryName);
