// The docking layout of a frame: one record per control bar and dock bar, kept in the profile
// ("<name>-Summary", "<name>-Bar<n>") or in an archive, with the screen size it was saved at.
#pragma once

#include "platform/base/Object.h"
#include "platform/base/Point.h"
#include "platform/base/PtrArray.h"
#include "platform/base/Rect.h"
#include "platform/base/Size.h"

class CArchive;
class CControlBarInfo;

class FX_API CDockState : public CObject
{
    FX_DECLARE_SERIAL(CDockState)

public:
    CDockState();
    ~CDockState() override;
    CDockState(const CDockState&) = delete;
    CDockState& operator=(const CDockState&) = delete;

    // The records (CControlBarInfo*), owned.
    CPtrArray m_arrBarInfo;
    DWORD m_dwVersion;
    BOOL m_bScaling;

    void LoadState(LPCSTR lpszProfileName);
    void SaveState(LPCSTR lpszProfileName);
    void Clear();
    // The archive form; loading leaves the records read so far when the archive runs short.
    void Serialize(CArchive& ar) override;

    // The record each form reads into; a derived state gives its own kind.
    virtual CControlBarInfo* CreateBarInfo();
    // A counted profile record whose section holds no sound bar: dropped (FALSE) here, a derived
    // state may keep its place.
    virtual BOOL KeepUnreadRecord(CControlBarInfo* pInfo);

    CSize GetScreenSize() const;
    void SetScreenSize(const CSize& size);
    // Positions stored at another screen size, moved to the same place on this screen.
    void ScalePoint(CPoint& pt) const;
    void ScaleRectPos(CRect& rect) const;

    // Limits a stored state is trusted up to.
    static const int kMaxBars = 256;
    static const int kMaxBarIDs = 1024;

private:
    CSize m_sizeSaved;
};
