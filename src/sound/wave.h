// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One wave resource: a RIFF file of form "WAVE" held in memory, read chunk by
// chunk. The bytes belong to the resource table (or to whoever handed them
// in) and must outlive the CWave.
#include <functional>
#include <span>
#include <vector>

#include "platform/types.h"

// The format record at the start of the "fmt " chunk (18 bytes on disk; for
// PCM only the first 16 mean anything and a 16-byte chunk is accepted).
struct WAVEFORMATEX {
  WORD wFormatTag = 0;
  WORD nChannels = 0;
  DWORD nSamplesPerSec = 0;
  DWORD nAvgBytesPerSec = 0;
  WORD nBlockAlign = 0;
  WORD wBitsPerSample = 0;
  WORD cbSize = 0;
};
inline constexpr WORD WAVE_FORMAT_PCM = 1;

// Finds a wave resource's bytes by id; an empty span when there is none.
using WaveLookup = std::function<std::span<const BYTE>(UINT nResId)>;

class CWave {
 public:
  CWave() = default;
  virtual ~CWave() = default;
  CWave(const CWave&) = delete;
  CWave& operator=(const CWave&) = delete;

  // Finds wave nResId through `lookup` and keeps a view of it. TRUE when
  // there are bytes (whether they hold a valid wave is up to the readers).
  BOOL Load(UINT nResId, const WaveLookup& lookup);
  // Keeps a view of a wave file already in memory.
  BOOL Load(std::span<const BYTE> bytes);

  // The format record of the "fmt " chunk; FALSE without one.
  BOOL GetFormat(WAVEFORMATEX* pFormat) const;
  // Size of the "data" chunk in bytes; 0 without one.
  DWORD GetDataLength() const;
  // Copies the start of the "data" chunk into `dest`, as much as fits, and
  // returns the number of bytes copied.
  DWORD ReadData(std::span<BYTE> dest) const;
  // The whole "data" chunk.
  std::vector<BYTE> ReadData() const;

  void Free();
  BOOL IsLoaded() const { return m_pData != nullptr ? TRUE : FALSE; }

 protected:
  // The "data" chunk's bytes, empty when the file has none.
  std::span<const BYTE> DataChunk() const;

  const BYTE* m_pData = nullptr;  // start of the whole RIFF file
  DWORD m_cbData = 0;             // its size
  BOOL m_bResource = FALSE;       // the bytes belong to someone else (always, here)
};
