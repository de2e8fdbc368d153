// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/replay_commands.h"

#include <ctime>
#include <vector>

#include "app/main_frame.h"
#include "app/online/online_desk.h"
#include "app/quintaro_app.h"
#include "app/quintaro_doc.h"
#include "app/replay_chooser.h"
#include "app/replay_desk.h"
#include "app/replay_list.h"
#include "app/version.h"
#include "platform/i18n.h"
#include "res/replay_ids.h"
#include "res/resource_ids.h"
#include "ui/message_box.h"

namespace fs = std::filesystem;

namespace {

// "Pool-20261210-183012.qreplay": the game and the local time it was saved.
std::string ReplayName(const CQuintaroDoc& doc, std::int64_t seconds) {
  const GameInfo* game = doc.CurrentGameInfo();
  const std::time_t t = static_cast<std::time_t>(seconds);
  std::tm local{};
  localtime_r(&t, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  return std::string(game ? game->pszName : "Game") + "-" + stamp + ".qreplay";
}

}  // namespace

bool OnReplayCommand(CQuintaroApp& app, UINT id) {
  CMainFrame& frame = app.Frame();
  ReplayDesk& replays = app.Replays();
  if (id == ID_GAME_SAVEREPLAY) {
    const fs::path file = replays.Folder() / ReplayName(app.Doc(), std::time(nullptr));
    const std::string error = replays.Save(file, true);
    frame.MessageBox(error.empty() ? "The game was saved as the replay " + file.string() + "." : error,
                     kApplicationTitle, MB_OK | (error.empty() ? MB_ICONINFORMATION : MB_ICONEXCLAMATION));
    return true;
  }
  if (id == ID_GAME_OPENREPLAY) {
    if (app.Online().InRoom()) {
      frame.MessageBox(Tr("A replay cannot be watched during an online game."), kApplicationTitle,
                       MB_OK | MB_ICONINFORMATION);
      return true;
    }
    const std::vector<ReplayListing> list = ListReplays(replays.Folder());
    if (list.empty()) {
      frame.MessageBox("There is no replay in " + replays.Folder().string() + " yet: Game > Save Replay... keeps one.",
                       kApplicationTitle, MB_OK | MB_ICONINFORMATION);
      return true;
    }
    if (const auto chosen = ChooseReplay(app.GetHost(), frame.Script(), list)) replays.Open(list[*chosen].file);
    return true;
  }
  return false;
}
