#include "symedit/CappBaseCtrl.h"

#include "platform/win/Wnd.h"
#include "symedit/GlyphworkEdit.h"

CCappBaseCtrl::CCappBaseCtrl() = default;

CCappBaseCtrl::~CCappBaseCtrl()
{
    m_arrMenuText.RemoveAll();
    m_arrMenuMsg.RemoveAll();
}

CWnd* CCappBaseCtrl::GetControlWnd()
{
    if (m_nCtrlType != kindNumEdit && m_nCtrlType != kindGlyphworkEdit)
        return nullptr;
    return dynamic_cast<CWnd*>(this);
}

void CCappBaseCtrl::SetOrigRows(int /*nRows*/)
{
}

void CCappBaseCtrl::SetWndFocurs()
{
    SetControlFocurs();
    if (m_nCtrlType != kindGlyphworkEdit)
        return;
    auto* pEdit = dynamic_cast<CGlyphworkEdit*>(this);
    if (pEdit == nullptr || pEdit->GetSafeHwnd() == nullptr)
        return;
    ::ShowCaret(pEdit->GetSafeHwnd());
    ::SetCaretPos(pEdit->m_nCaretX, pEdit->m_nCaretY);
}

void CCappBaseCtrl::SetControlFocurs()
{
    CWnd* pWnd = GetControlWnd();
    if (pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr)
        pWnd->SetFocus();
}

BOOL CCappBaseCtrl::CanUndoEx()
{
    return FALSE;
}

BOOL CCappBaseCtrl::CanRedo()
{
    return TRUE;
}

BOOL CCappBaseCtrl::CanCopy()
{
    return TRUE;
}

BOOL CCappBaseCtrl::CanPaste()
{
    return TRUE;
}

BOOL CCappBaseCtrl::CanCut()
{
    return TRUE;
}

BOOL CCappBaseCtrl::CanSelectAll()
{
    return TRUE;
}

void CCappBaseCtrl::OnCopy()
{
}

void CCappBaseCtrl::OnPaste()
{
}

void CCappBaseCtrl::OnCut()
{
}

void CCappBaseCtrl::OnUndo()
{
}

void CCappBaseCtrl::OnRedo()
{
}

void CCappBaseCtrl::Paste(CString /*strText*/)
{
}

void CCappBaseCtrl::Replace(CString /*strText*/)
{
}

void CCappBaseCtrl::GetSelData(CString& /*strOut*/)
{
}

void CCappBaseCtrl::GetData(CString& /*strOut*/)
{
}

void CCappBaseCtrl::GetTextData(CString& /*strOut*/)
{
}

void CCappBaseCtrl::GetRowData(CString& /*strOut*/, int /*nRow*/)
{
}

void CCappBaseCtrl::SaveData()
{
}

void CCappBaseCtrl::DestroyEdit()
{
}

int CCappBaseCtrl::GetRowCount()
{
    return 1;
}

void CCappBaseCtrl::EndEditByKey(UINT nKey)
{
    switch (nKey) {
    case VK_TAB:
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        if (m_pParentWnd != nullptr && m_pParentWnd->GetSafeHwnd() != nullptr)
            m_pParentWnd->SendMessage(msgEndEditByKey, nKey, 0);
        break;
    default:
        break;
    }
}

void CCappBaseCtrl::LimitMinRow(int nRows)
{
    m_nMinRow = nRows;
}

int CCappBaseCtrl::GetLimitMinRow()
{
    return m_nMinRow;
}

DWORD CCappBaseCtrl::GetEditStyle()
{
    return 0;
}

void CCappBaseCtrl::ModifyEditStyle(DWORD /*dwRemove*/, DWORD /*dwAdd*/)
{
}

void CCappBaseCtrl::RunCommand(UINT /*nID*/)
{
}

int CCappBaseCtrl::GetAlignFormat()
{
    return 0;
}

BOOL CCappBaseCtrl::AppendMenuItem(CString strText, UINT nMessage)
{
    if (strText.IsEmpty() || nMessage == 0)
        return FALSE;
    // A menu command identifier is a 16-bit word.
    if (idFirstMenuItem + static_cast<UINT>(m_arrMenuText.GetSize()) > 0xFFFF)
        return FALSE;
    m_arrMenuText.Add(strText);
    m_arrMenuMsg.Add(nMessage);
    return TRUE;
}

void CCappBaseCtrl::SetLButtonDBClikMsg(UINT nMessage)
{
    m_nDBClickMsg = nMessage;
}

BOOL CCappBaseCtrl::IsModify()
{
    return m_bModify;
}

BOOL CCappBaseCtrl::IsCreateed()
{
    CWnd* pWnd = GetControlWnd();
    return pWnd != nullptr && pWnd->IsWindow();
}

void CCappBaseCtrl::InvalidateControl()
{
    CWnd* pWnd = GetControlWnd();
    if (pWnd != nullptr && pWnd->GetSafeHwnd() != nullptr)
        pWnd->Invalidate(TRUE);
}

BOOL CCappBaseCtrl::GetControlRect(CRect& rect)
{
    CWnd* pWnd = GetControlWnd();
    if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr)
        return FALSE;
    pWnd->GetWindowRect(&rect);
    return TRUE;
}

void CCappBaseCtrl::GetFontNormalWidth(CDC* /*pDC*/, LOGFONT /*lf*/)
{
}

void CCappBaseCtrl::AppendHostMenuItems(HMENU hMenu)
{
    if (hMenu == nullptr || m_arrMenuText.GetSize() == 0)
        return;
    ::AppendMenuA(hMenu, MF_SEPARATOR, 0, nullptr);
    for (INT_PTR i = 0; i < m_arrMenuText.GetSize(); i++)
        ::AppendMenuA(hMenu, MF_STRING, idFirstMenuItem + static_cast<UINT>(i), m_arrMenuText[i]);
}

BOOL CCappBaseCtrl::RunHostMenuItem(UINT nID)
{
    if (nID < idFirstMenuItem || nID >= idFirstMenuItem + static_cast<UINT>(m_arrMenuMsg.GetSize()))
        return FALSE;
    SendToParent(m_arrMenuMsg[static_cast<INT_PTR>(nID - idFirstMenuItem)]);
    return TRUE;
}

void CCappBaseCtrl::SendDBClickMsg()
{
    if (m_nDBClickMsg != 0)
        SendToParent(m_nDBClickMsg);
}

void CCappBaseCtrl::SendToParent(UINT message)
{
    if (m_pParentWnd != nullptr && m_pParentWnd->GetSafeHwnd() != nullptr)
        m_pParentWnd->SendMessage(message, 0, 0);
}
