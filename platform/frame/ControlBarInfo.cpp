#include "platform/frame/ControlBarInfo.h"

#include "platform/base/Archive.h"
#include "platform/base/ArchiveException.h"
#include "platform/base/ByteArray.h"
#include "platform/base/String.h"
#include "platform/frame/BarInfoStore.h"
#include "platform/frame/FrameIds.h"
#include "platform/frame/WinApp.h"
#include "platform/frame/DockState.h"

namespace
{
CString SectionOf(LPCSTR lpszProfileName, int nIndex)
{
    CString strSection;
    strSection.Format("%s-Bar%d", lpszProfileName, nIndex);
    return strSection;
}

// A record's values in its profile section; booleans are kept as 0 and 1.
class CProfileStore : public CBarInfoStore
{
public:
    CProfileStore(CWinApp* pApp, const CString& strSection) : m_pApp(pApp), m_strSection(strSection) {}

    int GetInt(LPCSTR lpszKey, int nDefault) override
    {
        return static_cast<int>(m_pApp->GetProfileInt(m_strSection, lpszKey, nDefault));
    }
    BOOL GetBool(LPCSTR lpszKey, BOOL bDefault) override { return GetInt(lpszKey, bDefault) != 0; }
    CString GetString(LPCSTR lpszKey) override { return m_pApp->GetProfileString(m_strSection, lpszKey, ""); }
    BOOL GetBinary(LPCSTR lpszKey, CByteArray& data) override
    {
        return m_pApp->GetProfileBinary(m_strSection, lpszKey, data);
    }
    void SetInt(LPCSTR lpszKey, int nValue) override { m_pApp->WriteProfileInt(m_strSection, lpszKey, nValue); }
    void SetBool(LPCSTR lpszKey, BOOL bValue) override { SetInt(lpszKey, bValue ? 1 : 0); }
    void SetString(LPCSTR lpszKey, LPCSTR lpszValue) override
    {
        m_pApp->WriteProfileString(m_strSection, lpszKey, lpszValue);
    }
    void SetBinary(LPCSTR lpszKey, const BYTE* pData, UINT nBytes) override
    {
        m_pApp->WriteProfileBinary(m_strSection, lpszKey, pData, nBytes);
    }

private:
    CWinApp* m_pApp;
    CString m_strSection;
};

BOOL IsDockBarID(UINT nID)
{
    return nID >= FX_IDW_DOCKBAR_TOP && nID <= FX_IDW_DOCKBAR_FLOAT;
}

DWORD ReadDWord(CArchive& ar)
{
    DWORD dw = 0;
    ar >> dw;
    return dw;
}

int ReadInt(CArchive& ar)
{
    int n = 0;
    ar >> n;
    return n;
}
} // namespace

CControlBarInfo::CControlBarInfo()
    : m_nBarID(0), m_bVisible(TRUE), m_bFloating(FALSE), m_bHorz(TRUE), m_bDockBar(FALSE), m_pointPos(-1, -1),
      m_nMRUWidth(32767), m_bDocking(FALSE), m_uMRUDockID(0), m_rectMRUDockPos(0, 0, 0, 0), m_dwMRUFloatStyle(0),
      m_ptMRUFloatPos(0, 0), m_pBar(nullptr)
{
}

BOOL CControlBarInfo::SaveState(LPCSTR lpszProfileName, int nIndex)
{
    CWinApp* pApp = FxGetApp();
    if (pApp == nullptr) {
        return FALSE;
    }
    const CString strSection = SectionOf(lpszProfileName, nIndex);
    pApp->WriteProfileString(strSection, nullptr, nullptr);
    // An empty dock bar on the frame's side has nothing to keep.
    if (!m_bFloating && m_bDockBar && m_bVisible && m_pointPos.x == -1 && m_pointPos.y == -1 &&
        m_arrBarID.GetSize() <= 1) {
        return FALSE;
    }
    CProfileStore store(pApp, strSection);
    SaveValues(store);
    return TRUE;
}

BOOL CControlBarInfo::LoadState(LPCSTR lpszProfileName, int nIndex, CDockState* pDockState)
{
    CWinApp* pApp = FxGetApp();
    if (pApp == nullptr) {
        return FALSE;
    }
    CProfileStore store(pApp, SectionOf(lpszProfileName, nIndex));
    return LoadValues(store, pDockState);
}

void CControlBarInfo::SaveValues(CBarInfoStore& store)
{
    store.SetInt("BarID", static_cast<int>(m_nBarID));
    if (!m_bVisible) {
        store.SetBool("Visible", FALSE);
    }
    if (m_bFloating) {
        store.SetBool("Horz", m_bHorz);
        store.SetBool("Floating", TRUE);
    }
    if (m_pointPos.x != -1) {
        store.SetInt("XPos", m_pointPos.x);
    }
    if (m_pointPos.y != -1) {
        store.SetInt("YPos", m_pointPos.y);
    }
    if (m_nMRUWidth != 32767) {
        store.SetInt("MRUWidth", m_nMRUWidth);
    }
    if (m_bDocking) {
        store.SetBool("Docking", TRUE);
        store.SetInt("MRUDockID", static_cast<int>(m_uMRUDockID));
        store.SetInt("MRUDockLeftPos", m_rectMRUDockPos.left);
        store.SetInt("MRUDockTopPos", m_rectMRUDockPos.top);
        store.SetInt("MRUDockRightPos", m_rectMRUDockPos.right);
        store.SetInt("MRUDockBottomPos", m_rectMRUDockPos.bottom);
        store.SetInt("MRUFloatStyle", static_cast<int>(m_dwMRUFloatStyle));
        store.SetInt("MRUFloatXPos", m_ptMRUFloatPos.x);
        store.SetInt("MRUFloatYPos", m_ptMRUFloatPos.y);
    }
    if (m_arrBarID.GetSize() > 1) {
        store.SetInt("Bars", static_cast<int>(m_arrBarID.GetSize()));
        for (INT_PTR i = 0; i < m_arrBarID.GetSize(); ++i) {
            CString strKey;
            strKey.Format("Bar#%d", static_cast<int>(i));
            store.SetInt(strKey, static_cast<int>(m_arrBarID[i]));
        }
    }
}

BOOL CControlBarInfo::LoadValues(CBarInfoStore& store, CDockState* pDockState)
{
    m_nBarID = static_cast<UINT>(store.GetInt("BarID", 0));
    if (m_nBarID == 0 || m_nBarID > 0xFFFF) {
        return FALSE;
    }
    m_bDockBar = IsDockBarID(m_nBarID);
    m_bVisible = store.GetBool("Visible", TRUE);
    m_bHorz = store.GetBool("Horz", TRUE);
    m_bFloating = store.GetBool("Floating", FALSE);
    m_pointPos.x = store.GetInt("XPos", -1);
    m_pointPos.y = store.GetInt("YPos", -1);
    m_nMRUWidth = store.GetInt("MRUWidth", 32767);
    m_bDocking = store.GetBool("Docking", FALSE);
    if (m_bDocking) {
        m_uMRUDockID = static_cast<UINT>(store.GetInt("MRUDockID", 0));
        m_rectMRUDockPos.left = store.GetInt("MRUDockLeftPos", 0);
        m_rectMRUDockPos.top = store.GetInt("MRUDockTopPos", 0);
        m_rectMRUDockPos.right = store.GetInt("MRUDockRightPos", 0);
        m_rectMRUDockPos.bottom = store.GetInt("MRUDockBottomPos", 0);
        m_dwMRUFloatStyle = static_cast<DWORD>(store.GetInt("MRUFloatStyle", 0));
        m_ptMRUFloatPos.x = store.GetInt("MRUFloatXPos", 0);
        m_ptMRUFloatPos.y = store.GetInt("MRUFloatYPos", 0);
    }
    // The count is checked before anything is allocated for it.
    const int nBars = store.GetInt("Bars", 0);
    if (nBars < 0 || nBars > CDockState::kMaxBarIDs) {
        return FALSE;
    }
    m_arrBarID.RemoveAll();
    m_arrBarID.SetSize(nBars);
    for (int i = 0; i < nBars; ++i) {
        CString strKey;
        strKey.Format("Bar#%d", i);
        m_arrBarID[i] = static_cast<DWORD>(store.GetInt(strKey, 0));
    }
    if (pDockState != nullptr) {
        if (m_pointPos.x != -1 || m_pointPos.y != -1) {
            pDockState->ScalePoint(m_pointPos);
        }
        pDockState->ScaleRectPos(m_rectMRUDockPos);
        pDockState->ScalePoint(m_ptMRUFloatPos);
    }
    return TRUE;
}

void CControlBarInfo::Serialize(CArchive& ar, CDockState* pDockState)
{
    const BOOL bVersion2 = pDockState == nullptr || pDockState->m_dwVersion > 1;
    if (ar.IsStoring()) {
        ar << static_cast<DWORD>(m_nBarID) << static_cast<DWORD>(m_bVisible) << static_cast<DWORD>(m_bFloating)
           << static_cast<DWORD>(m_bHorz);
        ar << static_cast<int>(m_pointPos.x) << static_cast<int>(m_pointPos.y);
        if (bVersion2) {
            ar << static_cast<DWORD>(m_nMRUWidth) << static_cast<DWORD>(m_bDocking);
            if (m_bDocking) {
                ar << static_cast<DWORD>(m_uMRUDockID);
                ar << static_cast<int>(m_rectMRUDockPos.left) << static_cast<int>(m_rectMRUDockPos.top)
                   << static_cast<int>(m_rectMRUDockPos.right) << static_cast<int>(m_rectMRUDockPos.bottom);
                ar << m_dwMRUFloatStyle;
                ar << static_cast<int>(m_ptMRUFloatPos.x) << static_cast<int>(m_ptMRUFloatPos.y);
            }
        }
        SerializeExtra(ar, pDockState);
        ar << static_cast<WORD>(m_arrBarID.GetSize());
        for (INT_PTR i = 0; i < m_arrBarID.GetSize(); ++i) {
            ar << m_arrBarID[i];
        }
        return;
    }
    m_nBarID = ReadDWord(ar);
    if (m_nBarID == 0 || m_nBarID > 0xFFFF) {
        CArchiveException::Throw(CArchiveException::badIndex);
    }
    m_bDockBar = IsDockBarID(m_nBarID);
    m_bVisible = ReadDWord(ar) != 0;
    m_bFloating = ReadDWord(ar) != 0;
    m_bHorz = ReadDWord(ar) != 0;
    m_pointPos.x = ReadInt(ar);
    m_pointPos.y = ReadInt(ar);
    if (bVersion2) {
        m_nMRUWidth = static_cast<int>(ReadDWord(ar));
        m_bDocking = ReadDWord(ar) != 0;
        if (m_bDocking) {
            m_uMRUDockID = ReadDWord(ar);
            m_rectMRUDockPos.left = ReadInt(ar);
            m_rectMRUDockPos.top = ReadInt(ar);
            m_rectMRUDockPos.right = ReadInt(ar);
            m_rectMRUDockPos.bottom = ReadInt(ar);
            m_dwMRUFloatStyle = ReadDWord(ar);
            m_ptMRUFloatPos.x = ReadInt(ar);
            m_ptMRUFloatPos.y = ReadInt(ar);
        }
    }
    SerializeExtra(ar, pDockState);
    WORD wCount = 0;
    ar >> wCount;
    if (wCount > CDockState::kMaxBarIDs) {
        CArchiveException::Throw(CArchiveException::badIndex);
    }
    m_arrBarID.RemoveAll();
    for (WORD i = 0; i < wCount; ++i) {
        m_arrBarID.Add(ReadDWord(ar));
    }
    if (pDockState != nullptr && bVersion2) {
        if (m_pointPos.x != -1 || m_pointPos.y != -1) {
            pDockState->ScalePoint(m_pointPos);
        }
        pDockState->ScaleRectPos(m_rectMRUDockPos);
        pDockState->ScalePoint(m_ptMRUFloatPos);
    }
}

void CControlBarInfo::SerializeExtra(CArchive&, CDockState*)
{
}
