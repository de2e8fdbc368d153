// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/settings.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/settings_backup.h"
#include "platform/settings_ini.h"
#include "platform/settings_lock.h"

namespace fs = std::filesystem;

SettingsReadLimits SettingsStore::DefaultReadLimits() {
  SettingsReadLimits limits;
  limits.ownSections = {"Settings",   "Window",     "Players",    "Wall Of Fame", "Statistics", "Air Hockey",
                        "AirHockey",  "Basketball", "Bowling",    "Darts",        "Football",   "Pool"};
#ifdef QUINTARO_SETTINGS_SMALL_LIMITS
  // Inputs of a few kilobytes then take the paths of a file of many megabytes.
  limits.chunkBytes = 64;
  limits.maxLineBytes = 256;
  limits.maxTextBytes = 2048;
  limits.maxFileBytes = 8192;
#endif
  return limits;
}

SettingsStore::SettingsStore(fs::path file, SettingsReadLimits limits) : m_file(std::move(file)), m_limits(limits) {
  // Saves replace the file whole, so reading needs no lock.
  const SettingsFileRead read = ReadSettingsFile(*m_file, m_limits);
  if (read.outcome == SettingsReadOutcome::Unreadable) {
    m_leaveFileAlone = true;
    Tell(Problem::Unreadable, "The settings file " + m_file->string() + " cannot be read (" + read.reason +
                                  "). Quintaro uses its default settings and leaves the file as it is.");
    return;
  }
  IniParseResult parsed = ParseIni(read.text);
  m_values = std::move(parsed.sections);
  m_base = m_values;
  if (read.PartlyRead() || parsed.hadUnreadableLines) {
    const SettingsLock lock(*m_file);
    KeepBadOriginal();  // when no copy can be made now, the first save tries again
  }
}

fs::path SettingsStore::DefaultPath(const std::string& company, const std::string& app) {
  fs::path base;
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg != nullptr && xdg[0] == '/') {
    base = xdg;
  } else if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') {
    base = fs::path(home) / ".config";
  } else {
    base = fs::current_path();
  }
  return base / company / (app + ".ini");
}

std::optional<std::string> SettingsStore::Raw(const std::string& section, const std::string& key) const {
  const auto s = m_values.find(section);
  if (s == m_values.end()) return std::nullopt;
  const auto k = s->second.find(key);
  if (k == s->second.end()) return std::nullopt;
  return k->second;
}

int SettingsStore::GetProfileInt(const std::string& section, const std::string& key, int defaultValue) const {
  const auto raw = Raw(section, key);
  return raw ? ParseProfileInt(*raw, defaultValue) : defaultValue;
}

std::string SettingsStore::GetProfileString(const std::string& section, const std::string& key,
                                            const std::string& defaultValue) const {
  return Raw(section, key).value_or(defaultValue);
}

bool SettingsStore::WriteProfileInt(const std::string& section, const std::string& key, int value) {
  return WriteProfileString(section, key, std::to_string(value));
}

bool SettingsStore::WriteProfileString(const std::string& section, const std::string& key, const std::string& value) {
  if (section.empty() || key.empty()) return false;
  // A line longer than a read takes would be lost on the next start: refused.
  if (FormattedLineLength(key, value) + 1 > m_limits.maxLineBytes ||
      FormattedHeaderLength(section) + 1 > m_limits.maxLineBytes)
    return false;
  const auto current = Raw(section, key);
  m_values[section][key] = value;
  // Storing what is there already needs no save (and keeps a file we only
  // partly understood untouched).
  if (current == value && !m_unsaved && !m_leaveFileAlone) return true;
  if (m_groupDepth > 0) {
    m_groupChanged = true;
    return true;
  }
  m_unsaved = !Save();
  return !m_unsaved;
}

bool SettingsStore::EndGroup() {
  if (m_groupDepth > 0) --m_groupDepth;
  if (m_groupDepth > 0 || !m_groupChanged) return !m_unsaved;
  m_groupChanged = false;
  m_unsaved = !Save();
  return !m_unsaved;
}

void SettingsStore::SetSectionMerge(const std::string& section, SectionMerge merge) {
  m_merges[section] = std::move(merge);
}

void SettingsStore::SetProblemHandler(std::function<void(const std::string&)> handler) {
  m_onProblem = std::move(handler);
  if (!m_onProblem) return;
  std::vector<std::string> waiting;
  waiting.swap(m_waiting);
  for (const std::string& text : waiting) m_onProblem(text);
}

void SettingsStore::Tell(Problem problem, const std::string& text) {
  if (!m_told.insert(problem).second) return;
  if (m_onProblem)
    m_onProblem(text);
  else
    m_waiting.push_back(text);
}

bool SettingsStore::KeepBadOriginal() {
  const BadCopy copy = KeepBadCopy(*m_file, std::time(nullptr));
  if (!copy.kept) {
    Tell(Problem::SaveFailed, "The settings could not be saved to " + m_file->string() +
                                  " (no copy of the partly unreadable file could be kept: " + copy.reason + ").");
    return false;
  }
  Tell(Problem::PartlyUnreadable, "Part of the settings file " + m_file->string() +
                                      " could not be read. Quintaro uses the rest and has kept the original file as " +
                                      copy.path.string() + ".");
  return true;
}

bool SettingsStore::Save() {
  if (!m_file) return true;
  if (m_leaveFileAlone) return false;
  // Another copy of the program may have saved since we read the file: read
  // it again, and let no one else save until ours is in place.
  const SettingsLock lock(*m_file);
  const SettingsFileRead disk = ReadSettingsFile(*m_file, m_limits);
  if (disk.outcome == SettingsReadOutcome::Unreadable) {
    Tell(Problem::SaveFailed, "The settings could not be saved to " + m_file->string() + " (" + disk.reason + ").");
    return false;
  }
  // A file that went missing is written again whole, from what we hold.
  if (disk.outcome == SettingsReadOutcome::Missing) return WriteMerged(m_base, false);
  const IniParseResult parsed = ParseIni(disk.text);
  // What we could not read is kept before the file is replaced.
  const bool partly = disk.PartlyRead() || parsed.hadUnreadableLines;
  if (partly && !KeepBadOriginal()) return false;
  return WriteMerged(parsed.sections, partly);
}

bool SettingsStore::FitWithinReadLimit(IniSections& merged, bool originalKept) {
  const auto changedHere = [this](const std::string& section) {
    const auto mine = m_values.find(section);
    const auto base = m_base.find(section);
    return mine != m_values.end() && (base == m_base.end() || base->second != mine->second);
  };
  const auto keepCopy = [&] { return originalKept || !fs::exists(*m_file) || (originalKept = KeepBadOriginal()); };
  // A line that grew past what a read takes (escaping lengthens it) is left
  // out; a section whose own name did is left out whole.
  for (auto section = merged.begin(); section != merged.end();) {
    if (changedHere(section->first) || FormattedHeaderLength(section->first) + 1 <= m_limits.maxLineBytes) {
      ++section;
      continue;
    }
    if (!keepCopy()) return false;
    section = merged.erase(section);
  }
  for (auto& [section, keys] : merged) {
    if (changedHere(section)) continue;
    for (auto key = keys.begin(); key != keys.end();) {
      if (FormattedLineLength(key->first, key->second) + 1 <= m_limits.maxLineBytes) {
        ++key;
        continue;
      }
      if (!keepCopy()) return false;
      key = keys.erase(key);
    }
  }
  std::size_t size = FormatIni(merged).size();
  if (size <= m_limits.maxTextBytes) return true;
  if (!keepCopy()) return false;
  // Other programs' sections go first, the largest first; ours only when
  // theirs are not enough.
  std::vector<std::tuple<bool, std::size_t, std::string>> untouched;
  for (const auto& [section, keys] : merged) {
    if (changedHere(section)) continue;
    untouched.emplace_back(!m_limits.ownSections.contains(section), FormatIni(IniSections{{section, keys}}).size(),
                           section);
  }
  std::sort(untouched.rbegin(), untouched.rend());
  for (const auto& [others, bytes, section] : untouched) {
    if (size <= m_limits.maxTextBytes) break;
    merged.erase(section);
    size = FormatIni(merged).size();
  }
  return true;
}

bool SettingsStore::WriteMerged(const IniSections& onDisk, bool originalKept) {
  IniSections merged = MergeSettings(m_base, m_values, onDisk, m_merges);
  if (!FitWithinReadLimit(merged, originalKept)) return false;
  const SettingsFileWrite written = WriteSettingsFile(*m_file, FormatIni(merged));
  if (written.outcome == SettingsWriteOutcome::ReadOnly) {
    Tell(Problem::ReadOnly,
         "The settings file " + m_file->string() + " is read-only, so changes to the settings are not saved.");
  } else if (written.outcome == SettingsWriteOutcome::Failed) {
    Tell(Problem::SaveFailed, "The settings could not be saved to " + m_file->string() + " (" + written.reason + ").");
  }
  if (written.outcome != SettingsWriteOutcome::Written) return false;
  // This copy now sees what the others saved too.
  m_values = merged;
  m_base = std::move(merged);
  return true;
}
