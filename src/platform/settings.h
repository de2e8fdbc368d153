// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The per-user settings store: integers and strings by section and key.
// The file form is an INI file, read tolerantly and written atomically; a
// file that cannot be read is never written over.
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

class SettingsStore {
 public:
  // Kept in memory only (tests, the headless driver).
  SettingsStore() = default;
  // Backed by an INI file; a missing or corrupt file reads as defaults and is
  // never overwritten by reading.
  explicit SettingsStore(std::filesystem::path file);
  // $XDG_CONFIG_HOME/<company>/<app>.ini, falling back to ~/.config.
  static std::filesystem::path DefaultPath(const std::string& company, const std::string& app);

  int GetProfileInt(const std::string& section, const std::string& key, int defaultValue) const;
  std::string GetProfileString(const std::string& section, const std::string& key,
                               const std::string& defaultValue = {}) const;
  // Both write through to the file at once; false when the file was not
  // written (the value is still kept in memory and no existing data is lost).
  bool WriteProfileInt(const std::string& section, const std::string& key, int value);
  bool WriteProfileString(const std::string& section, const std::string& key, const std::string& value);
  std::optional<std::string> Raw(const std::string& section, const std::string& key) const;
  // Every stored value as its text, by section, then key, both sorted.
  using Values = std::map<std::string, std::map<std::string, std::string>>;
  const Values& AllValues() const { return m_values; }

  // Who tells the user what went wrong with the file. Each kind of problem is
  // told once; one found before there is a handler (reading at start-up)
  // waits for it.
  void SetProblemHandler(std::function<void(const std::string&)> handler);

 private:
  enum class Problem { Unreadable, ReadOnly, SaveFailed };
  bool Save();
  void Tell(Problem problem, const std::string& text);

  std::optional<std::filesystem::path> m_file;
  // The file held lines we could not read: keep a copy before replacing it.
  bool m_backupBeforeWrite = false;
  // The file is there but could not be read: it is left as it is.
  bool m_leaveFileAlone = false;
  // Memory holds values the file does not (a save failed).
  bool m_unsaved = false;
  std::map<std::string, std::map<std::string, std::string>> m_values;
  std::function<void(const std::string&)> m_onProblem;
  std::set<Problem> m_told;
  std::vector<std::string> m_waiting;
};
