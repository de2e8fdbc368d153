// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A compiled gettext catalog (.mo) read into memory: the web page's C
// library has no working gettext, so the page looks its texts up here.
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class MoCatalog {
 public:
  // Reads a catalog's bytes; false (and an empty catalog) when they are not one.
  bool Load(std::string_view bytes);
  // The translation of `msgid`, the plural form `form` of it for a counted
  // text; nullptr when the catalog has none.
  const char* Find(const char* msgid, std::size_t form = 0) const;
  std::size_t Size() const { return m_texts.size(); }

 private:
  std::unordered_map<std::string, std::vector<std::string>> m_texts;
};

// Which plural form a count takes in a shipped language (French counts 0 as
// singular; the others only 1).
std::size_t PluralForm(std::string_view language, unsigned long n);
