// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The real audio device over SDL2 (only this directory sees SDL).
#include <memory>

#include "platform/audio_device.h"

// Opens the default output once for the program: stereo 16-bit, mixed in the
// audio callback. Null when there is no usable device (no driver, the open
// fails, or SDL_AUDIODRIVER=dummy, which is treated as no device).
std::unique_ptr<AudioDevice> MakeSdlAudioDevice();
