// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/settings_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>
#include <vector>

#include "platform/file_descriptor.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kTempInfix = ".tmp-";
constexpr std::size_t kTempSuffixLength = 6;  // mkstemp's XXXXXX
constexpr int kMaxLinkHops = 40;
#ifdef QUINTARO_SETTINGS_NO_SYNC
// The fuzz build writes thousands of files a second to a scratch directory:
// waiting for the disk there would only slow it down.
constexpr bool kSyncToDisk = false;
#else
constexpr bool kSyncToDisk = true;
#endif

std::string ErrnoText(int err) { return std::strerror(err); }

bool WriteAll(int fd, std::string_view data, int* err) {
  while (!data.empty()) {
    const ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      *err = errno;
      return false;
    }
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

mode_t NewFileMode() {
  // The user's umask decides who may read a file we create.
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

// No write permission at all, or none for us: the user protected the file.
bool IsWriteProtected(const fs::path& file, const struct stat& st) {
  if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return true;
  return ::access(file.c_str(), W_OK) != 0 && (errno == EACCES || errno == EROFS);
}

// A temporary file is stale unless a save still holds its lock.
void RemoveStaleTempFiles(const fs::path& file) {
  std::error_code ec;
  const fs::path dir = file.parent_path().empty() ? fs::path(".") : file.parent_path();
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const std::string name = it->path().filename().string();
    std::error_code entryError;  // one odd entry must not end the listing
    if (!IsSettingsTempName(file, name) || it->is_symlink(entryError) || !it->is_regular_file(entryError)) continue;
    FileDescriptor fd(::open(it->path().c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (fd.Get() < 0 || ::flock(fd.Get(), LOCK_EX | LOCK_NB) != 0) continue;
    ::unlink(it->path().c_str());
  }
}

void SyncDirectory(const fs::path& dir) {
  if (!kSyncToDisk) return;
  FileDescriptor fd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.Get() >= 0) ::fsync(fd.Get());  // makes the rename durable; failing here loses nothing
}

bool SyncAndRename(int fd, const std::string& tempName, const fs::path& target, int* err) {
  if ((kSyncToDisk && ::fsync(fd) != 0) || ::rename(tempName.c_str(), target.c_str()) != 0) {
    *err = errno;
    return false;
  }
  return true;
}

SettingsFileWrite Failure(int err) { return {SettingsWriteOutcome::Failed, ErrnoText(err)}; }

}  // namespace

std::string SettingsTempPattern(const fs::path& file) {
  return file.filename().string() + kTempInfix + std::string(kTempSuffixLength, 'X');
}

bool IsSettingsTempName(const fs::path& file, const std::string& entryName) {
  const std::string prefix = file.filename().string() + kTempInfix;
  return entryName.size() == prefix.size() + kTempSuffixLength && entryName.compare(0, prefix.size(), prefix) == 0;
}

fs::path FollowSymlinks(const fs::path& file) {
  fs::path at = file;
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    std::error_code ec;
    if (!fs::is_symlink(fs::symlink_status(at, ec))) return at;
    const fs::path target = fs::read_symlink(at, ec);
    if (ec) return at;
    at = target.is_absolute() ? target : at.parent_path() / target;
  }
  return at;
}

SettingsFileWrite WriteSettingsFile(const fs::path& file, std::string_view text) {
  const fs::path target = FollowSymlinks(file);
  const fs::path dir = target.parent_path().empty() ? fs::path(".") : target.parent_path();
  struct stat st {};
  const bool exists = ::stat(target.c_str(), &st) == 0;
  if (exists && !S_ISREG(st.st_mode)) return {SettingsWriteOutcome::Failed, "not a regular file"};
  if (exists && IsWriteProtected(target, st)) return {SettingsWriteOutcome::ReadOnly, "read-only"};

  std::error_code ec;
  fs::create_directories(dir, ec);
  RemoveStaleTempFiles(target);
  std::string tempName = (dir / SettingsTempPattern(target)).string();
  FileDescriptor fd(::mkstemp(tempName.data()));
  if (fd.Get() < 0) return Failure(errno);
  // Held until the new file has its name, so another save does not take it for stale.
  ::flock(fd.Get(), LOCK_EX);
  ::fchmod(fd.Get(), exists ? (st.st_mode & 07777) : NewFileMode());
  if (exists) (void)!::fchown(fd.Get(), st.st_uid, st.st_gid);  // only root can; others own it already

  int err = 0;
  if (!WriteAll(fd.Get(), text, &err) || !SyncAndRename(fd.Get(), tempName, target, &err)) {
    ::unlink(tempName.c_str());
    return Failure(err);
  }
  fd.Close();  // the data is on disk already (fsync)
  SyncDirectory(dir);
  return {};
}

std::string CopyFileWhole(const fs::path& from, const fs::path& to) {
  FileDescriptor in(::open(from.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  struct stat st {};
  if (in.Get() < 0) return ErrnoText(errno);
  if (::fstat(in.Get(), &st) != 0 || !S_ISREG(st.st_mode)) return "not a regular file";
  const fs::path dir = to.parent_path().empty() ? fs::path(".") : to.parent_path();
  std::string tempName = (dir / SettingsTempPattern(from)).string();
  FileDescriptor out(::mkstemp(tempName.data()));
  if (out.Get() < 0) return ErrnoText(errno);
  ::flock(out.Get(), LOCK_EX);  // not stale while we write it
  ::fchmod(out.Get(), st.st_mode & 07777);
  std::vector<char> buffer(1 << 16);
  int err = 0;
  for (;;) {
    const ssize_t n = ::read(in.Get(), buffer.data(), buffer.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) err = errno;
    if (n <= 0) break;
    if (!WriteAll(out.Get(), std::string_view(buffer.data(), static_cast<std::size_t>(n)), &err)) break;
  }
  if (err != 0 || !SyncAndRename(out.Get(), tempName, to, &err)) {
    ::unlink(tempName.c_str());
    return ErrnoText(err);
  }
  out.Close();
  SyncDirectory(dir);
  return {};
}
