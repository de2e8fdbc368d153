// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/settings_sections_kept.h"

#include "platform/settings_ini.h"

namespace {

bool OpensSection(std::string_view line) {
  const auto at = line.find_first_not_of(" \t");
  return at != std::string_view::npos && line[at] == '[';
}

}  // namespace

void SectionsKept::AddLine(std::string_view line) {
  if (OpensSection(line)) {
    const auto name = SectionHeaderName(line);
    StartSection(name && m_limits.ownSections.contains(*name));
  } else if (m_dropping) {
    ++m_skipped;
    return;
  } else if (!m_open) {
    StartSection(false);  // lines before any section: no one's
  }
  Keep(line);
}

void SectionsKept::AddOverlongLine(char first) {
  ++m_skipped;
  // A header too long to read: what follows it belongs to no section we know.
  // The same for a line before any section.
  if (first == '[' || (!m_open && !m_dropping)) {
    StartSection(false);
    DropCurrent();
    return;
  }
  // No value of ours is that long: the line is skipped. In anyone else's
  // section it may be a value, and the section is not kept in part.
  if (m_open && !m_sections.back().own) DropCurrent();
}

void SectionsKept::End(bool cutOff) {
  if (cutOff && m_open) DropCurrent();
  CloseSection();
}

std::string SectionsKept::Text() const {
  std::string text;
  text.reserve(m_kept);
  for (const Section& s : m_sections) text += s.text;
  return text;
}

void SectionsKept::StartSection(bool own) {
  CloseSection();
  m_dropping = false;
  m_sections.push_back(Section{{}, 0, m_count++, own});
  m_open = true;
}

void SectionsKept::CloseSection() {
  if (m_open && !m_sections.back().own) m_others.push(std::prev(m_sections.end()));
  m_open = false;
}

void SectionsKept::Keep(std::string_view line) {
  Section& current = m_sections.back();
  while (m_kept + line.size() + 1 > m_limits.maxTextBytes) {
    if (!current.own || m_others.empty()) {
      DropCurrent();
      ++m_skipped;
      return;
    }
    const Place largest = m_others.top();
    m_others.pop();
    m_kept -= largest->text.size();
    m_skipped += largest->lines;
    m_sections.erase(largest);
  }
  current.text.append(line).append(1, '\n');
  ++current.lines;
  m_kept += line.size() + 1;
}

void SectionsKept::DropCurrent() {
  if (!m_open) return;
  m_kept -= m_sections.back().text.size();
  m_skipped += m_sections.back().lines;
  m_sections.pop_back();
  m_open = false;
  m_dropping = true;
}
