#include "platform/base/StringArray.h"

#include <utility>

#include "platform/base/Archive.h"

// Index checks are our callers' duty, as in any array; a bad index is our bug, not bad input.

CStringArray::CStringArray(const CStringArray& src)
{
    Copy(src);
}

CStringArray& CStringArray::operator=(const CStringArray& src)
{
    if (this != &src) {
        Copy(src);
    }
    return *this;
}

CStringArray::~CStringArray()
{
    delete[] m_pData;
}

void CStringArray::SetSize(INT_PTR nNewSize, INT_PTR /*nGrowBy*/)
{
    if (nNewSize < 0) {
        nNewSize = 0;
    }
    Reserve(nNewSize);
    for (INT_PTR i = nNewSize; i < m_nSize; ++i) {
        m_pData[i].Empty();
    }
    m_nSize = nNewSize;
}

void CStringArray::RemoveAll()
{
    delete[] m_pData;
    m_pData = nullptr;
    m_nSize = 0;
    m_nCapacity = 0;
}

const CString& CStringArray::GetAt(INT_PTR nIndex) const
{
    return m_pData[nIndex];
}

CString& CStringArray::ElementAt(INT_PTR nIndex)
{
    return m_pData[nIndex];
}

void CStringArray::SetAt(INT_PTR nIndex, const CString& str)
{
    m_pData[nIndex] = str;
}

void CStringArray::SetAtGrow(INT_PTR nIndex, const CString& str)
{
    if (nIndex >= m_nSize) {
        SetSize(nIndex + 1);
    }
    m_pData[nIndex] = str;
}

INT_PTR CStringArray::Add(const CString& str)
{
    CString copy(str); // str may live in this array and move with it
    SetSize(m_nSize + 1);
    m_pData[m_nSize - 1] = std::move(copy);
    return m_nSize - 1;
}

INT_PTR CStringArray::Append(const CStringArray& src)
{
    INT_PTR nOld = m_nSize;
    INT_PTR nAdd = src.m_nSize;
    SetSize(nOld + nAdd);
    for (INT_PTR i = 0; i < nAdd; ++i) {
        m_pData[nOld + i] = src.m_pData[i];
    }
    return nOld;
}

void CStringArray::Copy(const CStringArray& src)
{
    if (this == &src) {
        return;
    }
    SetSize(src.m_nSize);
    for (INT_PTR i = 0; i < m_nSize; ++i) {
        m_pData[i] = src.m_pData[i];
    }
}

void CStringArray::InsertAt(INT_PTR nIndex, const CString& str, INT_PTR nCount)
{
    if (nCount <= 0) {
        return;
    }
    CString copy(str);
    INT_PTR nOld = m_nSize;
    if (nIndex >= nOld) {
        SetSize(nIndex + nCount);
    } else {
        SetSize(nOld + nCount);
        for (INT_PTR i = nOld - 1; i >= nIndex; --i) {
            m_pData[i + nCount] = std::move(m_pData[i]);
        }
    }
    for (INT_PTR i = 0; i < nCount; ++i) {
        m_pData[nIndex + i] = copy;
    }
}

void CStringArray::RemoveAt(INT_PTR nIndex, INT_PTR nCount)
{
    if (nIndex < 0 || nCount <= 0 || nIndex >= m_nSize) {
        return;
    }
    if (nCount > m_nSize - nIndex) {
        nCount = m_nSize - nIndex;
    }
    for (INT_PTR i = nIndex; i + nCount < m_nSize; ++i) {
        m_pData[i] = std::move(m_pData[i + nCount]);
    }
    SetSize(m_nSize - nCount);
}

void CStringArray::Reserve(INT_PTR nCapacity)
{
    if (nCapacity <= m_nCapacity) {
        return;
    }
    INT_PTR nNew = m_nCapacity < 8 ? 8 : m_nCapacity * 2;
    if (nNew < nCapacity) {
        nNew = nCapacity;
    }
    auto* pNew = new CString[static_cast<size_t>(nNew)];
    for (INT_PTR i = 0; i < m_nSize; ++i) {
        pNew[i] = std::move(m_pData[i]);
    }
    delete[] m_pData;
    m_pData = pNew;
    m_nCapacity = nNew;
}

void CStringArray::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD_PTR>(m_nSize));
        for (INT_PTR i = 0; i < m_nSize; ++i) {
            ar << m_pData[i];
        }
        return;
    }
    // ReadCount has checked the count against the bytes left, so SetSize cannot run away.
    SetSize(static_cast<INT_PTR>(ar.ReadCount()));
    for (INT_PTR i = 0; i < m_nSize; ++i) {
        ar >> m_pData[i];
    }
}
