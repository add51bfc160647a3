#include "basedlg/InDataDlg.h"

#include "basedlg/res/resource.h"

FX_IMPLEMENT_DYNAMIC(CInDataDlg, CCappValueDlg)

CInDataDlg::CInDataDlg(CWnd* pParent)
    : CCappValueDlg(IDD_INDATA, {IDC_INDATA_EDIT, IDC_INDATA_PROMPT, IDC_INDATA_ICON}, FALSE, pParent)
{
}

CString CInDataDlg::GetMessageText(Message nMessage) const
{
    static const char* const s_apszTexts[] = {"数据不允许为空！", "%s 不是整数！",   "值 %s 太大！",
                                              "值不能小于 %d ！", "%s 不是浮点数！", "值 %s 长度太长！",
                                              "值不能小于 %f ！"};
    return s_apszTexts[nMessage];
}
