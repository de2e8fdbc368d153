// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Resource and command identifiers of the shell: commands of the menu, the
// tool bar and the accelerators, the framework's own commands and strings,
// the shell's dialogs and their controls, bitmaps, icons and cursors.
#include "platform/types.h"

// --- Shared id of the main frame: menu, accelerators, tool bar, icon ------
inline constexpr UINT IDR_MAINFRAME = 128;
inline constexpr UINT IDR_QUINTATYPE = 129;  // the document icon

// --- Commands of the program -----------------------------------------------
inline constexpr UINT ID_VIEW_HALLOFFAME = 32772;
inline constexpr UINT ID_OPTIONS_GAMECONTROLS = 32776;
inline constexpr UINT ID_OPTIONS_TYPEOFGAME = 32778;
inline constexpr UINT ID_OPTIONS_NUMBEROFPLAYERS = 32779;
inline constexpr UINT ID_OPTIONS_SOUND = 32781;
inline constexpr UINT ID_GAME_NEW_AIRHOCKEY = 32783;
inline constexpr UINT ID_GAME_NEW_BASKETBALL = 32784;
inline constexpr UINT ID_GAME_NEW_BOWLING = 32785;
inline constexpr UINT ID_GAME_NEW_DARTS = 32786;
inline constexpr UINT ID_GAME_NEW_FOOTBALL = 32787;
inline constexpr UINT ID_GAME_NEW_POOL = 32788;
inline constexpr UINT ID_VIEW_MAINWINDOW = 32789;
inline constexpr UINT ID_GAME_QUITGAME = 32790;
// The window on a modern desktop: zoom and full screen.
inline constexpr UINT ID_VIEW_ZOOM_1X = 32900;  // 1x .. 4x follow in order
inline constexpr UINT ID_VIEW_ZOOM_2X = 32901;
inline constexpr UINT ID_VIEW_ZOOM_3X = 32902;
inline constexpr UINT ID_VIEW_ZOOM_4X = 32903;
inline constexpr UINT ID_VIEW_ZOOM_FIT = 32904;
inline constexpr UINT ID_VIEW_FULLSCREEN = 32905;
// Options > Computer Skill: the level of the current game's computer seats.
inline constexpr UINT ID_OPTIONS_SKILL_BEGINNER = 32910;  // Club and Expert follow in order
inline constexpr UINT ID_OPTIONS_SKILL_CLUB = 32911;
inline constexpr UINT ID_OPTIONS_SKILL_EXPERT = 32912;
// Options > Language: the desktop's, then each shipped language in order.
inline constexpr UINT ID_OPTIONS_LANGUAGE_DESKTOP = 32930;
inline constexpr UINT ID_OPTIONS_LANGUAGE_FIRST = 32931;  // English, Deutsch, Español, Français, Hebrew
inline constexpr UINT ID_OPTIONS_LANGUAGE_LAST = 32935;

// --- Framework commands ------------------------------------------------------
inline constexpr UINT ID_FILE_NEW = 57600;
inline constexpr UINT ID_FILE_OPEN = 57601;
inline constexpr UINT ID_FILE_SAVE = 57603;
inline constexpr UINT ID_EDIT_COPY = 57634;
inline constexpr UINT ID_EDIT_CUT = 57635;
inline constexpr UINT ID_EDIT_PASTE = 57637;
inline constexpr UINT ID_EDIT_UNDO = 57643;
inline constexpr UINT ID_APP_ABOUT = 57664;
inline constexpr UINT ID_APP_EXIT = 57665;
inline constexpr UINT ID_HELP_FINDER = 57667;  // Help Topics
inline constexpr UINT ID_CONTEXT_HELP = 57669;
inline constexpr UINT ID_HELP = 57670;          // F1
inline constexpr UINT ID_DEFAULT_HELP = 57671;
inline constexpr UINT ID_NEXT_PANE = 57680;
inline constexpr UINT ID_PREV_PANE = 57681;
inline constexpr UINT ID_VIEW_TOOLBAR = 59392;

// --- Strings -----------------------------------------------------------------
inline constexpr UINT IDS_DOCUMENT_TEMPLATE = IDR_MAINFRAME;  // string 128
inline constexpr UINT AFX_IDS_APP_TITLE = 57344;
inline constexpr UINT AFX_IDS_IDLEMESSAGE = 57345;

// --- Dialog results and the standard buttons -----------------------------------
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;
inline constexpr int IDC_STATIC = -1;

// --- Dialogs of the shell ----------------------------------------------------------
inline constexpr UINT IDD_ABOUTBOX = 100;
inline constexpr UINT IDD_PLAYERS = 137;

// The about box's button that shows the licences.
inline constexpr int IDC_LICENCES = 1020;

// Controls of the players dialog.
inline constexpr int IDC_COMPUTER1 = 1000;
inline constexpr int IDC_ONE_PLAYER = 1001;
inline constexpr int IDC_TWO_PLAYERS = 1002;
inline constexpr int IDC_THREE_PLAYERS = 1003;
inline constexpr int IDC_FOUR_PLAYERS = 1004;
inline constexpr int IDC_COMPUTER2 = 1005;
inline constexpr int IDC_COMPUTER3 = 1006;
inline constexpr int IDC_COMPUTER4 = 1007;
inline constexpr int IDC_NAME1 = 1015;
inline constexpr int IDC_NAME2 = 1016;
inline constexpr int IDC_NAME3 = 1017;
inline constexpr int IDC_NAME4 = 1018;
// Each seat's level box: a click steps it on (the game's level, Beginner, Club, Expert).
inline constexpr int IDC_LEVEL1 = 1031;
inline constexpr int IDC_LEVEL2 = 1032;
inline constexpr int IDC_LEVEL3 = 1033;
inline constexpr int IDC_LEVEL4 = 1034;

// --- Bitmaps -------------------------------------------------------------------
inline constexpr UINT IDB_SPLASH = 102;
inline constexpr UINT IDB_TOOLBAR = IDR_MAINFRAME;  // 144 x 15, nine 16 x 15 images
inline constexpr UINT IDB_DARTS = 130;
inline constexpr UINT IDB_BASKETBALL = 131;
inline constexpr UINT IDB_BOWLING = 132;
inline constexpr UINT IDB_POOL = 133;
inline constexpr UINT IDB_AIRHOCKEY = 134;
inline constexpr UINT IDB_TITLE = 178;
inline constexpr UINT IDB_FOOTBALL = 179;
inline constexpr UINT IDB_CRICKET = 306;
inline constexpr UINT IDB_HALLOFFAME = 396;

// --- Icons and cursors ---------------------------------------------------------------
inline constexpr UINT IDI_APPLICATION_ICON = IDR_MAINFRAME;
inline constexpr UINT IDI_DOCUMENT_ICON = IDR_QUINTATYPE;
// The window's icon, 16 to 256 pixels, one resource a size from here on.
inline constexpr UINT IDI_WINDOW_ICON_FIRST = 130;
inline constexpr int kWindowIconCount = 7;
inline constexpr UINT IDC_HOTSPOT = 399;  // the title screen's hand over a game
