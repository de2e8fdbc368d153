// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Game > Save Replay... and Game > Open Replay...
#include "platform/types.h"

class CQuintaroApp;

// Carries out a replay command; false when `id` is not one.
bool OnReplayCommand(CQuintaroApp& app, UINT id);
