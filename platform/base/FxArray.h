// Growable array of plain values behind the typed arrays (CDWordArray, CPtrArray, ...); code uses those.
// Each typed array instantiates it once, in VornFx, and its header declares that instantiation
// extern and exported, so other libraries call the one copy.
#pragma once

#include <cstring>
#include <type_traits>

#include "platform/base/FxExport.h"

// Index checks on GetAt/SetAt/ElementAt are the caller's duty, as in any array; the calls that
// take a range (InsertAt, RemoveAt, SetSize) clamp it instead.
template <class TYPE, class ARG_TYPE> class CFxArray
{
    static_assert(std::is_trivially_copyable_v<TYPE>, "elements are moved as bytes");

public:
    CFxArray() = default;
    CFxArray(const CFxArray& src) { Copy(src); }
    CFxArray& operator=(const CFxArray& src);
    ~CFxArray() { delete[] m_pData; }

    INT_PTR GetSize() const { return m_nSize; }
    INT_PTR GetCount() const { return m_nSize; }
    INT_PTR GetUpperBound() const { return m_nSize - 1; }
    BOOL IsEmpty() const { return m_nSize == 0; }
    // New elements are zero; nGrowBy is accepted for callers and ignored.
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1);
    void RemoveAll();

    TYPE GetAt(INT_PTR nIndex) const { return m_pData[nIndex]; }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { m_pData[nIndex] = newElement; }
    TYPE& ElementAt(INT_PTR nIndex) { return m_pData[nIndex]; }
    const TYPE* GetData() const { return m_pData; }
    TYPE* GetData() { return m_pData; }
    TYPE operator[](INT_PTR nIndex) const { return m_pData[nIndex]; }
    TYPE& operator[](INT_PTR nIndex) { return m_pData[nIndex]; }
    // Grows the array when nIndex is past its end.
    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement);

    INT_PTR Add(ARG_TYPE newElement);
    // Returns the index of the first appended element.
    INT_PTR Append(const CFxArray& src);
    void Copy(const CFxArray& src);
    // An index past the end grows the array first.
    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1);
    void InsertAt(INT_PTR nStartIndex, const CFxArray* pNewArray);
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1);

private:
    void Reserve(INT_PTR nCapacity);
    // Opens nCount zeroed slots at nIndex (nIndex <= m_nSize).
    void OpenGap(INT_PTR nIndex, INT_PTR nCount);

    TYPE* m_pData = nullptr;
    INT_PTR m_nSize = 0;
    INT_PTR m_nCapacity = 0;
};

template <class TYPE, class ARG_TYPE> CFxArray<TYPE, ARG_TYPE>& CFxArray<TYPE, ARG_TYPE>::operator=(const CFxArray& src)
{
    Copy(src);
    return *this;
}

template <class TYPE, class ARG_TYPE> void CFxArray<TYPE, ARG_TYPE>::Reserve(INT_PTR nCapacity)
{
    if (nCapacity <= m_nCapacity) {
        return;
    }
    INT_PTR nNew = m_nCapacity < 8 ? 8 : m_nCapacity * 2;
    if (nNew < nCapacity) {
        nNew = nCapacity;
    }
    TYPE* pNew = new TYPE[static_cast<size_t>(nNew)];
    if (m_nSize > 0) {
        std::memcpy(pNew, m_pData, static_cast<size_t>(m_nSize) * sizeof(TYPE));
    }
    delete[] m_pData;
    m_pData = pNew;
    m_nCapacity = nNew;
}

template <class TYPE, class ARG_TYPE> void CFxArray<TYPE, ARG_TYPE>::SetSize(INT_PTR nNewSize, INT_PTR /*nGrowBy*/)
{
    if (nNewSize < 0) {
        nNewSize = 0;
    }
    Reserve(nNewSize);
    if (nNewSize > m_nSize) {
        std::memset(static_cast<void*>(m_pData + m_nSize), 0, static_cast<size_t>(nNewSize - m_nSize) * sizeof(TYPE));
    }
    m_nSize = nNewSize;
}

template <class TYPE, class ARG_TYPE> void CFxArray<TYPE, ARG_TYPE>::RemoveAll()
{
    delete[] m_pData;
    m_pData = nullptr;
    m_nSize = 0;
    m_nCapacity = 0;
}

template <class TYPE, class ARG_TYPE> void CFxArray<TYPE, ARG_TYPE>::SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement)
{
    if (nIndex < 0) {
        return;
    }
    if (nIndex >= m_nSize) {
        SetSize(nIndex + 1);
    }
    m_pData[nIndex] = newElement;
}

template <class TYPE, class ARG_TYPE> INT_PTR CFxArray<TYPE, ARG_TYPE>::Add(ARG_TYPE newElement)
{
    SetSize(m_nSize + 1);
    m_pData[m_nSize - 1] = newElement;
    return m_nSize - 1;
}

// The source is read after the growth through its own pointer: it may be this array.
template <class TYPE, class ARG_TYPE> INT_PTR CFxArray<TYPE, ARG_TYPE>::Append(const CFxArray& src)
{
    INT_PTR nOld = m_nSize;
    INT_PTR nAdd = src.m_nSize;
    SetSize(nOld + nAdd);
    if (nAdd > 0) {
        std::memcpy(m_pData + nOld, src.m_pData, static_cast<size_t>(nAdd) * sizeof(TYPE));
    }
    return nOld;
}

template <class TYPE, class ARG_TYPE> void CFxArray<TYPE, ARG_TYPE>::Copy(const CFxArray& src)
{
    if (this == &src) {
        return;
    }
    SetSize(src.m_nSize);
    if (m_nSize > 0) {
        std::memcpy(m_pData, src.m_pData, static_cast<size_t>(m_nSize) * sizeof(TYPE));
    }
}

template <class TYPE, class ARG_TYPE> void CFxArray<TYPE, ARG_TYPE>::OpenGap(INT_PTR nIndex, INT_PTR nCount)
{
    INT_PTR nOld = m_nSize;
    SetSize(nOld + nCount);
    std::memmove(m_pData + nIndex + nCount, m_pData + nIndex, static_cast<size_t>(nOld - nIndex) * sizeof(TYPE));
    std::memset(static_cast<void*>(m_pData + nIndex), 0, static_cast<size_t>(nCount) * sizeof(TYPE));
}

template <class TYPE, class ARG_TYPE>
void CFxArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount)
{
    if (nIndex < 0 || nCount <= 0) {
        return;
    }
    TYPE value = newElement; // may be an element of this array, which moves
    if (nIndex >= m_nSize) {
        SetSize(nIndex + nCount);
    } else {
        OpenGap(nIndex, nCount);
    }
    for (INT_PTR i = 0; i < nCount; ++i) {
        m_pData[nIndex + i] = value;
    }
}

template <class TYPE, class ARG_TYPE>
void CFxArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nStartIndex, const CFxArray* pNewArray)
{
    if (pNewArray == nullptr || pNewArray->m_nSize == 0 || nStartIndex < 0) {
        return;
    }
    CFxArray copy(*pNewArray); // the source may be this array
    if (nStartIndex >= m_nSize) {
        SetSize(nStartIndex + copy.m_nSize);
    } else {
        OpenGap(nStartIndex, copy.m_nSize);
    }
    std::memcpy(m_pData + nStartIndex, copy.m_pData, static_cast<size_t>(copy.m_nSize) * sizeof(TYPE));
}

template <class TYPE, class ARG_TYPE> void CFxArray<TYPE, ARG_TYPE>::RemoveAt(INT_PTR nIndex, INT_PTR nCount)
{
    if (nIndex < 0 || nCount <= 0 || nIndex >= m_nSize) {
        return;
    }
    if (nCount > m_nSize - nIndex) {
        nCount = m_nSize - nIndex;
    }
    std::memmove(m_pData + nIndex, m_pData + nIndex + nCount,
                 static_cast<size_t>(m_nSize - nIndex - nCount) * sizeof(TYPE));
    m_nSize -= nCount;
}
