#include "framework/FwControlBarInfo.h"

#include <cstdlib>
#include <cstring>

#include "framework/FwControlBarInfoEx.h"
#include "framework/FwControlBarManager.h"
#include "framework/FwDockState.h"
#include "framework/FwPersistentNodeOwner.h"
#include "framework/FwPersistentTreeNode.h"
#include "platform/base/Archive.h"
#include "platform/base/ByteArray.h"
#include "platform/frame/BarInfoStore.h"

namespace
{
CString SectionOf(LPCSTR lpszProfileName, int nIndex)
{
    CString strSection;
    strSection.Format("%s-Bar%d", lpszProfileName, nIndex);
    return strSection;
}

int NonNegative(int n)
{
    return n < 0 ? 0 : n;
}

// A record's values in a settings tree node; booleans are kept as the tree's booleans.
class CNodeStore : public CBarInfoStore
{
public:
    explicit CNodeStore(FwPersistentTreeNode* pNode) : m_pNode(pNode) {}

    int GetInt(LPCSTR lpszKey, int nDefault) override
    {
        int n = nDefault;
        m_pNode->GetInt(lpszKey, n, nDefault);
        return n;
    }
    BOOL GetBool(LPCSTR lpszKey, BOOL bDefault) override
    {
        BOOL b = bDefault;
        m_pNode->GetBool(lpszKey, b, bDefault);
        return b;
    }
    CString GetString(LPCSTR lpszKey) override
    {
        CString str;
        m_pNode->GetString(lpszKey, str, "");
        return str;
    }
    BOOL GetBinary(LPCSTR lpszKey, CByteArray& data) override
    {
        BYTE* pData = nullptr;
        UINT nCount = 0;
        const BOOL bFound = m_pNode->GetBinary(lpszKey, &pData, &nCount) == FwPtrOk && pData != nullptr;
        if (bFound) {
            data.SetSize(static_cast<INT_PTR>(nCount));
            std::memcpy(data.GetData(), pData, nCount);
        }
        delete[] pData;
        return bFound;
    }
    void SetInt(LPCSTR lpszKey, int nValue) override { m_pNode->SetInt(lpszKey, nValue, TRUE); }
    void SetBool(LPCSTR lpszKey, BOOL bValue) override { m_pNode->SetBool(lpszKey, bValue, TRUE); }
    void SetString(LPCSTR lpszKey, LPCSTR lpszValue) override { m_pNode->SetString(lpszKey, lpszValue, TRUE); }
    void SetBinary(LPCSTR lpszKey, const BYTE* pData, UINT nBytes) override
    {
        m_pNode->SetBinary(lpszKey, pData, nBytes, TRUE);
    }

private:
    FwPersistentTreeNode* m_pNode;
};
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
    if (m_pInfoEx != nullptr) {
        m_pInfoEx->SaveState(SectionOf(lpszProfileName, nIndex));
    }
    return TRUE;
}

BOOL FwControlBarInfo::LoadState(LPCSTR lpszProfileName, int nIndex, CDockState* pDockState)
{
    if (!CControlBarInfo::LoadState(lpszProfileName, nIndex, pDockState)) {
        return FALSE;
    }
    AskManagerForInfoEx();
    if (m_pInfoEx != nullptr) {
        m_pInfoEx->LoadState(SectionOf(lpszProfileName, nIndex), dynamic_cast<FwDockState*>(pDockState));
    }
    return TRUE;
}

void FwControlBarInfo::SaveValues(CBarInfoStore& store)
{
    CControlBarInfo::SaveValues(store);
    SaveAddedValues(store);
}

BOOL FwControlBarInfo::LoadValues(CBarInfoStore& store, CDockState* pDockState)
{
    if (!CControlBarInfo::LoadValues(store, pDockState)) {
        return FALSE;
    }
    LoadAddedValues(store);
    return TRUE;
}

void FwControlBarInfo::SaveAddedValues(CBarInfoStore& store)
{
    store.SetInt("Style", static_cast<int>(m_dwStyle));
    store.SetInt("ExStyle", static_cast<int>(m_dwExStyle));
    store.SetBool("PrevFloating", m_bPrevFloating);
    store.SetBool("MDIChild", m_bMDIChild);
    if (m_bMDIChild) {
        store.SetBinary("MDIChildWindowPlacement", reinterpret_cast<const BYTE*>(&m_wndPlacement),
                        sizeof(m_wndPlacement));
    }
    store.SetString("PctWidth", FractionToText(m_fWidthFraction));
    store.SetInt("MRUFloatCX", m_szFloat.cx);
    store.SetInt("MRUFloatCY", m_szFloat.cy);
    store.SetInt("MRUHorzDockCX", m_szHorzDock.cx);
    store.SetInt("MRUHorzDockCY", m_szHorzDock.cy);
    store.SetInt("MRUVertDockCX", m_szVertDock.cx);
    store.SetInt("MRUVertDockCY", m_szVertDock.cy);
    store.SetInt("MRUDockingState", static_cast<int>(m_dwMRUDockingState));
    store.SetInt("DockingStyle", static_cast<int>(m_dwDockStyle));
    store.SetInt("TypeID", static_cast<int>(m_dwTypeID));
    store.SetString("ClassName", m_strClassName);
    store.SetString("WindowName", m_strWindowName);
    store.SetInt("ResourceID", static_cast<int>(m_nResourceID));
}

void FwControlBarInfo::LoadAddedValues(CBarInfoStore& store)
{
    m_dwStyle = static_cast<DWORD>(store.GetInt("Style", 0));
    m_dwExStyle = static_cast<DWORD>(store.GetInt("ExStyle", 0));
    m_bPrevFloating = store.GetBool("PrevFloating", FALSE);
    m_bMDIChild = store.GetBool("MDIChild", FALSE);
    if (m_bMDIChild) {
        // Only a value of exactly a placement's size is taken; a shorter one would leave it half
        // read, a longer one overrun it.
        CByteArray data;
        if (store.GetBinary("MDIChildWindowPlacement", data) &&
            data.GetSize() == static_cast<INT_PTR>(sizeof(m_wndPlacement))) {
            std::memcpy(&m_wndPlacement, data.GetData(), sizeof(m_wndPlacement));
        }
    }
    m_fWidthFraction = FractionFromText(store.GetString("PctWidth"));
    m_szFloat.cx = NonNegative(store.GetInt("MRUFloatCX", 0));
    m_szFloat.cy = NonNegative(store.GetInt("MRUFloatCY", 0));
    m_szHorzDock.cx = NonNegative(store.GetInt("MRUHorzDockCX", 0));
    m_szHorzDock.cy = NonNegative(store.GetInt("MRUHorzDockCY", 0));
    m_szVertDock.cx = NonNegative(store.GetInt("MRUVertDockCX", 0));
    m_szVertDock.cy = NonNegative(store.GetInt("MRUVertDockCY", 0));
    m_dwMRUDockingState = static_cast<DWORD>(store.GetInt("MRUDockingState", static_cast<int>(m_dwMRUDockingState)));
    m_dwDockStyle = static_cast<DWORD>(store.GetInt("DockingStyle", static_cast<int>(m_dwDockStyle)));
    m_dwTypeID = static_cast<DWORD>(store.GetInt("TypeID", 0));
    m_strClassName = store.GetString("ClassName");
    m_strWindowName = store.GetString("WindowName");
    m_nResourceID = static_cast<UINT>(store.GetInt("ResourceID", static_cast<int>(m_nResourceID)));
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
    CNodeStore store(pNode);
    CControlBarInfo::SaveValues(store);
    return TRUE;
}

BOOL FwControlBarInfo::SaveAddedToNode(FwPersistentNodeOwner*, FwPersistentTreeNode* pNode)
{
    if (pNode == nullptr) {
        return FALSE;
    }
    CNodeStore store(pNode);
    SaveAddedValues(store);
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
    CNodeStore store(pNode);
    return CControlBarInfo::LoadValues(store, pDockState);
}

BOOL FwControlBarInfo::LoadAddedFromNode(FwPersistentTreeNode* pNode)
{
    if (pNode == nullptr) {
        return FALSE;
    }
    CNodeStore store(pNode);
    LoadAddedValues(store);
    return TRUE;
}

void FwControlBarInfo::SerializeExtra(CArchive& ar, CDockState* pDockState)
{
    FwDockState* pFwState = dynamic_cast<FwDockState*>(pDockState);
    if (ar.IsStoring()) {
        ar << m_dwStyle << m_dwExStyle << static_cast<DWORD>(m_bPrevFloating) << static_cast<DWORD>(m_bMDIChild);
        ar << FractionToText(m_fWidthFraction);
        ar << static_cast<int>(m_szFloat.cx) << static_cast<int>(m_szFloat.cy);
        ar << static_cast<int>(m_szHorzDock.cx) << static_cast<int>(m_szHorzDock.cy);
        ar << static_cast<int>(m_szVertDock.cx) << static_cast<int>(m_szVertDock.cy);
        ar << m_dwMRUDockingState << m_dwDockStyle << m_dwTypeID;
        if (m_pInfoEx != nullptr) {
            m_pInfoEx->Serialize(ar, pFwState);
        }
        return;
    }
    DWORD dwPrevFloating = 0;
    DWORD dwMDIChild = 0;
    ar >> m_dwStyle >> m_dwExStyle >> dwPrevFloating >> dwMDIChild;
    m_bPrevFloating = dwPrevFloating != 0;
    m_bMDIChild = dwMDIChild != 0;
    CString strPct;
    ar >> strPct;
    m_fWidthFraction = FractionFromText(strPct);
    // Floating, horizontal and vertical sizes, each width then height.
    int sizes[6] = {};
    for (int& n : sizes) {
        ar >> n;
    }
    m_szFloat = CSize(sizes[0], sizes[1]);
    m_szHorzDock = CSize(sizes[2], sizes[3]);
    m_szVertDock = CSize(sizes[4], sizes[5]);
    ar >> m_dwMRUDockingState >> m_dwDockStyle >> m_dwTypeID;
    AskManagerForInfoEx();
    if (m_pInfoEx != nullptr) {
        m_pInfoEx->Serialize(ar, pFwState);
    }
}
