// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The session ends: a hang-up (the terminal the program was started from
// went away) or a terminate request (a logout, `kill`, systemd stopping the
// user's session). Nobody is there to answer a question, so the program
// keeps the game under way for the next start, saves the settings as at any
// other exit and ends without asking; left to their defaults, SIGHUP and
// SIGTERM would kill the process on the spot. SIGINT (Ctrl+C in the
// terminal) still reaches the program as a close request through the
// backend.

// Installs the handler for SIGHUP and SIGTERM, unless the signal is ignored
// (the program was started under nohup): that stays ignored.
void CatchHangUp();
// A hang-up or terminate request arrived and was not yet taken.
bool HangUpPending();
// True once for each of them: the caller ends the session.
bool TakeHangUp();
