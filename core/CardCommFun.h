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

    // Draws the figure texts of a sheet's m_listSGE. Figures are not parsed yet, so nothing is
    // drawn; the result is the number of figures drawn.
    static int SGEDrawList(CDC* pDC, CObList& listSGE);
    // The extension after the last dot of the file name, without the dot; empty when none.
    static CString GetFileExtName(const CString& strPath);
};
