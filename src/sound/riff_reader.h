// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A reader for RIFF files held in memory: chunks are an id, a little-endian
// 32-bit size and that many bytes, padded to an even length. Every size is
// checked against the bytes that hold it; nothing is read past the end.
#include <cstdint>
#include <optional>
#include <span>

#include "platform/types.h"

using FourCC = std::uint32_t;

constexpr FourCC MakeFourCC(const char (&id)[5]) {
  return static_cast<FourCC>(static_cast<BYTE>(id[0])) | (static_cast<FourCC>(static_cast<BYTE>(id[1])) << 8) |
         (static_cast<FourCC>(static_cast<BYTE>(id[2])) << 16) | (static_cast<FourCC>(static_cast<BYTE>(id[3])) << 24);
}

std::uint16_t ReadLe16(std::span<const BYTE> bytes, std::size_t offset);
std::uint32_t ReadLe32(std::span<const BYTE> bytes, std::size_t offset);

// The body of the first chunk called `id` among the chunks laid end to end in
// `region`. None when it is missing, or when a chunk on the way (or the one
// found) claims more bytes than the region holds.
std::optional<std::span<const BYTE>> FindChunk(std::span<const BYTE> region, FourCC id);

// The sub-chunks of the first top-level "RIFF" chunk whose form type is
// `form` (the bytes after the form type).
std::optional<std::span<const BYTE>> FindRiffForm(std::span<const BYTE> file, FourCC form);
