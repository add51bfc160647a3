// The document template of a program with an MDI frame.
#pragma once

#include "platform/base/PtrList.h"
#include "platform/doc/DocTemplate.h"

// Any number of documents, each in its own MDI child frame.
class FX_API CMultiDocTemplate : public CDocTemplate
{
    FX_DECLARE_DYNAMIC(CMultiDocTemplate)

public:
    CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                      CRuntimeClass* pViewClass);
    ~CMultiDocTemplate() override;

    void AddDocument(CDocument* pDoc) override;
    void RemoveDocument(CDocument* pDoc) override;
    POSITION GetFirstDocPosition() const override;
    CDocument* GetNextDoc(POSITION& rPos) const override;
    CDocument* OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible = TRUE) override;

protected:
    void SetDefaultTitle(CDocument* pDoc) override;

private:
    CPtrList m_docList;
    int m_nUntitledCount;
};
