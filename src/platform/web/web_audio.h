// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sound through the page's Web Audio, fed by the program's own mixer.
#include <memory>

#include "platform/audio_device.h"

// Null when the browser offers no audio.
std::unique_ptr<AudioDevice> MakeWebAudioDevice();
