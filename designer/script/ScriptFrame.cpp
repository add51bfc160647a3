#include "designer/script/ScriptFrame.h"

#include <commctrl.h>

#include "basedlg/InDataDlg.h"
#include "core/CappSheet.h"
#include "core/ScriptItem.h"
#include "designer/script/SampleDoc.h"
#include "designer/script/SampleView.h"
#include "designer/script/ScriptSheetLink.h"
#include "designer/res/resource.h"
#include "framework/FwWorkbook.h"
#include "platform/frame/FrameIds.h"
#include "platform/frame/WinApp.h"
#include "platform/win/MsgBox.h"

FX_IMPLEMENT_DYNCREATE(CScriptFrame, FwWorksheet)

FX_BEGIN_MESSAGE_MAP(CScriptFrame, FwWorksheet)
FX_ON_WM_CREATE()
FX_ON_WM_CLOSE()
FX_ON_COMMAND(IDC_SCRIPT_ADD, OnAddScript)
FX_ON_COMMAND(IDC_SCRIPT_DELETE, OnDeleteScript)
FX_ON_CBN_SELCHANGE(IDC_SCRIPT_NAMES, OnSelChangeScript)
FX_ON_COMMAND(ID_DESIGN_SAVE, OnStoreScript)
FX_END_MESSAGE_MAP()

namespace
{
const int kUserFunction = 1;

CString LoadText(UINT nID)
{
    CString str;
    str.LoadString(nID);
    return str;
}

CString ComboText(HWND hCombo, int nIndex)
{
    const LRESULT nLength = ::SendMessageA(hCombo, CB_GETLBTEXTLEN, static_cast<WPARAM>(nIndex), 0);
    if (nLength == CB_ERR) {
        return CString();
    }
    CString str;
    LPSTR psz = str.GetBuffer(static_cast<int>(nLength) + 1);
    ::SendMessageA(hCombo, CB_GETLBTEXT, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(psz));
    psz[nLength] = '\0';
    str.ReleaseBuffer(static_cast<int>(nLength));
    return str;
}

FwWorkbook* DesignWorkbook()
{
    CWinApp* pApp = FxGetApp();
    return pApp != nullptr ? dynamic_cast<FwWorkbook*>(pApp->m_pMainWnd) : nullptr;
}
} // namespace

CScriptFrame::CScriptFrame() : m_pSheetFrame(nullptr), m_pLink(nullptr), m_pCurScript(nullptr)
{
}

CScriptFrame::~CScriptFrame()
{
}

CScriptFrame* CScriptFrame::FindForSheet(const CFrameWnd* pSheetFrame)
{
    FwWorkbook* pBook = DesignWorkbook();
    if (pSheetFrame == nullptr || pBook == nullptr) {
        return nullptr;
    }
    for (int i = 0; i < pBook->GetWorksheetCount(); ++i) {
        auto* pScript = dynamic_cast<CScriptFrame*>(pBook->GetWorksheet(i));
        if (pScript != nullptr && pScript->m_pSheetFrame == pSheetFrame) {
            return pScript;
        }
    }
    return nullptr;
}

CScriptFrame* CScriptFrame::OpenForSheet(CFrameWnd* pSheetFrame)
{
    if (pSheetFrame == nullptr) {
        return nullptr;
    }
    if (CScriptFrame* pOpen = FindForSheet(pSheetFrame)) {
        pOpen->MDIActivate();
        return pOpen;
    }
    auto* pLink = dynamic_cast<CScriptSheetLink*>(DesignWorkbook());
    if (pLink == nullptr) {
        return nullptr;
    }
    CString strText;
    pSheetFrame->GetWindowText(strText);
    CString strTitle;
    strTitle.Format("%s-Script", static_cast<LPCSTR>(strText));
    auto* pScript = dynamic_cast<CScriptFrame*>(pLink->NewScriptWindow(strTitle));
    if (pScript == nullptr) {
        return nullptr;
    }
    pScript->m_pSheetFrame = pSheetFrame;
    pScript->m_pLink = pLink;
    pScript->FillScriptList();
    return pScript;
}

BOOL CScriptFrame::CloseForSheet(const CFrameWnd* pSheetFrame)
{
    CScriptFrame* pScript = FindForSheet(pSheetFrame);
    if (pScript == nullptr) {
        return TRUE;
    }
    pScript->MDIActivate();
    pScript->SendMessage(WM_CLOSE);
    return FindForSheet(pSheetFrame) == nullptr;
}

BOOL CScriptFrame::StoreForSheet(const CFrameWnd* pSheetFrame)
{
    CScriptFrame* pScript = FindForSheet(pSheetFrame);
    return pScript != nullptr && pScript->StoreScript();
}

int CScriptFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (FwWorksheet::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    if (!m_wndDlgBar.Create(this, IDD_SCRIPT_BAR, CBRS_ALIGN_TOP, FX_IDW_DIALOGBAR)) {
        return -1;
    }
    if (!m_wndReBar.Create(this, RBS_BANDBORDERS, WS_CHILD | WS_VISIBLE | CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM,
                           FX_IDW_REBAR)) {
        return -1;
    }
    if (!m_wndReBar.AddBar(&m_wndDlgBar, RBBS_GRIPPERALWAYS | RBBS_FIXEDBMP)) {
        return -1;
    }
    RecalcLayout();
    return 0;
}

CSampleDoc* CScriptFrame::GetScriptDoc() const
{
    CSampleView* pView = GetScriptView();
    return pView != nullptr ? pView->GetDocument() : nullptr;
}

CSampleView* CScriptFrame::GetScriptView() const
{
    if (auto* pView = dynamic_cast<CSampleView*>(GetActiveView())) {
        return pView;
    }
    return dynamic_cast<CSampleView*>(CWnd::FromHandlePermanent(::GetDlgItem(m_hWnd, FX_IDW_PANE_FIRST)));
}

HWND CScriptFrame::GetNameList() const
{
    return m_wndDlgBar.m_hWnd != nullptr ? ::GetDlgItem(m_wndDlgBar.m_hWnd, IDC_SCRIPT_NAMES) : nullptr;
}

CCappSheet* CScriptFrame::GetSheet() const
{
    return m_pLink != nullptr && m_pSheetFrame != nullptr ? m_pLink->GetSheetOf(m_pSheetFrame) : nullptr;
}

BOOL CScriptFrame::IsCurrentInSheet() const
{
    CCappSheet* pSheet = GetSheet();
    if (m_pCurScript == nullptr || pSheet == nullptr) {
        return FALSE;
    }
    for (POSITION pos = pSheet->m_listScript.GetHeadPosition(); pos != nullptr;) {
        if (pSheet->m_listScript.GetNext(pos) == m_pCurScript) {
            return TRUE;
        }
    }
    return FALSE;
}

CScriptItem* CScriptFrame::FindScript(LPCSTR lpszName) const
{
    CCappSheet* pSheet = GetSheet();
    if (pSheet == nullptr || lpszName == nullptr) {
        return nullptr;
    }
    for (POSITION pos = pSheet->m_listScript.GetHeadPosition(); pos != nullptr;) {
        auto* pItem = static_cast<CScriptItem*>(pSheet->m_listScript.GetNext(pos));
        if (pItem->m_nKind == kUserFunction && pItem->m_strName == lpszName) {
            return pItem;
        }
    }
    return nullptr;
}

void CScriptFrame::FillScriptList()
{
    CCappSheet* pSheet = GetSheet();
    HWND hList = GetNameList();
    if (pSheet == nullptr || hList == nullptr) {
        return;
    }
    ::SendMessageA(hList, CB_RESETCONTENT, 0, 0);
    for (POSITION pos = pSheet->m_listScript.GetHeadPosition(); pos != nullptr;) {
        auto* pItem = static_cast<CScriptItem*>(pSheet->m_listScript.GetNext(pos));
        if (pItem->m_nKind == kUserFunction) {
            ::SendMessageA(hList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(pItem->m_strName)));
        }
    }
    if (::SendMessageA(hList, CB_GETCOUNT, 0, 0) > 0) {
        ::SendMessageA(hList, CB_SETCURSEL, 0, 0);
    }
    SwitchScript();
}

void CScriptFrame::SwitchScript()
{
    CSampleView* pView = GetScriptView();
    HWND hList = GetNameList();
    if (pView == nullptr || hList == nullptr) {
        return;
    }
    if (!IsCurrentInSheet()) {
        m_pCurScript = nullptr;
    }
    const LRESULT nSel = ::SendMessageA(hList, CB_GETCURSEL, 0, 0);
    if (nSel != CB_ERR) {
        CScriptItem* pItem = FindScript(ComboText(hList, static_cast<int>(nSel)));
        // The function already shown keeps its text and undo history.
        if (pItem == m_pCurScript) {
            return;
        }
        StoreScript();
        pView->SetScriptText(pItem != nullptr ? pItem->m_strScript : CString());
        pView->EnableWindow(TRUE);
        m_pCurScript = pItem;
        pView->SetFocus();
        return;
    }
    StoreScript();
    m_pCurScript = nullptr;
    pView->SetScriptText(CString());
    pView->EnableWindow(FALSE);
}

BOOL CScriptFrame::StoreScript()
{
    // The item goes with its sheet (a closed or reloaded template): there is nothing to store into.
    if (!IsCurrentInSheet()) {
        m_pCurScript = nullptr;
        return FALSE;
    }
    CString strText;
    if (CSampleView* pView = GetScriptView()) {
        pView->GetScriptText(strText);
    }
    if (strText != m_pCurScript->m_strScript) {
        m_pCurScript->m_strScript = strText;
        MarkTemplateChanged();
    }
    if (CSampleDoc* pDoc = GetScriptDoc()) {
        pDoc->SetModifiedFlag(FALSE);
    }
    return TRUE;
}

void CScriptFrame::MarkTemplateChanged()
{
    if (m_pLink != nullptr && m_pSheetFrame != nullptr) {
        m_pLink->MarkSheetChanged(m_pSheetFrame);
    }
}

void CScriptFrame::OnAddScript()
{
    // Without a sheet there is no list to add to.
    CCappSheet* pSheet = GetSheet();
    HWND hList = GetNameList();
    if (pSheet == nullptr || hList == nullptr) {
        return;
    }
    CInDataDlg dlg(this);
    dlg.SetData(LoadText(IDS_SCRIPT_ADD_CAPTION), LoadText(IDS_SCRIPT_ADD_PROMPT), CString(), 1, FALSE, 0.0f);
    for (POSITION pos = pSheet->m_listScript.GetHeadPosition(); pos != nullptr;) {
        auto* pItem = static_cast<CScriptItem*>(pSheet->m_listScript.GetNext(pos));
        if (pItem->m_nKind == kUserFunction) {
            dlg.m_arrForbidden.Add(pItem->m_strName);
        }
    }
    dlg.m_strForbiddenMsg = LoadText(IDS_SCRIPT_NAME_USED);
    if (dlg.DoModal() != IDOK) {
        return;
    }
    auto* pItem = new CScriptItem;
    pItem->m_nKind = kUserFunction;
    pItem->m_strName = dlg.m_strValue;
    pSheet->m_listScript.AddTail(pItem);
    MarkTemplateChanged();
    const LRESULT nIndex =
        ::SendMessageA(hList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(pItem->m_strName)));
    ::SendMessageA(hList, CB_SETCURSEL, static_cast<WPARAM>(nIndex), 0);
    SwitchScript();
}

void CScriptFrame::OnDeleteScript()
{
    HWND hList = GetNameList();
    const LRESULT nSel = hList != nullptr ? ::SendMessageA(hList, CB_GETCURSEL, 0, 0) : CB_ERR;
    if (nSel == CB_ERR) {
        return;
    }
    const CString strName = ComboText(hList, static_cast<int>(nSel));
    BOOL bShownGone = FALSE;
    if (CCappSheet* pSheet = GetSheet()) {
        BOOL bRemoved = FALSE;
        for (POSITION pos = pSheet->m_listScript.GetHeadPosition(); pos != nullptr;) {
            const POSITION posItem = pos;
            auto* pItem = static_cast<CScriptItem*>(pSheet->m_listScript.GetNext(pos));
            if (pItem->m_nKind != kUserFunction || pItem->m_strName != strName) {
                continue;
            }
            pSheet->m_listScript.RemoveAt(posItem);
            if (pItem == m_pCurScript) {
                m_pCurScript = nullptr;
                bShownGone = TRUE;
            }
            delete pItem;
            bRemoved = TRUE;
        }
        if (bRemoved) {
            MarkTemplateChanged();
        }
    }
    // The edits of a deleted function go with it: the next one shown is unmodified.
    if (bShownGone) {
        if (CSampleDoc* pDoc = GetScriptDoc()) {
            pDoc->SetModifiedFlag(FALSE);
        }
    }
    ::SendMessageA(hList, CB_DELETESTRING, static_cast<WPARAM>(nSel), 0);
    const LRESULT nCount = ::SendMessageA(hList, CB_GETCOUNT, 0, 0);
    if (nCount <= 0) {
        ::InvalidateRect(hList, nullptr, TRUE);
    } else {
        ::SendMessageA(hList, CB_SETCURSEL, static_cast<WPARAM>(nSel < nCount ? nSel : nCount - 1), 0);
    }
    SwitchScript();
}

void CScriptFrame::OnSelChangeScript()
{
    SwitchScript();
}

void CScriptFrame::OnStoreScript()
{
    StoreScript();
}

void CScriptFrame::OnClose()
{
    CSampleDoc* pDoc = GetScriptDoc();
    if (pDoc != nullptr && pDoc->IsModified()) {
        const int nAnswer =
            FxMessageBox(m_hWnd, LoadText(IDS_SCRIPT_MODIFIED), "Vorn", MB_YESNOCANCEL | MB_ICONINFORMATION);
        if (nAnswer == IDCANCEL) {
            return;
        }
        if (nAnswer == IDYES) {
            StoreScript();
        } else {
            // The edits since the last store go with the window.
            pDoc->SetModifiedFlag(FALSE);
        }
    }
    m_pSheetFrame = nullptr;
    m_pCurScript = nullptr;
    FwWorksheet::OnClose();
}
