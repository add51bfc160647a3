#include "designer/detail/DesignButtonFun.h"

void CDesignButtonFun::SetUpRowButton(CKvHotButton& button, UINT nID, CWnd* pParent, int nIDBitmap, UINT nIDTip)
{
    button.SubclassDlgItem(nID, pParent);
    button.SetBitmap(nIDBitmap, 0, RGB(192, 192, 192));
    button.SetTooltipText(nIDTip);
    button.SetShowText(FALSE);
    button.SetFlat(FALSE);
}
