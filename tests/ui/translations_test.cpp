// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped translations as the player sees them: every dialog's labels
// fit their controls in every language, menus keep one access letter each,
// texts the games put together are translated around the names in them,
// and the language follows the desktop unless the player chose one.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>

#include "app/dialog_catalog.h"
#include "platform/i18n.h"
#include "res/menu_table.h"
#include "res/shown_text.h"
#include "ui/dialog_fit.h"
#include "ui/menu_layout.h"
#include "ui/ui_text.h"

namespace {

// Switches the language for one test and back to English after it.
class Translations : public ::testing::Test {
 protected:
  void TearDown() override { SetLanguage("en"); }
};

void ExpectMnemonicsDistinct(std::span<const MenuItemDef> items, const std::string& where) {
  std::set<char> seen;
  for (const MenuItemDef& item : items) {
    if (item.kind == MenuItemKind::Separator) continue;
    const std::string label(MenuLabel(item));
    const char key = MnemonicKey(label);
    EXPECT_NE(key, 0) << where << ": " << label << " has no access letter";
    EXPECT_TRUE(seen.insert(key).second) << where << ": " << label << " repeats " << key;
    if (item.kind == MenuItemKind::Popup) ExpectMnemonicsDistinct(item.items, where + " > " + label);
  }
}

}  // namespace

TEST_F(Translations, EveryLabelFitsItsControlInEveryLanguage) {
  for (const LanguageChoice& language : ShippedLanguages()) {
    SetLanguage(language.code);
    ASSERT_EQ(CurrentLanguage(), language.code);
    for (const DialogTemplate* tmpl : AllDialogTemplates()) {
      const DialogLayout layout = LayoutDialog(*tmpl);
      for (const DialogControl& c : layout.controls)
        EXPECT_TRUE(LabelFits(c)) << language.code << ": \"" << c.text << "\" runs past its control in \""
                                  << layout.caption << "\"";
      // Grown, a dialog still fits the smallest window (the 602-pixel playfield and its frame).
      EXPECT_LE(layout.client.cx, 620) << language.code << ": " << layout.caption;
    }
  }
}

TEST_F(Translations, EnglishDialogsKeepTheirTemplateSizes) {
  for (const DialogTemplate* tmpl : AllDialogTemplates())
    EXPECT_EQ(LayoutDialog(*tmpl).client.cx, MapDialogSize(tmpl->cx, tmpl->cy).cx) << tmpl->caption;
}

TEST_F(Translations, MenusAreTranslatedWithDistinctAccessLetters) {
  for (const LanguageChoice& language : ShippedLanguages()) {
    SetLanguage(language.code);
    ExpectMnemonicsDistinct(MainMenu(), language.code);
  }
  SetLanguage("de");
  EXPECT_EQ(MenuLabel(MainMenu()[0]), "&Spiel");
  EXPECT_EQ(MenuAccelText(MainMenu()[0].items[0]), "Strg+N");
}

TEST_F(Translations, ShownTextsAreTranslatedAroundTheirNames) {
  SetLanguage("de");
  EXPECT_EQ(TranslateShownText("Ann wins. Click to play again."), "Ann gewinnt. Klicken für ein neues Spiel.");
  EXPECT_EQ(TranslateShownText("Computer (Expert) to play"), "Computer (Experte) ist dran");
  // The count picks the form, whatever form the English had.
  EXPECT_EQ(TranslateShownText("Pass completed for 1 yards"), "Pass angekommen, 1 Yard");
  EXPECT_EQ(TranslateShownText("Pass completed for 12 yards"), "Pass angekommen, 12 Yards");
  EXPECT_EQ(TranslateShownText("Its a Goal!\nPLAYER scores."), "Tor!\nSPIELER trifft.");
  // A name that is no text of the catalog stays as it is.
  EXPECT_EQ(TranslateShownText("Zoë"), "Zoë");
  // A foul told ahead of the prompt, and a line that ends with another.
  EXPECT_EQ(TranslateShownText("Foul: scratch. Player2, ball in hand: drag the cue ball, shoot at the 1."),
            "Foul: Weiße versenkt. Player2, Ball in der Hand: die Weiße ziehen, auf die 1 spielen.");
  EXPECT_EQ(TranslateShownText("Ann passes the shot back. Bo, shoots at the 3."),
            "Ann gibt den Stoß zurück. Bo spielt auf die 3.");
  EXPECT_EQ(TranslateShownText("Resume the unfinished Pool game?"), "Das unvollendete Poolbillard-Spiel fortsetzen?");
  SetLanguage("fr");
  EXPECT_EQ(TranslateShownText("Bo, shoots at stripe."), "Bo joue : rayées.");
  SetLanguage("en");
  EXPECT_EQ(TrShown("Ann wins. Click to play again."), "Ann wins. Click to play again.");
}

TEST_F(Translations, TheDesktopsLanguageIsTheFirstShippedOneItNames) {
  const char* saved = std::getenv("LANGUAGE");
  const std::string keep = saved ? saved : "";
  const auto desktop = [](const char* list) {
    setenv("LANGUAGE", list, 1);
    SetLanguage("");
    return std::string(CurrentLanguage());
  };
  EXPECT_EQ(desktop("pt_BR:fr_CA.UTF-8:de"), "fr");
  EXPECT_EQ(desktop("he_IL.UTF-8"), "he");
  EXPECT_TRUE(RightToLeftUi());
  EXPECT_EQ(desktop("C"), "en");
  EXPECT_EQ(desktop("pt_BR"), "en");
  // A stored choice the program does not ship falls back to English.
  SetLanguage("xx");
  EXPECT_EQ(CurrentLanguage(), "en");
  setenv("LANGUAGE", keep.c_str(), 1);
}

TEST(DialogFit, ALabelTooLongForItsControlWidensTheWholeDialog) {
  DialogLayout layout;
  layout.client = {120, 60};
  DialogControl button;
  button.kind = ControlKind::PushButton;
  button.text = "A longer label";
  button.rect = CRect(10, 10, 60, 30);
  DialogControl other = button;
  other.text = "OK";
  other.rect = CRect(70, 10, 110, 30);
  layout.controls = {button, other};
  EXPECT_FALSE(LabelFits(layout.controls[0]));
  GrowToFit(layout);
  EXPECT_TRUE(LabelFits(layout.controls[0]));
  EXPECT_GT(layout.client.cx, 120);
  // The controls keep their order and do not overlap.
  EXPECT_LE(layout.controls[0].rect.right, layout.controls[1].rect.left);
  EXPECT_LE(layout.controls[1].rect.right, static_cast<int>(layout.client.cx));
}
