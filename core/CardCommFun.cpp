#include "core/CardCommFun.h"

#include <algorithm>

#include "core/GraphEntity.h"
#include "platform/base/ObList.h"

// A sheet's y axis grows downwards: each figure draws with flag 0.
int CCardCommFun::SGEDrawList(CDC* pDC, CObList& listSGE)
{
    if (pDC == nullptr) {
        return 0;
    }
    int nDrawn = 0;
    POSITION pos = listSGE.GetHeadPosition();
    while (pos != nullptr) {
        CObject* pObject = listSGE.GetNext(pos);
        if (pObject != nullptr && pObject->IsKindOf(FX_RUNTIME_CLASS(CGraphEntity))) {
            nDrawn += static_cast<CGraphEntity*>(pObject)->Draw(pDC, 0);
        }
    }
    return nDrawn;
}

CString CCardCommFun::GetFileExtName(const CString& strPath)
{
    // A dot inside a folder name is no extension.
    const int nDot = strPath.ReverseFind('.');
    const int nSlash = std::max(strPath.ReverseFind('\\'), strPath.ReverseFind('/'));
    if (nDot < 0 || nDot < nSlash) {
        return CString();
    }
    return strPath.Mid(nDot + 1);
}
