// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings file on disk: read only when it is a regular file we may read,
// written so that a crash or a full disk never leaves a half-written file and
// what the user set up (mode, owner, a symbolic link) is kept.
#include <cstddef>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <string_view>

enum class SettingsReadOutcome {
  Missing,     // nothing there yet: defaults, and the first save creates it
  Read,        // `text` holds the file (up to the cap)
  Unreadable,  // there, but not ours to read: never to be written over
};

// How much of a file the reader looks at. A settings file is a few hundred
// bytes; these bound what a file that is not ours can cost.
struct SettingsReadLimits {
  std::size_t chunkBytes = 64 << 10;    // read this much at a time
  std::size_t maxLineBytes = 64 << 10;  // a longer line is skipped, not the rest of the file
  std::size_t maxTextBytes = 4 << 20;    // text kept in all
  std::size_t maxFileBytes = 256 << 20;  // nothing past this is looked at
  // The program's own sections: kept before any other section wherever they
  // stand in the file.
  std::set<std::string, std::less<>> ownSections;
};

struct SettingsFileRead {
  SettingsReadOutcome outcome = SettingsReadOutcome::Missing;
  std::string text;              // the sections kept, each line ending in a line break
  std::size_t skippedLines = 0;  // lines left out: too long, or in a section left out
  bool truncated = false;        // the file went on past maxFileBytes
  std::string reason;            // why it could not be read
  bool PartlyRead() const { return skippedLines > 0 || truncated; }
};

// Reads the file line by line within `limits`, and keeps whole sections only:
// a section is never kept in part, so it is never saved back in part. When
// the text outgrows maxTextBytes, other programs' sections make room for the
// program's own (the largest goes first), and a section of another program
// that does not fit is left out. An overlong line is skipped in one of the
// program's own sections (no value of ours is that long) and leaves out any
// other section whole; the lines after it are still read. A pipe, device or
// directory at the path is not opened for reading, so it cannot block us.
SettingsFileRead ReadSettingsFile(const std::filesystem::path& file, const SettingsReadLimits& limits);

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

// Copies `from` to `to`, a new name in the same folder, through a temporary
// file: `to` appears only complete, with `from`'s mode, and a copy that fails
// (a full disk, the program killed part way) leaves nothing under that name.
// Returns why it failed, or nothing.
std::string CopyFileWhole(const std::filesystem::path& from, const std::filesystem::path& to);

// Follows a chain of symbolic links to the path it ends at (which may not
// exist yet). A loop or an over-long chain gives the last path reached.
std::filesystem::path FollowSymlinks(const std::filesystem::path& file);

// The name of a temporary file a save of `file` uses (before mkstemp fills
// the X's), and whether a directory entry is one of them.
std::string SettingsTempPattern(const std::filesystem::path& file);
bool IsSettingsTempName(const std::filesystem::path& file, const std::string& entryName);
