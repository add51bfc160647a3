// The sheet view's data-binding command.
#include "designer/sheet/CappSheetDefView.h"
#include "designer/detail/DataBindDlg.h"

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
