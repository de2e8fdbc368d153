// SPDX-License-Identifier: GPL-3.0-or-later
#include "gfx/sprite_list.h"

void CSpriteListObserver::OnSpriteChanged(CSprite* pSprite, UINT nChange, const CRect* pOld,
                                          const CRect* pNew) {
  if (nChange & SPRITE_CHANGE_DEPTH) {
    if (m_pList) m_pList->Reorder(pSprite);
    if (m_pView && pOld) m_pView->AddDirtyRect(pOld);
  }
  if (nChange & SPRITE_CHANGE_POSITION) {
    if (m_pView) {
      m_pView->AddDirtyRect(pOld);
      m_pView->AddDirtyRect(pNew);
    }
  }
  if (nChange & SPRITE_CHANGE_IMAGE) {
    if (m_pView) m_pView->AddDirtyRect(pOld);
  }
}

CSpriteList::CSpriteList() { m_observer.m_pList = this; }

CSpriteList::~CSpriteList() = default;

CSpriteList::Items::iterator CSpriteList::Find(const CSprite* pSprite) {
  for (auto it = m_items.begin(); it != m_items.end(); ++it) {
    if (it->get() == pSprite) return it;
  }
  return m_items.end();
}

bool CSpriteList::Contains(const CSprite* pSprite) const {
  for (const auto& item : m_items) {
    if (item.get() == pSprite) return true;
  }
  return false;
}

void CSpriteList::InsertByDepth(std::unique_ptr<CSprite> pSprite) {
  pSprite->SetObserver(&m_observer);
  const int depth = pSprite->GetDepth();
  auto it = m_items.begin();
  while (it != m_items.end() && (*it)->GetDepth() < depth) ++it;
  m_items.insert(it, std::move(pSprite));
}

BOOL CSpriteList::Insert(std::unique_ptr<CSprite> pSprite) {
  if (!pSprite) return FALSE;
  // Owning one sprite twice would delete it twice: re-place it instead.
  auto found = Find(pSprite.get());
  if (found != m_items.end()) {
    (void)pSprite.release();  // the list already owns it
    Reorder(found->get());
    return TRUE;
  }
  InsertByDepth(std::move(pSprite));
  return TRUE;
}

BOOL CSpriteList::Insert(CSprite* pSprite) {
  if (!pSprite) return FALSE;
  if (Contains(pSprite)) {
    Reorder(pSprite);
    return TRUE;
  }
  return Insert(std::unique_ptr<CSprite>(pSprite));
}

CSprite* CSpriteList::Remove(CSprite* pSprite) {
  auto it = Find(pSprite);
  if (it == m_items.end()) return nullptr;
  CSprite* removed = it->release();
  m_items.erase(it);
  return removed;
}

void CSpriteList::Reorder(CSprite* pSprite) {
  auto it = Find(pSprite);
  if (it == m_items.end()) return;
  std::unique_ptr<CSprite> owned = std::move(*it);
  m_items.erase(it);
  InsertByDepth(std::move(owned));
}

CSprite* CSpriteList::HitTest(int x, int y) const {
  for (const auto& item : m_items) {
    if (item->HitTest(x, y)) return item.get();
  }
  return nullptr;
}

void CSpriteList::DeleteAll() {
  // Head to tail, then empty; a sprite's destruction deletes its cels.
  while (!m_items.empty()) m_items.pop_front();
}
