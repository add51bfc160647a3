#include "work/CappInDataDlg.h"

#include "platform/base/FxResMgr.h"
#include "work/res/resource.h"

FX_IMPLEMENT_DYNAMIC(CCappInDataDlg, CCappValueDlg)

CCappInDataDlg::CCappInDataDlg(CWnd* pParent)
    : CCappValueDlg(IDD_CAPPINDATA, {IDC_CAPPINDATA_EDIT, IDC_CAPPINDATA_PROMPT, IDC_CAPPINDATA_ICON}, TRUE, pParent)
{
}

CString CCappInDataDlg::GetMessageText(Message nMessage) const
{
    static const UINT s_anIDs[] = {IDS_CAPPINDATA_EMPTY,   IDS_CAPPINDATA_NOTINT,   IDS_CAPPINDATA_TOOBIG,
                                   IDS_CAPPINDATA_MININT,  IDS_CAPPINDATA_NOTFLOAT, IDS_CAPPINDATA_TOOLONG,
                                   IDS_CAPPINDATA_MINFLOAT};
    // From this library itself: other modules of the chain hold string blocks of the same number.
    CString strText;
    strText.LoadString(FX_MODULE_INSTANCE(), s_anIDs[nMessage]);
    return strText;
}
