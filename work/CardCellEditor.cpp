#include "work/CardCellEditor.h"

#include "work/CappCardView.h"

CCardCellEditor::CCardCellEditor() : m_pView(nullptr), m_bEditing(FALSE), m_pEditCtrl(nullptr)
{
}

CCardCellEditor::~CCardCellEditor() = default;

void CCardCellEditor::ShowCurCell(BOOL bSelect)
{
    if (m_pView == nullptr) {
        return;
    }
    CCappCardView& view = *m_pView;
    view.m_rcCurCell.SetRectEmpty();
    if (!bSelect) {
        view.m_pCurCell = nullptr;
        view.m_pCurMidData = nullptr;
        view.m_pCurShowMidData = nullptr;
        view.m_nCurRow = -1;
    }
    view.NotifyParent(CCappCardView::msgSelChanged, 0, 0);
}

void CCardCellEditor::EndEdit(BOOL /*bSave*/)
{
    if (m_pEditCtrl == nullptr) {
        return;
    }
    m_pEditCtrl = nullptr;
    m_bEditing = FALSE;
}
