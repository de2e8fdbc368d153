// SPDX-License-Identifier: GPL-3.0-or-later
// The licences the about box shows: the program's GPL notice and the font's
// whole licence, reflowed for the help window, and the button that opens them.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "app/run_scenario.h"
#include "res/shell_dialogs.h"
#include "ui/help_window.h"
#include "ui/licences.h"
#include "ui_test_host.h"

namespace {

TEST(Licences, ParagraphsAreJoinedAndSectionTitlesBecomeSubheadings) {
  EXPECT_EQ(ReflowPlainText("TERMS & CONDITIONS\n\n1) One line\n   and its indented rest.\n\n\n\nLast.\n"),
            "## TERMS & CONDITIONS\n\n1) One line and its indented rest.\n\nLast.\n");
  // A long paragraph in capitals is body text, not a title.
  const std::string shout = "THE FONT SOFTWARE IS PROVIDED \"AS IS\", WITHOUT WARRANTY OF ANY KIND.";
  EXPECT_EQ(ReflowPlainText(shout), shout + "\n");
}

TEST(Licences, CarryTheCopyrightTheGplNoticeAndTheWholeFontLicence) {
  const std::string text = LicencesText();
  for (const char* part : {"# Quintaro Games\n\nCopyright (C) 2026 Orvane\n",
                           "either version 3 of the License, or (at your option) any later version.",
                           "WITHOUT ANY WARRANTY",
                           "# Liberation Sans",
                           "Digitized data copyright (c) 2010 Google Corporation with Reserved Font Arimo",
                           "Copyright (c) 2012 Red Hat, Inc. with Reserved Font Name Liberation.",
                           "SIL OPEN FONT LICENSE Version 1.1 - 26 February 2007",
                           "The goals of the Open Font License (OFL) are to stimulate worldwide development",
                           "\n## PERMISSION & CONDITIONS\n",
                           "\n## DISCLAIMER\n",
                           "OTHER DEALINGS IN THE FONT SOFTWARE.\n"}) {
    EXPECT_NE(text.find(part), std::string::npos) << part;
  }
  // Laid out in the help window it is longer than a page.
  UiTestHost t;
  t.LayOut();
  CHelpWindow window(t.host(), "Quintaro Games Licences", text);
  window.Create();
  EXPECT_GT(window.MaxScroll(), 0);
  EXPECT_GT(window.LineCount(), 60);
}

// Each copyright line at the head of the font's licence ("... copyright (c)
// 2010 Google Corporation with Reserved Font ...") is credited in the about
// box, up to its reserved names.
TEST(Licences, TheAboutBoxCreditsEveryHolderTheFontsNoticeNames) {
  std::istringstream notice{std::string(FontLicenceText())};
  int holders = 0;
  for (std::string line; std::getline(notice, line) && !line.empty();) {
    const std::string credit = line.substr(0, line.find(" with "));
    bool shown = false;
    for (const ControlDef& c : AboutBoxTemplate().controls) shown |= std::string(c.text).starts_with(credit);
    EXPECT_TRUE(shown) << credit;
    ++holders;
  }
  EXPECT_EQ(holders, 2);
}

TEST(Licences, TheAboutBoxButtonShowsThemAndTheBoxStaysOpen) {
  const ScenarioResult r = RunScenario("start\nwait 3100\ndialog 100 click 1020 ok\nmenu 57664\nwait 10\nquit\n");
  EXPECT_EQ(r.exitCode, 0) << r.transcript;
  const auto shown = r.transcript.find("licences shown");
  ASSERT_NE(shown, std::string::npos) << r.transcript;
  EXPECT_NE(r.transcript.find("dialog 100 closed ok", shown), std::string::npos) << r.transcript;
}

}  // namespace
