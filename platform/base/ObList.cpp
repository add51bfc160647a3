#include "platform/base/ObList.h"

template class CFxList<CObject*, CObject*>;

FX_IMPLEMENT_SERIAL(CObList, CObject, 0)

void CObList::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount(static_cast<DWORD_PTR>(GetCount()));
        for (POSITION pos = GetHeadPosition(); pos != nullptr;) {
            ar << GetNext(pos);
        }
        return;
    }
    DWORD_PTR nCount = ar.ReadCount();
    while (nCount-- > 0) {
        CObject* pOb = nullptr;
        ar >> pOb;
        AddTail(pOb);
    }
}
