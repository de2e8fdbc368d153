// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/settings_lock.h"

#include <fcntl.h>
#include <sys/file.h>

#include <cerrno>

#include "platform/settings_file.h"

namespace fs = std::filesystem;

fs::path SettingsLock::PathFor(const fs::path& file) {
  fs::path lock = FollowSymlinks(file);
  lock += ".lock";
  return lock;
}

SettingsLock::SettingsLock(const fs::path& file) {
  const fs::path path = PathFor(file);
  std::error_code ec;
  fs::create_directories(path.parent_path().empty() ? fs::path(".") : path.parent_path(), ec);
  // Never through a link someone planted in our place.
  FileDescriptor fd(::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666));
  if (fd.Get() < 0) return;
  int status = 0;
  do {
    status = ::flock(fd.Get(), LOCK_EX);
  } while (status != 0 && errno == EINTR);
  if (status != 0) return;
  m_fd = std::move(fd);
}
