#include "platform/frame/DockState.h"

#include "platform/base/Archive.h"
#include "platform/base/ArchiveException.h"
#include "platform/base/String.h"
#include "platform/frame/ControlBarInfo.h"
#include "platform/frame/WinApp.h"

FX_IMPLEMENT_SERIAL(CDockState, CObject, 0)

CDockState::CDockState() : m_dwVersion(2), m_bScaling(FALSE), m_sizeSaved(0, 0)
{
}

CDockState::~CDockState()
{
    Clear();
}

CControlBarInfo* CDockState::CreateBarInfo()
{
    return new CControlBarInfo;
}

BOOL CDockState::KeepUnreadRecord(CControlBarInfo*)
{
    return FALSE;
}

void CDockState::Clear()
{
    for (INT_PTR i = 0; i < m_arrBarInfo.GetSize(); ++i) {
        delete static_cast<CControlBarInfo*>(m_arrBarInfo[i]);
    }
    m_arrBarInfo.RemoveAll();
}

CSize CDockState::GetScreenSize() const
{
    return CSize(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN));
}

void CDockState::SetScreenSize(const CSize& size)
{
    m_sizeSaved = size;
    m_bScaling = size.cx > 0 && size.cy > 0 && size != GetScreenSize();
}

void CDockState::ScalePoint(CPoint& pt) const
{
    if (!m_bScaling) {
        return;
    }
    const CSize sizeNow = GetScreenSize();
    pt.x = ::MulDiv(pt.x, sizeNow.cx, m_sizeSaved.cx);
    pt.y = ::MulDiv(pt.y, sizeNow.cy, m_sizeSaved.cy);
}

void CDockState::ScaleRectPos(CRect& rect) const
{
    CPoint pt = rect.TopLeft();
    ScalePoint(pt);
    rect.OffsetRect(pt.x - rect.left, pt.y - rect.top);
}

void CDockState::LoadState(LPCSTR lpszProfileName)
{
    CWinApp* pApp = FxGetApp();
    if (pApp == nullptr) {
        return;
    }
    CString strSection;
    strSection.Format("%s-Summary", lpszProfileName);
    const int nBars = static_cast<int>(pApp->GetProfileInt(strSection, "Bars", 0));
    const int cx = static_cast<int>(pApp->GetProfileInt(strSection, "ScreenCX", 0));
    const int cy = static_cast<int>(pApp->GetProfileInt(strSection, "ScreenCY", 0));
    SetScreenSize(CSize(cx, cy));
    // An absurd count means a damaged state: none of it is trusted.
    if (nBars < 0 || nBars > kMaxBars) {
        return;
    }
    for (int i = 0; i < nBars; ++i) {
        CControlBarInfo* pInfo = CreateBarInfo();
        if (pInfo->LoadState(lpszProfileName, i, this) || KeepUnreadRecord(pInfo)) {
            m_arrBarInfo.Add(pInfo);
        } else {
            delete pInfo;
        }
    }
}

void CDockState::SaveState(LPCSTR lpszProfileName)
{
    CWinApp* pApp = FxGetApp();
    if (pApp == nullptr) {
        return;
    }
    int nIndex = 0;
    for (INT_PTR i = 0; i < m_arrBarInfo.GetSize(); ++i) {
        if (static_cast<CControlBarInfo*>(m_arrBarInfo[i])->SaveState(lpszProfileName, nIndex)) {
            ++nIndex;
        }
    }
    CString strSection;
    strSection.Format("%s-Summary", lpszProfileName);
    const CSize sizeScreen = GetScreenSize();
    pApp->WriteProfileInt(strSection, "Bars", nIndex);
    pApp->WriteProfileInt(strSection, "ScreenCX", sizeScreen.cx);
    pApp->WriteProfileInt(strSection, "ScreenCY", sizeScreen.cy);
}

void CDockState::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_dwVersion;
        if (m_dwVersion > 1) {
            const CSize sizeScreen = GetScreenSize();
            ar << static_cast<int>(sizeScreen.cx) << static_cast<int>(sizeScreen.cy);
        }
        ar << static_cast<WORD>(m_arrBarInfo.GetSize());
        for (INT_PTR i = 0; i < m_arrBarInfo.GetSize(); ++i) {
            static_cast<CControlBarInfo*>(m_arrBarInfo[i])->Serialize(ar, this);
        }
        return;
    }
    Clear();
    ar >> m_dwVersion;
    if (m_dwVersion > 1) {
        int cx = 0;
        int cy = 0;
        ar >> cx >> cy;
        SetScreenSize(CSize(cx, cy));
    }
    WORD wCount = 0;
    ar >> wCount;
    if (wCount > kMaxBars) {
        m_dwVersion = 2;
        CArchiveException::Throw(CArchiveException::badIndex);
    }
    for (WORD i = 0; i < wCount; ++i) {
        CControlBarInfo* pInfo = CreateBarInfo();
        try {
            pInfo->Serialize(ar, this);
        } catch (...) {
            // The records read so far stay; the broken one goes.
            delete pInfo;
            m_dwVersion = 2;
            throw;
        }
        m_arrBarInfo.Add(pInfo);
    }
    m_dwVersion = 2;
}
