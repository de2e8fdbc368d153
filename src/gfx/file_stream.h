// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small read-only byte stream for loading pictures: over a file on disk
// (CFile) or over bytes already in memory (CMemFile). A read past the end
// simply returns fewer bytes; callers check the count.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <span>

#include "platform/types.h"

class CFile {
 public:
  enum SeekPosition : UINT { begin = 0, current = 1, end = 2 };

  CFile() = default;
  virtual ~CFile() = default;
  CFile(const CFile&) = delete;
  CFile& operator=(const CFile&) = delete;

  // Opens a file for reading; FALSE when it cannot be opened.
  BOOL Open(const std::filesystem::path& path);
  void Close();
  bool IsOpen() const { return m_file != nullptr; }

  // Reads up to `count` bytes; returns how many were read.
  virtual UINT Read(void* buffer, UINT count);
  // Moves the position; returns the new position, or -1 when refused (the
  // position is then unchanged). Positions past the end are allowed.
  virtual std::int64_t Seek(std::int64_t offset, UINT from);
  virtual std::int64_t GetPosition() const;
  virtual std::int64_t GetLength() const;

 private:
  struct Closer {
    void operator()(std::FILE* f) const { std::fclose(f); }
  };
  std::unique_ptr<std::FILE, Closer> m_file;
};

// A stream over bytes owned by someone else; they must outlive the stream.
class CMemFile : public CFile {
 public:
  explicit CMemFile(std::span<const BYTE> bytes) : m_bytes(bytes) {}

  UINT Read(void* buffer, UINT count) override;
  std::int64_t Seek(std::int64_t offset, UINT from) override;
  std::int64_t GetPosition() const override { return m_pos; }
  std::int64_t GetLength() const override { return static_cast<std::int64_t>(m_bytes.size()); }

 private:
  std::span<const BYTE> m_bytes;
  std::int64_t m_pos = 0;
};
