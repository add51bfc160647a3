#include "framework/FwControlBarInfo.h"

#include <cstdlib>
#include <cstring>

#include "framework/FwControlBarInfoEx.h"
#include "framework/FwControlBarManager.h"
#include "framework/FwDockState.h"
#include "framework/FwPersistentTreeNode.h"
#include "platform/base/Archive.h"
#include "platform/base/ArchiveException.h"
#include "platform/base/ByteArray.h"
#include "platform/frame/FrameIds.h"
#include "platform/frame/WinApp.h"

namespace
{
CString SectionOf(LPCSTR lpszProfileName, int nIndex)
{
    CString strSection;
    strSection.Format("%s-Bar%d", lpszProfileName, nIndex);
    return strSection;
}

int ProfileInt(CWinApp* pApp, LPCSTR lpszSection, LPCSTR lpszEntry, int nDefault)
{
    return static_cast<int>(pApp->GetProfileInt(lpszSection, lpszEntry, nDefault));
}

int NodeInt(FwPersistentTreeNode* pNode, LPCSTR lpszKey, int nDefault)
{
    int n = nDefault;
    pNode->GetInt(lpszKey, n, nDefault);
    return n;
}

BOOL NodeBool(FwPersistentTreeNode* pNode, LPCSTR lpszKey, BOOL bDefault)
{
    BOOL b = bDefault;
    pNode->GetBool(lpszKey, b, bDefault);
    return b;
}

int NonNegative(int n)
{
    return n < 0 ? 0 : n;
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

BOOL IsDockBarID(UINT nID)
{
    return nID >= FX_IDW_DOCKBAR_TOP && nID <= FX_IDW_DOCKBAR_FLOAT;
}
} // namespace

FwControlBarInfo::FwControlBarInfo(FwControlBarManager* pBarManager)
    : m_szHorzDock(0, 0), m_szVertDock(0, 0), m_szFloat(0, 0), m_dwMRUDockingState(0), m_dwDockStyle(0),
      m_fWidthFraction(0.0f), m_dwStyle(0), m_dwExStyle(0), m_bPrevFloating(FALSE), m_bMDIChild(FALSE),
      m_wndPlacement(), m_nResourceID(0), m_pInfoEx(nullptr), m_dwTypeID(0), m_pBarManager(pBarManager)
{
    std::memset(&m_wndPlacement, 0, sizeof(m_wndPlacement));
}

FwControlBarInfo::~FwControlBarInfo()
{
    delete m_pInfoEx;
}

void FwControlBarInfo::SetInfoEx(FwControlBarInfoEx* pInfoEx)
{
    if (pInfoEx != m_pInfoEx) {
        delete m_pInfoEx;
        m_pInfoEx = pInfoEx;
    }
}

void FwControlBarInfo::AskManagerForInfoEx()
{
    if (m_pBarManager != nullptr) {
        SetInfoEx(m_pBarManager->CreateBarInfo(this));
    }
}

BOOL FwControlBarInfo::IsEmptyDockedDockBar() const
{
    return !m_bFloating && m_bDockBar && m_bVisible && m_pointPos.x == -1 && m_pointPos.y == -1 &&
           m_arrBarID.GetSize() <= 1;
}

CString FwControlBarInfo::FractionToText(float fFraction)
{
    CString strText;
    strText.Format("%d", static_cast<int>(fFraction * 1000000.0f));
    return strText;
}

float FwControlBarInfo::FractionFromText(const CString& strText)
{
    const float fFraction = static_cast<float>(std::atoi(strText)) * 0.000001f;
    return fFraction < 0.0f ? 0.0f : fFraction;
}

BOOL FwControlBarInfo::SaveState(LPCSTR lpszProfileName, int nIndex)
{
    if (!CControlBarInfo::SaveState(lpszProfileName, nIndex)) {
        return FALSE;
    }
    CWinApp* pApp = FxGetApp();
    const CString strSection = SectionOf(lpszProfileName, nIndex);
    pApp->WriteProfileInt(strSection, "Style", static_cast<int>(m_dwStyle));
    pApp->WriteProfileInt(strSection, "ExStyle", static_cast<int>(m_dwExStyle));
    pApp->WriteProfileInt(strSection, "PrevFloating", m_bPrevFloating);
    pApp->WriteProfileInt(strSection, "MDIChild", m_bMDIChild);
    if (m_bMDIChild) {
        pApp->WriteProfileBinary(strSection, "MDIChildWindowPlacement", reinterpret_cast<const BYTE*>(&m_wndPlacement),
                                 sizeof(m_wndPlacement));
    }
    pApp->WriteProfileString(strSection, "PctWidth", FractionToText(m_fWidthFraction));
    pApp->WriteProfileInt(strSection, "MRUFloatCX", m_szFloat.cx);
    pApp->WriteProfileInt(strSection, "MRUFloatCY", m_szFloat.cy);
    pApp->WriteProfileInt(strSection, "MRUHorzDockCX", m_szHorzDock.cx);
    pApp->WriteProfileInt(strSection, "MRUHorzDockCY", m_szHorzDock.cy);
    pApp->WriteProfileInt(strSection, "MRUVertDockCX", m_szVertDock.cx);
    pApp->WriteProfileInt(strSection, "MRUVertDockCY", m_szVertDock.cy);
    pApp->WriteProfileInt(strSection, "MRUDockingState", static_cast<int>(m_dwMRUDockingState));
    pApp->WriteProfileInt(strSection, "DockingStyle", static_cast<int>(m_dwDockStyle));
    pApp->WriteProfileInt(strSection, "TypeID", static_cast<int>(m_dwTypeID));
    pApp->WriteProfileString(strSection, "ClassName", m_strClassName);
    pApp->WriteProfileString(strSection, "WindowName", m_strWindowName);
    pApp->WriteProfileInt(strSection, "ResourceID", static_cast<int>(m_nResourceID));
    if (m_pInfoEx != nullptr) {
        m_pInfoEx->SaveState(strSection);
    }
    return TRUE;
}

BOOL FwControlBarInfo::LoadState(LPCSTR lpszProfileName, int nIndex, CDockState* pDockState)
{
    if (!CControlBarInfo::LoadState(lpszProfileName, nIndex, pDockState)) {
        return FALSE;
    }
    CWinApp* pApp = FxGetApp();
    const CString strSection = SectionOf(lpszProfileName, nIndex);
    m_dwStyle = static_cast<DWORD>(ProfileInt(pApp, strSection, "Style", 0));
    m_dwExStyle = static_cast<DWORD>(ProfileInt(pApp, strSection, "ExStyle", 0));
    m_bPrevFloating = ProfileInt(pApp, strSection, "PrevFloating", 0);
    m_bMDIChild = ProfileInt(pApp, strSection, "MDIChild", 0);
    if (m_bMDIChild) {
        // Only a value of exactly a placement's size is taken; a shorter one would leave it half
        // read, a longer one overrun it.
        CByteArray data;
        if (pApp->GetProfileBinary(strSection, "MDIChildWindowPlacement", data) &&
            data.GetSize() == static_cast<INT_PTR>(sizeof(m_wndPlacement))) {
            std::memcpy(&m_wndPlacement, data.GetData(), sizeof(m_wndPlacement));
        }
    }
    m_fWidthFraction = FractionFromText(pApp->GetProfileString(strSection, "PctWidth", ""));
    m_szFloat.cx = NonNegative(ProfileInt(pApp, strSection, "MRUFloatCX", 0));
    m_szFloat.cy = NonNegative(ProfileInt(pApp, strSection, "MRUFloatCY", 0));
    m_szHorzDock.cx = NonNegative(ProfileInt(pApp, strSection, "MRUHorzDockCX", 0));
    m_szHorzDock.cy = NonNegative(ProfileInt(pApp, strSection, "MRUHorzDockCY", 0));
    m_szVertDock.cx = NonNegative(ProfileInt(pApp, strSection, "MRUVertDockCX", 0));
    m_szVertDock.cy = NonNegative(ProfileInt(pApp, strSection, "MRUVertDockCY", 0));
    m_dwMRUDockingState =
        static_cast<DWORD>(ProfileInt(pApp, strSection, "MRUDockingState", static_cast<int>(m_dwMRUDockingState)));
    m_dwDockStyle = static_cast<DWORD>(ProfileInt(pApp, strSection, "DockingStyle", static_cast<int>(m_dwDockStyle)));
    m_dwTypeID = static_cast<DWORD>(ProfileInt(pApp, strSection, "TypeID", 0));
    m_strClassName = pApp->GetProfileString(strSection, "ClassName", "");
    m_strWindowName = pApp->GetProfileString(strSection, "WindowName", "");
    m_nResourceID = static_cast<UINT>(ProfileInt(pApp, strSection, "ResourceID", static_cast<int>(m_nResourceID)));
    AskManagerForInfoEx();
    if (m_pInfoEx != nullptr) {
        m_pInfoEx->LoadState(strSection, dynamic_cast<FwDockState*>(pDockState));
    }
    return TRUE;
}

BOOL FwControlBarInfo::SaveToNode(FwPersistentNodeOwner* pOwner, FwPersistentTreeNode* pParent, int nIndex)
{
    if (pOwner == nullptr || pParent == nullptr || IsEmptyDockedDockBar()) {
        return FALSE;
    }
    CString strName;
    strName.Format("Bar-%d", nIndex);
    FwPersistentTreeNode* pNode = pOwner->AddChild(strName, pParent);
    if (pNode == nullptr) {
        return FALSE;
    }
    SaveBaseToNode(pOwner, pNode);
    SaveAddedToNode(pOwner, pNode);
    if (m_pInfoEx != nullptr) {
        m_pInfoEx->SaveToNode(pOwner, pNode);
    }
    return TRUE;
}

BOOL FwControlBarInfo::SaveBaseToNode(FwPersistentNodeOwner*, FwPersistentTreeNode* pNode)
{
    if (pNode == nullptr) {
        return FALSE;
    }
    pNode->SetInt("BarID", static_cast<int>(m_nBarID), TRUE);
    if (!m_bVisible) {
        pNode->SetBool("Visible", FALSE, TRUE);
    }
    if (m_bFloating) {
        pNode->SetBool("Horz", m_bHorz, TRUE);
        pNode->SetBool("Floating", TRUE, TRUE);
    }
    if (m_pointPos.x != -1) {
        pNode->SetInt("XPos", m_pointPos.x, TRUE);
    }
    if (m_pointPos.y != -1) {
        pNode->SetInt("YPos", m_pointPos.y, TRUE);
    }
    if (m_nMRUWidth != 32767) {
        pNode->SetInt("MRUWidth", m_nMRUWidth, TRUE);
    }
    if (m_bDocking) {
        pNode->SetBool("Docking", TRUE, TRUE);
        pNode->SetInt("MRUDockID", static_cast<int>(m_uMRUDockID), TRUE);
        pNode->SetInt("MRUDockLeftPos", m_rectMRUDockPos.left, TRUE);
        pNode->SetInt("MRUDockTopPos", m_rectMRUDockPos.top, TRUE);
        pNode->SetInt("MRUDockRightPos", m_rectMRUDockPos.right, TRUE);
        pNode->SetInt("MRUDockBottomPos", m_rectMRUDockPos.bottom, TRUE);
        pNode->SetInt("MRUFloatStyle", static_cast<int>(m_dwMRUFloatStyle), TRUE);
        pNode->SetInt("MRUFloatXPos", m_ptMRUFloatPos.x, TRUE);
        pNode->SetInt("MRUFloatYPos", m_ptMRUFloatPos.y, TRUE);
    }
    if (m_arrBarID.GetSize() > 1) {
        pNode->SetInt("Bars", static_cast<int>(m_arrBarID.GetSize()), TRUE);
        for (INT_PTR i = 0; i < m_arrBarID.GetSize(); ++i) {
            CString strKey;
            strKey.Format("Bar#%d", static_cast<int>(i));
            pNode->SetInt(strKey, static_cast<int>(m_arrBarID[i]), TRUE);
        }
    }
    return TRUE;
}

BOOL FwControlBarInfo::SaveAddedToNode(FwPersistentNodeOwner*, FwPersistentTreeNode* pNode)
{
    if (pNode == nullptr) {
        return FALSE;
    }
    pNode->SetInt("Style", static_cast<int>(m_dwStyle), TRUE);
    pNode->SetInt("ExStyle", static_cast<int>(m_dwExStyle), TRUE);
    pNode->SetBool("PrevFloating", m_bPrevFloating, TRUE);
    pNode->SetBool("MDIChild", m_bMDIChild, TRUE);
    if (m_bMDIChild) {
        pNode->SetBinary("MDIChildWindowPlacement", reinterpret_cast<const BYTE*>(&m_wndPlacement),
                         sizeof(m_wndPlacement), TRUE);
    }
    pNode->SetString("PctWidth", FractionToText(m_fWidthFraction), TRUE);
    pNode->SetInt("MRUFloatCX", m_szFloat.cx, TRUE);
    pNode->SetInt("MRUFloatCY", m_szFloat.cy, TRUE);
    pNode->SetInt("MRUHorzDockCX", m_szHorzDock.cx, TRUE);
    pNode->SetInt("MRUHorzDockCY", m_szHorzDock.cy, TRUE);
    pNode->SetInt("MRUVertDockCX", m_szVertDock.cx, TRUE);
    pNode->SetInt("MRUVertDockCY", m_szVertDock.cy, TRUE);
    pNode->SetInt("MRUDockingState", static_cast<int>(m_dwMRUDockingState), TRUE);
    pNode->SetInt("DockingStyle", static_cast<int>(m_dwDockStyle), TRUE);
    pNode->SetInt("TypeID", static_cast<int>(m_dwTypeID), TRUE);
    pNode->SetString("ClassName", m_strClassName, TRUE);
    pNode->SetString("WindowName", m_strWindowName, TRUE);
    pNode->SetInt("ResourceID", static_cast<int>(m_nResourceID), TRUE);
    return TRUE;
}

BOOL FwControlBarInfo::LoadFromNode(FwPersistentTreeNode* pNode, FwDockState* pDockState)
{
    if (pNode == nullptr) {
        return FALSE;
    }
    if (!LoadBaseFromNode(pNode, pDockState)) {
        return FALSE;
    }
    LoadAddedFromNode(pNode);
    AskManagerForInfoEx();
    if (m_pInfoEx != nullptr) {
        m_pInfoEx->LoadFromNode(pNode);
    }
    return TRUE;
}

BOOL FwControlBarInfo::LoadBaseFromNode(FwPersistentTreeNode* pNode, FwDockState* pDockState)
{
    if (pNode == nullptr) {
        return FALSE;
    }
    m_nBarID = static_cast<UINT>(NodeInt(pNode, "BarID", 0));
    m_bDockBar = IsDockBarID(m_nBarID);
    m_bVisible = NodeBool(pNode, "Visible", TRUE);
    m_bHorz = NodeBool(pNode, "Horz", TRUE);
    m_bFloating = NodeBool(pNode, "Floating", FALSE);
    m_pointPos.x = NodeInt(pNode, "XPos", -1);
    m_pointPos.y = NodeInt(pNode, "YPos", -1);
    m_nMRUWidth = NodeInt(pNode, "MRUWidth", 32767);
    m_bDocking = NodeBool(pNode, "Docking", FALSE);
    if (m_bDocking) {
        m_uMRUDockID = static_cast<UINT>(NodeInt(pNode, "MRUDockID", 0));
        m_rectMRUDockPos.left = NodeInt(pNode, "MRUDockLeftPos", 0);
        m_rectMRUDockPos.top = NodeInt(pNode, "MRUDockTopPos", 0);
        m_rectMRUDockPos.right = NodeInt(pNode, "MRUDockRightPos", 0);
        m_rectMRUDockPos.bottom = NodeInt(pNode, "MRUDockBottomPos", 0);
        m_dwMRUFloatStyle = static_cast<DWORD>(NodeInt(pNode, "MRUFloatStyle", 0));
        m_ptMRUFloatPos.x = NodeInt(pNode, "MRUFloatXPos", 0);
        m_ptMRUFloatPos.y = NodeInt(pNode, "MRUFloatYPos", 0);
    }
    // The count is checked before anything is allocated for it.
    const int nBars = NodeInt(pNode, "Bars", 0);
    if (nBars < 0 || nBars > CDockState::kMaxBarIDs) {
        return FALSE;
    }
    for (int i = 0; i < nBars; ++i) {
        CString strKey;
        strKey.Format("Bar#%d", i);
        m_arrBarID.Add(static_cast<DWORD>(NodeInt(pNode, strKey, 0)));
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

BOOL FwControlBarInfo::LoadAddedFromNode(FwPersistentTreeNode* pNode)
{
    if (pNode == nullptr) {
        return FALSE;
    }
    m_dwStyle = static_cast<DWORD>(NodeInt(pNode, "Style", 0));
    m_dwExStyle = static_cast<DWORD>(NodeInt(pNode, "ExStyle", 0));
    m_bPrevFloating = NodeBool(pNode, "PrevFloating", FALSE);
    m_bMDIChild = NodeBool(pNode, "MDIChild", FALSE);
    if (m_bMDIChild) {
        BYTE* pData = nullptr;
        UINT nCount = 0;
        if (pNode->GetBinary("MDIChildWindowPlacement", &pData, &nCount) == FwPtrOk && pData != nullptr &&
            nCount == sizeof(m_wndPlacement)) {
            std::memcpy(&m_wndPlacement, pData, sizeof(m_wndPlacement));
        }
        delete[] pData;
    }
    CString strPct;
    pNode->GetString("PctWidth", strPct, "");
    m_fWidthFraction = FractionFromText(strPct);
    m_szFloat.cx = NonNegative(NodeInt(pNode, "MRUFloatCX", 0));
    m_szFloat.cy = NonNegative(NodeInt(pNode, "MRUFloatCY", 0));
    m_szHorzDock.cx = NonNegative(NodeInt(pNode, "MRUHorzDockCX", 0));
    m_szHorzDock.cy = NonNegative(NodeInt(pNode, "MRUHorzDockCY", 0));
    m_szVertDock.cx = NonNegative(NodeInt(pNode, "MRUVertDockCX", 0));
    m_szVertDock.cy = NonNegative(NodeInt(pNode, "MRUVertDockCY", 0));
    m_dwMRUDockingState = static_cast<DWORD>(NodeInt(pNode, "MRUDockingState", static_cast<int>(m_dwMRUDockingState)));
    m_dwDockStyle = static_cast<DWORD>(NodeInt(pNode, "DockingStyle", static_cast<int>(m_dwDockStyle)));
    m_dwTypeID = static_cast<DWORD>(NodeInt(pNode, "TypeID", 0));
    pNode->GetString("ClassName", m_strClassName, "");
    pNode->GetString("WindowName", m_strWindowName, "");
    m_nResourceID = static_cast<UINT>(NodeInt(pNode, "ResourceID", static_cast<int>(m_nResourceID)));
    return TRUE;
}

void FwControlBarInfo::Serialize(CArchive& ar, CDockState* pDockState)
{
    const BOOL bVersion2 = pDockState == nullptr || pDockState->m_dwVersion > 1;
    FwDockState* pFwState = dynamic_cast<FwDockState*>(pDockState);
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
        ar << m_dwStyle << m_dwExStyle << static_cast<DWORD>(m_bPrevFloating) << static_cast<DWORD>(m_bMDIChild);
        ar << FractionToText(m_fWidthFraction);
        ar << static_cast<int>(m_szFloat.cx) << static_cast<int>(m_szFloat.cy);
        ar << static_cast<int>(m_szHorzDock.cx) << static_cast<int>(m_szHorzDock.cy);
        ar << static_cast<int>(m_szVertDock.cx) << static_cast<int>(m_szVertDock.cy);
        ar << m_dwMRUDockingState << m_dwDockStyle << m_dwTypeID;
        if (m_pInfoEx != nullptr) {
            m_pInfoEx->Serialize(ar, pFwState);
        }
        ar << static_cast<WORD>(m_arrBarID.GetSize());
        for (INT_PTR i = 0; i < m_arrBarID.GetSize(); ++i) {
            ar << m_arrBarID[i];
        }
        return;
    }
    m_nBarID = ReadDWord(ar);
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
    m_dwStyle = ReadDWord(ar);
    m_dwExStyle = ReadDWord(ar);
    m_bPrevFloating = ReadDWord(ar) != 0;
    m_bMDIChild = ReadDWord(ar) != 0;
    CString strPct;
    ar >> strPct;
    m_fWidthFraction = FractionFromText(strPct);
    m_szFloat.cx = ReadInt(ar);
    m_szFloat.cy = ReadInt(ar);
    m_szHorzDock.cx = ReadInt(ar);
    m_szHorzDock.cy = ReadInt(ar);
    m_szVertDock.cx = ReadInt(ar);
    m_szVertDock.cy = ReadInt(ar);
    m_dwMRUDockingState = ReadDWord(ar);
    m_dwDockStyle = ReadDWord(ar);
    m_dwTypeID = ReadDWord(ar);
    AskManagerForInfoEx();
    if (m_pInfoEx != nullptr) {
        m_pInfoEx->Serialize(ar, pFwState);
    }
    WORD wCount = 0;
    ar >> wCount;
    // The count is checked before anything is allocated for it.
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
