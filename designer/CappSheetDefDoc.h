// The sheet-definition window's document. It stores nothing: the template lives in the view's
// sheet from load to close.
#pragma once

#include "platform/doc/Document.h"

class CCappSheetDefDoc : public CDocument
{
    FX_DECLARE_DYNCREATE(CCappSheetDefDoc)

public:
    CCappSheetDefDoc();
    ~CCappSheetDefDoc() override;

    BOOL OnNewDocument() override;
    // The framework's own open (a file named on the command line) reads nothing: the main
    // frame's open routine loads the template into the view.
    BOOL OnOpenDocument(LPCSTR lpszPathName) override;
    void Serialize(CArchive& ar) override;
};
