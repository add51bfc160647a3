// Static services of the card library that the sheet draws with.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/String.h"

class CDC;
class CObList;

class VORNCARD_API CCardCommFun
{
public:
    CCardCommFun() = delete;

    // Draws the figures (CGraphEntity) of a sheet's m_listSGE in list order; other objects are
    // passed over. The result is the number of figures drawn.
    static int SGEDrawList(CDC* pDC, CObList& listSGE);
    // The extension after the last dot of the file name, without the dot; empty when none.
    static CString GetFileExtName(const CString& strPath);
};
