// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns a wave's format record and data into the 16-bit mono samples the
// audio device plays.
#include <cstdint>
#include <span>
#include <vector>

#include "platform/types.h"
#include "sound/wave.h"

// Accepts PCM with 8 (unsigned) or 16 (signed) bits per sample, one or two
// channels (two are averaged) and a rate the device can play. A trailing
// partial frame is dropped. FALSE, leaving `out` empty, for anything else.
BOOL DecodePcm(const WAVEFORMATEX& format, std::span<const BYTE> data, std::vector<std::int16_t>* out);
