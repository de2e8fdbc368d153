// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// CSprite: a movable picture over the playfield with one or more cels, a hot
// spot, a depth (smaller is nearer the front) and a transparent colour index
// taken from a cel's top-left pixel. Every change that alters the screen is
// reported to its observer with the rectangles concerned.
#include <memory>
#include <vector>

#include "gfx/dib.h"
#include "platform/rect.h"

class CSprite;

inline constexpr UINT SPRITE_CHANGE_DEPTH = 1;
inline constexpr UINT SPRITE_CHANGE_POSITION = 2;
inline constexpr UINT SPRITE_CHANGE_IMAGE = 4;

class CSpriteObserver {
 public:
  virtual ~CSpriteObserver() = default;
  virtual void OnSpriteChanged(CSprite* pSprite, UINT nChange, const CRect* pOld, const CRect* pNew) = 0;
};

class CSprite : public CDIB {
 public:
  CSprite();
  CSprite(int x, int y, int z, int nCels);
  CSprite(int x, int y, int z, int xHot, int yHot, int nCels);
  ~CSprite() override;

  using CDIB::Load;
  // Loads the resource into the current cel and takes the key from it.
  BOOL Load(UINT nResId, HINSTANCE hInst = nullptr) override;
  // Replaces cel nCel with a newly loaded picture; the key comes from it.
  virtual BOOL LoadCel(UINT nResId, int nCel, HINSTANCE hInst = nullptr);
  virtual int GetX() const { return m_x; }
  virtual int GetY() const { return m_y; }
  virtual int GetDepth() const { return m_z; }
  virtual int GetPosX() const { return m_x + m_xHot; }
  virtual int GetPosY() const { return m_y + m_yHot; }
  virtual void SetObserver(CSpriteObserver* pObserver) { m_pObserver = pObserver; }
  CSpriteObserver* GetObserver() const { return m_pObserver; }

  // Replaces cel nCel with a picture made elsewhere, as LoadCel does with a
  // resource; FALSE (nothing changed) for a bad index or a null picture.
  BOOL SetCelImage(int nCel, std::unique_ptr<CDIB> pCel);
  // Deletes all cels and makes nCels blank 16 x 16 ones; cel 0 is current.
  void SetCelCount(int nCels);
  void DeleteCels();
  int GetCelCount() const { return static_cast<int>(m_cels.size()); }
  int GetCelIndex() const { return m_nCel; }
  BOOL SetCel(int nCel);
  // The current cel, or null.
  CDIB* GetCel() const { return m_pCel; }

  // Puts the hot spot at (x, y); always reported, even without movement.
  void SetPosition(int x, int y);
  void SetDepth(int z);
  // Moves the hot spot inside the picture; the picture stays where it is.
  void SetHotSpot(int xHot, int yHot) { m_xHot = xHot; m_yHot = yHot; }
  BYTE GetKey() const { return m_byKey; }

  // (x, y, x + w, y + h) of the current cel.
  void GetRect(CRect* pRect) const;
  // (x, y, x + w - 1, y + h - 1).
  void GetInclusiveRect(CRect* pRect) const;
  // The point is strictly inside the picture (its left column and top row
  // never hit) and on a pixel that is not the key.
  BOOL HitTest(int x, int y) const;
  // The pictures share more than a single row or column; with bPixels, also
  // some position where neither picture shows this sprite's key.
  BOOL Overlaps(const CSprite* pOther, BOOL bPixels) const;
  // Draws the current cel into pDest with the key transparent, clipped to
  // pClip (when given) and to pDest.
  void Render(CDIB* pDest, const CRect* pClip) const;
  BOOL RemapToPalette(const CPalette* pPal) override;

 private:
  void RefreshKey(const CDIB* pCel);
  void Notify(UINT nChange, const CRect* pOld, const CRect* pNew);

  CSpriteObserver* m_pObserver = nullptr;
  int m_x = 0;
  int m_y = 0;
  int m_z = 0;
  BYTE m_byKey = 0;
  int m_xHot = 0;
  int m_yHot = 0;
  CDIB* m_pCel = nullptr;
  std::vector<std::unique_ptr<CDIB>> m_cels;
  int m_nCel = 0;
};
