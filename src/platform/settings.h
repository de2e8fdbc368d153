// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The per-user settings store: integers and strings by section and key.
// The file form is an INI file, read tolerantly and written atomically; a
// file that cannot be read is never written over, and a file read only in
// part is kept beside the new one. Several copies of the program may share
// the file: each save re-reads it under a lock and changes only the values
// this copy changed.
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/settings_file.h"
#include "platform/settings_merge.h"

class SettingsStore {
 public:
  // Kept in memory only (tests, the headless driver).
  SettingsStore() = default;
  // Backed by an INI file; a missing or corrupt file reads as defaults and is
  // never overwritten by reading.
  explicit SettingsStore(std::filesystem::path file, SettingsReadLimits limits = DefaultReadLimits());
  // $XDG_CONFIG_HOME/<company>/<app>.ini, falling back to ~/.config.
  static std::filesystem::path DefaultPath(const std::string& company, const std::string& app);
  // The file behind the store (none when it is kept in memory only).
  const std::optional<std::filesystem::path>& File() const { return m_file; }
  // The limits a file is read with (smaller in the fuzz build, so that small
  // inputs reach the paths a big file takes).
  static SettingsReadLimits DefaultReadLimits();

  int GetProfileInt(const std::string& section, const std::string& key, int defaultValue) const;
  std::string GetProfileString(const std::string& section, const std::string& key,
                               const std::string& defaultValue = {}) const;
  // Both write through to the file at once (or when the enclosing
  // SettingsGroup ends); false when the file was not written (the value is
  // still kept in memory and no existing data is lost).
  bool WriteProfileInt(const std::string& section, const std::string& key, int value);
  bool WriteProfileString(const std::string& section, const std::string& key, const std::string& value);
  std::optional<std::string> Raw(const std::string& section, const std::string& key) const;
  // Every stored value as its text, by section, then key, both sorted.
  using Values = IniSections;
  const Values& AllValues() const { return m_values; }

  // How a section whose keys belong together is merged when another copy
  // changed the file since this one last read it.
  void SetSectionMerge(const std::string& section, SectionMerge merge);

  // Who tells the user what went wrong with the file. Each kind of problem is
  // told once; one found before there is a handler (reading at start-up)
  // waits for it.
  void SetProblemHandler(std::function<void(const std::string&)> handler);

 private:
  friend class SettingsGroup;
  enum class Problem { Unreadable, PartlyUnreadable, ReadOnly, SaveFailed };
  void BeginGroup() { ++m_groupDepth; }
  bool EndGroup();
  bool Save();
  bool WriteMerged(const IniSections& onDisk, bool originalKept);
  // Leaves out whole sections this copy did not change, the largest first,
  // until the file fits what a read keeps: a value saved is a value read back.
  // False when a copy of the file was needed first and could not be made.
  bool FitWithinReadLimit(IniSections& merged, bool originalKept);
  // Keeps a copy of the file as it is now; false (and told) when none could be made.
  bool KeepBadOriginal();
  void Tell(Problem problem, const std::string& text);

  std::optional<std::filesystem::path> m_file;
  SettingsReadLimits m_limits;
  // The file is there but could not be read: it is left as it is.
  bool m_leaveFileAlone = false;
  // Memory holds values the file does not (a save failed).
  bool m_unsaved = false;
  int m_groupDepth = 0;
  bool m_groupChanged = false;
  Values m_values;
  // The file as this copy last read or wrote it: what differs from it is ours to save.
  Values m_base;
  SectionMerges m_merges;
  std::function<void(const std::string&)> m_onProblem;
  std::set<Problem> m_told;
  std::vector<std::string> m_waiting;
};

// The writes made while a group lives are saved together in one save when it
// ends: a reader of the file sees all of them or none of them.
class SettingsGroup {
 public:
  explicit SettingsGroup(SettingsStore& store) : m_store(store) { m_store.BeginGroup(); }
  ~SettingsGroup() {
    if (!m_ended) m_store.EndGroup();
  }
  SettingsGroup(const SettingsGroup&) = delete;
  SettingsGroup& operator=(const SettingsGroup&) = delete;
  // Ends the group now; false when the file was not written.
  bool Commit() {
    m_ended = true;
    return m_store.EndGroup();
  }

 private:
  SettingsStore& m_store;
  bool m_ended = false;
};
