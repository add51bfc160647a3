#include "platform/doc/DocTemplate.h"

#include "platform/doc/Document.h"
#include "platform/doc/View.h"
#include "platform/frame/CreateContext.h"
#include "platform/frame/FrameWnd.h"
#include "platform/frame/WinApp.h"

FX_IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)

CDocTemplate::CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                           CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass), m_pViewClass(pViewClass)
{
    m_strDocStrings.LoadString(nIDResource);
}

CDocTemplate::~CDocTemplate() = default;

BOOL CDocTemplate::GetDocString(CString& rString, DocStringIndex index) const
{
    rString.Empty();
    int nStart = 0;
    for (int i = 0; i < static_cast<int>(index); ++i) {
        const int nNext = m_strDocStrings.Find('\n', nStart);
        if (nNext < 0) {
            return FALSE;
        }
        nStart = nNext + 1;
    }
    const int nEnd = m_strDocStrings.Find('\n', nStart);
    rString = nEnd >= 0 ? m_strDocStrings.Mid(nStart, nEnd - nStart) : m_strDocStrings.Mid(nStart);
    return !rString.IsEmpty();
}

void CDocTemplate::AddDocument(CDocument* pDoc)
{
    pDoc->m_pDocTemplate = this;
}

void CDocTemplate::RemoveDocument(CDocument* pDoc)
{
    pDoc->m_pDocTemplate = nullptr;
}

CDocument* CDocTemplate::CreateNewDocument()
{
    CObject* pObject = m_pDocClass != nullptr ? m_pDocClass->CreateObject() : nullptr;
    if (pObject == nullptr || !pObject->IsKindOf(FX_RUNTIME_CLASS(CDocument))) {
        delete pObject;
        return nullptr;
    }
    CDocument* pDoc = static_cast<CDocument*>(pObject);
    AddDocument(pDoc);
    return pDoc;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd*)
{
    CObject* pObject = m_pFrameClass != nullptr ? m_pFrameClass->CreateObject() : nullptr;
    if (pObject == nullptr || !pObject->IsKindOf(FX_RUNTIME_CLASS(CFrameWnd))) {
        delete pObject;
        return nullptr;
    }
    CFrameWnd* pFrame = static_cast<CFrameWnd*>(pObject);
    CCreateContext context;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pNewDocTemplate = this;
    context.m_pCurrentFrame = pFrame;
    if (!pFrame->LoadFrame(m_nIDResource, pFrame->DefaultFrameStyle(), nullptr, &context)) {
        // A frame whose window was never made is not freed by PostNcDestroy.
        if (pFrame->m_hWnd == nullptr) {
            delete pFrame;
        }
        return nullptr;
    }
    return pFrame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible)
{
    pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}

CDocument* CDocTemplate::OpenInNewFrame(LPCSTR lpszPathName, BOOL bMakeVisible)
{
    CDocument* pDoc = CreateNewDocument();
    if (pDoc == nullptr) {
        return nullptr;
    }
    // Until its view exists the document must not delete itself when a view goes.
    const BOOL bAutoDelete = pDoc->m_bAutoDelete;
    pDoc->m_bAutoDelete = FALSE;
    CFrameWnd* pFrame = CreateNewFrame(pDoc, nullptr);
    pDoc->m_bAutoDelete = bAutoDelete;
    if (pFrame == nullptr) {
        delete pDoc;
        return nullptr;
    }
    const BOOL bReady = lpszPathName == nullptr ? pDoc->OnNewDocument() : pDoc->OnOpenDocument(lpszPathName);
    if (!bReady) {
        // Destroying the frame takes the view and with it the self-deleting document.
        pFrame->DestroyWindow();
        return nullptr;
    }
    if (lpszPathName != nullptr) {
        pDoc->SetPathName(lpszPathName);
    } else {
        SetDefaultTitle(pDoc);
    }
    InitialUpdateFrame(pFrame, pDoc, bMakeVisible);
    return pDoc;
}

void CDocTemplate::SetDefaultTitle(CDocument* pDoc)
{
    CString strName;
    GetDocString(strName, docName);
    pDoc->SetTitle(strName.IsEmpty() ? "无标题" : static_cast<LPCSTR>(strName));
}

BOOL CDocTemplate::SaveAllModified()
{
    POSITION pos = GetFirstDocPosition();
    while (pos != nullptr) {
        if (!GetNextDoc(pos)->SaveModified()) {
            return FALSE;
        }
    }
    return TRUE;
}

void CDocTemplate::CloseAllDocuments()
{
    POSITION pos = GetFirstDocPosition();
    while (pos != nullptr) {
        GetNextDoc(pos)->OnCloseDocument();
    }
}
