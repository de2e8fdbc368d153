// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/settings.h"

#include <cstdlib>
#include <system_error>

#include "platform/settings_file.h"
#include "platform/settings_ini.h"

namespace fs = std::filesystem;

namespace {

// A settings file is a few hundred bytes; anything past this is not ours.
constexpr std::size_t kMaxFileBytes = 1 << 20;

}  // namespace

SettingsStore::SettingsStore(fs::path file) : m_file(std::move(file)) {
  const SettingsFileRead read = ReadSettingsFile(*m_file, kMaxFileBytes);
  if (read.outcome == SettingsReadOutcome::Unreadable) {
    m_leaveFileAlone = true;
    Tell(Problem::Unreadable, "The settings file " + m_file->string() + " cannot be read (" + read.reason +
                                  "). Quintaro uses its default settings and leaves the file as it is.");
    return;
  }
  IniParseResult parsed = ParseIni(read.text);
  m_values = std::move(parsed.sections);
  // Parts of the file we could not read must survive our next write.
  m_backupBeforeWrite = read.truncated || parsed.hadUnreadableLines;
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
  const auto current = Raw(section, key);
  m_values[section][key] = value;
  // Storing what is there already needs no save (and keeps a file we only
  // partly understood untouched).
  if (current == value && !m_unsaved && !m_leaveFileAlone) return true;
  m_unsaved = !Save();
  return !m_unsaved;
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

bool SettingsStore::Save() {
  if (!m_file) return true;
  if (m_leaveFileAlone) return false;
  if (m_backupBeforeWrite) {
    // Keep the file we could not fully understand beside the new one.
    std::error_code ec;
    fs::path backup = FollowSymlinks(*m_file);
    backup += ".bad";
    fs::copy_file(FollowSymlinks(*m_file), backup, fs::copy_options::overwrite_existing, ec);
    if (ec) {
      Tell(Problem::SaveFailed, "The settings could not be saved to " + m_file->string() + " (" + ec.message() + ").");
      return false;
    }
    m_backupBeforeWrite = false;
  }
  const SettingsFileWrite written = WriteSettingsFile(*m_file, FormatIni(m_values));
  if (written.outcome == SettingsWriteOutcome::ReadOnly) {
    Tell(Problem::ReadOnly,
         "The settings file " + m_file->string() + " is read-only, so changes to the settings are not saved.");
  } else if (written.outcome == SettingsWriteOutcome::Failed) {
    Tell(Problem::SaveFailed, "The settings could not be saved to " + m_file->string() + " (" + written.reason + ").");
  }
  return written.outcome == SettingsWriteOutcome::Written;
}
