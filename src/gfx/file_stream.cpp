// SPDX-License-Identifier: GPL-3.0-or-later
#include "gfx/file_stream.h"

#include <algorithm>
#include <cstring>

BOOL CFile::Open(const std::filesystem::path& path) {
  m_file.reset(std::fopen(path.c_str(), "rb"));
  return m_file ? TRUE : FALSE;
}

void CFile::Close() { m_file.reset(); }

UINT CFile::Read(void* buffer, UINT count) {
  if (!m_file || count == 0) return 0;
  return static_cast<UINT>(std::fread(buffer, 1, count, m_file.get()));
}

std::int64_t CFile::Seek(std::int64_t offset, UINT from) {
  if (!m_file) return -1;
  const int whence = from == current ? SEEK_CUR : from == end ? SEEK_END : SEEK_SET;
  if (fseeko(m_file.get(), static_cast<off_t>(offset), whence) != 0) return -1;
  return GetPosition();
}

std::int64_t CFile::GetPosition() const {
  if (!m_file) return -1;
  return static_cast<std::int64_t>(ftello(m_file.get()));
}

std::int64_t CFile::GetLength() const {
  if (!m_file) return 0;
  std::FILE* f = m_file.get();
  const off_t here = ftello(f);
  if (here < 0 || fseeko(f, 0, SEEK_END) != 0) return 0;
  const off_t length = ftello(f);
  fseeko(f, here, SEEK_SET);
  return length < 0 ? 0 : static_cast<std::int64_t>(length);
}

UINT CMemFile::Read(void* buffer, UINT count) {
  const auto size = static_cast<std::int64_t>(m_bytes.size());
  if (m_pos >= size || count == 0) return 0;
  const auto n = static_cast<std::size_t>(std::min<std::int64_t>(count, size - m_pos));
  std::memcpy(buffer, m_bytes.data() + m_pos, n);
  m_pos += static_cast<std::int64_t>(n);
  return static_cast<UINT>(n);
}

std::int64_t CMemFile::Seek(std::int64_t offset, UINT from) {
  const std::int64_t base = from == current ? m_pos : from == end ? GetLength() : 0;
  // Guard the sum against overflow before forming it.
  if ((offset > 0 && base > INT64_MAX - offset) || base + offset < 0) return -1;
  m_pos = base + offset;
  return m_pos;
}
