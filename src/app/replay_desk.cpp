// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/replay_desk.h"

#include <fstream>
#include <sstream>

#include "app/main_frame.h"
#include "app/quintaro_app.h"
#include "app/quintaro_doc.h"
#include "app/resume_record.h"
#include "game/game.h"
#include "app/version.h"
#include "platform/host.h"
#include "platform/settings_file.h"
#include "res/resource_ids.h"
#include "ui/message_box.h"

namespace {

std::string Scores(const CQuintaroDoc& doc) {
  std::string text;
  for (int i = 0; i <= doc.m_nLastPlayer && i < kSeatCount; ++i) {
    const CPlayer& p = *doc.m_players[static_cast<std::size_t>(i)];
    text += (i ? ", " : "") + p.m_strName + " " + std::to_string(p.m_nScore);
  }
  return text;
}

// What a replay must end in: the scores and the game's own state (its
// balls, pins, darts, board), not the status line or the cursor.
std::uint64_t EndHash(const CQuintaroDoc& doc) {
  return StateHash(Scores(doc) + "|" + (doc.m_pGame ? doc.m_pGame->StateJson() : std::string()));
}

bool IsInput(UINT message) {
  return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) || message == WM_KEYDOWN || message == WM_KEYUP;
}

// A game that went another way may never come to a mark's place: the mark
// comes this long after its tick all the same, so the replay always ends.
constexpr DWORD kStrayMs = 5000;

}  // namespace

bool ReplayDesk::IsPlayfieldInput(const MSG& msg) const {
  return IsInput(msg.message) && msg.hwnd == m_app.GetHost().ViewWindow();
}

ReplayMark ReplayDesk::Here(bool inGameLoop) {
  return {m_app.GetHost().GetTickCount() - m_t0, m_handled, inGameLoop};
}

const ReplayMark* ReplayDesk::NextMark() const {
  if (!m_playing) return nullptr;
  if (m_next < m_replay.events.size()) return &m_replay.events[m_next].at;
  return m_endPosted ? nullptr : &m_replay.end;
}

bool ReplayDesk::AtPlace(const ReplayMark& mark) const {
  // A game that went another way has handled more: its mark comes late rather than never.
  if (m_handled != mark.handled) return m_handled > mark.handled;
  return (m_app.DispatchDepth() > 0) == mark.inGameLoop;
}

void ReplayDesk::OnGameStart() {
  Host& host = m_app.GetHost();
  if (m_startPending) {
    // The replay's game starts as the recorded one did.
    m_startPending = false;
    host.Random().Seed(m_replay.seed);
    host.PinWallClock(m_replay.wall);
    m_t0 = host.GetTickCount();
    m_handled = 0;
    m_next = 0;
    m_endPosted = false;
    return;
  }
  if (m_playing) Stop("The replay stopped: another game began.");
  host.PinWallClock(host.Time());
  m_replay = Replay{};
  m_replay.version = ProgramVersion();
  m_replay.start = CaptureStart(m_app.Doc());
  m_replay.seed = host.Random().State();
  m_replay.wall = host.Time();
  m_t0 = host.GetTickCount();
  m_handled = 0;
  m_recording = true;
}

void ReplayDesk::OnGameResumed(const StateRecord& record) {
  if (m_playing) return;
  m_replay.start = record;
  m_replay.startHasState = true;
}

void ReplayDesk::OnDispatch(const MSG& msg, bool inGameLoop) {
  const HWND view = m_app.GetHost().ViewWindow();
  const bool gameMessage =
      msg.hwnd == view && (IsInput(msg.message) || msg.message == WM_TIMER || msg.message >= WM_USER);
  if (!gameMessage) return;
  // While a replay plays, the playfield takes only the replay's own messages.
  if (m_recording && !m_playing && IsPlayfieldInput(msg))
    m_replay.events.push_back({Here(inGameLoop), msg.message, msg.wParam, msg.lParam});
  ++m_handled;
}

bool ReplayDesk::LetUserInput(const MSG& msg) {
  if (!m_playing) return true;
  // The player watches: Escape stops the replay; other input on the playfield is the recording's.
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
    Stop("The replay stopped. Play on from here.");
    return false;
  }
  return !IsPlayfieldInput(msg);
}

void ReplayDesk::PostDue(Host& host, DWORD playNow) {
  const ReplayMark* mark = NextMark();
  if (!mark) return;
  const auto past = static_cast<std::int32_t>(playNow - m_t0 - mark->tick);
  if (past < 0 || (!AtPlace(*mark) && past < static_cast<std::int32_t>(kStrayMs))) return;
  if (m_next < m_replay.events.size()) {
    // Taken next, before anything else queued, as it was when recorded.
    const ReplayEvent& e = m_replay.events[m_next++];
    host.PostMessageFirst(host.ViewWindow(), e.message, e.wParam, e.lParam);
    return;
  }
  // Where the recording ended: a message wakes the main loop, which ends
  // the replay once idle; the state is taken here, whatever loop runs now.
  m_endPosted = true;
  m_endedAsRecorded = EndHash(m_app.Doc()) == m_replay.endHash;
  host.PostMessage(host.ViewWindow(), WM_NULL);
}

std::optional<DWORD> ReplayDesk::NextDue() const {
  // Until the game has come to the mark's place, its own timers bring it there.
  const ReplayMark* mark = NextMark();
  if (!mark) return std::nullopt;
  return m_t0 + mark->tick + (AtPlace(*mark) ? 0 : kStrayMs);
}

void ReplayDesk::Idle() {
  if (!m_playing || !m_endPosted) return;
  Stop(m_endedAsRecorded ? "The replay ended as recorded: " + m_replay.endScores + "."
            : "The replay ended, but not as recorded (the game went another way).");
}

void ReplayDesk::Stop(const std::string& why) {
  m_playing = false;
  m_app.GetHost().SetInputSource(nullptr);
  // The game plays on from here, and what was played of the replay stays recorded.
  m_replay.events.resize(m_next);
  m_recording = true;
  m_app.GetHost().Report("replay " + why);
  m_app.SetStatusText(why);
}

std::string ReplayDesk::Save(const std::filesystem::path& file, bool withinCommand) {
  CQuintaroDoc& doc = m_app.Doc();
  if (!m_recording || !doc.CurrentGameInfo()) return "There is no game on screen to save as a replay.";
  Replay replay = m_replay;
  replay.end = Here(m_app.DispatchDepth() > (withinCommand ? 1 : 0));
  replay.endHash = EndHash(doc);
  replay.endScores = Scores(doc);
  std::error_code ec;
  if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ec);
  const SettingsFileWrite written = WriteSettingsFile(file, WriteReplay(replay));
  if (written.outcome != SettingsWriteOutcome::Written) return "The replay could not be saved: " + written.reason;
  m_app.GetHost().Report("replay saved " + file.filename().string());
  return {};
}

bool ReplayDesk::Open(const std::filesystem::path& file) {
  CMainFrame& frame = m_app.Frame();
  std::ifstream in(file, std::ios::binary);
  std::string text(kMaxReplayBytes + 1, '\0');
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  text.resize(in ? text.size() : static_cast<std::size_t>(in.gcount()));
  std::string error = in.bad() || (!in && text.empty()) ? "it cannot be read" : "";
  const auto replay = error.empty() ? ReadReplay(text, error) : std::nullopt;
  if (replay && replay->version != ProgramVersion())
    error = "it was recorded by Quintaro " + replay->version + ", and this is Quintaro " + ProgramVersion() +
            ": a replay plays true only on the version that recorded it";
  if (!replay || !error.empty()) {
    frame.MessageBox("The replay " + file.filename().string() + " cannot be played: " + error + ".",
                     kApplicationTitle, MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  if (!m_app.Doc().MayLeaveGame()) return false;
  if (m_playing) Stop("The replay stopped.");
  m_replay = *replay;
  m_playing = true;
  m_recording = false;
  m_startPending = true;
  m_app.Doc().m_bGameInProgress = FALSE;
  if (!RestoreGame(m_app.Doc(), m_replay.start, error, m_replay.startHasState)) {
    m_playing = m_startPending = false;
    m_app.GetHost().SetInputSource(nullptr);
    frame.MessageBox("The replay " + file.filename().string() + " cannot be played: " + error + ".",
                     kApplicationTitle, MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  // The recorded input starts once the game's scene is up, as the player's did.
  m_app.GetHost().SetInputSource(this);
  // A loop already waiting learns of the first message's time when it wakes.
  m_app.GetHost().PostMessage(m_app.GetHost().ViewWindow(), WM_NULL);
  m_app.GetHost().Report("replay playing " + file.filename().string());
  m_app.SetStatusText("Replay: press Escape to stop it.");
  return true;
}

std::filesystem::path ReplayDesk::Folder() const {
  const auto& settings = m_app.GetHost().Settings().File();
  return settings ? settings->parent_path() / "replays" : std::filesystem::path(".");
}
