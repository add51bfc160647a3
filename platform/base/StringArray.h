// Growable array of CString, indexed from 0.
#pragma once

#include "platform/base/String.h"

class CArchive;

class FX_API CStringArray
{
public:
    CStringArray() = default;
    CStringArray(const CStringArray& src);
    CStringArray& operator=(const CStringArray& src);
    ~CStringArray();

    INT_PTR GetSize() const { return m_nSize; }
    INT_PTR GetCount() const { return m_nSize; }
    INT_PTR GetUpperBound() const { return m_nSize - 1; }
    BOOL IsEmpty() const { return m_nSize == 0; }
    // Grows with empty strings or drops the tail; nGrowBy is accepted for callers and ignored.
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1);
    void RemoveAll();

    const CString& GetAt(INT_PTR nIndex) const;
    CString& ElementAt(INT_PTR nIndex);
    void SetAt(INT_PTR nIndex, const CString& str);
    // Grows the array when nIndex is past its end.
    void SetAtGrow(INT_PTR nIndex, const CString& str);
    const CString& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    CString& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }

    INT_PTR Add(const CString& str);
    INT_PTR Append(const CStringArray& src);
    void Copy(const CStringArray& src);
    void InsertAt(INT_PTR nIndex, const CString& str, INT_PTR nCount = 1);
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1);

    // The count, then each string. Loading replaces the contents.
    void Serialize(CArchive& ar);

private:
    void Reserve(INT_PTR nCapacity);

    CString* m_pData = nullptr;
    INT_PTR m_nSize = 0;
    INT_PTR m_nCapacity = 0;
};
