// The saved state of one control bar or dock bar, as a frame's docking layout keeps it.
#pragma once

#include "platform/base/DWordArray.h"
#include "platform/base/Point.h"
#include "platform/base/Rect.h"

class CArchive;
class CBarInfoStore;
class CControlBar;
class CDockState;

// The saved state of one bar.
class FX_API CControlBarInfo
{
public:
    CControlBarInfo();
    virtual ~CControlBarInfo() = default;

    UINT m_nBarID;
    BOOL m_bVisible;
    BOOL m_bFloating;
    BOOL m_bHorz;
    BOOL m_bDockBar;
    // A bar: its place in its dock bar; a floating dock bar: its frame on the screen; else -1, -1.
    CPoint m_pointPos;
    int m_nMRUWidth;
    // The dock context's most recent places (only when the bar has one).
    BOOL m_bDocking;
    UINT m_uMRUDockID;
    CRect m_rectMRUDockPos;
    DWORD m_dwMRUFloatStyle;
    CPoint m_ptMRUFloatPos;
    // A dock bar's bars: ids, 0 ending a row, id | 0x10000 for a placeholder.
    CDWordArray m_arrBarID;
    // The bar the record is applied to (transient).
    CControlBar* m_pBar;

    // Writes section "<profile>-Bar<index>" (emptied first). FALSE, with nothing written, for an
    // empty docked dock bar.
    virtual BOOL SaveState(LPCSTR lpszProfileName, int nIndex);
    // FALSE when the section holds no bar or a count is out of bounds.
    virtual BOOL LoadState(LPCSTR lpszProfileName, int nIndex, CDockState* pDockState);
    // The record's named values, as the profile keeps them; a derived record adds its own.
    virtual void SaveValues(CBarInfoStore& store);
    // FALSE when the values name no bar (id 0 or beyond 16 bits) or a count is out of bounds;
    // positions are scaled to this screen when pDockState is given.
    virtual BOOL LoadValues(CBarInfoStore& store, CDockState* pDockState);
    // Throws the archive's exception on a truncated or impossible record.
    virtual void Serialize(CArchive& ar, CDockState* pDockState);

protected:
    // A derived record's own fields in the archive form, stored and loaded between the fixed
    // fields and the row of bar ids; throws like Serialize.
    virtual void SerializeExtra(CArchive& ar, CDockState* pDockState);
};
