// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Copies of the program running at the same time take turns with the
// settings file: whoever holds this lock reads, merges and replaces the file
// while the others wait. The lock is an advisory flock on a file beside the
// settings file (the settings file itself is replaced on every save, so it
// cannot carry the lock). When the lock file cannot be made (a read-only
// directory), nothing can be saved there anyway and no lock is taken.
#include <filesystem>

#include "platform/file_descriptor.h"

class SettingsLock {
 public:
  // Blocks until the lock beside `file` (after symbolic links) is ours.
  explicit SettingsLock(const std::filesystem::path& file);
  // Releasing is closing the descriptor.
  ~SettingsLock() = default;
  SettingsLock(const SettingsLock&) = delete;
  SettingsLock& operator=(const SettingsLock&) = delete;
  bool Held() const { return m_fd.Get() >= 0; }

  // The lock file that belongs to `file`.
  static std::filesystem::path PathFor(const std::filesystem::path& file);

 private:
  FileDescriptor m_fd;
};
