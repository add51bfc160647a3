#include "symbols/SymbolData.h"

#include "symbols/SymbolGroup.h"

namespace
{
const char kCommSection[] = "COMM";
const char kGroupCount[] = "GroupCount";
const char kGroupName[] = "GroupName";
const char kGroupData[] = "Data";
// The buffer a value is first read into; a longer value is read again into a larger one.
const DWORD kFirstBuffer = 1024;
const DWORD kMaxBuffer = 1024 * 1024;

CString GroupSection(int nIndex)
{
    CString strSection;
    strSection.Format("Group%d", nIndex);
    return strSection;
}
} // namespace

CSymbolData::~CSymbolData()
{
    DetachList();
}

void CSymbolData::DetachList()
{
    while (!m_listGroup.IsEmpty()) {
        delete m_listGroup.RemoveHead();
    }
}

CString CSymbolData::ReadProfileText(LPCSTR pszSection, LPCSTR pszKey, LPCSTR pszPath)
{
    // A value that fills the buffer comes back cut to its size less one: writing it back would
    // lose the rest.
    CString strValue;
    for (DWORD nSize = kFirstBuffer; nSize <= kMaxBuffer; nSize *= 2) {
        DWORD nRead = GetPrivateProfileStringA(pszSection, pszKey, "", strValue.GetBuffer(static_cast<int>(nSize)),
                                               nSize, pszPath);
        strValue.ReleaseBuffer(static_cast<int>(nRead));
        if (nRead < nSize - 1) {
            break;
        }
    }
    strValue.Trim();
    return strValue;
}

int CSymbolData::LoadData(CString strPath)
{
    DetachList();
    m_strFileName = strPath;
    if (GetFileAttributesA(strPath) == INVALID_FILE_ATTRIBUTES) {
        return 0;
    }
    int nCount = static_cast<int>(GetPrivateProfileIntA(kCommSection, kGroupCount, -1, strPath));
    if (nCount <= 0) {
        return 0;
    }
    for (int i = 0; i < nCount; ++i) {
        CString strSection = GroupSection(i);
        CString strName = ReadProfileText(strSection, kGroupName, strPath);
        if (strName.IsEmpty()) {
            continue;
        }
        auto* pGroup = new CSymbolGroup;
        pGroup->m_strName = strName;
        pGroup->m_arrItem.Split(ReadProfileText(strSection, kGroupData, strPath), ';', FALSE);
        m_listGroup.AddTail(pGroup);
    }
    return 1;
}

int CSymbolData::SaveData()
{
    CString strCount;
    strCount.Format("%d", static_cast<int>(m_listGroup.GetCount()));
    BOOL bWritten = WritePrivateProfileStringA(kCommSection, kGroupCount, strCount, m_strFileName);
    int nIndex = 0;
    for (POSITION pos = m_listGroup.GetHeadPosition(); pos != nullptr; ++nIndex) {
        auto* pGroup = static_cast<CSymbolGroup*>(m_listGroup.GetNext(pos));
        CStringArray& items = pGroup->m_arrItem;
        for (INT_PTR i = items.GetSize() - 1; i >= 0; --i) {
            CString strItem = items.GetAt(i);
            if (strItem.Trim().IsEmpty()) {
                items.RemoveAt(i);
            }
        }
        CString strData;
        for (INT_PTR i = 0; i < items.GetSize(); ++i) {
            strData += items.GetAt(i) + ";";
        }
        CString strSection = GroupSection(nIndex);
        bWritten = WritePrivateProfileStringA(strSection, kGroupName, pGroup->m_strName, m_strFileName) && bWritten;
        bWritten = WritePrivateProfileStringA(strSection, kGroupData, strData, m_strFileName) && bWritten;
    }
    return bWritten ? 1 : 0;
}

POSITION CSymbolData::FindSymbolGroup(CString strName)
{
    for (POSITION pos = m_listGroup.GetHeadPosition(); pos != nullptr;) {
        POSITION posGroup = pos;
        auto* pGroup = static_cast<CSymbolGroup*>(m_listGroup.GetNext(pos));
        if (pGroup->m_strName == strName) {
            return posGroup;
        }
    }
    return nullptr;
}

CSymbolGroup* CSymbolData::GetSymbolGroup(CString strName)
{
    POSITION pos = FindSymbolGroup(strName);
    return pos != nullptr ? static_cast<CSymbolGroup*>(m_listGroup.GetAt(pos)) : nullptr;
}
