// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/licences.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "platform/i18n.h"
#include "ui/help_window.h"
#include "version_config.h"

namespace {

constexpr std::string_view kProgramNotice = R"(# Quintaro Games

)" QUINTARO_COPYRIGHT R"(

This program is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version.

This program is distributed in the hope that it will be useful, but WITHOUT ANY WARRANTY; without even the implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE. See the GNU General Public License for more details.

You should have received a copy of the GNU General Public License along with this program (on Debian: /usr/share/common-licenses/GPL-3). If not, see https://www.gnu.org/licenses/.

# Liberation Sans

The program's text is drawn with glyphs of the Liberation Sans font, rasterised when the program is built. The font is used under the SIL Open Font License, Version 1.1, also installed beside the program's documentation (/usr/share/doc/quintaro/):

)";

bool IsSectionTitle(std::string_view paragraph) {
  const bool hasLetter = std::any_of(paragraph.begin(), paragraph.end(), [](unsigned char c) { return std::isalpha(c); });
  const bool noLower = std::none_of(paragraph.begin(), paragraph.end(), [](unsigned char c) { return std::islower(c); });
  return hasLetter && noLower && paragraph.size() <= 40;
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

}  // namespace

std::string ReflowPlainText(std::string_view text) {
  std::vector<std::string> paragraphs(1);
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const std::string_view line = Trim(text.substr(start, end - start));
    start = end + 1;
    std::string& current = paragraphs.back();
    if (line.empty()) {
      if (!current.empty()) paragraphs.emplace_back();
      continue;
    }
    if (!current.empty()) current += ' ';
    current += line;
  }
  std::string out;
  for (const std::string& paragraph : paragraphs) {
    if (paragraph.empty()) continue;
    if (!out.empty()) out += "\n\n";
    if (IsSectionTitle(paragraph)) out += "## ";
    out += paragraph;
  }
  return out + "\n";
}

std::string LicencesText() { return std::string(kProgramNotice) + ReflowPlainText(FontLicenceText()); }

void RunLicenceWindow(Host& host, bool scripted) {
  if (scripted) {
    host.Report("licences shown");
    return;
  }
  CHelpWindow window(host, Tr("Quintaro Games Licences"), LicencesText());
  window.Create();
  window.RunModal();
}
