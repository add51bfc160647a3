#include "framework/FwCustomToolBarInfoEx.h"

#include <utility>

#include "framework/FwPersistentNodeOwner.h"
#include "framework/FwPersistentTreeNode.h"
#include "platform/base/Archive.h"
#include "platform/base/ArchiveException.h"
#include "platform/base/ByteArray.h"
#include "platform/frame/WinApp.h"

FX_IMPLEMENT_DYNCREATE(FwCustomToolBarInfoEx, FwControlBarInfoEx)

FwCustomToolBarInfoEx::~FwCustomToolBarInfoEx()
{
    RemoveAllButtons();
}

void FwCustomToolBarInfoEx::AddButton(UINT nID, const BYTE* pExtra, int nExtra)
{
    ButtonRecord* pRecord = new ButtonRecord{nID, {}};
    if (pExtra != nullptr && nExtra > 0) {
        pRecord->extra.assign(pExtra, pExtra + nExtra);
    }
    m_arrButtons.Add(pRecord);
}

void FwCustomToolBarInfoEx::RemoveAllButtons()
{
    for (INT_PTR i = 0; i < m_arrButtons.GetSize(); ++i) {
        delete static_cast<ButtonRecord*>(m_arrButtons[i]);
    }
    m_arrButtons.RemoveAll();
}

BOOL FwCustomToolBarInfoEx::ReadButtonBytes(const BYTE* pData, UINT nCount)
{
    std::vector<std::pair<UINT, std::vector<BYTE>>> records;
    UINT nPos = 0;
    while (nPos < nCount) {
        // Each record: a 4-byte id and a count byte, then that many bytes, all inside the value.
        if (nCount - nPos < 5) {
            return FALSE;
        }
        const UINT nID = static_cast<UINT>(pData[nPos]) | static_cast<UINT>(pData[nPos + 1]) << 8 |
                         static_cast<UINT>(pData[nPos + 2]) << 16 | static_cast<UINT>(pData[nPos + 3]) << 24;
        const UINT nExtra = pData[nPos + 4];
        nPos += 5;
        if (nExtra > nCount - nPos) {
            return FALSE;
        }
        records.emplace_back(nID, std::vector<BYTE>(pData + nPos, pData + nPos + nExtra));
        nPos += nExtra;
    }
    RemoveAllButtons();
    for (const auto& record : records) {
        AddButton(record.first, record.second.data(), static_cast<int>(record.second.size()));
    }
    return TRUE;
}

void FwCustomToolBarInfoEx::WriteButtonBytes(std::vector<BYTE>& bytes) const
{
    bytes.clear();
    for (int i = 0; i < GetButtonCount(); ++i) {
        const ButtonRecord* pRecord = GetButton(i);
        for (int nShift = 0; nShift < 32; nShift += 8) {
            bytes.push_back(static_cast<BYTE>(pRecord->nID >> nShift));
        }
        bytes.push_back(static_cast<BYTE>(pRecord->extra.size()));
        bytes.insert(bytes.end(), pRecord->extra.begin(), pRecord->extra.end());
    }
}

void FwCustomToolBarInfoEx::Serialize(CArchive& ar, FwDockState*)
{
    if (ar.IsStoring()) {
        ar << m_strTitle;
        ar << static_cast<DWORD>(m_arrButtons.GetSize());
        for (int i = 0; i < GetButtonCount(); ++i) {
            const ButtonRecord* pRecord = GetButton(i);
            ar << static_cast<DWORD>(pRecord->nID) << static_cast<BYTE>(pRecord->extra.size());
            if (!pRecord->extra.empty()) {
                ar.Write(pRecord->extra.data(), static_cast<UINT>(pRecord->extra.size()));
            }
        }
        return;
    }
    RemoveAllButtons();
    ar >> m_strTitle;
    DWORD dwCount = 0;
    ar >> dwCount;
    // Records are read one at a time: a count larger than the archive ends in its exception,
    // never in a block sized by the stored number.
    for (DWORD i = 0; i < dwCount; ++i) {
        DWORD dwID = 0;
        BYTE nExtra = 0;
        ar >> dwID >> nExtra;
        BYTE extra[255] = {};
        if (nExtra > 0 && ar.Read(extra, nExtra) != nExtra) {
            CArchiveException::Throw(CArchiveException::endOfFile);
        }
        AddButton(dwID, extra, nExtra);
    }
}

BOOL FwCustomToolBarInfoEx::LoadState(LPCSTR lpszSection, FwDockState*)
{
    CWinApp* pApp = FxGetApp();
    if (pApp == nullptr || lpszSection == nullptr) {
        return FALSE;
    }
    m_strTitle = pApp->GetProfileString(lpszSection, "Title", "");
    CByteArray bytes;
    if (!pApp->GetProfileBinary(lpszSection, "Buttons", bytes)) {
        RemoveAllButtons();
        m_bButtonsValid = TRUE;
        return TRUE;
    }
    m_bButtonsValid = ReadButtonBytes(bytes.GetData(), static_cast<UINT>(bytes.GetSize()));
    return m_bButtonsValid;
}

BOOL FwCustomToolBarInfoEx::SaveState(LPCSTR lpszSection)
{
    CWinApp* pApp = FxGetApp();
    if (pApp == nullptr || lpszSection == nullptr) {
        return FALSE;
    }
    if (!m_strTitle.IsEmpty()) {
        pApp->WriteProfileString(lpszSection, "Title", m_strTitle);
    }
    std::vector<BYTE> bytes;
    WriteButtonBytes(bytes);
    return pApp->WriteProfileBinary(lpszSection, "Buttons", bytes.data(), static_cast<UINT>(bytes.size()));
}

BOOL FwCustomToolBarInfoEx::LoadFromNode(FwPersistentTreeNode* pNode)
{
    FwPersistentTreeNode* pChild = pNode != nullptr ? pNode->FindChild("ToolBarInfoEx") : nullptr;
    if (pChild == nullptr) {
        return FALSE;
    }
    pChild->GetString("Title", m_strTitle, "");
    BYTE* pData = nullptr;
    UINT nCount = 0;
    if (pChild->GetBinary("Buttons", &pData, &nCount) != FwPtrOk) {
        RemoveAllButtons();
        m_bButtonsValid = TRUE;
        return TRUE;
    }
    m_bButtonsValid = ReadButtonBytes(pData, nCount);
    delete[] pData;
    return m_bButtonsValid;
}

BOOL FwCustomToolBarInfoEx::SaveToNode(FwPersistentNodeOwner* pOwner, FwPersistentTreeNode* pNode)
{
    if (pOwner == nullptr || pNode == nullptr) {
        return FALSE;
    }
    FwPersistentTreeNode* pChild = pOwner->AddChild("ToolBarInfoEx", pNode);
    if (pChild == nullptr) {
        return FALSE;
    }
    pChild->SetString("Title", m_strTitle, TRUE);
    std::vector<BYTE> bytes;
    WriteButtonBytes(bytes);
    pChild->SetBinary("Buttons", bytes.data(), static_cast<UINT>(bytes.size()), TRUE);
    return TRUE;
}
