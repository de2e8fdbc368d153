// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The view: the playfield window. It owns the off-screen frame buffer every
// screen is composed in, the identity palette built from the playfield and
// the pending dirty rectangles, and it shows composed rectangles on the
// window surface.
#include <memory>

#include "gfx/dib.h"
#include "gfx/dirty_rects.h"
#include "gfx/frame_convert.h"
#include "game/turn_state.h"
#include "gfx/palette.h"
#include "platform/messages.h"
#include "platform/rect.h"
#include "platform/types.h"

class CQuintaroDoc;
class CSprite;
class CSpriteList;
class Host;

// The header the frame buffer was made from: the playfield's info header with
// colours-used 0, then the palette indices 0..255 as its colour table.
struct FrameInfo {
  BITMAPINFOHEADER header;
  WORD indices[256];
};
static_assert(sizeof(FrameInfo) == 552);

class CQuintaroView : public CDirtyRectSink {
 public:
  explicit CQuintaroView(Host& host);
  ~CQuintaroView() override;
  CQuintaroView(const CQuintaroView&) = delete;
  CQuintaroView& operator=(const CQuintaroView&) = delete;

  // The document's scene: the sprite list that is drawn over the playfield
  // and the flag that says the display shows more than 256 colours (then
  // nothing is remapped). Either may be null (no sprites; palette display).
  void AttachScene(CSpriteList* pSprites, const BOOL* pbTrueColor);

  // --- Frame composition ---------------------------------------------------
  // Builds palette and frame buffer for a new playfield (which stays the
  // caller's) and shows a full frame. On failure nothing is composed until
  // the next background.
  BOOL SetBackground(CDIB* pBackground);
  BOOL CreateFrameBuffer(CDIB* pBackground);
  // Remaps every sprite to the palette (not on true colour) and shows a full frame.
  void RemapAllSprites();
  // Composes a rectangle (null: the whole playfield) into the frame buffer.
  void RenderRect(const CRect* pRect);
  // Copies a rectangle (null: the whole view) of the frame buffer to the window.
  void BlitRect(const CRect* pRect);
  void AddDirtyRect(const CRect* pRect) override;
  // Composes and shows every pending rectangle, newest first.
  void FlushDirtyRects();
  void DiscardDirtyRects();

  Host& GetHost() { return m_host; }
  CDIB* GetBackground() const { return m_pBackground; }

  // --- The window and its messages ------------------------------------------
  // Creates the view's window on the host and connects it to the document.
  void Create(CQuintaroDoc* pDoc);
  HWND GetSafeHwnd() const { return m_hwnd; }
  CQuintaroDoc* GetDocument() const { return m_pDoc; }
  LRESULT WindowProc(const MSG& msg);
  // Asks the document to stop the current game, then closes the window.
  void DestroyWindow();
  BOOL StartTimer(UINT nID, UINT nMs);
  BOOL StopTimer(UINT nID);
  // Title-screen regions: with bSelect the document's screen type becomes the
  // (last) region's; otherwise the hand cursor shows over a region.
  BOOL HitTestRegions(int x, int y, BOOL bSelect);
  void OnInitialUpdate() { OnUpdate(0); }
  void OnUpdate(LPARAM lHint);
  // A repaint: the frame buffer, then the game's score display.
  void OnDraw();
  BOOL OnQueryNewPalette();

  std::unique_ptr<CDIB> m_pOffscreen;
  std::unique_ptr<CDIBPal> m_pPalette;
  std::unique_ptr<FrameInfo> m_pFrameInfo;
  CDirtyRectList m_dirtyRects;
  CTurnState m_turn;  // the turn state the games share with the view

 protected:
  Host& m_host;

 private:
  bool IsTrueColor() const;
  void ReleaseFrame();
  const ColorLut& DisplayLut();
  void OutlineOnWindow(const CRect& rect);

  void OnLButtonDown(UINT nFlags, int x, int y);
  void OnLButtonUp(UINT nFlags, int x, int y);
  void OnMouseMove(UINT nFlags, int x, int y);
  void OnKey(UINT message, UINT nChar, UINT nRepCnt, UINT nFlags);
  // Focus lost or gained (WM_ACTIVATEAPP), minimised or restored (WM_SIZE).
  void OnWindowState(UINT message, WPARAM wParam);

  HWND m_hwnd = HWND_NONE;
  CQuintaroDoc* m_pDoc = nullptr;
  CDIB* m_pBackground = nullptr;  // the document's
  CSpriteList* m_pSprites = nullptr;
  const BOOL* m_pbTrueColor = nullptr;
  ColorLut m_paletteLut{};          // the palette's colours, for true-colour displays
  unsigned m_realizedGeneration = 0;
  bool m_bRealized = false;
  bool m_bOutlineDirty = false;     // QUINTARO_DEBUG_DIRTY=1
  bool m_bInactive = false;         // the desktop gave the focus to another window
  bool m_bMinimised = false;
};
