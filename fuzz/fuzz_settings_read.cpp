// SPDX-License-Identifier: GPL-3.0-or-later
// The settings reader's path for big files, on small inputs: the first bytes
// choose the limits (chunk, line and file sizes of a few bytes), the rest is
// the file. What it keeps must be exactly the whole sections the rules keep,
// in order, and a file read only in part must say so.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/settings_file.h"
#include "platform/settings_ini.h"

namespace fs = std::filesystem;

namespace {

char g_dir[4096];

void RemoveDirectory() {
  std::error_code ec;
  fs::remove_all(g_dir, ec);
}

fs::path WorkFile() {
  if (g_dir[0] == '\0') {
    const fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    const std::string pattern = (base / "quintaro-fuzz-read-XXXXXX").string();
    if (pattern.size() >= sizeof g_dir) std::abort();
    pattern.copy(g_dir, pattern.size());
    if (::mkdtemp(g_dir) == nullptr) std::abort();
    std::atexit(RemoveDirectory);
  }
  return fs::path(g_dir) / "Quintaro.ini";
}

// The same rules, written the plain way: the whole text at once, each
// section in a list, the one that makes room found by looking at them all.
class Model {
 public:
  explicit Model(const SettingsReadLimits& limits) : m_limits(limits) {}

  SettingsFileRead Read(std::string_view text) {
    SettingsFileRead r;
    r.outcome = SettingsReadOutcome::Read;
    r.truncated = text.size() > m_limits.maxFileBytes;
    if (r.truncated) text = text.substr(0, m_limits.maxFileBytes);
    while (!text.empty()) {
      const auto eol = text.find('\n');
      const std::string_view line = text.substr(0, eol);
      text = eol == std::string_view::npos ? std::string_view{} : text.substr(eol + 1);
      if (eol == std::string_view::npos && r.truncated) {
        Overlong(line);  // cut off: skipped, its section with it
      } else if (line.size() > m_limits.maxLineBytes) {
        Overlong(line);
      } else {
        Line(line);
      }
    }
    if (r.truncated) Drop();
    for (const Section& s : m_sections) r.text += s.text;
    r.skippedLines = m_skipped;
    return r;
  }

 private:
  struct Section {
    std::string text;
    std::size_t lines = 0;
    bool own = false;
    bool kept = true;
  };

  static char First(std::string_view line) {
    const auto at = line.find_first_not_of(" \t");
    return at == std::string_view::npos ? ' ' : line[at];
  }

  void Start(bool own) {
    m_sections.push_back({{}, 0, own, true});
    m_open = true;
    m_dropping = false;
  }

  void Forget(Section& s) {
    m_kept -= s.text.size();
    m_skipped += s.lines;
    s.text.clear();
    s.kept = false;
  }

  void Drop() {
    if (!m_open) return;
    Forget(m_sections.back());
    m_open = false;
    m_dropping = true;
  }

  void Line(std::string_view line) {
    if (First(line) == '[') {
      const auto name = SectionHeaderName(line);
      Start(name && m_limits.ownSections.contains(*name));
    } else if (m_dropping) {
      ++m_skipped;
      return;
    } else if (!m_open) {
      Start(false);
    }
    while (m_kept + line.size() + 1 > m_limits.maxTextBytes) {
      std::size_t largest = m_sections.size();
      for (std::size_t i = 0; i + 1 < m_sections.size(); ++i) {
        const Section& s = m_sections[i];
        if (s.kept && !s.own && (largest == m_sections.size() || s.text.size() >= m_sections[largest].text.size()))
          largest = i;
      }
      if (!m_sections.back().own || largest == m_sections.size()) {
        Drop();
        ++m_skipped;
        return;
      }
      Forget(m_sections[largest]);
    }
    m_sections.back().text.append(line).append(1, '\n');
    ++m_sections.back().lines;
    m_kept += line.size() + 1;
  }

  void Overlong(std::string_view line) {
    ++m_skipped;
    if (First(line) == '[' || (!m_open && !m_dropping)) {
      Start(false);
      Drop();
    } else if (m_open && !m_sections.back().own) {
      Drop();
    }
  }

  const SettingsReadLimits& m_limits;
  std::vector<Section> m_sections;
  bool m_open = false;
  bool m_dropping = false;
  std::size_t m_kept = 0;
  std::size_t m_skipped = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 4) return 0;
  SettingsReadLimits limits;
  limits.chunkBytes = 1 + data[0] % 16;
  limits.maxLineBytes = data[1] % 64;
  limits.maxTextBytes = data[2] * 4u;
  limits.maxFileBytes = data[3] * 8u;
  limits.ownSections = {"a", "b", "Settings"};
  const std::string_view text(reinterpret_cast<const char*>(data) + 4, size - 4);
  const fs::path file = WorkFile();
  std::ofstream(file, std::ios::binary | std::ios::trunc) << text;

  const SettingsFileRead got = ReadSettingsFile(file, limits);
  const SettingsFileRead want = Model(limits).Read(text);
  if (got.outcome != SettingsReadOutcome::Read || got.text != want.text || got.truncated != want.truncated ||
      got.skippedLines != want.skippedLines)
    std::abort();
  return 0;
}
