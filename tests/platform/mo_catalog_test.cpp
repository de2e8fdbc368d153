// SPDX-License-Identifier: GPL-3.0-or-later
// The web page's catalog reader finds what glibc's gettext finds in the same
// compiled catalogs, and a damaged catalog is refused without harm.
#include <gtest/gtest.h>

#include <libintl.h>

#include <fstream>
#include <iterator>
#include <string>

#include "platform/i18n.h"
#include "platform/mo_catalog.h"
#include "res/shown_text.h"

namespace {

std::string ReadCatalog(const std::string& code) {
  std::ifstream in(std::string(QUINTARO_TEST_LOCALEDIR) + "/" + code + "/LC_MESSAGES/quintaro.mo", std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

TEST(MoCatalog, FindsWhatGettextFindsInEveryShippedCatalog) {
  for (const LanguageChoice& language : ShippedLanguages()) {
    if (std::string_view(language.code) == "en") continue;
    MoCatalog catalog;
    ASSERT_TRUE(catalog.Load(ReadCatalog(language.code))) << language.code;
    EXPECT_GT(catalog.Size(), 300u);
    SetLanguage(language.code);
    for (const ShownFormat& f : ShownFormats()) {
      if (f.many) {
        for (unsigned long n : {0ul, 1ul, 2ul, 7ul})
          EXPECT_STREQ(catalog.Find(f.one, PluralForm(language.code, n)), TrN(f.one, f.many, n)) << f.one << " " << n;
      } else {
        EXPECT_STREQ(catalog.Find(f.one), Tr(f.one)) << f.one;
      }
    }
    EXPECT_STREQ(catalog.Find("&Game"), Tr("&Game"));
    EXPECT_EQ(catalog.Find("a text no catalog has"), nullptr);
  }
  SetLanguage("en");
}

TEST(MoCatalog, ADamagedCatalogIsRefused) {
  const std::string good = ReadCatalog("de");
  MoCatalog catalog;
  EXPECT_FALSE(catalog.Load(""));
  EXPECT_FALSE(catalog.Load("not a catalog at all"));
  // Cut short, its tables point past its end.
  EXPECT_FALSE(catalog.Load(std::string_view(good).substr(0, good.size() / 2)));
  EXPECT_EQ(catalog.Size(), 0u);
  EXPECT_EQ(catalog.Find("&Game"), nullptr);
}
