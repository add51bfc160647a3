#include "platform/doc/SingleDocTemplate.h"

#include "platform/doc/Document.h"
#include "platform/doc/View.h"
#include "platform/frame/FrameWnd.h"

FX_IMPLEMENT_DYNAMIC(CSingleDocTemplate, CDocTemplate)

CSingleDocTemplate::~CSingleDocTemplate()
{
    if (m_pOnlyDoc != nullptr) {
        m_pOnlyDoc->OnCloseDocument();
    }
}

void CSingleDocTemplate::AddDocument(CDocument* pDoc)
{
    CDocTemplate::AddDocument(pDoc);
    m_pOnlyDoc = pDoc;
}

void CSingleDocTemplate::RemoveDocument(CDocument* pDoc)
{
    CDocTemplate::RemoveDocument(pDoc);
    if (m_pOnlyDoc == pDoc) {
        m_pOnlyDoc = nullptr;
    }
}

POSITION CSingleDocTemplate::GetFirstDocPosition() const
{
    return m_pOnlyDoc != nullptr ? reinterpret_cast<POSITION>(m_pOnlyDoc) : nullptr;
}

CDocument* CSingleDocTemplate::GetNextDoc(POSITION& rPos) const
{
    CDocument* pDoc = reinterpret_cast<CDocument*>(rPos);
    rPos = nullptr;
    return pDoc;
}

CDocument* CSingleDocTemplate::OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible)
{
    if (m_pOnlyDoc == nullptr) {
        return OpenInNewFrame(lpszPathName, bMakeVisible);
    }
    // The one document is reused: its changes are offered for saving first.
    CDocument* pDoc = m_pOnlyDoc;
    if (!pDoc->SaveModified()) {
        return nullptr;
    }
    const BOOL bReady = lpszPathName == nullptr ? pDoc->OnNewDocument() : pDoc->OnOpenDocument(lpszPathName);
    if (!bReady) {
        return nullptr;
    }
    if (lpszPathName != nullptr) {
        pDoc->SetPathName(lpszPathName);
    } else {
        pDoc->SetPathName(nullptr);
        SetDefaultTitle(pDoc);
    }
    // The frame shows the new title and the views start over.
    POSITION pos = pDoc->GetFirstViewPosition();
    CFrameWnd* pFrame = pos != nullptr ? pDoc->GetNextView(pos)->GetParentFrame() : nullptr;
    if (pFrame != nullptr) {
        InitialUpdateFrame(pFrame, pDoc, bMakeVisible);
    } else {
        pDoc->SendInitialUpdate();
    }
    return pDoc;
}
