// The modal dialog in which the user types one value, checked on OK for emptiness, forbidden
// values, integer or real syntax and a lower bound: the shared input dialog on this library's
// template, the value taken as typed.
#pragma once

#include "basedlg/VornBaseClsExport.h"
#include "work/CappValueDlg.h"

class VORNBASECLS_API CInDataDlg : public CCappValueDlg
{
    FX_DECLARE_DYNAMIC(CInDataDlg)

public:
    explicit CInDataDlg(CWnd* pParent = nullptr);

protected:
    CString GetMessageText(Message nMessage) const override;
};
