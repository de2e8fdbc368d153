// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A POSIX file descriptor that is closed when it goes out of scope.
#include <unistd.h>

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd = -1) : m_fd(fd) {}
  ~FileDescriptor() { Close(); }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  FileDescriptor(FileDescriptor&& other) noexcept : m_fd(other.m_fd) { other.m_fd = -1; }
  FileDescriptor& operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
      Close();
      m_fd = other.m_fd;
      other.m_fd = -1;
    }
    return *this;
  }
  int Get() const { return m_fd; }
  // Gives the descriptor up without closing it.
  int Release() {
    const int fd = m_fd;
    m_fd = -1;
    return fd;
  }
  void Close() {
    if (m_fd >= 0) ::close(m_fd);
    m_fd = -1;
  }

 private:
  int m_fd;
};
