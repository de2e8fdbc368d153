// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's help: how to play each game and how to use the menus and
// settings. Markup: "# " starts a heading, "## " a subheading, "- " a
// bullet; a blank line ends a paragraph.
#include <string_view>

std::string_view HelpText();
