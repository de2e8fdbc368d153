// SPDX-License-Identifier: GPL-3.0-or-later
// The resource tables: every table is well formed, and the shell's menu,
// accelerators, tool bar, prompts and dialogs are the ones the program needs.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/version.h"
#include "games/darts/dart_dialogs.h"
#include "platform/messages.h"
#include "res/game_rows.h"
#include "res/accel_table.h"
#include "res/menu_table.h"
#include "res/online_ids.h"
#include "res/replay_ids.h"
#include "res/resource_ids.h"
#include "res/statistics_ids.h"
#include "res/shell_dialogs.h"
#include "res/string_table.h"
#include "res/table_check.h"
#include "res/toolbar_table.h"

namespace {

std::string Join(const std::vector<std::string>& problems) {
  std::string out;
  for (const std::string& p : problems) out += p + "\n";
  return out;
}

void CollectIds(std::span<const MenuItemDef> items, std::vector<UINT>& out) {
  for (const MenuItemDef& item : items) {
    if (item.kind == MenuItemKind::Command) out.push_back(item.id);
    if (item.kind == MenuItemKind::Popup) CollectIds(item.items, out);
  }
}

TEST(ResourceTables, EveryShellTableIsWellFormed) {
  EXPECT_EQ(Join(CheckMenu(MainMenu())), "");
  EXPECT_EQ(Join(CheckAccelerators(MainAccelerators())), "");
  EXPECT_EQ(Join(CheckToolBar(MainToolBar(), 8, MainMenu())), "");
  for (const DialogTemplate* dialog : ShellDialogTemplates()) EXPECT_EQ(Join(CheckDialogTemplate(*dialog)), "");
  for (const DialogTemplate* dialog : darts::DartDialogTemplates()) EXPECT_EQ(Join(CheckDialogTemplate(*dialog)), "");
  std::set<UINT> ids;
  for (const StringDef& s : StringTable()) EXPECT_TRUE(ids.insert(s.id).second) << "string " << s.id << " twice";
}

TEST(ResourceTables, MenuHoldsTheCommandsInOrder) {
  std::vector<UINT> ids;
  CollectIds(MainMenu(), ids);
  // Game > New lists the games in their rows' order, then the fixed commands follow.
  std::vector<UINT> expected;
  for (const GameShellRow& row : GameShellRows()) expected.push_back(row.nNewCommand);
  expected.insert(expected.end(), {ID_GAME_QUITGAME, ID_GAME_STATISTICS, ID_GAME_SAVEREPLAY, ID_GAME_OPENREPLAY,
      ID_GAME_PLAYONLINE, ID_APP_EXIT, ID_EDIT_UNDO,
      ID_OPTIONS_NUMBEROFPLAYERS, ID_OPTIONS_TYPEOFGAME, ID_OPTIONS_GAMECONTROLS, ID_OPTIONS_SKILL_BEGINNER,
      ID_OPTIONS_SKILL_CLUB, ID_OPTIONS_SKILL_EXPERT, ID_OPTIONS_SOUND, ID_OPTIONS_LANGUAGE_DESKTOP,
      ID_OPTIONS_LANGUAGE_FIRST, ID_OPTIONS_LANGUAGE_FIRST + 1, ID_OPTIONS_LANGUAGE_FIRST + 2,
      ID_OPTIONS_LANGUAGE_FIRST + 3, ID_OPTIONS_LANGUAGE_FIRST + 4, ID_VIEW_HALLOFFAME, ID_VIEW_MAINWINDOW, ID_VIEW_TOOLBAR, ID_VIEW_ZOOM_1X, ID_VIEW_ZOOM_2X, ID_VIEW_ZOOM_3X,
      ID_VIEW_ZOOM_4X, ID_VIEW_ZOOM_FIT, ID_VIEW_FULLSCREEN, ID_HELP_FINDER, ID_APP_ABOUT});
  EXPECT_EQ(ids, expected);
  ASSERT_EQ(MainMenu().size(), 5u);
  EXPECT_STREQ(MainMenu()[0].text, "&Game");
  EXPECT_STREQ(MainMenu()[0].items[0].text, "&New\tCtrl+N");
  EXPECT_STREQ(MainMenu()[0].items[0].items[2].text, "B&owling");
}

TEST(ResourceTables, ToolBarOrderAndPrompts) {
  const std::vector<UINT> bar(MainToolBar().begin(), MainToolBar().end());
  const std::vector<UINT> expected = {32789, 0, 32779, 32778, 32776, 32781, 0, 32772, 32790, 0, 57667};
  EXPECT_EQ(bar, expected);
  EXPECT_EQ(CommandPrompt(ID_OPTIONS_SOUND), "Sound On/Off");
  EXPECT_EQ(CommandTip(ID_OPTIONS_SOUND), "Sound On\\Off");
  EXPECT_EQ(CommandPrompt(ID_GAME_NEW_POOL), "New Game of Pool");
  EXPECT_EQ(CommandTip(ID_GAME_NEW_POOL), "");
  EXPECT_EQ(LoadStringRes(AFX_IDS_IDLEMESSAGE), "For Help, press F1");
  EXPECT_EQ(LoadStringRes(12345), "");
}

TEST(ResourceTables, AcceleratorsMapKeysToCommands) {
  auto find = [](BYTE mods, UINT key) -> UINT {
    for (const AccelDef& a : MainAccelerators())
      if (a.key == key && (a.fVirt & ~FVIRTKEY) == mods) return a.cmd;
    return 0;
  };
  EXPECT_EQ(find(FCONTROL, 'N'), ID_FILE_NEW);
  EXPECT_EQ(find(0, VK_F1), ID_HELP);
  EXPECT_EQ(find(FSHIFT, VK_F1), ID_CONTEXT_HELP);
  EXPECT_EQ(find(FALT, VK_BACK), ID_EDIT_UNDO);
  EXPECT_EQ(find(FSHIFT, VK_INSERT), ID_EDIT_PASTE);
  EXPECT_EQ(find(0, VK_F11), ID_VIEW_FULLSCREEN);
  EXPECT_EQ(find(FALT, VK_RETURN), ID_VIEW_FULLSCREEN);
  EXPECT_EQ(find(FCONTROL, 'Q'), ID_APP_EXIT);
  EXPECT_EQ(find(0, 'M'), ID_OPTIONS_SOUND);
  // The keys the games read (Shift, Ctrl, Escape) are never taken.
  for (const AccelDef& a : MainAccelerators())
    EXPECT_TRUE(a.key != VK_SHIFT && a.key != VK_CONTROL && a.key != VK_ESCAPE) << a.key;
  EXPECT_EQ(MainAccelerators().size(), 19u);
}

TEST(ResourceTables, PlayersDialogMatchesItsLayout) {
  const DialogTemplate& d = PlayersDialogTemplate();
  EXPECT_EQ(d.id, IDD_PLAYERS);
  EXPECT_STREQ(d.caption, "Select Number of Players");
  EXPECT_EQ(d.cx, 373);
  EXPECT_EQ(d.cy, 138);
  ASSERT_EQ(d.controls.size(), 20u);
  const ControlDef& edit = d.controls[6];
  EXPECT_EQ(edit.id, IDC_NAME1);
  EXPECT_EQ(edit.kind, ControlKind::Edit);
  EXPECT_EQ((std::vector<int>{edit.x, edit.y, edit.cx, edit.cy}), (std::vector<int>{140, 19, 72, 16}));
  const ControlDef& computer4 = d.controls[13];
  EXPECT_EQ(computer4.id, IDC_COMPUTER4);
  EXPECT_TRUE(computer4.style & BS_PUSHLIKE);
  // The level boxes follow the check boxes, greyed until a seat is the computer's.
  EXPECT_EQ(d.controls[14].id, IDC_LEVEL1);
  EXPECT_TRUE(d.controls[17].style & WS_DISABLED);
  EXPECT_EQ(d.controls[18].kind, ControlKind::DefPushButton);
  EXPECT_EQ(AboutBoxTemplate().id, IDD_ABOUTBOX);
  EXPECT_EQ(AboutBoxTemplate().controls[1].text, std::string("Quintaro Games Version ") + ProgramVersion());
}

TEST(TableChecks, FindTheFaultsTheyLookFor) {
  // A menu with a repeated mnemonic, a missing prompt and a doubled separator.
  static constexpr MenuItemDef kItems[] = {
      {MenuItemKind::Command, "&Alpha", 1, {}},
      {MenuItemKind::Separator, "", 0, {}},
      {MenuItemKind::Separator, "", 0, {}},
      {MenuItemKind::Command, "&Another", ID_APP_EXIT, {}},
  };
  static constexpr MenuItemDef kBar[] = {{MenuItemKind::Popup, "&File", 0, kItems}};
  const std::string menu = Join(CheckMenu(kBar));
  EXPECT_NE(menu.find("repeats mnemonic A"), std::string::npos);
  EXPECT_NE(menu.find("no status-line prompt"), std::string::npos);
  EXPECT_NE(menu.find("two separators"), std::string::npos);

  static constexpr AccelDef kAccels[] = {{FVIRTKEY | FCONTROL, 'N', 1}, {FVIRTKEY | FCONTROL, 'N', 2}};
  EXPECT_NE(Join(CheckAccelerators(kAccels)).find("defined twice"), std::string::npos);

  static constexpr UINT kButtons[] = {ID_APP_EXIT, ID_SEPARATOR, 4242};
  const std::string bar = Join(CheckToolBar(kButtons, 3, MainMenu()));
  EXPECT_NE(bar.find("4242 is not in the menu"), std::string::npos);
  EXPECT_NE(bar.find("2 buttons for 3 images"), std::string::npos);

  static constexpr ControlDef kControls[] = {
      {ControlKind::RadioButton, 10, "&One", 5, 5, 40, 10, 0},
      {ControlKind::Edit, 10, "", 5, 20, 400, 10, 0},
      {ControlKind::DefPushButton, 1, "OK", 5, 40, 40, 14, 0},
      {ControlKind::DefPushButton, 2, "Cancel", 50, 40, 40, 14, 0},
  };
  static constexpr DialogTemplate kDialog{7, "Broken", 100, 60, kControls};
  const std::string dialog = Join(CheckDialogTemplate(kDialog));
  EXPECT_NE(dialog.find("without WS_GROUP"), std::string::npos);
  EXPECT_NE(dialog.find("repeats its id"), std::string::npos);
  EXPECT_NE(dialog.find("outside the dialog"), std::string::npos);
  EXPECT_NE(dialog.find("more than one default"), std::string::npos);
}

}  // namespace
