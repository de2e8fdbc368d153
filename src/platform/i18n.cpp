// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/i18n.h"

#include <unistd.h>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <libintl.h>

#include "platform/mo_catalog.h"

namespace {

constexpr const char* kDomain = "quintaro";

constexpr LanguageChoice kShipped[] = {
    {"en", "English"}, {"de", "Deutsch"}, {"es", "Español"}, {"fr", "Français"}, {"he", "עברית"},
};

std::string g_language = "en";
#ifdef __EMSCRIPTEN__
// The page's C library has gettext's calls but no working lookup: the
// catalog is read here instead.
MoCatalog g_catalog;
#endif
std::string g_held;
std::string g_catalogDir;

bool IsShipped(std::string_view code) {
  for (const LanguageChoice& l : kShipped) {
    if (code == l.code) return true;
  }
  return false;
}

// The first shipped language of the desktop's list ("de_AT.UTF-8:fr"), as
// gettext reads it: LANGUAGE first, then the locale variables.
std::string DesktopLanguage() {
  std::string list;
  for (const char* var : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* value = std::getenv(var);
    if (value && *value) {
      list = value;
      break;
    }
  }
  std::size_t start = 0;
  while (start <= list.size()) {
    const std::size_t end = std::min(list.find(':', start), list.size());
    const std::string entry = list.substr(start, end - start);
    // "de_AT.UTF-8", "de-AT" (a browser's) or "de" all name German.
    const std::string code = entry.substr(0, entry.find_first_of("_.@-"));
    if (IsShipped(code)) return code;
    if (code == "C" || code == "POSIX") return "en";
    start = end + 1;
  }
  return "en";
}

std::string DefaultCatalogDir() {
#ifdef __EMSCRIPTEN__
  return "/locale";  // embedded in the page's module
#endif
  std::error_code ec;
  const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) {
    for (const auto& dir : {exe.parent_path() / "locale", exe.parent_path().parent_path() / "locale"}) {
      if (std::filesystem::is_directory(dir / "de" / "LC_MESSAGES", ec)) return dir.string();
    }
  }
  return QUINTARO_LOCALEDIR;
}

}  // namespace

std::span<const LanguageChoice> ShippedLanguages() { return kShipped; }

void SetCatalogDir(const std::string& dir) { g_catalogDir = dir; }

void HoldLanguage(std::string_view code) {
  g_held = code;
  if (!g_held.empty()) SetLanguage(g_held);
}

void SetLanguage(std::string_view code) {
  if (!g_held.empty()) code = g_held;
  g_language = code.empty() ? DesktopLanguage() : IsShipped(code) ? std::string(code) : "en";
  if (g_catalogDir.empty()) g_catalogDir = DefaultCatalogDir();
  bindtextdomain(kDomain, g_catalogDir.c_str());
  bind_textdomain_codeset(kDomain, "UTF-8");
  // Only the messages category changes: numbers keep their C form.
#ifdef __EMSCRIPTEN__
  std::ifstream in(g_catalogDir + "/" + g_language + "/LC_MESSAGES/" + kDomain + ".mo", std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  g_catalog.Load(bytes);
#else
  // glibc's gettext takes the language from LANGUAGE as long as the messages
  // locale is not "C"; C.UTF-8 is always there, whatever locales the system has.
  setenv("LANGUAGE", g_language.c_str(), 1);
  if (!std::setlocale(LC_MESSAGES, "C.UTF-8")) std::setlocale(LC_MESSAGES, "");
#endif
  // A new language must not be answered from the cache of the old one.
  textdomain(kDomain);
}

std::string_view CurrentLanguage() { return g_language; }

bool RightToLeftUi() { return g_language == "he"; }

const char* Tr(const char* english) {
  if (g_language == "en" || !english || !*english) return english;
#ifdef __EMSCRIPTEN__
  const char* found = g_catalog.Find(english);
  return found ? found : english;
#else
  return dgettext(kDomain, english);
#endif
}

std::string Tr(std::string_view english) { return Tr(std::string(english).c_str()); }

const char* TrN(const char* one, const char* many, unsigned long n) {
  if (g_language == "en") return n == 1 ? one : many;
#ifdef __EMSCRIPTEN__
  const char* found = g_catalog.Find(one, PluralForm(g_language, n));
  return found ? found : n == 1 ? one : many;
#else
  return dngettext(kDomain, one, many, n);
#endif
}

namespace {
ShownTextTranslator g_shown = nullptr;
}  // namespace

void SetShownTextTranslator(ShownTextTranslator translator) { g_shown = translator; }

std::string TrShown(std::string_view english) {
  if (g_language == "en" || english.empty()) return std::string(english);
  return g_shown ? g_shown(english) : Tr(english);
}
