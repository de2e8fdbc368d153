// SPDX-License-Identifier: GPL-3.0-or-later
#include "sound/wave.h"

#include <algorithm>
#include <limits>

#include "sound/riff_reader.h"

namespace {

const FourCC kWaveForm = MakeFourCC("WAVE");
const FourCC kFormatChunk = MakeFourCC("fmt ");
const FourCC kDataChunk = MakeFourCC("data");
constexpr std::size_t kPcmFormatBytes = 16;

std::optional<std::span<const BYTE>> FindWaveChunk(std::span<const BYTE> file, FourCC id) {
  auto form = FindRiffForm(file, kWaveForm);
  if (!form) return std::nullopt;
  return FindChunk(*form, id);
}

}  // namespace

BOOL CWave::Load(UINT nResId, const WaveLookup& lookup) {
  Free();
  if (!lookup) return FALSE;
  return Load(lookup(nResId));
}

BOOL CWave::Load(std::span<const BYTE> bytes) {
  Free();
  m_bResource = TRUE;
  // Sizes are 32-bit in RIFF; a larger block cannot be a wave.
  if (bytes.empty() || bytes.size() > std::numeric_limits<DWORD>::max()) return FALSE;
  m_pData = bytes.data();
  m_cbData = static_cast<DWORD>(bytes.size());
  return TRUE;
}

BOOL CWave::GetFormat(WAVEFORMATEX* pFormat) const {
  if (m_pData == nullptr || pFormat == nullptr) return FALSE;
  auto fmt = FindWaveChunk({m_pData, m_cbData}, kFormatChunk);
  if (!fmt || fmt->size() < kPcmFormatBytes) return FALSE;
  WAVEFORMATEX format;
  format.wFormatTag = ReadLe16(*fmt, 0);
  format.nChannels = ReadLe16(*fmt, 2);
  format.nSamplesPerSec = ReadLe32(*fmt, 4);
  format.nAvgBytesPerSec = ReadLe32(*fmt, 8);
  format.nBlockAlign = ReadLe16(*fmt, 12);
  format.wBitsPerSample = ReadLe16(*fmt, 14);
  format.cbSize = ReadLe16(*fmt, 16);  // 0 when the chunk holds only 16 bytes
  *pFormat = format;
  return TRUE;
}

std::span<const BYTE> CWave::DataChunk() const {
  if (m_pData == nullptr) return {};
  return FindWaveChunk({m_pData, m_cbData}, kDataChunk).value_or(std::span<const BYTE>{});
}

DWORD CWave::GetDataLength() const { return static_cast<DWORD>(DataChunk().size()); }

DWORD CWave::ReadData(std::span<BYTE> dest) const {
  const std::span<const BYTE> data = DataChunk();
  const std::size_t n = std::min(data.size(), dest.size());
  std::copy_n(data.begin(), n, dest.begin());
  return static_cast<DWORD>(n);
}

std::vector<BYTE> CWave::ReadData() const {
  const std::span<const BYTE> data = DataChunk();
  return {data.begin(), data.end()};
}

void CWave::Free() {
  m_pData = nullptr;
  m_cbData = 0;
}
