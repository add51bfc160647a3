#include "symbols/InputCoarseBaseDlg.h"

#include "symbols/NotationDlgFun.h"

void CInputCoarseBaseDlg::SetData(CCoarsenessContSeg* pSeg)
{
    if (pSeg != nullptr) {
        m_seg.Set(pSeg);
    }
}

BOOL CInputCoarseBaseDlg::CheckValue(int nID, CString& strValue)
{
    strValue.Trim();
    return CNotationDlgFun::CheckEdit(this, nID, strValue, "C");
}
