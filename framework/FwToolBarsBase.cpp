#include "framework/FwToolBarsBase.h"

#include <functional>
#include <utility>

#include "framework/FwLoadTextOr.h"
#include "framework/FwCustomToolBar.h"
#include "framework/FwMenuBar.h"
#include "framework/FwNewToolBarDlg.h"
#include "framework/FwToolBarManager.h"
#include "platform/frame/DockBar.h"
#include "platform/frame/FrameIds.h"
#include "platform/frame/FrameWnd.h"
#include "platform/win/CheckListBox.h"
#include "platform/win/Dialog.h"

namespace
{
// The list box tells no check change: the dialog compares after every press and key.
class FwBarCheckList : public CCheckListBox
{
public:
    explicit FwBarCheckList(std::function<void()> fnChanged) : m_fnChanged(std::move(fnChanged)) {}
    void OnLButtonDown(UINT nFlags, CPoint point) override
    {
        CCheckListBox::OnLButtonDown(nFlags, point);
        m_fnChanged();
    }
    void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags) override
    {
        CCheckListBox::OnChar(nChar, nRepCnt, nFlags);
        m_fnChanged();
    }

private:
    std::function<void()> m_fnChanged;
};
} // namespace

FwToolBarsBase::FwToolBarsBase(FwToolBarManager* pManager)
    : m_bToolTips(TRUE), m_bCoolLook(FALSE), m_bLargeButtons(FALSE), m_pManager(pManager), m_pDlg(nullptr),
      m_pList(nullptr), m_bFilling(FALSE)
{
}

FwToolBarsBase::~FwToolBarsBase()
{
    delete m_pList;
}

BOOL FwToolBarsBase::IsUserBar(UINT nID) const
{
    return nID >= FW_IDW_FIRSTUSERBAR && nID != FW_IDW_MENUBAR;
}

void FwToolBarsBase::InitBase(CDialog* pDlg)
{
    m_pDlg = pDlg;
    m_pList = new FwBarCheckList([this] { SyncChecks(); });
    m_pList->SubclassDlgItem(FW_IDC_TB_LIST, pDlg);
    if (m_pManager != nullptr) {
        m_bToolTips = m_pManager->IsToolTips();
        m_bCoolLook = m_pManager->IsCoolLook();
        m_bLargeButtons = m_pManager->IsLargeButtons();
        m_pManager->AddNotifyWindow(pDlg);
        m_pManager->SetCustomizeDialog(pDlg);
        m_pManager->SetCustomizeMode(TRUE);
    }
    ::CheckDlgButton(pDlg->m_hWnd, FW_IDC_TB_TOOLTIPS, m_bToolTips ? BST_CHECKED : BST_UNCHECKED);
    ::CheckDlgButton(pDlg->m_hWnd, FW_IDC_TB_COOLLOOK, m_bCoolLook ? BST_CHECKED : BST_UNCHECKED);
    ::CheckDlgButton(pDlg->m_hWnd, FW_IDC_TB_LARGE, m_bLargeButtons ? BST_CHECKED : BST_UNCHECKED);
    pDlg->SendDlgItemMessage(FW_IDC_TB_NAME, EM_LIMITTEXT, FW_BARNAME_MAX, 0);
    FillList();
    m_pList->SetCurSel(0);
    OnSelChange();
}

void FwToolBarsBase::FillList()
{
    m_bFilling = TRUE;
    m_pList->ResetContent();
    m_ids.clear();
    CFrameWnd* pFrame = m_pManager != nullptr ? m_pManager->m_pFrameWnd : nullptr;
    if (pFrame != nullptr) {
        // Every control bar of the frame with a title, by control id.
        for (POSITION pos = pFrame->m_listControlBars.GetHeadPosition(); pos != nullptr;) {
            CControlBar* pBar = static_cast<CControlBar*>(pFrame->m_listControlBars.GetNext(pos));
            if (pBar->IsDockBar() || pBar->m_hWnd == nullptr) {
                continue;
            }
            CString strTitle;
            pBar->GetWindowText(strTitle);
            if (strTitle.IsEmpty()) {
                continue;
            }
            const UINT nID = static_cast<UINT>(pBar->GetDlgCtrlID());
            size_t nAt = 0;
            while (nAt < m_ids.size() && m_ids[nAt] < nID) {
                ++nAt;
            }
            InsertItem(static_cast<int>(nAt), nID, strTitle, pBar->IsVisible());
        }
    }
    m_bFilling = FALSE;
}

int FwToolBarsBase::InsertItem(int nIndex, UINT nID, const CString& strTitle, BOOL bCheck)
{
    const int nAt = static_cast<int>(m_pList->SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(nIndex),
                                                          reinterpret_cast<LPARAM>(static_cast<LPCSTR>(strTitle))));
    if (nAt < 0) {
        return nAt;
    }
    m_ids.insert(m_ids.begin() + nAt, nID);
    m_pList->SetCheck(nAt, bCheck ? 1 : 0);
    return nAt;
}

int FwToolBarsBase::FindItem(UINT nID) const
{
    for (size_t i = 0; i < m_ids.size(); ++i) {
        if (m_ids[i] == nID) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

void FwToolBarsBase::SyncChecks()
{
    CFrameWnd* pFrame = m_pManager != nullptr ? m_pManager->m_pFrameWnd : nullptr;
    if (pFrame == nullptr || m_bFilling) {
        return;
    }
    BOOL bChanged = FALSE;
    for (size_t i = 0; i < m_ids.size(); ++i) {
        CControlBar* pBar = pFrame->GetControlBar(m_ids[i]);
        const BOOL bCheck = m_pList->GetCheck(static_cast<int>(i)) == 1;
        if (pBar == nullptr || bCheck == pBar->IsVisible()) {
            continue;
        }
        if (dynamic_cast<FwMenuBar*>(pBar) != nullptr) {
            // The menu bar cannot be hidden.
            m_pList->SetCheck(static_cast<int>(i), 1);
            continue;
        }
        pFrame->ShowControlBar(pBar, bCheck, FALSE);
        bChanged = TRUE;
    }
    if (bChanged) {
        pFrame->RecalcLayout();
    }
}

void FwToolBarsBase::OnSelChange()
{
    const int nSel = m_pList->GetCurSel();
    const UINT nID = nSel >= 0 && nSel < static_cast<int>(m_ids.size()) ? m_ids[static_cast<size_t>(nSel)] : 0;
    CString strTitle;
    if (nSel >= 0) {
        m_pList->GetText(nSel, strTitle);
    }
    m_pDlg->SetDlgItemText(FW_IDC_TB_NAME, strTitle);
    const BOOL bUser = IsUserBar(nID);
    if (CWnd* pEdit = m_pDlg->GetDlgItem(FW_IDC_TB_NAME)) {
        pEdit->EnableWindow(bUser);
    }
    if (CWnd* pLabel = m_pDlg->GetDlgItem(FW_IDC_TB_NAMELABEL)) {
        pLabel->EnableWindow(bUser);
    }
    m_pDlg->SetDlgItemText(FW_IDC_TB_RESET, bUser ? FwLoadTextOr(20537, "&Delete") : FwLoadTextOr(20536, "&Reset"));
}

void FwToolBarsBase::RenameSelected()
{
    const int nSel = m_pList->GetCurSel();
    if (nSel < 0 || nSel >= static_cast<int>(m_ids.size()) || !IsUserBar(m_ids[static_cast<size_t>(nSel)])) {
        return;
    }
    const UINT nID = m_ids[static_cast<size_t>(nSel)];
    CString strName;
    m_pDlg->GetDlgItemText(FW_IDC_TB_NAME, strName);
    strName = FwNewToolBarDlg::CutName(strName);
    CString strOld;
    m_pList->GetText(nSel, strOld);
    CControlBar* pBar = m_pManager->m_pFrameWnd->GetControlBar(nID);
    if (pBar == nullptr || strName.IsEmpty() || strName == strOld) {
        return;
    }
    pBar->SetWindowText(strName);
    if (pBar->IsFloating() && pBar->m_pDockBar != nullptr) {
        ::SetWindowTextA(::GetParent(pBar->m_pDockBar->m_hWnd), strName);
    }
    const int nCheck = m_pList->GetCheck(nSel);
    m_pList->SendMessage(LB_DELETESTRING, static_cast<WPARAM>(nSel), 0);
    m_ids.erase(m_ids.begin() + nSel);
    const int nAt = InsertItem(nSel, nID, strName, nCheck == 1);
    m_pList->SetCurSel(nAt);
}

void FwToolBarsBase::OnResetOrDelete()
{
    const int nSel = m_pList->GetCurSel();
    if (nSel < 0 || nSel >= static_cast<int>(m_ids.size()) || m_pManager == nullptr) {
        return;
    }
    const UINT nID = m_ids[static_cast<size_t>(nSel)];
    CFrameWnd* pFrame = m_pManager->m_pFrameWnd;
    CControlBar* pBar = pFrame->GetControlBar(nID);
    if (FwMenuBar* pMenuBar = dynamic_cast<FwMenuBar*>(pBar)) {
        pMenuBar->ResetMenu(FALSE);
        return;
    }
    FwCustomToolBar* pTool = dynamic_cast<FwCustomToolBar*>(pBar);
    if (pTool == nullptr) {
        return;
    }
    if (IsUserBar(nID)) {
        pTool->DestroyWindow();
        pFrame->RecalcLayout();
        return;
    }
    int nButtons = 0;
    const UINT* pButtons = nullptr;
    if (m_pManager->GetDefaultToolBar(nID, nButtons, pButtons)) {
        pTool->SetButtons(pButtons, nButtons);
        pFrame->RecalcLayout();
        pTool->Invalidate();
    }
}

FwCustomToolBar* FwToolBarsBase::CreateNamedBar()
{
    if (m_pManager == nullptr) {
        return nullptr;
    }
    FwNewToolBarDlg dlg(m_pDlg);
    if (dlg.DoModal() != IDOK) {
        return nullptr;
    }
    FwCustomToolBar* pBar = m_pManager->CreateUserToolBar(dlg.m_strName);
    CFrameWnd* pFrame = m_pManager->m_pFrameWnd;
    if (pBar != nullptr && pFrame != nullptr) {
        CPoint pt(0, 0);
        if (CControlBar* pTop = pFrame->GetControlBar(FX_IDW_DOCKBAR_TOP)) {
            CRect rc;
            pTop->GetWindowRect(&rc);
            pt = CPoint(rc.left, rc.bottom);
        } else {
            CRect rc;
            pFrame->GetClientRect(&rc);
            pt = CPoint(rc.right, rc.bottom);
            ::ClientToScreen(pFrame->m_hWnd, &pt);
        }
        pFrame->FloatControlBar(pBar, CPoint(pt.x + 5, pt.y + 5), CBRS_ALIGN_TOP);
    }
    return pBar;
}

void FwToolBarsBase::OnBarNotify(UINT nBarID, LPARAM lCode)
{
    const int nItem = FindItem(nBarID);
    switch (lCode) {
    case FWBN_SHOWN:
    case FWBN_HIDDEN:
        if (nItem >= 0) {
            m_pList->SetCheck(nItem, lCode == FWBN_SHOWN ? 1 : 0);
        }
        break;
    case FWBN_CREATED: {
        if (nItem >= 0 || m_pManager == nullptr) {
            break;
        }
        CString strTitle;
        if (CControlBar* pBar = m_pManager->m_pFrameWnd->GetControlBar(nBarID)) {
            pBar->GetWindowText(strTitle);
        }
        size_t nAt = 0;
        while (nAt < m_ids.size() && m_ids[nAt] <= nBarID) {
            ++nAt;
        }
        InsertItem(static_cast<int>(nAt), nBarID, strTitle, TRUE);
        break;
    }
    case FWBN_DESTROYED:
        if (nItem >= 0) {
            m_pList->SendMessage(LB_DELETESTRING, static_cast<WPARAM>(nItem), 0);
            m_ids.erase(m_ids.begin() + nItem);
            const int nCount = static_cast<int>(m_ids.size());
            if (nCount > 0) {
                m_pList->SetCurSel(nItem < nCount ? nItem : nCount - 1);
            }
            OnSelChange();
        }
        break;
    default:
        break;
    }
}

void FwToolBarsBase::ApplySettings()
{
    if (m_pManager == nullptr) {
        return;
    }
    m_pManager->EnableToolTips(m_bToolTips);
    m_pManager->EnableCoolLook(m_bCoolLook, 0x300);
    m_pManager->EnableLargeButtons(m_bLargeButtons);
}

void FwToolBarsBase::Finish(BOOL bApply)
{
    if (m_pManager == nullptr) {
        return;
    }
    m_pManager->SetCustomizeMode(FALSE);
    m_pManager->RemoveNotifyWindow(m_pDlg);
    m_pManager->SetCustomizeDialog(nullptr);
    if (bApply) {
        ApplySettings();
    }
}

BOOL FwToolBarsBase::HandleCommand(UINT nID, UINT nCode)
{
    switch (nID) {
    case FW_IDC_TB_LIST:
        if (nCode == LBN_SELCHANGE) {
            OnSelChange();
        }
        return TRUE;
    case FW_IDC_TB_NAME:
        if (nCode == EN_KILLFOCUS) {
            RenameSelected();
        } else if (nCode == EN_CHANGE) {
            CString strText;
            m_pDlg->GetDlgItemText(FW_IDC_TB_NAME, strText);
            const CString strCut = FwNewToolBarDlg::CutName(strText);
            if (strCut.GetLength() != strText.GetLength()) {
                m_pDlg->SetDlgItemText(FW_IDC_TB_NAME, strCut);
            }
        }
        return TRUE;
    case FW_IDC_TB_RESET:
        OnResetOrDelete();
        return TRUE;
    case FW_IDC_TB_TOOLTIPS:
    case FW_IDC_TB_COOLLOOK:
    case FW_IDC_TB_LARGE: {
        const BOOL bChecked = ::IsDlgButtonChecked(m_pDlg->m_hWnd, static_cast<int>(nID)) == BST_CHECKED;
        (nID == FW_IDC_TB_TOOLTIPS   ? m_bToolTips
         : nID == FW_IDC_TB_COOLLOOK ? m_bCoolLook
                                     : m_bLargeButtons) = bChecked;
        ApplySettings();
        OnSettingChanged(nID);
        return TRUE;
    }
    default:
        return FALSE;
    }
}
