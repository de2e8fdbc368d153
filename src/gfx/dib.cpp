// SPDX-License-Identifier: GPL-3.0-or-later
#include "gfx/dib.h"

#include <algorithm>
#include <cstring>

#include "gfx/bitmap_reader.h"
#include "gfx/dib_alloc.h"
#include "gfx/palette.h"
#include "platform/resources.h"

namespace {

const ResourceTable& ProgramResources() {
  static const ResourceTable table;
  return table;
}

void FillGreyRamp(DIBInfoBlock& info) {
  for (int i = 0; i < 256; ++i) {
    const auto v = static_cast<BYTE>(i);
    info.colors[i] = RGBQUAD{v, v, v, 0};
  }
}

bool ValidSize(int width, int height) {
  return width >= 1 && width <= kMaxDibDimension && height >= 1 && height <= kMaxDibDimension;
}

}  // namespace

CDIB::CDIB() { Create(16, 16); }

CDIB::~CDIB() = default;

int CDIB::GetWidth() const { return m_pInfo ? m_pInfo->header.biWidth : 0; }
int CDIB::GetHeight() const { return m_pInfo ? m_pInfo->header.biHeight : 0; }

std::size_t CDIB::GetImageSize() const {
  return static_cast<std::size_t>(GetStride()) * static_cast<std::size_t>(GetHeight());
}

void CDIB::GetRect(CRect* pRect) const {
  if (pRect) pRect->SetRect(0, 0, GetWidth(), GetHeight());
}

std::span<const RGBQUAD> CDIB::GetColors() const {
  if (!m_pInfo) return {};
  return m_pInfo->colors;
}

std::span<RGBQUAD> CDIB::GetColors() {
  if (!m_pInfo) return {};
  return m_pInfo->colors;
}

void CDIB::Install(std::unique_ptr<DIBInfoBlock> info, std::unique_ptr<BYTE[]> bits) {
  m_pInfo = std::move(info);
  m_ownedBits = std::move(bits);
  m_pBits = m_ownedBits.get();
  m_bOwnsBits = TRUE;
}

BOOL CDIB::Create(int nWidth, int nHeight) {
  if (!ValidSize(nWidth, nHeight)) return FALSE;
  auto info = AllocateInfoBlock();
  if (!info) return FALSE;
  auto bits = AllocatePixels(static_cast<std::size_t>(DibStride(nWidth)) * static_cast<std::size_t>(nHeight));
  if (!bits) return FALSE;
  info->header = BITMAPINFOHEADER{};
  info->header.biSize = sizeof(BITMAPINFOHEADER);
  info->header.biWidth = nWidth;
  info->header.biHeight = nHeight;
  info->header.biPlanes = 1;
  info->header.biBitCount = 8;
  FillGreyRamp(*info);
  Install(std::move(info), std::move(bits));
  return TRUE;
}

BOOL CDIB::CreateLike(const CDIB& other) {
  const BITMAPINFOHEADER* header = other.GetHeader();
  if (!header || !Create(header->biWidth, header->biHeight)) return FALSE;
  m_pInfo->header = *header;
  std::copy(other.m_pInfo->colors, other.m_pInfo->colors + 256, m_pInfo->colors);
  return TRUE;
}

BOOL CDIB::Attach(const BITMAPINFOHEADER& header, std::span<const RGBQUAD> colors, BYTE* pBits) {
  if (!pBits || header.biBitCount != 8 || !ValidSize(header.biWidth, header.biHeight)) return FALSE;
  auto info = AllocateInfoBlock();
  if (!info) return FALSE;
  info->header = header;
  info->header.biSize = sizeof(BITMAPINFOHEADER);
  const std::size_t count = std::min(colors.size(), std::size_t{256});
  std::copy_n(colors.begin(), count, info->colors);
  m_pInfo = std::move(info);
  m_ownedBits.reset();
  m_pBits = pBits;
  m_bOwnsBits = FALSE;
  return TRUE;
}

BOOL CDIB::Load(UINT nResId, HINSTANCE hInst) {
  const ResourceTable& table = hInst ? *hInst : ProgramResources();
  return LoadResourceBytes(table.Find(ResKind::Bitmap, nResId));
}

BOOL CDIB::LoadResourceBytes(std::span<const BYTE> bytes) {
  DecodedBitmap decoded;
  if (!DecodeBitmapResource(bytes, &decoded)) return FALSE;
  Install(std::move(decoded.info), std::move(decoded.bits));
  return TRUE;
}

BOOL CDIB::Load(CFile* pFile) {
  if (!pFile) return FALSE;
  DecodedBitmap decoded;
  if (!DecodeBitmapFile(*pFile, &decoded)) return FALSE;
  Install(std::move(decoded.info), std::move(decoded.bits));
  return TRUE;
}

int CDIB::GetColorCount() const {
  if (!m_pInfo) return 0;
  const BITMAPINFOHEADER& h = m_pInfo->header;
  int count = 0;
  switch (h.biBitCount) {
    case 1: count = 2; break;
    case 4: count = 16; break;
    case 8: count = 256; break;
    default: count = 0; break;
  }
  if (h.biClrUsed != 0) count = static_cast<int>(std::min<DWORD>(h.biClrUsed, 256));
  return count;
}

BYTE* CDIB::PixelPtr(int x, int y) {
  const int w = GetWidth();
  const int h = GetHeight();
  if (!m_pBits || x < 0 || y < 0 || x >= w || y >= h) return nullptr;
  return m_pBits + static_cast<std::ptrdiff_t>(h - 1 - y) * GetStride() + x;
}

const BYTE* CDIB::PixelPtr(int x, int y) const { return const_cast<CDIB*>(this)->PixelPtr(x, y); }

BOOL CDIB::RemapToPalette(const CPalette* pPal) {
  if (!pPal || !pPal->IsCreated() || !m_pInfo || !m_pBits) return FALSE;
  BYTE map[256];
  for (int i = 0; i < 256; ++i) {
    const RGBQUAD& c = m_pInfo->colors[i];
    map[i] = static_cast<BYTE>(pPal->GetNearestPaletteIndex(RGB(c.rgbRed, c.rgbGreen, c.rgbBlue)));
  }
  BYTE* p = m_pBits;
  for (std::size_t n = GetImageSize(); n != 0; --n, ++p) *p = map[*p];
  PALETTEENTRY entries[256];
  const UINT got = pPal->GetPaletteEntries(0, entries);
  for (UINT i = 0; i < got; ++i) {
    RGBQUAD& c = m_pInfo->colors[i];
    c.rgbRed = entries[i].peRed;
    c.rgbGreen = entries[i].peGreen;
    c.rgbBlue = entries[i].peBlue;
  }
  m_pInfo->header.biClrUsed = 256;
  return TRUE;
}
