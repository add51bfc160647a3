// The sheet view's data-binding command.
#include "designer/CappSheetDefView.h"
#include "designer/DataBindDlg.h"

void CCappSheetDefView::OnDataBinding()
{
    if (m_pSheet == nullptr) {
        return;
    }
    CDataBindDlg dlg(this);
    dlg.m_pSheet = m_pSheet;
    dlg.DoModal();
    if (dlg.m_bChanged) {
        MarkChanged();
    }
}
