#include "platform/base/StringArray.h"

#include "platform/base/Archive.h"

template class CFxArray<CString, const CString&>;

void CStringArray::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD_PTR>(GetSize()));
        for (INT_PTR i = 0; i < GetSize(); ++i) {
            ar << GetAt(i);
        }
        return;
    }
    // ReadCount has checked the count against the bytes left, so SetSize cannot run away.
    SetSize(static_cast<INT_PTR>(ar.ReadCount()));
    for (INT_PTR i = 0; i < GetSize(); ++i) {
        ar >> ElementAt(i);
    }
}

void CStringArray::Split(const CString& strText, char chSep, BOOL bEmptyLast)
{
    RemoveAll();
    const int nLength = strText.GetLength();
    int nStart = 0;
    for (;;) {
        if (!bEmptyLast && nStart >= nLength) {
            return;
        }
        const int nSep = strText.Find(chSep, nStart);
        if (nSep < 0) {
            Add(strText.Mid(nStart));
            return;
        }
        Add(strText.Mid(nStart, nSep - nStart));
        nStart = nSep + 1;
    }
}
