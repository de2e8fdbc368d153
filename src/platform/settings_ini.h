// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The INI text form of the settings store, independent of files: a tolerant
// reader and a writer whose output the reader gives back unchanged.
#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>

using IniSections = std::map<std::string, std::map<std::string, std::string>>;

struct IniParseResult {
  IniSections sections;
  // Some lines could not be understood; their content is not in `sections`.
  bool hadUnreadableLines = false;
};

// Reads "[Section]" and "Key=Value" lines; anything else is skipped. The first
// occurrence of a key wins.
IniParseResult ParseIni(std::string_view text);
// The section a "[Name]" line opens (spaces around it and a final '\r' are
// allowed), or nothing when the line is no readable section header.
std::optional<std::string> SectionHeaderName(std::string_view line);
std::string FormatIni(const IniSections& sections);
// The length of the line FormatIni writes for one key, without its line break.
std::size_t FormattedLineLength(const std::string& key, const std::string& value);
// The same for a section's "[Name]" line.
std::size_t FormattedHeaderLength(const std::string& section);

// Leading optional sign and decimal digits, as the classic profile reader
// takes them ("12abc" is 12); anything else gives `defaultValue`. Saturates.
int ParseProfileInt(std::string_view text, int defaultValue);
