#include "basedlg/ReadOnlyEdit.h"

#include "platform/gdi/DC.h"
#include "platform/win/MsgMap.h"

FX_IMPLEMENT_DYNAMIC(CReadOnlyEdit, CEdit)

FX_BEGIN_MESSAGE_MAP(CReadOnlyEdit, CEdit)
FX_ON_WM_SETFOCUS()
FX_END_MESSAGE_MAP()

CReadOnlyEdit::CReadOnlyEdit() : m_crBack(RGB(0xCC, 0xCC, 0xFF))
{
}

HBRUSH CReadOnlyEdit::CtlColor(CDC* pDC, UINT)
{
    m_brush.DeleteObject();
    m_brush.CreateSolidBrush(m_crBack);
    pDC->SetBkMode(TRANSPARENT);
    return m_brush;
}

void CReadOnlyEdit::OnSetFocus(CWnd*)
{
    // Swallowed, so the edit never shows a caret.
}

BOOL CReadOnlyEdit::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_CTLCOLOREDIT && message != WM_CTLCOLORSTATIC) {
        return CEdit::OnChildNotify(message, wParam, lParam, pResult);
    }
    HBRUSH hBrush = CtlColor(CDC::FromHandle(reinterpret_cast<HDC>(wParam)),
                             message == WM_CTLCOLOREDIT ? CTLCOLOR_EDIT : CTLCOLOR_STATIC);
    if (pResult != nullptr) {
        *pResult = reinterpret_cast<LRESULT>(hBrush);
    }
    return TRUE;
}
