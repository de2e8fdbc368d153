// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A real-time game played by two machines (Air Hockey in an online room):
// one machine runs it, with the other seat's mallet following the aim its
// player sends; the other machine only shows it, from the running
// machine's news, with its own mallet where its player's hand is. The shell
// carries the aims and the news; the game reads and writes them.
#include <functional>
#include <optional>
#include <string>

#include "platform/rect.h"
#include "platform/types.h"

class LiveRink {
 public:
  enum class Role {
    Alone,  // plays as ever: the second seat's mallet is the computer's
    Runs,   // plays, with the second seat's mallet following SetFarAim
    Shows,  // plays nothing: draws ShowNews, its own mallet at its pointer
  };
  // A press of the player who sees the rink shown: on its mallet while play
  // waits it starts play, anywhere while play runs it pauses, as at home.
  enum class Press { Play, Pause };

  virtual ~LiveRink() = default;

  virtual void SetRole(Role role) = 0;
  virtual Role GetRole() const = 0;

  // Runs: where the other machine's player holds its mallet (kept within
  // its half, reached at a person's speed).
  virtual void SetFarAim(CPoint aim) = 0;
  // Runs: the other player is away; play pauses and waits for them.
  virtual void HoldForFarPlayer(bool away) = 0;
  // Runs: the other machine's player pressed (refused while its player or
  // this machine's is away, or no match is on).
  virtual void FarPress(Press press) = 0;
  // Runs: the rink's news, or nothing when nothing changed since the last
  // (`always`: the news even so).
  virtual std::optional<std::string> TakeNews(bool always) = 0;
  // Runs: called when news must go out at once, before the game waits on a
  // message box (a goal).
  virtual void SetNewsListener(std::function<void()> listener) = 0;

  // Shows: news from the running machine that arrived at `arrivedAt` (play
  // time); false when it is not news this game can read.
  virtual bool ShowNews(const std::string& news, DWORD arrivedAt) = 0;
  // Shows: where this machine's player holds its mallet, once it has moved.
  virtual std::optional<CPoint> OwnAim() const = 0;
  // Shows: the press this machine's player made since the last call, if any.
  virtual std::optional<Press> TakeOwnPress() = 0;
};
