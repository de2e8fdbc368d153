// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sounds made four times smaller for the web page's download: a 16-bit mono
// PCM wave as 4-bit IMA ADPCM ("QADP", u32 rate, u32 samples, then blocks of
// kAdpcmBlockSamples: i16 first sample, u8 step index, the rest as nibbles,
// low nibble first). The resource table turns it back into a PCM wave when
// the program starts, so everything else plays it as before.
#include <cstdint>
#include <span>
#include <vector>

#include "platform/types.h"

inline constexpr char kAdpcmMagic[4] = {'Q', 'A', 'D', 'P'};
inline constexpr std::size_t kAdpcmBlockSamples = 1024;

// The wave squeezed; empty when it is not a 16-bit mono PCM RIFF wave.
std::vector<BYTE> EncodeAdpcmWave(std::span<const BYTE> riffWave);
// The PCM RIFF wave again; empty when the bytes are not a whole QADP wave.
std::vector<BYTE> DecodeAdpcmWave(std::span<const BYTE> adpcm);
