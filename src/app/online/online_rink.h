// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's side of an online room whose game runs in real time (Air
// Hockey): the creator's machine runs the rink with the guest's mallet
// following the aims the guest sends (`mallet`), and sends the rink back
// (`rink`) at the frame rate while play runs; the guest's machine shows it.
// Each machine's own player moves its own mallet on its own machine.
#include <deque>
#include <optional>
#include <string>
#include <utility>

#include "game/live_rink.h"
#include "platform/rect.h"
#include "platform/types.h"

class CQuintaroApp;
class OnlineSession;
struct NetMessage;

class OnlineRink {
 public:
  // Aims and news go out at most once a frame (frames come every 15.625 ms).
  static constexpr DWORD kSendEveryMs = 15;
  // At rest the rink is told again this often, so a guest who came back
  // (or missed something) soon shows it as it is.
  static constexpr DWORD kRestNewsEveryMs = 1000;

  explicit OnlineRink(CQuintaroApp& app) : m_app(app) {}

  // The room's game is played in real time rather than by turns.
  static bool IsRinkGame(const std::string& word) { return word == "airhockey"; }

  // A `mallet` or `rink` message from the other machine, kept for the main
  // loop; false for any other message.
  bool Take(const NetMessage& message);
  // A main loop round while the room's game is on this machine's table.
  void Idle(OnlineSession& session);
  // The room's game is over or left: the game on the table plays alone again.
  void Stop();

  // The creator's machine: the guest's aim as last heard.
  std::optional<CPoint> HeardAim() const { return m_farAim; }
  int NewsSent() const { return m_newsSent; }
  int NewsHeard() const { return m_newsHeard; }
  // The creator's machine: presses heard from the guest (to start or pause play).
  int PressesHeard() const { return m_pressesHeard; }

 private:
  LiveRink* Game() const;
  void Run(LiveRink& game, OnlineSession& session);
  void Show(LiveRink& game, OnlineSession& session);
  void SendNews(LiveRink& game, bool always);

  CQuintaroApp& m_app;
  OnlineSession* m_session = nullptr;
  std::optional<CPoint> m_farAim;  // creator: the guest's latest aim
  bool m_farAimNew = false;
  std::optional<LiveRink::Press> m_farPress;         // creator: the guest's press not yet played
  bool m_newsAsked = false;                          // creator: the guest asked for the rink
  std::deque<std::pair<std::string, DWORD>> m_news;  // guest: news and when it came, for the game
  std::optional<CPoint> m_sentAim;                   // guest: the aim last sent
  DWORD m_aimSentAt = 0;
  DWORD m_newsSentAt = 0;
  int m_newsSent = 0;
  int m_newsHeard = 0;
  int m_pressesHeard = 0;
};
