// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player's language: texts are written in English in the sources and
// looked up in the catalogs (gettext, domain "quintaro") where they reach the
// screen. The language comes from the desktop (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG) unless the player picked one under Options > Language.
#include <span>
#include <string>
#include <string_view>

// Marks a text for the catalog where it is written; it is translated where
// it is shown.
#define N_(text) text
// Marks the singular and plural of a counted text for the catalog.
#define NN_(one, many) one, many

struct LanguageChoice {
  const char* code;  // "" follows the desktop
  const char* name;  // in its own language
};
// The languages the program ships, English first; "" (the desktop's) is not among them.
std::span<const LanguageChoice> ShippedLanguages();

// Chooses the language: a shipped code, or "" for the desktop's. An unknown
// code falls back to English.
void SetLanguage(std::string_view code);
// The language in use: "en" or one of ShippedLanguages().
std::string_view CurrentLanguage();
// Whether the language in use is written right to left.
bool RightToLeftUi();
// Where the catalogs are looked for ("<dir>/<code>/LC_MESSAGES/quintaro.mo");
// by default beside the program in a build tree, else the installed place.
void SetCatalogDir(const std::string& dir);

// The translation of an English text, or the text itself.
const char* Tr(const char* english);
std::string Tr(std::string_view english);
// The singular or plural, translated, chosen for `n`.
const char* TrN(const char* one, const char* many, unsigned long n);

// A text as it reaches the screen, translated: whole, or as one of the
// catalog's formats ("%s wins") with its parts translated in turn. The
// resource layer installs the formats; until then only whole texts are.
using ShownTextTranslator = std::string (*)(std::string_view english);
void SetShownTextTranslator(ShownTextTranslator translator);
std::string TrShown(std::string_view english);

// Keeps the language at `code` whatever SetLanguage is asked for later (the
// headless driver holds English so transcripts stay the same); "" lets go.
void HoldLanguage(std::string_view code);
