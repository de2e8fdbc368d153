// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/language_choice.h"

#include <string>

#include "platform/i18n.h"
#include "platform/settings.h"
#include "res/resource_ids.h"

namespace {

constexpr const char* kSection = "Settings";
constexpr const char* kKey = "Language";

// The stored code when it is one the program ships, else "" (the desktop's).
std::string StoredCode(const SettingsStore& settings) {
  const std::string code = settings.GetProfileString(kSection, kKey, "");
  for (const LanguageChoice& l : ShippedLanguages()) {
    if (code == l.code) return code;
  }
  return "";
}

}  // namespace

void RestoreLanguage(const SettingsStore& settings) { SetLanguage(StoredCode(settings)); }

bool ChooseLanguage(SettingsStore& settings, UINT id) {
  if (id < ID_OPTIONS_LANGUAGE_DESKTOP || id > ID_OPTIONS_LANGUAGE_LAST) return false;
  const auto shipped = ShippedLanguages();
  const std::size_t index = id - ID_OPTIONS_LANGUAGE_FIRST;
  const std::string code = id == ID_OPTIONS_LANGUAGE_DESKTOP || index >= shipped.size() ? "" : shipped[index].code;
  settings.WriteProfileString(kSection, kKey, code);
  SetLanguage(code);
  return true;
}

UINT ChosenLanguageCommand(const SettingsStore& settings) {
  const std::string code = StoredCode(settings);
  const auto shipped = ShippedLanguages();
  for (std::size_t i = 0; i < shipped.size(); ++i) {
    if (code == shipped[i].code) return ID_OPTIONS_LANGUAGE_FIRST + static_cast<UINT>(i);
  }
  return ID_OPTIONS_LANGUAGE_DESKTOP;
}
