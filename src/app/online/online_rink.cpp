// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/online/online_rink.h"

#include <charconv>
#include <utility>

#include "app/online/online_session.h"
#include "app/quintaro_app.h"
#include "app/quintaro_doc.h"
#include "game/game.h"
#include "platform/host.h"

namespace {

// News waiting for the main loop (a goal's box holds it up); beyond this a
// flood, and only the latest matter.
constexpr std::size_t kMaxWaitingNews = 120;
constexpr int kFarthestAim = 10000;

std::optional<int> Coordinate(const NetMessage& message, std::string_view key) {
  const std::string* text = message.Field(key);
  int value = 0;
  if (!text) return std::nullopt;
  const auto [end, ec] = std::from_chars(text->data(), text->data() + text->size(), value);
  if (ec != std::errc() || end != text->data() + text->size() || value < -kFarthestAim || value > kFarthestAim)
    return std::nullopt;
  return value;
}

}  // namespace

LiveRink* OnlineRink::Game() const { return dynamic_cast<LiveRink*>(m_app.Doc().m_pGame.get()); }

bool OnlineRink::Take(const NetMessage& message) {
  if (message.type == "mallet") {
    if (message.Get("from") != "1") return true;
    const auto x = Coordinate(message, "x");
    const auto y = Coordinate(message, "y");
    if (x && y) {
      m_farAim = CPoint{*x, *y};
      m_farAimNew = true;
    }
    // A press rides with the aim it was made at.
    const std::string press = message.Get("press");
    if (press == "play") m_farPress = LiveRink::Press::Play;
    if (press == "pause") m_farPress = LiveRink::Press::Pause;
    if (press == "play" || press == "pause") ++m_pressesHeard;
    // Neither aim nor press: the guest's rink has just come up and asks for the rink.
    if (!x && !y && press.empty()) m_newsAsked = true;
    return true;
  }
  if (message.type != "rink") return false;
  if (message.Get("from") != "0") return true;
  if (m_news.size() >= kMaxWaitingNews) m_news.pop_front();
  m_news.emplace_back(message.body, m_app.GetHost().GetTickCount());
  ++m_newsHeard;
  return true;
}

void OnlineRink::Idle(OnlineSession& session) {
  m_session = &session;
  LiveRink* game = Game();
  if (!game) return;
  if (session.IsCreator()) Run(*game, session);
  else Show(*game, session);
}

void OnlineRink::Stop() {
  if (LiveRink* game = Game()) {
    game->SetNewsListener({});
    game->SetRole(LiveRink::Role::Alone);
  }
  m_news.clear();
  m_farAim.reset();
  m_farPress.reset();
  m_newsAsked = false;
  m_sentAim.reset();
  m_session = nullptr;
}

void OnlineRink::Run(LiveRink& game, OnlineSession& session) {
  const OnlineSeat& guest = session.Room().seat[1];
  if (guest.computer) {
    // Handed to the computer: it plays the far mallet as it does alone.
    game.SetNewsListener({});
    game.SetRole(LiveRink::Role::Alone);
    return;
  }
  if (game.GetRole() != LiveRink::Role::Runs) {
    game.SetRole(LiveRink::Role::Runs);
    m_farAimNew = m_farAim.has_value();
  }
  game.SetNewsListener([this] {
    if (LiveRink* live = Game()) SendNews(*live, true);
  });
  game.HoldForFarPlayer(guest.presence != OnlineSeat::Presence::Connected);
  if (m_farAimNew && m_farAim) game.SetFarAim(*m_farAim);
  m_farAimNew = false;
  if (m_farPress) game.FarPress(*std::exchange(m_farPress, std::nullopt));
  const DWORD since = m_app.GetHost().GetTickCount() - m_newsSentAt;
  // A guest whose rink has just come up sees it as it is at once.
  const bool always = since >= kRestNewsEveryMs || std::exchange(m_newsAsked, false);
  if (since >= kSendEveryMs || always) SendNews(game, always);
}

void OnlineRink::SendNews(LiveRink& game, bool always) {
  if (!m_session) return;
  const auto news = game.TakeNews(always);
  if (!news) return;
  const DWORD now = m_app.GetHost().GetTickCount();
  m_newsSentAt = now;
  ++m_newsSent;
  m_session->Send(NetMessage{"rink", {{"tick", std::to_string(now)}}, *news});
}

void OnlineRink::Show(LiveRink& game, OnlineSession& session) {
  if (game.GetRole() != LiveRink::Role::Shows) {
    game.SetRole(LiveRink::Role::Shows);
    // Drawn from the news, the rink goes on whether or not the window has the focus.
    m_app.GetHost().HoldPlay(PlayHold::Away, false);
    // The creator's machine tells the rink at rest only now and then: ask for it now.
    session.Send(NetMessage{"mallet", {{"tick", std::to_string(m_app.GetHost().GetTickCount())}}, {}});
  }
  // News is read in the order it came; a goal's box may stop the game being the one on the table.
  while (!m_news.empty()) {
    const auto [news, arrivedAt] = m_news.front();
    m_news.pop_front();
    LiveRink* live = Game();
    if (!live) break;
    if (!live->ShowNews(news, arrivedAt)) m_app.GetHost().Report("online rink news refused");
  }
  LiveRink* live = Game();
  const std::optional<CPoint> aim = live ? live->OwnAim() : std::nullopt;
  const std::optional<LiveRink::Press> press = live ? live->TakeOwnPress() : std::nullopt;
  const DWORD now = m_app.GetHost().GetTickCount();
  if (!press && (!aim || aim == m_sentAim || now - m_aimSentAt < kSendEveryMs)) return;
  NetMessage message{"mallet", {{"tick", std::to_string(now)}}, {}};
  if (aim) {
    message.fields.emplace_back("x", std::to_string(aim->x));
    message.fields.emplace_back("y", std::to_string(aim->y));
    m_sentAim = aim;
    m_aimSentAt = now;
  }
  if (press) message.fields.emplace_back("press", *press == LiveRink::Press::Play ? "play" : "pause");
  session.Send(message);
}
