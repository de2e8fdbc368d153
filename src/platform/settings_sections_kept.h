// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Which sections of a settings file are kept when the file holds more than a
// read keeps: whole sections only, the program's own before anyone else's.
#include <cstddef>
#include <list>
#include <queue>
#include <string>
#include <string_view>
#include <vector>

#include "platform/settings_file.h"

class SectionsKept {
 public:
  explicit SectionsKept(const SettingsReadLimits& limits) : m_limits(limits) {}

  // One whole line of the file, without its line break.
  void AddLine(std::string_view line);
  // A line longer than maxLineBytes, of which only the first byte is known.
  void AddOverlongLine(char first);
  // The file ended; `cutOff` when the size limit ended it in the middle,
  // leaving the last section incomplete.
  void End(bool cutOff);

  // The kept sections in file order, and the number of lines left out.
  std::string Text() const;
  std::size_t SkippedLines() const { return m_skipped; }

 private:
  struct Section {
    std::string text;
    std::size_t lines = 0;
    std::size_t order = 0;
    bool own = false;
  };
  using Place = std::list<Section>::iterator;
  // Orders the other programs' sections for making room: the largest first,
  // of two the same size the later one.
  struct Roomier {
    bool operator()(const Place& a, const Place& b) const {
      return a->text.size() != b->text.size() ? a->text.size() < b->text.size() : a->order < b->order;
    }
  };

  void StartSection(bool own);
  void CloseSection();
  // Adds a line to the current section, making room if it is one of ours.
  void Keep(std::string_view line);
  void DropCurrent();

  const SettingsReadLimits& m_limits;
  std::list<Section> m_sections;  // kept so far, in file order
  // The other programs' finished sections, for making room.
  std::priority_queue<Place, std::vector<Place>, Roomier> m_others;
  bool m_open = false;      // the last of m_sections is still being read
  bool m_dropping = false;  // the section being read was left out: so are its lines
  std::size_t m_kept = 0;
  std::size_t m_skipped = 0;
  std::size_t m_count = 0;
};
