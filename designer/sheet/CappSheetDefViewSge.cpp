// The sheet-definition view's figure-text command: the sheet's figure text edited in its own
// dialog and the figures rebuilt from it.
#include "core/CardCommFun.h"
#include "designer/sheet/CappSheetDefView.h"
#include "designer/figure/SgeInputDlg.h"
#include "platform/frame/WinApp.h"
#include "platform/win/MsgBox.h"

void CCappSheetDefView::OnSgeInput()
{
    if (m_pSheet == nullptr) {
        return;
    }
    CSgeInputDlg dlg(this);
    dlg.SetSgeText(m_pSheet->m_strSGE);
    if (dlg.DoModal() != IDOK) {
        return;
    }
    // The text is kept even when a line is refused, so the user can mend it next time; the
    // figures before the refused line still draw.
    m_pSheet->m_strSGE = dlg.GetSgeText();
    MarkChanged();
    CString strError;
    const int bBuilt = CCardCommFun::SGESetList(m_pSheet->m_strSGE, m_pSheet->m_listSGE, strError, 1);
    Invalidate();
    if (!bBuilt) {
        FxMessageBox(m_hWnd, strError, FxGetApp()->m_strAppName, MB_OK | MB_ICONSTOP);
    }
}
