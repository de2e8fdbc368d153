// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Game > Play Online...: the dialog, then the room's lobby.
#include "platform/types.h"

class CQuintaroApp;

// Carries out the command `id` if it is the online one; false otherwise.
bool OnOnlineCommand(CQuintaroApp& app, UINT id);
