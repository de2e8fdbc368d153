// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the settings file: line by line, in chunks, so that one overlong
// line (or a file that is not ours at all) costs a bounded amount of memory
// and never hides the sections after it.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string_view>
#include <vector>

#include "platform/file_descriptor.h"
#include "platform/settings_file.h"
#include "platform/settings_sections_kept.h"

namespace fs = std::filesystem;

namespace {

SettingsFileRead Unreadable(std::string reason) {
  SettingsFileRead result;
  result.outcome = SettingsReadOutcome::Unreadable;
  result.reason = std::move(reason);
  return result;
}

// Collects whole lines from the pieces the file is read in.
class LineCollector {
 public:
  explicit LineCollector(const SettingsReadLimits& limits) : m_limits(limits), m_sections(limits) {}

  void Take(std::string_view piece) {
    while (!piece.empty()) {
      const auto eol = piece.find('\n');
      Extend(piece.substr(0, eol));
      if (eol == std::string_view::npos) return;
      EndLine();
      piece.remove_prefix(eol + 1);
    }
  }

  // The file ended: a last line without a line break still counts; a line
  // cut off by the size limit does not, nor does the section it is in.
  void Finish(bool cutOff, SettingsFileRead& result) {
    if (cutOff && (m_overlong || !m_line.empty())) {
      m_sections.AddOverlongLine(m_first);  // counted as skipped, its section left out
    } else if (m_overlong || !m_line.empty()) {
      EndLine();
    }
    m_sections.End(cutOff);
    result.text = m_sections.Text();
    result.skippedLines = m_sections.SkippedLines();
  }

 private:
  void Extend(std::string_view part) {
    if (m_first == ' ') {
      const auto at = part.find_first_not_of(" \t");
      if (at != std::string_view::npos) m_first = part[at];
    }
    if (m_overlong) return;
    if (m_line.size() + part.size() > m_limits.maxLineBytes) {
      m_overlong = true;
      std::string().swap(m_line);  // give the memory back at once
      return;
    }
    m_line.append(part);
  }

  void EndLine() {
    if (m_overlong)
      m_sections.AddOverlongLine(m_first);
    else
      m_sections.AddLine(m_line);
    m_line.clear();
    m_overlong = false;
    m_first = ' ';
  }

  const SettingsReadLimits& m_limits;
  SectionsKept m_sections;
  std::string m_line;
  bool m_overlong = false;
  char m_first = ' ';  // the line's first byte that is not a blank (' ' while none)
};

}  // namespace

SettingsFileRead ReadSettingsFile(const fs::path& file, const SettingsReadLimits& limits) {
  struct stat st {};
  if (::stat(file.c_str(), &st) != 0) {
    if (errno == ENOENT || errno == ENOTDIR) return {};  // Missing
    return Unreadable(std::strerror(errno));
  }
  if (!S_ISREG(st.st_mode)) return Unreadable("not a regular file");
  // Non-blocking, so that a pipe swapped in after the check cannot hold us.
  FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (fd.Get() < 0) return Unreadable(std::strerror(errno));
  if (::fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode)) return Unreadable("not a regular file");

  SettingsFileRead result;
  result.outcome = SettingsReadOutcome::Read;
  LineCollector lines(limits);
  std::vector<char> chunk(std::max<std::size_t>(1, limits.chunkBytes));
  std::size_t total = 0;
  for (;;) {
    const std::size_t want = std::min(chunk.size(), limits.maxFileBytes + 1 - total);
    const ssize_t n = ::read(fd.Get(), chunk.data(), want);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return Unreadable(std::strerror(errno));
    if (n == 0) break;
    const auto got = static_cast<std::size_t>(n);
    const std::size_t usable = std::min(got, limits.maxFileBytes - total);
    lines.Take(std::string_view(chunk.data(), usable));
    total += got;
    if (total > limits.maxFileBytes) {
      result.truncated = true;
      break;
    }
  }
  lines.Finish(result.truncated, result);
  return result;
}
