// The row-editing buttons of the designer's grid dialogs: a bitmap on the dialog's grey, a tooltip.
#pragma once

#include "common/KvHotButton.h"

class CDesignButtonFun
{
public:
    static void SetUpRowButton(CKvHotButton& button, UINT nID, CWnd* pParent, int nIDBitmap, UINT nIDTip);
};
