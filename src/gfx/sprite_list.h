// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The scene's sprites in depth order: from head to tail ascending depth, the
// most recently inserted first among equal depths. The head is the frontmost
// sprite, the tail the rearmost. The list owns its sprites.
#include <list>
#include <memory>

#include "gfx/dirty_rects.h"
#include "gfx/sprite.h"

class CSpriteList;

// Turns sprite changes into dirty rectangles of the view and keeps the list
// in depth order when a depth changes.
class CSpriteListObserver : public CSpriteObserver {
 public:
  void OnSpriteChanged(CSprite* pSprite, UINT nChange, const CRect* pOld, const CRect* pNew) override;

  CSpriteList* m_pList = nullptr;
  CDirtyRectSink* m_pView = nullptr;
};

class CSpriteList {
 public:
  using Items = std::list<std::unique_ptr<CSprite>>;

  CSpriteList();
  ~CSpriteList();
  CSpriteList(const CSpriteList&) = delete;
  CSpriteList& operator=(const CSpriteList&) = delete;

  // Takes ownership, places the sprite at its depth and makes the list's
  // observer its observer. Inserting a sprite already in the list moves it to
  // its depth position instead. FALSE only for null.
  BOOL Insert(std::unique_ptr<CSprite> pSprite);
  BOOL Insert(CSprite* pSprite);
  // Takes the sprite out without deleting it (ownership passes to the
  // caller); null when it was not in the list.
  CSprite* Remove(CSprite* pSprite);
  // Moves the sprite to the place its depth asks for; nothing if absent.
  void Reorder(CSprite* pSprite);
  // The frontmost sprite whose HitTest is TRUE, or null.
  CSprite* HitTest(int x, int y) const;
  // Deletes every sprite.
  void DeleteAll();

  // Where dirty rectangles go (the document sets its view).
  void SetView(CDirtyRectSink* pView) { m_observer.m_pView = pView; }
  CSpriteListObserver* GetObserver() { return &m_observer; }

  bool Contains(const CSprite* pSprite) const;
  int GetCount() const { return static_cast<int>(m_items.size()); }
  bool IsEmpty() const { return m_items.empty(); }
  // Front to back; iterate in reverse for back to front.
  Items::const_iterator begin() const { return m_items.begin(); }
  Items::const_iterator end() const { return m_items.end(); }
  Items::const_reverse_iterator rbegin() const { return m_items.rbegin(); }
  Items::const_reverse_iterator rend() const { return m_items.rend(); }

 private:
  Items::iterator Find(const CSprite* pSprite);
  void InsertByDepth(std::unique_ptr<CSprite> pSprite);

  Items m_items;
  CSpriteListObserver m_observer;
};
