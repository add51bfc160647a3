#include "platform/doc/MultiDocTemplate.h"

#include "platform/doc/Document.h"

FX_IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)

CMultiDocTemplate::CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                     CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass), m_nUntitledCount(0)
{
}

CMultiDocTemplate::~CMultiDocTemplate()
{
    CloseAllDocuments();
}

void CMultiDocTemplate::AddDocument(CDocument* pDoc)
{
    CDocTemplate::AddDocument(pDoc);
    m_docList.AddTail(pDoc);
}

void CMultiDocTemplate::RemoveDocument(CDocument* pDoc)
{
    CDocTemplate::RemoveDocument(pDoc);
    if (POSITION pos = m_docList.Find(pDoc)) {
        m_docList.RemoveAt(pos);
    }
}

POSITION CMultiDocTemplate::GetFirstDocPosition() const
{
    return m_docList.GetHeadPosition();
}

CDocument* CMultiDocTemplate::GetNextDoc(POSITION& rPos) const
{
    return static_cast<CDocument*>(m_docList.GetNext(rPos));
}

CDocument* CMultiDocTemplate::OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible)
{
    return OpenInNewFrame(lpszPathName, bMakeVisible);
}

void CMultiDocTemplate::SetDefaultTitle(CDocument* pDoc)
{
    CString strName;
    GetDocString(strName, docName);
    CString strTitle;
    strTitle.Format("%s%d", strName.IsEmpty() ? "无标题" : static_cast<LPCSTR>(strName), ++m_nUntitledCount);
    pDoc->SetTitle(strTitle);
}
