// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The licences the program is released under and carries: the GNU General
// Public License for the program itself, and the SIL Open Font License for
// the Liberation Sans glyphs built into it. The about box shows them.
#include <string>
#include <string_view>

#include "platform/host.h"

// LICENSES/OFL-1.1.txt as it was at build time.
std::string_view FontLicenceText();
// A plain-text file's paragraphs (ended by blank lines) each on one line, so
// the help window can wrap them to its own width; a short paragraph all in
// capitals (a section title) becomes a subheading.
std::string ReflowPlainText(std::string_view text);
// Both licences in the help window's markup.
std::string LicencesText();
// Shows LicencesText() in a help window; under a script it is only
// reported (`licences shown`).
void RunLicenceWindow(Host& host, bool scripted);
