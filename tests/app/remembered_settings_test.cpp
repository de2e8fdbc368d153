// SPDX-License-Identifier: GPL-3.0-or-later
// Choices that survive a restart: seats, Type Of Game, zoom, full screen and
// the window as the player left it.
// Each "run" is a whole program over the same settings file.
#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "app/main_frame.h"
#include "app/quintaro_app.h"
#include "app/quintaro_doc.h"
#include "app/remembered_choices.h"
#include "game/computer_skill.h"
#include "platform/headless/headless_backend.h"
#include "platform/host.h"
#include "platform/settings.h"
#include "platform/utf8.h"
#include "res/accel_table.h"
#include "res/resource_ids.h"
#include "ui/frame_chrome.h"
#include "ui/modal_script.h"

namespace {

namespace fs = std::filesystem;
using Mode = std::pair<int, bool>;  // zoom, full screen

class RecordingBackend : public HeadlessBackend {
 public:
  void SetWindowMode(int zoom, bool fullscreen, WindowSizing sizing) override {
    modes.emplace_back(zoom, fullscreen);
    sizings.push_back(sizing);
    desktopFullscreen = false;
  }
  bool FullscreenByDesktop() const override { return desktopFullscreen; }
  // The window as the player left it, and the one the program opened with.
  WindowPlacement Placement() const override { return placement; }
  void SetPlacement(const WindowPlacement& p) override { restored = p; }
  SIZE UsableScreen() const override { return SIZE{1600, 900}; }
  std::vector<Mode> modes;
  std::vector<WindowSizing> sizings;
  bool desktopFullscreen = false;  // as a window manager's own full screen
  WindowPlacement placement;
  std::optional<WindowPlacement> restored;
};

class ProgramRun : public ModalScript {
 public:
  explicit ProgramRun(const fs::path& ini, AppOptions options = {}) {
    auto backend = std::make_unique<RecordingBackend>();
    m_backend = backend.get();
    options.showSplash = false;
    auto host = std::make_unique<Host>(std::move(backend), std::make_unique<SettingsStore>(ini));
    m_app = std::make_unique<CQuintaroApp>(std::move(host), options);
    m_app->InitInstance();
    m_app->Frame().SetModalScript(this);
  }
  ~ProgramRun() override { m_app->Frame().SetModalScript(nullptr); }

  CQuintaroDoc& Doc() { return m_app->Doc(); }
  Host& GetHost() { return m_app->GetHost(); }
  const std::vector<Mode>& Modes() const { return m_backend->modes; }
  RecordingBackend& Backend() { return *m_backend; }
  CPlayer& Seat(int i) { return *Doc().m_players[static_cast<std::size_t>(i)]; }
  int Check(UINT id) { return m_app->Frame().Chrome().QueryCommand(id).m_nCheck; }

  void Command(UINT id) {
    m_app->Frame().Chrome().ChooseCommand(id);
    Pump();
  }
  void Key(UINT vk, bool alt = false) {
    GetHost().PostKey(WM_KEYDOWN, vk, alt);
    GetHost().PostKey(WM_KEYUP, vk, alt);
    Pump();
  }
  void Pump() {
    MSG msg;
    while (GetHost().PeekMessage(&msg, true) && msg.message != WM_QUIT) m_app->DispatchOne(msg);
  }

  std::optional<int> AnswerMessageBox(const std::string&, const std::string&, UINT) override { return std::nullopt; }
  std::optional<int> RunDialog(int dialogId, DialogController& dialog) override {
    if (dialogId != static_cast<int>(IDD_PLAYERS) || !playersDialog) return IDCANCEL;
    return playersDialog(dialog);
  }
  std::function<std::optional<int>(DialogController&)> playersDialog;

 private:
  RecordingBackend* m_backend = nullptr;
  std::unique_ptr<CQuintaroApp> m_app;
};

class RememberedSettings : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() /
            ("quintaro-remembered-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
  }
  void TearDown() override { fs::remove_all(m_dir); }
  fs::path Ini() const { return m_dir / "Quintaro.ini"; }
  void WriteIni(const std::string& text) { std::ofstream(Ini(), std::ios::binary) << text; }
  std::string ReadIni() const {
    std::ifstream in(Ini(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }

 private:
  fs::path m_dir;
};

TEST_F(RememberedSettings, AFirstStartShowsTheDefaults) {
  ProgramRun run(Ini());
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(run.Seat(i).m_strName, "Player" + std::to_string(i + 1));
    EXPECT_FALSE(run.Seat(i).m_bComputer);
    EXPECT_EQ(run.Seat(i).m_bActive, i == 0);
  }
  EXPECT_EQ(run.Doc().m_nLastPlayer, 0);
  EXPECT_EQ(run.Doc().m_variants, (std::array<int, kScreenCount>{}));
  ASSERT_EQ(run.Modes().size(), 1u);
  EXPECT_EQ(run.Modes().front(), Mode(0, false));
  EXPECT_EQ(run.Check(ID_VIEW_ZOOM_FIT), 1);
  EXPECT_EQ(run.Check(ID_VIEW_FULLSCREEN), 0);
}

TEST_F(RememberedSettings, SeatsChosenInTheDialogSurviveARestart) {
  {
    ProgramRun run(Ini());
    run.playersDialog = [](DialogController& d) -> std::optional<int> {
      EXPECT_TRUE(d.Click(IDC_THREE_PLAYERS));
      EXPECT_TRUE(d.Text(IDC_NAME1, "Zo\xC3\xAB"));  // e with diaeresis, typed as UTF-8
      EXPECT_TRUE(d.Text(IDC_NAME3, "Hal"));
      EXPECT_TRUE(d.Check(IDC_COMPUTER3, 1));
      return IDOK;
    };
    run.Command(ID_OPTIONS_NUMBEROFPLAYERS);
  }
  EXPECT_NE(ReadIni().find("Zo\xC3\xAB"), std::string::npos) << "names are stored as UTF-8";
  ProgramRun again(Ini());
  EXPECT_EQ(again.Doc().m_nLastPlayer, 2);
  EXPECT_EQ(again.Seat(0).m_strName, "Zo\xC3\xAB");
  EXPECT_EQ(again.Seat(2).m_strName, "Hal");
  EXPECT_TRUE(again.Seat(2).m_bComputer);
  EXPECT_FALSE(again.Seat(1).m_bComputer);
  EXPECT_TRUE(again.Seat(2).m_bActive);
  EXPECT_FALSE(again.Seat(3).m_bActive);
}

TEST_F(RememberedSettings, EachComputerSeatKeepsItsOwnLevelAndAnOlderFilePlaysAtTheGamesLevel) {
  WriteIni("[Players]\nCount=3\nComputer2=1\nLevel3=7\n");
  {
    ProgramRun run(Ini());
    // Written before seats had levels, or out of range: the game's own level.
    for (int i = 0; i < 3; ++i) EXPECT_EQ(run.Seat(i).m_nLevel, CPlayer::kGameLevel);
    run.playersDialog = [](DialogController& d) -> std::optional<int> {
      EXPECT_EQ(d.ControlEnabled(IDC_LEVEL1), false);  // a person's seat
      EXPECT_EQ(d.ControlEnabled(IDC_LEVEL2), true);
      EXPECT_EQ(d.ControlEnabled(IDC_LEVEL4), false);  // not in play
      EXPECT_TRUE(d.Check(IDC_COMPUTER3, 1));
      EXPECT_EQ(d.ControlEnabled(IDC_LEVEL3), true);
      for (int i = 0; i < 3; ++i) EXPECT_TRUE(d.Click(IDC_LEVEL3));  // Beginner, Club, Expert
      EXPECT_TRUE(d.Click(IDC_LEVEL2));
      EXPECT_TRUE(d.Check(IDC_COMPUTER1, 1));
      EXPECT_TRUE(d.Check(IDC_COMPUTER1, 0));
      EXPECT_EQ(d.ControlEnabled(IDC_LEVEL1), false);
      return IDOK;
    };
    run.Command(ID_OPTIONS_NUMBEROFPLAYERS);
  }
  ProgramRun again(Ini());
  EXPECT_EQ(again.Seat(0).m_nLevel, CPlayer::kGameLevel);
  EXPECT_EQ(again.Seat(1).m_nLevel, static_cast<int>(skill::ComputerSkill::Beginner));
  EXPECT_EQ(again.Seat(2).m_nLevel, static_cast<int>(skill::ComputerSkill::Expert));
}

TEST_F(RememberedSettings, ACancelledDialogChangesNothingStored) {
  {
    ProgramRun run(Ini());
    run.playersDialog = [](DialogController& d) -> std::optional<int> {
      d.Text(IDC_NAME1, "Nobody");
      return IDCANCEL;
    };
    run.Command(ID_OPTIONS_NUMBEROFPLAYERS);
  }
  ProgramRun again(Ini());
  EXPECT_EQ(again.Seat(0).m_strName, "Player1");
}

TEST_F(RememberedSettings, HostileStoredValuesAreMadeSafe) {
  WriteIni(
      "[Players]\nCount=99\nName1=ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789\n"
      "Name2=Al\x01i\\x1B\\x07ce\nName3=\\x02\\x03\nComputer3=-5\nComputer4=banana\n"
      "[Darts]\nTypeOfGame=77\n[Pool]\nTypeOfGame=-4\n"
      "[Window]\nZoom=9\nFullScreen=1\n");
  ProgramRun run(Ini());
  EXPECT_EQ(run.Doc().m_nLastPlayer, 3);
  EXPECT_EQ(run.Seat(0).m_strName, "ABCDEFGHIJKLMNOPQRST");
  EXPECT_EQ(run.Seat(1).m_strName, "Alice");
  EXPECT_EQ(run.Seat(2).m_strName, "Player3");  // nothing left of it
  EXPECT_TRUE(run.Seat(2).m_bComputer);
  EXPECT_FALSE(run.Seat(3).m_bComputer);
  const GameInfo& darts = *FindGame(GameTable(), kScreenDarts);
  EXPECT_EQ(run.Doc().m_variants[kScreenDarts], darts.nVariants - 1);
  EXPECT_EQ(run.Doc().m_variants[kScreenPool], 0);
  EXPECT_EQ(run.Modes().front(), Mode(0, true));

  WriteIni("[Players]\nCount=-3\n");
  ProgramRun low(Ini());
  EXPECT_EQ(low.Doc().m_nLastPlayer, 0);
}

TEST_F(RememberedSettings, EachGamesTypeOfGameIsRemembered) {
  const GameInfo& darts = *FindGame(GameTable(), kScreenDarts);
  ASSERT_GT(darts.nVariants, 1);
  {
    ProgramRun run(Ini());
    run.Doc().SetVariant(kScreenDarts, 1);  // as the game's Type Of Game dialog does
  }
  EXPECT_NE(ReadIni().find("[Darts]"), std::string::npos);
  ProgramRun again(Ini());
  EXPECT_EQ(again.Doc().m_variants[kScreenDarts], 1);
  again.Command(ID_GAME_NEW_DARTS);
  EXPECT_EQ(again.Doc().m_nGameVariant, 1);
}

TEST_F(RememberedSettings, ZoomAndFullScreenFollowTheMenuAndTheKeysAndSurviveARestart) {
  {
    ProgramRun run(Ini());
    run.Command(ID_VIEW_ZOOM_3X);
    EXPECT_EQ(run.Modes().back(), Mode(3, false));
    EXPECT_EQ(run.Check(ID_VIEW_ZOOM_3X), 1);
    EXPECT_EQ(run.Check(ID_VIEW_ZOOM_FIT), 0);
    run.Key(VK_F11);
    EXPECT_EQ(run.Modes().back(), Mode(3, true));
    EXPECT_EQ(run.Check(ID_VIEW_FULLSCREEN), 1);
    run.Key(VK_RETURN, true);  // Alt+Enter
    EXPECT_EQ(run.Modes().back(), Mode(3, false));
    run.Command(ID_VIEW_FULLSCREEN);
    run.Command(ID_VIEW_ZOOM_2X);  // a zoom is a window size: back to a window
    EXPECT_EQ(run.Modes().back(), Mode(2, false));
    run.Command(ID_VIEW_FULLSCREEN);
  }
  ProgramRun again(Ini());
  EXPECT_EQ(again.Modes().front(), Mode(2, true));
  EXPECT_EQ(again.Check(ID_VIEW_ZOOM_2X), 1);
}

TEST_F(RememberedSettings, TheWindowManagersFullScreenShowsCheckedAndTheKeyLeavesIt) {
  ProgramRun run(Ini());
  run.Command(ID_VIEW_ZOOM_2X);
  run.Backend().desktopFullscreen = true;
  EXPECT_EQ(run.Check(ID_VIEW_FULLSCREEN), 1);
  run.Key(VK_F11);
  EXPECT_EQ(run.Modes().back(), Mode(2, false)) << "F11 leaves the full screen the user sees";
  EXPECT_EQ(run.Check(ID_VIEW_FULLSCREEN), 0);
  run.Key(VK_F11);
  EXPECT_EQ(run.Modes().back(), Mode(2, true));
}

TEST_F(RememberedSettings, TheCommandLineWinsForOneRunOnly) {
  WriteIni("[Window]\nZoom=2\nFullScreen=0\n");
  {
    AppOptions options;
    options.zoom = 4;
    options.fullscreen = true;
    ProgramRun run(Ini(), options);
    EXPECT_EQ(run.Modes().front(), Mode(4, true));
  }
  ProgramRun again(Ini());
  EXPECT_EQ(again.Modes().front(), Mode(2, false));
}

TEST_F(RememberedSettings, LeavingFullScreenReturnsToTheWindowThePlayerHad) {
  ProgramRun run(Ini());
  EXPECT_EQ(run.Backend().sizings.front(), WindowSizing::ToZoom) << "a first run: the zoom sizes the window";
  run.Key(VK_F11);
  run.Key(VK_F11);
  // Maximised or dragged, the window is left as it was; only a zoom chosen sizes it.
  EXPECT_EQ(run.Modes().back(), Mode(0, false));
  EXPECT_EQ(run.Backend().sizings.back(), WindowSizing::Keep);
  run.Key(VK_F11);
  run.Key(VK_ESCAPE);  // no game: Escape leaves full screen too
  EXPECT_EQ(run.Modes().back(), Mode(0, false));
  EXPECT_EQ(run.Backend().sizings.back(), WindowSizing::Keep);
  run.Command(ID_VIEW_ZOOM_2X);
  EXPECT_EQ(run.Backend().sizings.back(), WindowSizing::ToZoom);
}

TEST_F(RememberedSettings, TheWindowsSizeAndMaximisedStateSurviveARestart) {
  {
    ProgramRun run(Ini());
    run.Backend().placement = WindowPlacement{1000, 700, true};
  }
  EXPECT_NE(ReadIni().find("Width=1000"), std::string::npos);
  ProgramRun again(Ini());
  EXPECT_EQ(again.Backend().restored, (WindowPlacement{1000, 700, true}));
  EXPECT_EQ(again.Backend().sizings.front(), WindowSizing::Keep);
}

// A new window size is written in one save: no reader of the file, nor a
// second copy merging it, sees this run's width with an older height.
TEST_F(RememberedSettings, TheWindowsSizeIsOneSave) {
  {
    ProgramRun run(Ini());
    run.Backend().placement = WindowPlacement{1000, 700, true};
  }
  const int watch = ::inotify_init1(IN_NONBLOCK);
  ASSERT_GE(watch, 0);
  ASSERT_GE(::inotify_add_watch(watch, Ini().parent_path().c_str(), IN_MOVED_FROM | IN_MOVED_TO), 0);
  {
    ProgramRun run(Ini());
    run.Backend().placement = WindowPlacement{1200, 800, false};
  }
  int replaced = 0;
  alignas(inotify_event) char buffer[8192];
  for (ssize_t got; (got = ::read(watch, buffer, sizeof buffer)) > 0;) {
    for (char* at = buffer; at < buffer + got;) {
      const auto* event = reinterpret_cast<const inotify_event*>(at);
      const bool named = event->len > 0 && Ini().filename() == event->name;
      // Every save puts a whole new file in place with a rename (watching where
      // it comes from too keeps the queue from folding repeats into one).
      if (named && (event->mask & IN_MOVED_TO) != 0) ++replaced;
      at += sizeof(inotify_event) + event->len;
    }
  }
  ::close(watch);
  EXPECT_EQ(replaced, 1);
  const SettingsStore back(Ini());
  EXPECT_EQ(back.GetProfileInt("Window", "Width", 0), 1200);
  EXPECT_EQ(back.GetProfileInt("Window", "Height", 0), 800);
  EXPECT_EQ(back.GetProfileInt("Window", "Maximized", 1), 0);
}

TEST_F(RememberedSettings, StoredWindowSizesAreMadeSafe) {
  WriteIni("[Window]\nWidth=2147483647\nHeight=-40\nMaximized=7\n");
  {
    ProgramRun run(Ini());
    ASSERT_TRUE(run.Backend().restored.has_value());
    const WindowPlacement& p = *run.Backend().restored;
    EXPECT_TRUE(p.maximized);
    EXPECT_EQ(p.width, 0) << "half a size is no size: the zoom sizes the window under the maximised one";
  }
  WriteIni("[Window]\nWidth=99999\nHeight=3\n");
  {
    ProgramRun run(Ini());
    ASSERT_TRUE(run.Backend().restored.has_value());
    const Surface32& surface = run.GetHost().WindowSurface();
    EXPECT_EQ(*run.Backend().restored, (WindowPlacement{1600, surface.Height(), false}));
  }
  WriteIni("[Window]\nWidth=800\nHeight=600\nZoom=3\n");
  AppOptions options;
  options.zoom = 2;  // the command line's zoom sizes the window for this run
  ProgramRun run(Ini(), options);
  EXPECT_FALSE(run.Backend().restored.has_value());
  EXPECT_EQ(run.Backend().sizings.front(), WindowSizing::ToZoom);
}

TEST(StoredNames, AreWrittenAsUtf8) {
  SettingsStore settings;
  CObArray seats;
  CreateDefaultPlayers(seats);
  seats[0]->m_strName = "Zo\xC3\xAB";  // e with diaeresis
  StoreSeats(settings, seats, 1);
  EXPECT_EQ(settings.Raw("Players", "Name1"), "Zo\xC3\xAB");
  CObArray back;
  CreateDefaultPlayers(back);
  int last = 0;
  RestoreSeats(settings, back, last);
  EXPECT_EQ(back[0]->m_strName, "Zo\xC3\xAB");
  EXPECT_EQ(last, 1);
}

TEST(StoredNames, AreReadTolerantly) {
  EXPECT_EQ(NameFromStored("Jos\xC3\xA9"), "Jos\xC3\xA9");                  // UTF-8
  EXPECT_EQ(NameFromStored("Jos\xE9"), "Jos\xC3\xA9");                       // an older Latin-1 byte
  EXPECT_EQ(NameFromStored("\xE2\x82\xAC" "5"), "\xE2\x82\xAC" "5");        // kept, though drawn as '?'
  EXPECT_EQ(NameFromStored("a\x01\x1F\x7F" "b\xC2\x85" "c"), "abc");          // C0, DEL and C1 controls
  EXPECT_EQ(NameFromStored("\xC3"), "\xC3\x83");                             // a cut-off sequence is Latin-1
  EXPECT_EQ(NameFromStored("\xC0\xAF"), "\xC3\x80\xC2\xAF");                 // an overlong form too
  EXPECT_EQ(NameFromStored("\xED\xA0\x80"), "\xC3\xAD\xC2\xA0");  // a surrogate too (0x80 is a control)
  // The cut is 20 characters, never inside one.
  EXPECT_EQ(NameFromStored(std::string(50, '\xC3') + "x"), [] {
    std::string twenty;
    for (int i = 0; i < 20; ++i) twenty += "\xC3\x83";
    return twenty;
  }());
  EXPECT_EQ(NameFromStored(std::string(30, 'x')), std::string(20, 'x'));
  std::string every;
  for (char32_t c = 0x20; c < 0x180; ++c)
    if (c < 0x7F || c >= 0xA0) AppendUtf8(every, c);
  for (std::size_t at = 0; at < every.size();) {
    const std::string slice(Utf8Prefix(std::string_view(every).substr(at), 20));
    EXPECT_EQ(NameFromStored(NameToStored(slice)), slice);
    at += slice.size();
  }
}

}  // namespace
