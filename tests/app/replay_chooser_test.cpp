// SPDX-License-Identifier: GPL-3.0-or-later
// Game > Open Replay lists the replays of the replay folder newest first,
// each with its game, when it was saved and who played; the player picks
// one with the mouse or the keyboard, a page at a time, and it plays.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/replay_chooser.h"
#include "app/replay_desk.h"
#include "res/replay_ids.h"
#include "support/game_app.h"

namespace quintaro::test {
namespace {

namespace fs = std::filesystem;

struct ReplayFolder {
  ReplayFolder() : dir(fs::temp_directory_path() / ("quintaro-chooser-" + std::to_string(::getpid()))) {
    fs::create_directories(dir / "replays");
  }
  ~ReplayFolder() { fs::remove_all(dir); }
  // `name`, saved `hoursAgo` hours ago.
  fs::path Copy(const fs::path& from, const std::string& name, int hoursAgo) const {
    const fs::path to = dir / "replays" / name;
    fs::copy_file(from, to, fs::copy_options::overwrite_existing);
    fs::last_write_time(to, fs::file_time_type::clock::now() - std::chrono::hours(hoursAgo));
    return to;
  }
  fs::path dir;
};

// A short bowling game of two named seats, saved as a replay.
fs::path SavedBowlingGame(const ReplayFolder& folder) {
  GameApp played;
  played.Player(0).m_strName = "Ann";
  played.Player(1).m_strName = "Bo";
  played.StartGame(kScreenBowling, 0, {2, {true, true}});
  played.Click(300, 200);
  played.Wait(3000);
  const fs::path file = folder.dir / "bowling.qreplay";
  EXPECT_EQ(played.App().Replays().Save(file), "");
  return file;
}

TEST(ReplayChooser, ListsNewestFirstWithGameAndPlayersAndNamesWhatItCannotRead) {
  ReplayFolder folder;
  const fs::path game = SavedBowlingGame(folder);
  folder.Copy(game, "old.qreplay", 30);
  folder.Copy(game, "new.qreplay", 1);
  std::ofstream(folder.dir / "replays" / "broken.qreplay") << "not a replay";
  std::ofstream(folder.dir / "replays" / "notes.txt") << "not listed";
  fs::last_write_time(folder.dir / "replays" / "broken.qreplay", fs::file_time_type::clock::now() - std::chrono::hours(5));

  const auto list = ListReplays(folder.dir / "replays");
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].file.filename(), "new.qreplay");
  EXPECT_EQ(list[1].file.filename(), "broken.qreplay");
  EXPECT_EQ(list[2].file.filename(), "old.qreplay");
  EXPECT_EQ(list[0].line.rfind("Bowling, ", 0), 0u) << list[0].line;
  EXPECT_NE(list[0].line.find("(Ann, Bo)"), std::string::npos) << list[0].line;
  EXPECT_EQ(list[1].line, "broken.qreplay");
  EXPECT_TRUE(ListReplays(folder.dir / "no such folder").empty());
}

TEST(ReplayChooser, TheKeyboardAndTheMouseChooseAndTurnThePages) {
  std::vector<ReplayListing> list;
  for (int i = 0; i < 11; ++i) list.push_back({"r" + std::to_string(i) + ".qreplay", "replay " + std::to_string(i)});
  GameApp app;
  CReplayChooser chooser(list);
  chooser.Create(app.GetHost());
  const auto key = [&](UINT vk) { chooser.HandleMessage(MSG{0, WM_KEYDOWN, vk, 0, 0}); };
  const auto click = [&](int id) {
    const CPoint p = chooser.ControlRect(id).CenterPoint();
    chooser.HandleMessage(MSG{0, WM_LBUTTONDOWN, 0, MAKELPARAM(p.x, p.y), 0});
    chooser.HandleMessage(MSG{0, WM_LBUTTONUP, 0, MAKELPARAM(p.x, p.y), 0});
  };
  EXPECT_EQ(chooser.Chosen(), 0u);
  EXPECT_EQ(chooser.GetDlgItemText(IDC_REPLAY_ROW + 7), "replay 7");
  key(VK_DOWN);
  key(VK_DOWN);
  EXPECT_EQ(chooser.Chosen(), 2u);
  key(VK_NEXT);  // the second page: three replays, the rest of the rows empty and greyed
  EXPECT_EQ(chooser.Chosen(), 8u);
  EXPECT_EQ(chooser.GetDlgItemText(IDC_REPLAY_PAGE), "Replays 9 to 11 of 11");
  EXPECT_FALSE(chooser.IsDlgItemEnabled(IDC_REPLAY_ROW + 3));
  EXPECT_FALSE(chooser.IsDlgItemEnabled(IDC_REPLAY_OLDER));
  key(VK_NEXT);  // no third page
  EXPECT_EQ(chooser.Chosen(), 8u);
  click(IDC_REPLAY_NEWER);
  click(IDC_REPLAY_ROW + 5);
  EXPECT_EQ(chooser.Chosen(), 5u);
  key(VK_RETURN);
  EXPECT_TRUE(chooser.IsClosed());
  EXPECT_EQ(chooser.Result(), IDOK);
}

TEST(ReplayChooser, OpenReplayPlaysTheOneChosenAndCancelPlaysNone) {
  ReplayFolder folder;
  const fs::path game = SavedBowlingGame(folder);
  folder.Copy(game, "newest.qreplay", 1);
  folder.Copy(game, "second.qreplay", 2);
  for (const int answer : {IDCANCEL, IDOK}) {
    GameApp watch(1000, true, std::make_unique<SettingsStore>(folder.dir / "Quintaro.ini"));
    watch.dialogDriver = [answer](int id, DialogController& dlg) -> std::optional<int> {
      EXPECT_EQ(id, static_cast<int>(IDD_OPENREPLAY));
      dlg.Click(IDC_REPLAY_ROW + 1);
      return answer;
    };
    watch.GetHost().PostMessage(watch.GetHost().FrameWindow(), WM_COMMAND, ID_GAME_OPENREPLAY);
    watch.Pump();
    EXPECT_EQ(watch.dialogs.size(), 1u);
    EXPECT_EQ(watch.CountEvents("replay playing second.qreplay"), answer == IDOK ? 1 : 0);
    EXPECT_EQ(watch.App().Replays().Playing(), answer == IDOK);
  }
}

}  // namespace
}  // namespace quintaro::test
