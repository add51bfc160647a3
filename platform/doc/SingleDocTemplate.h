// The document template of a program that keeps one document open.
#pragma once

#include "platform/doc/DocTemplate.h"

// One document at a time: opening another replaces it in the same frame.
class FX_API CSingleDocTemplate : public CDocTemplate
{
    FX_DECLARE_DYNAMIC(CSingleDocTemplate)

public:
    using CDocTemplate::CDocTemplate;
    ~CSingleDocTemplate() override;

    void AddDocument(CDocument* pDoc) override;
    void RemoveDocument(CDocument* pDoc) override;
    POSITION GetFirstDocPosition() const override;
    CDocument* GetNextDoc(POSITION& rPos) const override;
    CDocument* OpenDocumentFile(LPCSTR lpszPathName, BOOL bMakeVisible = TRUE) override;

private:
    CDocument* m_pOnlyDoc = nullptr;
};
