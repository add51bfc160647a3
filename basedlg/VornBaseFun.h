// The base helpers as this library exports them: the same static members as CCappBaseFun, whose
// implementation in VornWork.dll they are, plus what only the base dialogs' hosts ask.
#pragma once

#include "basedlg/VornBaseClsExport.h"
#include "work/CappBaseFun.h"

class VORNBASECLS_API CVornBaseFun : public CCappBaseFun
{
public:
    // The installation's "IsPdmVer" registry value; FALSE, after telling the user, when the key or
    // the value is missing.
    static BOOL IsPdmView();
};
