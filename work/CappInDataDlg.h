// The card filling library's own one-value input dialog: the shared input dialog on a value
// without its trailing blanks, with this library's template and message texts.
#pragma once

#include "work/CappValueDlg.h"

class VORNWORK_API CCappInDataDlg : public CCappValueDlg
{
    FX_DECLARE_DYNAMIC(CCappInDataDlg)

public:
    explicit CCappInDataDlg(CWnd* pParent = nullptr);

protected:
    CString GetMessageText(Message nMessage) const override;
};
