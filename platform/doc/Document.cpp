#include "platform/doc/Document.h"

#include "platform/base/Archive.h"
#include "platform/base/Exception.h"
#include "platform/base/File.h"
#include "platform/base/FxSafeSave.h"
#include "platform/doc/DocTemplate.h"
#include "platform/doc/View.h"
#include "platform/frame/FrameIds.h"
#include "platform/frame/FrameWnd.h"
#include "platform/frame/WinApp.h"
#include "platform/win/FxFileDialog.h"
#include "platform/win/MsgBox.h"

namespace
{
// Runs a load or store of the document's archive; a framework exception becomes a message and FALSE.
template <class Fn> BOOL RunArchive(Fn fn)
{
    try {
        fn();
        return TRUE;
    } catch (CException* e) {
        e->ReportError(MB_OK | MB_ICONEXCLAMATION);
        e->Delete();
        return FALSE;
    }
}

HWND OwnerWindow()
{
    CWnd* pMain = FxGetMainWnd();
    return pMain != nullptr ? pMain->m_hWnd : GetActiveWindow();
}
} // namespace

FX_IMPLEMENT_DYNCREATE(CDocument, CCmdTarget)

FX_BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
FX_ON_COMMAND(ID_FILE_SAVE, OnFileSave)
FX_ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
FX_ON_COMMAND(ID_FILE_CLOSE, OnFileClose)
FX_END_MESSAGE_MAP()

CDocument::CDocument() : m_bAutoDelete(TRUE), m_pDocTemplate(nullptr), m_bModified(FALSE), m_bClosing(FALSE)
{
}

CDocument::~CDocument()
{
    if (m_pDocTemplate != nullptr) {
        m_pDocTemplate->RemoveDocument(this);
    }
}

void CDocument::SetTitle(LPCSTR lpszTitle)
{
    m_strTitle = lpszTitle != nullptr ? lpszTitle : "";
    // The frames showing the document follow a new title (a path set after loading renames them).
    for (POSITION pos = GetFirstViewPosition(); pos != nullptr;) {
        CView* pView = GetNextView(pos);
        if (CFrameWnd* pFrame = pView != nullptr ? pView->GetParentFrame() : nullptr) {
            pFrame->ShowDocumentTitle(m_strTitle);
        }
    }
}

void CDocument::SetPathName(LPCSTR lpszPathName)
{
    m_strPathName = lpszPathName != nullptr ? lpszPathName : "";
    const int nSlash = m_strPathName.ReverseFind('\\');
    SetTitle(nSlash >= 0 ? static_cast<LPCSTR>(m_strPathName.Mid(nSlash + 1)) : static_cast<LPCSTR>(m_strPathName));
}

void CDocument::AddView(CView* pView)
{
    if (pView == nullptr || pView->m_pDocument != nullptr) {
        return;
    }
    m_viewList.AddTail(pView);
    pView->m_pDocument = this;
}

void CDocument::RemoveView(CView* pView)
{
    if (pView == nullptr || pView->m_pDocument != this) {
        return;
    }
    if (POSITION pos = m_viewList.Find(pView)) {
        m_viewList.RemoveAt(pos);
    }
    pView->m_pDocument = nullptr;
    // The last view gone takes a self-deleting document with it.
    if (m_viewList.IsEmpty() && m_bAutoDelete && !m_bClosing) {
        OnCloseDocument();
    }
}

CView* CDocument::GetNextView(POSITION& rPosition) const
{
    return static_cast<CView*>(m_viewList.GetNext(rPosition));
}

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint)
{
    POSITION pos = GetFirstViewPosition();
    while (pos != nullptr) {
        CView* pView = GetNextView(pos);
        if (pView != pSender) {
            pView->OnUpdate(pSender, lHint, pHint);
        }
    }
}

void CDocument::SendInitialUpdate()
{
    POSITION pos = GetFirstViewPosition();
    while (pos != nullptr) {
        GetNextView(pos)->OnInitialUpdate();
    }
}

void CDocument::Serialize(CArchive&)
{
}

void CDocument::DeleteContents()
{
}

BOOL CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCSTR lpszPathName)
{
    CFile file;
    if (lpszPathName == nullptr || !file.Open(lpszPathName, CFile::modeRead | CFile::shareDenyWrite)) {
        CString strText;
        strText.Format("无法打开文件 %s", lpszPathName != nullptr ? lpszPathName : "");
        FxMessageBox(OwnerWindow(), strText, nullptr, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    DeleteContents();
    const BOOL bLoaded = RunArchive([&] {
        CArchive ar(&file, CArchive::load);
        Serialize(ar);
        ar.Close();
    });
    if (!bLoaded) {
        // A failed load leaves the document empty and valid.
        DeleteContents();
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

BOOL CDocument::OnSaveDocument(LPCSTR lpszPathName)
{
    if (lpszPathName == nullptr) {
        return FALSE;
    }
    BOOL bSaved = FALSE;
    RunArchive([&] { bSaved = CFxSafeSave::SaveObject(lpszPathName, *this); });
    if (!bSaved) {
        CString strText;
        strText.Format("无法保存文件 %s", lpszPathName);
        FxMessageBox(OwnerWindow(), strText, nullptr, MB_OK | MB_ICONEXCLAMATION);
        return FALSE;
    }
    SetModifiedFlag(FALSE);
    return TRUE;
}

void CDocument::OnCloseDocument()
{
    if (m_bClosing) {
        return;
    }
    m_bClosing = TRUE;
    // Each frame showing a view goes; its views leave the list as they are destroyed.
    while (!m_viewList.IsEmpty()) {
        CView* pView = static_cast<CView*>(m_viewList.GetHead());
        CFrameWnd* pFrame = pView->GetParentFrame();
        if (pFrame != nullptr && pFrame->IsWindow()) {
            pFrame->DestroyWindow();
        } else {
            pView->DestroyWindow();
        }
        // A view that did not leave (no window) is dropped here, so the loop ends.
        if (!m_viewList.IsEmpty() && m_viewList.GetHead() == pView) {
            RemoveView(pView);
        }
    }
    DeleteContents();
    m_bClosing = FALSE;
    if (m_bAutoDelete) {
        delete this;
    }
}

BOOL CDocument::SaveModified()
{
    if (!IsModified()) {
        return TRUE;
    }
    CString strName = m_strPathName.IsEmpty() ? m_strTitle : m_strPathName;
    CString strPrompt;
    strPrompt.Format("是否保存对 %s 的修改?", static_cast<LPCSTR>(strName));
    switch (FxMessageBox(OwnerWindow(), strPrompt, nullptr, MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDYES:
        return DoFileSave();
    case IDNO:
        return TRUE;
    default:
        return FALSE;
    }
}

BOOL CDocument::CanCloseFrame(CFrameWnd* pFrame)
{
    POSITION pos = GetFirstViewPosition();
    while (pos != nullptr) {
        CFrameWnd* pOther = GetNextView(pos)->GetParentFrame();
        if (pOther != nullptr && pOther != pFrame) {
            return TRUE;
        }
    }
    return SaveModified();
}

BOOL CDocument::DoSave(LPCSTR lpszPathName, BOOL bReplace)
{
    CString strPath(lpszPathName != nullptr ? lpszPathName : "");
    if (strPath.IsEmpty()) {
        FxFileDialogParams params;
        params.dwFlags = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST;
        strPath = m_strTitle;
        if (!FxAskFileName(OwnerWindow(), FALSE, params, strPath)) {
            return FALSE;
        }
    }
    if (!OnSaveDocument(strPath)) {
        return FALSE;
    }
    if (bReplace) {
        SetPathName(strPath);
    }
    return TRUE;
}

BOOL CDocument::DoFileSave()
{
    return DoSave(m_strPathName.IsEmpty() ? nullptr : static_cast<LPCSTR>(m_strPathName));
}

void CDocument::OnFileSave()
{
    DoFileSave();
}

void CDocument::OnFileSaveAs()
{
    DoSave(nullptr);
}

void CDocument::OnFileClose()
{
    if (SaveModified()) {
        OnCloseDocument();
    }
}

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo)
{
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) {
        return TRUE;
    }
    return m_pDocTemplate != nullptr && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
