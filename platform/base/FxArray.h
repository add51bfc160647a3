// Growable array behind the typed arrays (CStringArray, CDWordArray, CPtrArray, ...); code uses those.
// Each typed array instantiates it once, in VornFx, and its header declares that instantiation
// extern and exported, so other libraries call the one copy.
#pragma once

#include <new>
#include <utility>

#include "platform/base/FxExport.h"
#include "platform/base/MemoryException.h"

// Index checks on GetAt/SetAt/ElementAt are the caller's duty, as in any array; the calls that
// take a range (InsertAt, RemoveAt, SetSize) clamp it instead. An element passed in may live in
// this array: it is copied before the storage moves.
template <class TYPE, class ARG_TYPE> class CFxArray
{
public:
    CFxArray() = default;
    CFxArray(const CFxArray& src);
    CFxArray& operator=(const CFxArray& src);
    ~CFxArray();

    INT_PTR GetSize() const { return m_nSize; }
    INT_PTR GetCount() const { return m_nSize; }
    INT_PTR GetUpperBound() const { return m_nSize - 1; }
    BOOL IsEmpty() const { return m_nSize == 0; }
    // New elements are zero (empty); nGrowBy is accepted for callers and ignored.
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1);
    void RemoveAll();

    const TYPE& GetAt(INT_PTR nIndex) const { return m_pData[nIndex]; }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { m_pData[nIndex] = newElement; }
    TYPE& ElementAt(INT_PTR nIndex) { return m_pData[nIndex]; }
    const TYPE* GetData() const { return m_pData; }
    TYPE* GetData() { return m_pData; }
    const TYPE& operator[](INT_PTR nIndex) const { return m_pData[nIndex]; }
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
    // Opens nCount empty slots at nIndex (nIndex <= m_nSize).
    void OpenGap(INT_PTR nIndex, INT_PTR nCount);

    TYPE* m_pData = nullptr;
    INT_PTR m_nSize = 0;
    INT_PTR m_nCapacity = 0;
};

// Defined out of the class so that the one exported instantiation holds them: a caller that did
// not inline them would otherwise look for a copy that no library has.
template <class TYPE, class ARG_TYPE> CFxArray<TYPE, ARG_TYPE>::CFxArray(const CFxArray& src)
{
    Copy(src);
}

template <class TYPE, class ARG_TYPE> CFxArray<TYPE, ARG_TYPE>::~CFxArray()
{
    delete[] m_pData;
}

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
    // A count read from a file can ask for more than there is: fail with the framework's
    // out-of-memory exception, as strings and memory files do.
    TYPE* pNew = new (std::nothrow) TYPE[static_cast<size_t>(nNew)];
    if (pNew == nullptr) {
        CMemoryException::Throw();
    }
    for (INT_PTR i = 0; i < m_nSize; ++i) {
        pNew[i] = std::move(m_pData[i]);
    }
    delete[] m_pData;
    m_pData = pNew;
    m_nCapacity = nNew;
}

// Slots past the size are kept empty, so a dropped string frees its text at once.
template <class TYPE, class ARG_TYPE> void CFxArray<TYPE, ARG_TYPE>::SetSize(INT_PTR nNewSize, INT_PTR /*nGrowBy*/)
{
    if (nNewSize < 0) {
        nNewSize = 0;
    }
    Reserve(nNewSize);
    for (INT_PTR i = nNewSize; i < m_nSize; ++i) {
        m_pData[i] = TYPE();
    }
    for (INT_PTR i = m_nSize; i < nNewSize; ++i) {
        m_pData[i] = TYPE();
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
    TYPE value(newElement);
    if (nIndex >= m_nSize) {
        SetSize(nIndex + 1);
    }
    m_pData[nIndex] = std::move(value);
}

template <class TYPE, class ARG_TYPE> INT_PTR CFxArray<TYPE, ARG_TYPE>::Add(ARG_TYPE newElement)
{
    TYPE value(newElement);
    SetSize(m_nSize + 1);
    m_pData[m_nSize - 1] = std::move(value);
    return m_nSize - 1;
}

// The source is read after the growth through its own pointer: it may be this array.
template <class TYPE, class ARG_TYPE> INT_PTR CFxArray<TYPE, ARG_TYPE>::Append(const CFxArray& src)
{
    INT_PTR nOld = m_nSize;
    INT_PTR nAdd = src.m_nSize;
    SetSize(nOld + nAdd);
    for (INT_PTR i = 0; i < nAdd; ++i) {
        m_pData[nOld + i] = src.m_pData[i];
    }
    return nOld;
}

template <class TYPE, class ARG_TYPE> void CFxArray<TYPE, ARG_TYPE>::Copy(const CFxArray& src)
{
    if (this == &src) {
        return;
    }
    SetSize(src.m_nSize);
    for (INT_PTR i = 0; i < m_nSize; ++i) {
        m_pData[i] = src.m_pData[i];
    }
}

template <class TYPE, class ARG_TYPE> void CFxArray<TYPE, ARG_TYPE>::OpenGap(INT_PTR nIndex, INT_PTR nCount)
{
    INT_PTR nOld = m_nSize;
    SetSize(nOld + nCount);
    for (INT_PTR i = nOld - 1; i >= nIndex; --i) {
        m_pData[i + nCount] = std::move(m_pData[i]);
    }
    for (INT_PTR i = nIndex; i < nIndex + nCount; ++i) {
        m_pData[i] = TYPE();
    }
}

template <class TYPE, class ARG_TYPE>
void CFxArray<TYPE, ARG_TYPE>::InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount)
{
    if (nIndex < 0 || nCount <= 0) {
        return;
    }
    TYPE value(newElement);
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
    for (INT_PTR i = 0; i < copy.m_nSize; ++i) {
        m_pData[nStartIndex + i] = std::move(copy.m_pData[i]);
    }
}

template <class TYPE, class ARG_TYPE> void CFxArray<TYPE, ARG_TYPE>::RemoveAt(INT_PTR nIndex, INT_PTR nCount)
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
