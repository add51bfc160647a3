// The sheet-definition window's document. It stores nothing: the template lives in the view's
// sheet from load to close, and every save or close question goes to that view.
#pragma once

#include "platform/doc/Document.h"

class CCappSheetDefView;

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
    // The view's close question in place of the framework's.
    BOOL SaveModified() override;
    // The framework's save commands (Ctrl+S) save the view's sheet: a document save would write
    // a template without it.
    BOOL DoSave(LPCSTR lpszPathName, BOOL bReplace = TRUE) override;

    CCappSheetDefView* GetSheetDefView() const;

protected:
    void OnTemplateSave();
    void OnTemplateSaveAs();
    void OnPageSetup();

    FX_DECLARE_MESSAGE_MAP()
};
