#include "framework/FwPersistentTreeNode.h"

#include <cstdlib>
#include <cstring>

#include "framework/FwPersistentTreeStore.h"

namespace
{
// Texts up to this length are kept under the key itself.
const int maxValueChars = 250;
const char binCountSuffix[] = "_BinCount";
const char binValSuffix[] = "_BinVal";

CString ChunkKey(const CString& strKey, int nChunk)
{
    CString strChunkKey;
    strChunkKey.Format("%s%s%d", static_cast<LPCSTR>(strKey), binValSuffix, nChunk);
    return strChunkKey;
}
} // namespace

struct FwPersistentTreeNode::Value
{
    CString strKey;
    CString strValue;
};

FX_IMPLEMENT_DYNCREATE(FwPersistentTreeNode, CObject)

FwPersistentTreeNode::FwPersistentTreeNode() : m_pParent(nullptr), m_bInitialized(FALSE)
{
}

FwPersistentTreeNode::~FwPersistentTreeNode()
{
    while (!m_values.IsEmpty()) {
        delete static_cast<Value*>(m_values.RemoveHead());
    }
    // Children outliving this node (made through another owner) must not point back at it.
    for (POSITION pos = m_children.GetHeadPosition(); pos != nullptr;) {
        static_cast<FwPersistentTreeNode*>(m_children.GetNext(pos))->m_pParent = nullptr;
    }
    m_children.RemoveAll();
    m_owner.DeleteAll();
    if (m_pParent != nullptr) {
        POSITION pos = m_pParent->m_children.Find(this);
        if (pos != nullptr) {
            m_pParent->m_children.RemoveAt(pos);
        }
    }
}

UINT FwPersistentTreeNode::Initialize(const CString& strName, FwPersistentTreeNode* pParent)
{
    if (m_bInitialized) {
        return FwPtrAlreadyInitialised;
    }
    if (strName.IsEmpty()) {
        return FwPtrNoName;
    }
    m_strName = strName;
    m_pParent = pParent;
    if (pParent != nullptr) {
        const UINT nResult = pParent->AddChild(this);
        if (nResult != FwPtrOk) {
            m_pParent = nullptr;
            return nResult == FwPtrChildExists ? FwPtrChildExists : FwPtrFailed;
        }
    }
    m_bInitialized = TRUE;
    return FwPtrOk;
}

UINT FwPersistentTreeNode::SetInt(const CString& strKey, int nValue, BOOL bReplace)
{
    CString strValue;
    strValue.Format("%d", nValue);
    return SetString(strKey, strValue, bReplace);
}

UINT FwPersistentTreeNode::SetString(const CString& strKey, const CString& strValue, BOOL bReplace)
{
    UINT nResult = FwPtrOk;
    if (!m_bInitialized) {
        nResult |= FwPtrNotInitialised;
    }
    if (strKey.IsEmpty()) {
        nResult |= FwPtrNoKey;
    }
    Value* pRecord = FindRecord(strKey);
    if (pRecord != nullptr && !bReplace) {
        nResult |= FwPtrKeyExists;
    }
    if (nResult != FwPtrOk) {
        return nResult;
    }
    if (pRecord != nullptr) {
        pRecord->strValue = strValue;
    } else {
        m_values.AddTail(new Value{strKey, strValue});
    }
    return FwPtrOk;
}

UINT FwPersistentTreeNode::SetBool(const CString& strKey, BOOL bValue, BOOL bReplace)
{
    return SetString(strKey, bValue ? "True" : "False", bReplace);
}

UINT FwPersistentTreeNode::SetBinary(const CString& strKey, const BYTE* pData, UINT nCount, BOOL bReplace)
{
    if (pData == nullptr) {
        return FwPtrNoData;
    }
    const CString strText = BytesToText(pData, nCount);
    if (strText.GetLength() != static_cast<int>(nCount) * 2) {
        return FwPtrNotText;
    }
    if (strText.GetLength() <= maxValueChars) {
        const UINT nResult = SetString(strKey, strText, bReplace);
        if (nResult == FwPtrOk) {
            // A chunked value left from before would otherwise win on reading.
            RemoveChunks(strKey, 0);
        }
        return nResult;
    }
    const int nChunks = (strText.GetLength() + maxValueChars - 1) / maxValueChars;
    UINT nResult = SetInt(strKey + binCountSuffix, nChunks, TRUE);
    if (nResult != FwPtrOk) {
        return nResult;
    }
    for (int i = 0; i < nChunks; ++i) {
        nResult = SetString(ChunkKey(strKey, i), strText.Mid(i * maxValueChars, maxValueChars), TRUE);
        if (nResult != FwPtrOk) {
            return nResult;
        }
    }
    RemoveValue(strKey);
    RemoveChunks(strKey, nChunks);
    return FwPtrOk;
}

UINT FwPersistentTreeNode::GetString(const CString& strKey, CString& strValue, const CString& strDefault) const
{
    strValue = strDefault;
    const CString* pValue = FindValue(strKey);
    if (pValue == nullptr) {
        return FwPtrNoValue;
    }
    strValue = *pValue;
    return FwPtrOk;
}

namespace
{
// Reads a value as text and converts it; the default stays when the key holds nothing.
template <class T, class Convert>
UINT GetConverted(const FwPersistentTreeNode& node, const CString& strKey, T& value, T defaultValue, Convert convert)
{
    value = defaultValue;
    CString strValue;
    const UINT nResult = node.GetString(strKey, strValue, CString());
    if (nResult == FwPtrOk) {
        value = convert(strValue);
    }
    return nResult;
}
} // namespace

UINT FwPersistentTreeNode::GetInt(const CString& strKey, int& nValue, int nDefault) const
{
    return GetConverted(*this, strKey, nValue, nDefault, [](const CString& str) { return atoi(str); });
}

UINT FwPersistentTreeNode::GetUInt(const CString& strKey, UINT& nValue, UINT nDefault) const
{
    return GetConverted(*this, strKey, nValue, nDefault,
                        [](const CString& str) { return static_cast<UINT>(atoi(str)); });
}

UINT FwPersistentTreeNode::GetLong(const CString& strKey, long& nValue, long nDefault) const
{
    return GetConverted(*this, strKey, nValue, nDefault, [](const CString& str) { return atol(str); });
}

UINT FwPersistentTreeNode::GetDWord(const CString& strKey, DWORD& dwValue, DWORD dwDefault) const
{
    return GetConverted(*this, strKey, dwValue, dwDefault,
                        [](const CString& str) { return static_cast<DWORD>(atol(str)); });
}

UINT FwPersistentTreeNode::GetBool(const CString& strKey, BOOL& bValue, BOOL bDefault) const
{
    return GetConverted(*this, strKey, bValue, bDefault, [](CString str) -> BOOL {
        str.MakeUpper();
        return str == "TRUE";
    });
}

UINT FwPersistentTreeNode::GetBinary(const CString& strKey, BYTE** ppData, UINT* pnCount) const
{
    if (ppData == nullptr || pnCount == nullptr) {
        return FwPtrNoData;
    }
    CString strText;
    const CString* pCount = FindValue(strKey + binCountSuffix);
    if (pCount != nullptr) {
        const int nChunks = atoi(*pCount);
        for (int i = 0; i < nChunks; ++i) {
            const CString* pChunk = FindValue(ChunkKey(strKey, i));
            // Joining what is there would hand out shortened bytes as if they were whole.
            if (pChunk == nullptr) {
                return FwPtrNoValue;
            }
            strText += *pChunk;
        }
    } else {
        const UINT nResult = GetString(strKey, strText, CString());
        if (nResult != FwPtrOk) {
            return nResult;
        }
    }
    if (strText.IsEmpty() || !TextToBytes(strText, ppData, pnCount)) {
        return FwPtrFailed;
    }
    return FwPtrOk;
}

BOOL FwPersistentTreeNode::Save(FwPersistentTreeStore* pStore) const
{
    if (!m_bInitialized || pStore == nullptr) {
        return FALSE;
    }
    CStringList path;
    GetPath(path);
    CStringList childNames;
    GetChildNames(childNames);
    BOOL bResult = TRUE;
    pStore->BeginNode(path);
    for (POSITION pos = m_values.GetHeadPosition(); pos != nullptr;) {
        const Value* pValue = static_cast<const Value*>(m_values.GetNext(pos));
        if (!pStore->WriteValue(path, pValue->strKey, pValue->strValue)) {
            bResult = FALSE;
        }
    }
    pStore->EndNode(path, childNames);
    for (POSITION pos = m_children.GetHeadPosition(); pos != nullptr;) {
        if (!static_cast<const FwPersistentTreeNode*>(m_children.GetNext(pos))->Save(pStore)) {
            bResult = FALSE;
        }
    }
    return bResult;
}

BOOL FwPersistentTreeNode::Load(FwPersistentTreeStore* pStore)
{
    if (!m_bInitialized || pStore == nullptr) {
        return FALSE;
    }
    CStringList path;
    GetPath(path);
    CStringList keys;
    CStringList values;
    CStringList childNames;
    if (!pStore->ReadNode(path, keys, values, childNames)) {
        return FALSE;
    }
    POSITION posValue = values.GetHeadPosition();
    for (POSITION pos = keys.GetHeadPosition(); pos != nullptr && posValue != nullptr;) {
        const CString& strKey = keys.GetNext(pos);
        SetString(strKey, values.GetNext(posValue), TRUE);
    }
    for (POSITION pos = childNames.GetHeadPosition(); pos != nullptr;) {
        FwPersistentTreeNode* pChild = m_owner.AddChild(childNames.GetNext(pos), this);
        if (pChild != nullptr) {
            pChild->Load(pStore);
        }
    }
    return TRUE;
}

UINT FwPersistentTreeNode::AddChild(FwPersistentTreeNode* pChild)
{
    UINT nResult = FwPtrOk;
    if (!m_bInitialized) {
        nResult |= FwPtrNotInitialised;
    }
    if (pChild == nullptr) {
        nResult |= FwPtrNoName;
    } else if (FindChild(pChild->m_strName) != nullptr) {
        nResult |= FwPtrChildExists;
    }
    if (nResult != FwPtrOk) {
        return nResult;
    }
    m_children.AddTail(pChild);
    return FwPtrOk;
}

FwPersistentTreeNode* FwPersistentTreeNode::FindChild(const CString& strName) const
{
    if (strName.IsEmpty()) {
        return nullptr;
    }
    for (POSITION pos = m_children.GetHeadPosition(); pos != nullptr;) {
        FwPersistentTreeNode* pChild = static_cast<FwPersistentTreeNode*>(m_children.GetNext(pos));
        if (strcmp(pChild->m_strName, strName) == 0) {
            return pChild;
        }
    }
    return nullptr;
}

FwPersistentTreeNode::Value* FwPersistentTreeNode::FindRecord(const CString& strKey) const
{
    if (strKey.IsEmpty()) {
        return nullptr;
    }
    for (POSITION pos = m_values.GetHeadPosition(); pos != nullptr;) {
        Value* pValue = static_cast<Value*>(m_values.GetNext(pos));
        if (strcmp(pValue->strKey, strKey) == 0) {
            return pValue;
        }
    }
    return nullptr;
}

const CString* FwPersistentTreeNode::FindValue(const CString& strKey) const
{
    const Value* pRecord = FindRecord(strKey);
    return pRecord != nullptr ? &pRecord->strValue : nullptr;
}

void FwPersistentTreeNode::RemoveValue(const CString& strKey)
{
    for (POSITION pos = m_values.GetHeadPosition(); pos != nullptr;) {
        const POSITION posThis = pos;
        Value* pValue = static_cast<Value*>(m_values.GetNext(pos));
        if (strcmp(pValue->strKey, strKey) == 0) {
            m_values.RemoveAt(posThis);
            delete pValue;
            return;
        }
    }
}

void FwPersistentTreeNode::RemoveChunks(const CString& strKey, int nKeepChunks)
{
    if (nKeepChunks == 0) {
        RemoveValue(strKey + binCountSuffix);
    }
    // Every chunk from nKeepChunks on, whatever count wrote them.
    const CString strPrefix = strKey + binValSuffix;
    for (POSITION pos = m_values.GetHeadPosition(); pos != nullptr;) {
        const POSITION posThis = pos;
        Value* pValue = static_cast<Value*>(m_values.GetNext(pos));
        if (pValue->strKey.GetLength() <= strPrefix.GetLength() ||
            strncmp(pValue->strKey, strPrefix, static_cast<size_t>(strPrefix.GetLength())) != 0) {
            continue;
        }
        const CString strIndex = pValue->strKey.Mid(strPrefix.GetLength());
        if (strIndex.SpanIncluding("0123456789").GetLength() == strIndex.GetLength() && atoi(strIndex) >= nKeepChunks) {
            m_values.RemoveAt(posThis);
            delete pValue;
        }
    }
}

void FwPersistentTreeNode::GetPath(CStringList& path) const
{
    path.RemoveAll();
    for (const FwPersistentTreeNode* pNode = this; pNode != nullptr; pNode = pNode->m_pParent) {
        path.AddTail(pNode->m_strName);
    }
}

void FwPersistentTreeNode::GetChildNames(CStringList& names) const
{
    names.RemoveAll();
    for (POSITION pos = m_children.GetHeadPosition(); pos != nullptr;) {
        names.AddTail(static_cast<const FwPersistentTreeNode*>(m_children.GetNext(pos))->m_strName);
    }
}

CString FwPersistentTreeNode::BytesToText(const BYTE* pData, UINT nCount)
{
    CString strText;
    for (UINT i = 0; i < nCount; ++i) {
        strText += static_cast<char>('A' + (pData[i] & 0x0F));
        strText += static_cast<char>('A' + (pData[i] >> 4));
    }
    return strText;
}

BOOL FwPersistentTreeNode::TextToBytes(const CString& strText, BYTE** ppData, UINT* pnCount)
{
    const int nLength = strText.GetLength();
    if (nLength <= 0 || nLength % 2 != 0) {
        return FALSE;
    }
    for (int i = 0; i < nLength; ++i) {
        if (strText[i] < 'A' || strText[i] > 'P') {
            return FALSE;
        }
    }
    BYTE* pData = new BYTE[static_cast<size_t>(nLength / 2)];
    for (int i = 0; i < nLength / 2; ++i) {
        pData[i] = static_cast<BYTE>((strText[2 * i + 1] - 'A') * 16 + (strText[2 * i] - 'A'));
    }
    *ppData = pData;
    *pnCount = static_cast<UINT>(nLength / 2);
    return TRUE;
}
