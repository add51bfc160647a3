// The sheet-definition view's template files: load, save, the save state and the close question.
#include <algorithm>
#include <memory>

#include "core/CardCommFun.h"
#include "designer/sheet/CappSheetDefDoc.h"
#include "designer/sheet/CappSheetDefView.h"
#include "designer/sheet/DesignShellLink.h"
#include "designer/template/SetSheetStyleSh.h"
#include "designer/template/TemplateFile.h"
#include "designer/res/resource.h"
#include "platform/frame/WinApp.h"
#include "platform/win/MsgBox.h"

namespace
{

const char kQuestionTitle[] = "Vorn";

// A failure the user must hear of: in the errors pane, then in a message box.
void ReportTemplateError(CDesignShellLink* pShell, HWND hOwner, const CString& strText)
{
    if (pShell != nullptr) {
        pShell->ReportError(strText);
    }
    FxMessageBox(hOwner, strText, kQuestionTitle, MB_OK | MB_ICONERROR);
}

} // namespace

BOOL CCappSheetDefView::LoadTemplate(LPCSTR lpszPath, BOOL bAsNew)
{
    CCappSheetDefDoc* pDoc = GetDocument();
    if (pDoc == nullptr) {
        return FALSE;
    }
    // Read into a sheet of its own: the one shown stays whole when the file is bad.
    CString strError;
    std::unique_ptr<CCappSheet> pSheet = CCappSheetDefDoc::ReadSheet(lpszPath, strError);
    if (pSheet == nullptr) {
        ReportTemplateError(GetShellLink(), m_hWnd, strError);
        return FALSE;
    }
    // Nothing selected survives the sheet it points into: lines, ranges and the line tool's picks.
    m_lineTool.ResetState();
    ClearHighlightLine();
    m_aux.ResetTracking();
    ResetSelection();
    m_rangeDrop.ResertVal();
    pDoc->ReplaceSheet(std::move(pSheet));
    m_pSheet = pDoc->GetSheet();
    // The page size only when it changes, and the zoom, laid out with drawing held back: each step
    // would repaint the whole template at once. The one paint comes from the invalidation below.
    const CSize sizePage(std::max(1, m_pSheet->m_nPageWidth), std::max(1, m_pSheet->m_nPageHeight));
    const BOOL bShown = (GetStyle() & WS_VISIBLE) != 0;
    if (bShown) {
        SendMessage(WM_SETREDRAW, FALSE, 0);
    }
    if (GetTotalSize() != sizePage) {
        SetScrollSizes(MM_ANISOTROPIC, sizePage);
    }
    OnZoomFixed(ID_SHEET_ZOOM_100);
    if (bShown) {
        SendMessage(WM_SETREDRAW, TRUE, 0);
    }
    m_pSheet->SetAllCellFontHeight();
    // Free objects: the tool edits and draws copies of every kind; the sheet draws none itself.
    m_pSheet->m_bOwnDrawFreeObj = 0;
    m_freeObjTool.LoadCopies(m_pSheet->m_listFreeObj);
    // End of the free objects.
    // A bad figure line keeps the figures before it; the figure-text command reports it.
    CString strFigureError;
    CCardCommFun::SGESetList(m_pSheet->m_strSGE, m_pSheet->m_listSGE, strFigureError, 0);
    m_bLoaded = TRUE;
    RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    if (bAsNew) {
        m_strPath.Empty();
        SetSaveState(saveStateNew);
        return TRUE;
    }
    m_strPath = lpszPath;
    pDoc->SetPathName(lpszPath);
    if (CDesignShellLink* pShell = GetShellLink()) {
        pShell->TemplateFileUsed(lpszPath, FALSE);
    }
    SetSaveState(saveStateSaved);
    return TRUE;
}

BOOL CCappSheetDefView::SaveTemplate(int nMode)
{
    CString strPath = m_strPath;
    if (nMode == saveModeSaveAs || strPath.IsEmpty()) {
        strPath = m_pSheet->m_strName;
        if (!CTemplateFile::AskPath(m_hWnd, TRUE, strPath)) {
            return FALSE;
        }
    }
    // The script window holds the latest text of its function; the sheet is written with it.
    if (CDesignShellLink* pShell = GetShellLink()) {
        pShell->StoreScriptWindow(GetParentFrame());
    }
    // Free objects: the sheet's list becomes copies of the tool's, so nothing doubles or goes;
    // floating variables' cells where their objects are (a template of older days may differ).
    m_freeObjTool.FollowBoundCells();
    m_freeObjTool.StoreCopies(m_pSheet->m_listFreeObj);
    m_pSheet->m_bOwnDrawFreeObj = 0;
    // End of the free objects.
    CString strError;
    if (!CTemplateFile::Save(strPath, *m_pSheet, strError)) {
        ReportTemplateError(GetShellLink(), m_hWnd, strError);
        return FALSE;
    }
    const BOOL bWasNew = GetSaveState() == saveStateNew;
    m_strPath = strPath;
    SetSaveState(saveStateSaved);
    if (CDocument* pDoc = GetDocument()) {
        pDoc->SetPathName(strPath);
    }
    // A template saved for the first time also shows in the tree.
    if (CDesignShellLink* pShell = GetShellLink()) {
        pShell->TemplateFileUsed(strPath, bWasNew);
    }
    return TRUE;
}

int CCappSheetDefView::GetSaveState() const
{
    if (m_nSaveState == saveStateSaved && m_pSheet != nullptr && m_pSheet->m_nState == saveStateChanged) {
        return saveStateChanged;
    }
    return m_nSaveState;
}

void CCappSheetDefView::SetSaveState(int nState)
{
    m_nSaveState = nState;
    if (nState == saveStateNew) {
        m_bChangedSinceNew = FALSE;
    }
    if (m_pSheet != nullptr) {
        m_pSheet->m_nState = nState;
    }
}

void CCappSheetDefView::MarkChanged()
{
    m_bChangedSinceNew = TRUE;
    // A new template stays new: it still has no file to compare with.
    if (GetSaveState() == saveStateSaved) {
        SetSaveState(saveStateChanged);
    }
}

BOOL CCappSheetDefView::IsUntouchedNew() const
{
    return m_nSaveState == saveStateNew && !m_bChangedSinceNew &&
           (m_pSheet == nullptr || m_pSheet->m_nState != saveStateChanged);
}

BOOL CCappSheetDefView::QueryCloseTemplate()
{
    if (GetSaveState() == saveStateSaved || IsUntouchedNew()) {
        return TRUE;
    }
    CString strQuestion;
    if (m_pSheet->m_strName.IsEmpty()) {
        strQuestion.LoadString(IDS_TEMPLATE_CHANGED);
    } else {
        strQuestion.Format("表格 '%s' 已被修改，是否保存？", m_pSheet->m_strName.GetString());
    }
    switch (FxMessageBox(m_hWnd, strQuestion, kQuestionTitle, MB_YESNOCANCEL | MB_ICONINFORMATION)) {
    case IDYES:
        return SaveTemplate(saveModeSave) && GetSaveState() == saveStateSaved;
    case IDNO:
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CCappSheetDefView::NewFromTemplate(LPCSTR lpszPath)
{
    const BOOL bLoaded = LoadTemplate(lpszPath, TRUE);
    m_strPath.Empty();
    m_pSheet->m_strName.Empty();
    SetSaveState(saveStateNew);
    return bLoaded;
}

BOOL CCappSheetDefView::NewBlankTemplate()
{
    CString strCaption;
    strCaption.LoadString(IDS_SHEET_NEW_CAPTION);
    CSetSheetStyleSh sheet(strCaption, this);
    if (sheet.DoModal() != IDOK) {
        return FALSE;
    }
    m_pSheet->NewSheetDef(sheet.m_nPageWidth, sheet.m_nPageHeight, sheet.m_nFrameWidth, sheet.m_nTop, sheet.m_nLeft,
                          sheet.m_nRight, sheet.m_nBottom, sheet.m_strPaperName);
    SetScrollSizes(MM_ANISOTROPIC, CSize(std::max(1, m_pSheet->m_nPageWidth), std::max(1, m_pSheet->m_nPageHeight)));
    SetZoomLevel(1.0f);
    m_bLoaded = TRUE;
    m_strPath.Empty();
    SetSaveState(saveStateNew);
    Invalidate();
    return TRUE;
}

BOOL CCappSheetDefView::SetupPage()
{
    CString strCaption;
    strCaption.LoadString(IDS_SHEET_PAGE_SETUP);
    CSetSheetStyleSh sheet(strCaption, this);
    m_pSheet->GetFrameSide(sheet.m_nTop, sheet.m_nLeft, sheet.m_nRight, sheet.m_nBottom);
    sheet.m_nFrameWidth = m_pSheet->m_nFrameWidth;
    sheet.m_strPaperName = m_pSheet->m_strPaperName;
    sheet.m_nPageWidth = m_pSheet->m_nPageWidth;
    sheet.m_nPageHeight = m_pSheet->m_nPageHeight;
    if (sheet.DoModal() != IDOK) {
        return FALSE;
    }
    if (!m_pSheet->SetSheetPageSize(sheet.m_nPageWidth, sheet.m_nPageHeight, sheet.m_nFrameWidth, sheet.m_nTop,
                                    sheet.m_nLeft, sheet.m_nRight, sheet.m_nBottom, sheet.m_strPaperName)) {
        return FALSE;
    }
    SetScrollSizes(MM_ANISOTROPIC, CSize(std::max(1, m_pSheet->m_nPageWidth), std::max(1, m_pSheet->m_nPageHeight)));
    SetZoomLevel(1.0f);
    MarkChanged();
    Invalidate();
    return TRUE;
}
