// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A hang-up (the terminal or the session the program was started from went
// away) closes the program as a close request does, so the settings are
// saved as at any other exit; left to its default, SIGHUP would kill the
// process on the spot. SIGTERM and SIGINT reach the program as close
// requests through the backend already.

// Installs the handler, unless hang-ups are ignored (the program was started
// under nohup): those stay ignored.
void CatchHangUp();
// A hang-up arrived and was not yet taken.
bool HangUpPending();
// True once for each hang-up: the caller posts the close request.
bool TakeHangUp();
