// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts the games and the shell put together from a format and names or
// numbers ("Ann wins. Click to play again."), and the fixed texts they show,
// listed once here so the catalog holds them. A shown text is translated by
// finding the format it was made from, translating the format (its plural
// form chosen by the number in it) and putting the parts back in.
#include <span>
#include <string>
#include <string_view>

struct ShownFormat {
  const char* one;           // the English format, "%s" and "%d" for the parts
  const char* many = nullptr;  // the plural, for a format counted by its "%d"
};
std::span<const ShownFormat> ShownFormats();

// `english` as the player reads it in the language in use.
std::string TranslateShownText(std::string_view english);
// Installs TranslateShownText for TrShown (platform/i18n.h).
void InstallShownTextTranslator();
