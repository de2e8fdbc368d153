// SPDX-License-Identifier: GPL-3.0-or-later
// A token bucket: messages may come in bursts, but on average no faster than
// the rate.
#pragma once

#include <algorithm>

#include "server/room.h"

class RateLimit {
 public:
  RateLimit(double perSecond, double burst, Millis now)
      : perMilli_(perSecond / 1000.0), burst_(burst), tokens_(burst), last_(now) {}

  // Takes one message's worth, or says the connection is over its rate.
  bool Take(Millis now) {
    if (now > last_) tokens_ = std::min(burst_, tokens_ + static_cast<double>(now - last_) * perMilli_);
    last_ = std::max(last_, now);
    if (tokens_ < 1.0) return false;
    tokens_ -= 1.0;
    return true;
  }

 private:
  double perMilli_, burst_, tokens_;
  Millis last_;
};
