#include "core/CardCommFun.h"

#include <algorithm>

#include "platform/base/ObList.h"

int CCardCommFun::SGEDrawList(CDC* /*pDC*/, CObList& /*listSGE*/)
{
    return 0;
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
