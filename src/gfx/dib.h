// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// CDIB: an 8-bit picture with a 256-entry colour table. Rows are stored
// bottom-up and padded to 4 bytes; every coordinate handed to it is top-down,
// (0, 0) being the top-left pixel. Playfields, sprite cels, the splash
// picture and the frame buffer are all CDIBs.
#include <cstddef>
#include <memory>
#include <span>

#include "platform/rect.h"
#include "platform/types.h"

class CDC;
class CFile;
class CPalette;
class ResourceTable;

// Where bitmap resources come from; null means the pack linked into the program.
using HINSTANCE = const ResourceTable*;

inline constexpr DWORD SRCCOPY = 0x00CC0020;
// "No transparent colour" for BlitTo.
inline constexpr COLORREF kNoKey = CLR_NONE;
// Pictures wider or taller than this are refused (the playfield is 602 x 401).
inline constexpr int kMaxDibDimension = 4096;

// The header block every image carries: the 40-byte info header and room for
// a full 256-entry colour table, whatever the image's colour count.
struct DIBInfoBlock {
  BITMAPINFOHEADER header;
  RGBQUAD colors[256];
};
static_assert(sizeof(DIBInfoBlock) == 1064);

// Row stride of an 8-bit image: the width rounded up to 4 bytes.
constexpr int DibStride(int width) { return (width + 3) & ~3; }

class CDIB {
 public:
  // A 16 x 16 grey-ramp picture until something else is loaded.
  CDIB();
  virtual ~CDIB();
  CDIB(const CDIB&) = delete;
  CDIB& operator=(const CDIB&) = delete;

  virtual int GetWidth() const;
  virtual int GetHeight() const;
  // Copies a w x h rectangle from (xs, ys) here to (xd, yd) in pDest. With a
  // key other than kNoKey, source pixels equal to the key's low byte are
  // skipped. Callers clip: a rectangle that does not lie inside both images
  // is refused whole and nothing is drawn.
  virtual void BlitTo(CDIB* pDest, int xd, int yd, int w, int h, int xs, int ys, COLORREF clrKey) const;
  // A blank image of that size with owned pixels (zeroed) and a grey-ramp
  // colour table. FALSE (old image kept) for sizes outside 1..kMaxDibDimension.
  virtual BOOL Create(int nWidth, int nHeight);
  // Loads bitmap resource nResId; a failed load keeps the old image.
  virtual BOOL Load(UINT nResId, HINSTANCE hInst = nullptr);
  // Loads a .bmp file from the stream's current position. Only uncompressed
  // 8-bit pictures are accepted; anything else keeps the old image.
  virtual BOOL Load(CFile* pFile);
  // Draws the whole picture 1:1 with its top-left at (x, y) in the context;
  // returns the number of rows drawn.
  virtual int Draw(CDC* pDC, int x, int y, DWORD dwRop = SRCCOPY) const;
  // Rewrites pixels and colour table so that every pixel is an index of pPal.
  virtual BOOL RemapToPalette(const CPalette* pPal);

  // Loads the resource format (info header, 1024-byte colour table, pixels)
  // from bytes; a failed load keeps the old image.
  BOOL LoadResourceBytes(std::span<const BYTE> bytes);
  // Copies header and colour table, and uses pBits (stride x height bytes,
  // never released by this image) as the pixels.
  BOOL Attach(const BITMAPINFOHEADER& header, std::span<const RGBQUAD> colors, BYTE* pBits);
  // A blank image with owned pixels and the same header and colour table as `other`.
  BOOL CreateLike(const CDIB& other);

  void GetRect(CRect* pRect) const;
  int GetColorCount() const;
  int GetStride() const { return DibStride(GetWidth()); }
  std::size_t GetImageSize() const;
  // Address of pixel (x, y), or null outside the picture.
  BYTE* PixelPtr(int x, int y);
  const BYTE* PixelPtr(int x, int y) const;
  BYTE* GetBits() { return m_pBits; }
  const BYTE* GetBits() const { return m_pBits; }
  // Null only after a failed allocation.
  const BITMAPINFOHEADER* GetHeader() const { return m_pInfo ? &m_pInfo->header : nullptr; }
  // The 256 colour entries (empty only after a failed allocation).
  std::span<const RGBQUAD> GetColors() const;
  std::span<RGBQUAD> GetColors();
  BOOL OwnsBits() const { return m_bOwnsBits; }

 private:
  void Install(std::unique_ptr<DIBInfoBlock> info, std::unique_ptr<BYTE[]> bits);

  std::unique_ptr<DIBInfoBlock> m_pInfo;
  std::unique_ptr<BYTE[]> m_ownedBits;
  BYTE* m_pBits = nullptr;
  BOOL m_bOwnsBits = TRUE;
};
