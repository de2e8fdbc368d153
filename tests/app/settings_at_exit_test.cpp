// SPDX-License-Identifier: GPL-3.0-or-later
// A save that fails as the program closes is told in the window before it
// goes, not only on standard error (which a player who started the game from
// the desktop never sees); a program that ends before the message is answered
// tells it at the next start.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/settings_notice.h"
#include "support/game_app.h"

namespace fs = std::filesystem;

namespace quintaro::test {
namespace {

class SettingsAtExit : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "quintaro-exit-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir = pattern;
    // The settings folder's name is taken by a file: no save can succeed,
    // for root too, and the note goes to the state folder.
    std::ofstream(dir / "Orvane") << "not a folder";
    file = dir / "Orvane" / "Quintaro.ini";
    ::setenv("XDG_STATE_HOME", (dir / "state").c_str(), 1);
  }
  void TearDown() override {
    ::unsetenv("XDG_STATE_HOME");
    fs::remove_all(dir);
  }
  fs::path Note() const { return dir / "state" / "Orvane" / "Quintaro.ini.notice"; }
  static bool Told(const std::vector<std::string>& boxes, const std::string& text) {
    for (const std::string& box : boxes)
      if (box.find(text) != std::string::npos) return true;
    return false;
  }

  fs::path dir;
  fs::path file;
};

TEST_F(SettingsAtExit, AFailedSaveIsShownBeforeTheWindowCloses) {
  EXPECT_EXIT(
      {
        GameApp app(1000, false, std::make_unique<SettingsStore>(file));
        app.answers.push_back(IDOK);
        app.Backend().onExit = [&](int) {
          const bool shown = Told(app.boxes, "could not be saved");
          std::_Exit(shown && !fs::exists(Note()) ? 0 : 1);
        };
        app.Doc().OnCommand(ID_OPTIONS_SOUND);
        app.GetHost().PostClose();
        app.Pump();
        std::_Exit(2);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST_F(SettingsAtExit, AProgramEndedWithTheMessageUpTellsItAtTheNextStart) {
  EXPECT_EXIT(
      {
        GameApp app(1000, false, std::make_unique<SettingsStore>(file));
        // The session ends while the message is up.
        app.boxDriver = [](const std::string&, DialogController&) -> std::optional<int> { std::_Exit(0); };
        app.Doc().OnCommand(ID_OPTIONS_SOUND);
        app.GetHost().PostClose();
        app.Pump();
        std::_Exit(2);
      },
      ::testing::ExitedWithCode(0), "");
  ASSERT_TRUE(fs::exists(Note()));
  GameApp next(1000, false, std::make_unique<SettingsStore>(file));
  next.answers.push_back(IDOK);
  next.App().OnIdle();
  ASSERT_EQ(next.boxes.size(), 1u);
  EXPECT_EQ(next.boxes[0].rfind("When Quintaro last closed: The settings could not be saved", 0), 0u) << next.boxes[0];
  EXPECT_FALSE(fs::exists(Note())) << "told once";
}

}  // namespace
}  // namespace quintaro::test
