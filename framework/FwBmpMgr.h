// The table of button images by command id: strips loaded from tool-bar and bitmap resources with
// their standard greys mapped to the system colours, made large on demand; shared by reference count.
#pragma once

#include <windows.h>

#include <map>

#include "platform/base/Object.h"
#include "platform/base/PtrArray.h"
#include "platform/base/Size.h"

// RT_TOOLBAR: a version word, button width and height, item count, then one command id per item.
#define FW_RT_TOOLBAR MAKEINTRESOURCEA(241)

class FwBmpMgr : public CObject
{
    FX_DECLARE_DYNAMIC(FwBmpMgr)

public:
    FwBmpMgr();
    FwBmpMgr(const FwBmpMgr&) = delete;
    FwBmpMgr& operator=(const FwBmpMgr&) = delete;

    // FALSE when the small resource (or a given large one) cannot be read.
    BOOL AddToolBarResource(LPCSTR lpszSmall, LPCSTR lpszLarge, BOOL bSysColor);
    // The strip and index of an id: the small strip when asked or when only small images are in use.
    BOOL GetImage(UINT nID, HBITMAP& hStrip, int& nIndex, BOOL bSmall) const;
    BOOL HasImage(UINT nID) const;
    // Index of the id's image in its strip, -1 when it has none.
    int GetImageIndex(UINT nID) const;
    void SetSmallOnly(BOOL bSmallOnly);
    void SetKeepSmall(BOOL bKeepSmall);
    BOOL IsSmallOnly() const { return m_bSmallOnly; }
    BOOL IsKeepSmall() const { return m_bKeepSmall; }
    // Loads every strip again (after a system colour change), the small ones too when asked.
    void Reload(BOOL bSmallToo);

    void AddRef() { ++m_nRefs; }
    // Deletes the object when the last holder lets go. The holders left.
    ULONG Release();
    int GetRefCount() const { return m_nRefs; }

    CSize GetSmallSize() const { return m_szSmall; }
    CSize GetLargeSize() const { return m_szLarge; }
    // The size of the images in use.
    CSize GetImageSize() const { return m_bSmallOnly ? m_szSmall : m_szLarge; }
    int GetBitmapCount() const { return static_cast<int>(m_arrBitmaps.GetSize()); }

    // A screen-compatible copy of a bitmap resource with black, dark grey, light grey and white
    // replaced by the button colours; null when the resource is missing or damaged.
    static HBITMAP LoadSysColorBitmap(HINSTANCE hInst, LPCSTR lpszName);

protected:
    ~FwBmpMgr() override;

private:
    struct Record;
    void LoadRecord(Record* pRecord, BOOL bSmallToo);
    Record* GetRecord(int nIndex) const;

    // Command id to (record index << 16 | image index).
    std::map<UINT, DWORD> m_map;
    CPtrArray m_arrBitmaps;
    CSize m_szSmall;
    CSize m_szLarge;
    BOOL m_bSmallOnly;
    BOOL m_bKeepSmall;
    int m_nRefs;
    BOOL m_bSizeSet;
    BOOL m_bLargeSizeSet;
};
