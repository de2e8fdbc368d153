// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/hang_up.h"

#include <csignal>
#include <initializer_list>

namespace {

// Written by the signal handler, so it can be nothing but a flag.
volatile std::sig_atomic_t g_hangUp = 0;

extern "C" void NoteHangUp(int /*signal*/) { g_hangUp = 1; }

}  // namespace

void CatchHangUp() {
  for (const int signal : {SIGHUP, SIGTERM}) {
    struct sigaction current {};
    if (::sigaction(signal, nullptr, &current) != 0 || current.sa_handler == SIG_IGN) continue;
    struct sigaction action {};
    action.sa_handler = NoteHangUp;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    ::sigaction(signal, &action, nullptr);
  }
}

bool HangUpPending() { return g_hangUp != 0; }

bool TakeHangUp() {
  if (g_hangUp == 0) return false;
  g_hangUp = 0;
  return true;
}
