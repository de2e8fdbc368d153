// SPDX-License-Identifier: GPL-3.0-or-later
// Every row of the game table, through the whole program: its Game > New
// command reaches its screen, its playfield loads for every variant, and the
// Options commands it offers are the ones enabled.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/main_frame.h"
#include "game/computer_skill_setting.h"
#include "game/game_table.h"
#include "gfx/dib.h"
#include "res/game_rows.h"
#include "res/string_table.h"
#include "support/game_app.h"

namespace {

using quintaro::test::GameApp;

TEST(GameTable, RowsHaveTheirOwnScreensAndCommands) {
  std::set<int> screens;
  std::set<UINT> commands;
  for (const GameInfo& row : GameTable()) {
    SCOPED_TRACE(row.pszName);
    EXPECT_TRUE(screens.insert(row.nScreen).second);
    EXPECT_TRUE(commands.insert(row.nNewCommand).second);
    EXPECT_GT(row.nScreen, kScreenTitle);
    EXPECT_NE(row.nScreen, kScreenHallOfFame);
    EXPECT_LT(row.nScreen, kScreenCount);
    EXPECT_EQ(FindGame(GameTable(), row.nScreen), &row);
    EXPECT_EQ(FindGameByCommand(GameTable(), row.nNewCommand), &row);
    EXPECT_NE(row.factory, nullptr);
    EXPECT_GE(row.nVariants, 1);
    EXPECT_LE(row.nVariants, kMaxVariants);
    EXPECT_EQ(row.bTypeOfGame, row.nVariants > 1) << "Type Of Game is offered exactly when there is a choice";
  }
  EXPECT_EQ(screens.size(), GameShellRows().size());
  EXPECT_EQ(FindGame(GameTable(), kScreenTitle), nullptr);
  EXPECT_EQ(FindGame(GameTable(), kScreenHallOfFame), nullptr);
}

// The shell's rows (menu item, prompt, settings section) and the game table
// list the same games: a game can't be playable yet missing from the menu, or
// have its level and statistics go unsaved for want of a section.
TEST(GameTable, EachGameHasItsShellRowAndSection) {
  std::set<std::string> sections;
  for (const GameInfo& row : GameTable()) {
    SCOPED_TRACE(row.pszName);
    const GameShellRow* shell = FindShellRow(row.nScreen);
    ASSERT_NE(shell, nullptr);
    EXPECT_EQ(shell->nNewCommand, row.nNewCommand);
    EXPECT_EQ(FindShellRowByCommand(row.nNewCommand), shell);
    EXPECT_EQ(CommandPrompt(row.nNewCommand), "New Game of " + std::string(row.pszName));
    ASSERT_NE(skill::SkillSection(row.nScreen), nullptr);
    EXPECT_TRUE(sections.insert(skill::SkillSection(row.nScreen)).second) << "two games share a section";
  }
  for (const GameShellRow& shell : GameShellRows()) EXPECT_NE(FindGame(GameTable(), shell.nScreen), nullptr);
}

TEST(GameTable, EveryRowIsReachedFromItsNewCommandWithItsPlayfieldAndOptions) {
  for (const GameInfo& row : GameTable()) {
    SCOPED_TRACE(row.pszName);
    for (int variant = 0; variant < row.nVariants; ++variant) {
      GameApp app;
      app.Doc().SetVariant(row.nScreen, variant);
      app.GetHost().PostMessage(app.GetHost().FrameWindow(), WM_COMMAND, row.nNewCommand, 0);
      app.Pump();
      EXPECT_EQ(app.Doc().m_nGameType, row.nScreen);
      EXPECT_EQ(app.CountEvents("screen " + std::to_string(row.nScreen)), 1);
      EXPECT_EQ(app.Doc().m_nGameVariant, variant);
      // The playfield is the row's picture for the variant, whole.
      const UINT bitmap = row.BackgroundFor(variant);
      EXPECT_FALSE(app.GetHost().Resources().Find(ResKind::Bitmap, bitmap).empty()) << bitmap;
      ASSERT_NE(app.Doc().m_pBackground, nullptr);
      EXPECT_EQ(app.Doc().m_pBackground->GetWidth(), 602);
      EXPECT_EQ(app.Doc().m_pBackground->GetHeight(), 401);
      CMainFrame& frame = app.Doc().App().Frame();
      EXPECT_EQ(frame.IsCommandEnabled(ID_OPTIONS_GAMECONTROLS), row.bGameControls);
      EXPECT_EQ(frame.IsCommandEnabled(ID_OPTIONS_TYPEOFGAME), row.bTypeOfGame);
      EXPECT_TRUE(frame.IsCommandEnabled(ID_GAME_QUITGAME));
    }
  }
}

TEST(GameTable, OutOfRangeVariantsFallBackToARowsOwn) {
  for (const GameInfo& row : GameTable()) {
    EXPECT_EQ(row.ClampVariant(-3), 0) << row.pszName;
    EXPECT_EQ(row.ClampVariant(99), row.nVariants - 1) << row.pszName;
    EXPECT_EQ(row.BackgroundFor(99), row.backgrounds[static_cast<std::size_t>(row.nVariants - 1)]) << row.pszName;
  }
}

}  // namespace
