// The sheet-definition window's document: it owns the template being designed (a CCappSheet)
// from the window's making to its close, reads it from its file, and hands every save or close
// question to the view, which draws and edits the sheet.
#pragma once

#include <memory>

#include "core/CappSheet.h"
#include "platform/doc/Document.h"

class CCappSheetDefView;

class CCappSheetDefDoc : public CDocument
{
    FX_DECLARE_DYNCREATE(CCappSheetDefDoc)

public:
    CCappSheetDefDoc();
    ~CCappSheetDefDoc() override;

    BOOL OnNewDocument() override;
    // The framework's own open takes the designer's one way: the view loads the template.
    BOOL OnOpenDocument(LPCSTR lpszPathName) override;
    void Serialize(CArchive& ar) override;
    // The view's close question in place of the framework's.
    BOOL SaveModified() override;
    // The framework's save commands (Ctrl+S) save the view's sheet: a document save would write
    // a template without it.
    BOOL DoSave(LPCSTR lpszPathName, BOOL bReplace = TRUE) override;

    CCappSheetDefView* GetSheetDefView() const;

    CCappSheet* GetSheet() const { return m_pSheet.get(); }
    // The template at the path read into a sheet of its own; null, with the reason, when the file
    // is unreadable or damaged.
    static std::unique_ptr<CCappSheet> ReadSheet(LPCSTR lpszPath, CString& strError);
    // A sheet read takes the place of the one held, which goes: the view lets go of it first.
    void ReplaceSheet(std::unique_ptr<CCappSheet> pSheet);

protected:
    void OnTemplateSave();
    void OnTemplateSaveAs();
    void OnPageSetup();

    FX_DECLARE_MESSAGE_MAP()

private:
    std::unique_ptr<CCappSheet> m_pSheet;
};
