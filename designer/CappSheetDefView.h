// The sheet-definition view: owns the template being designed (a CCappSheet) and draws it on a
// zoom view. Editing, selection and the free-object tool come with the full editor.
#pragma once

#include "common/KvZoomView.h"
#include "core/CappSheet.h"

class CCappSheetDefDoc;

class CCappSheetDefView : public CKvZoomView
{
    FX_DECLARE_DYNCREATE(CCappSheetDefView)

protected:
    CCappSheetDefView();

public:
    ~CCappSheetDefView() override;

    // Save states: 1 saved (or loaded) under m_strPath, 2 new and never saved, 3 changed.
    enum { saveStateSaved = 1, saveStateNew = 2, saveStateChanged = 3 };

    // Template files and the save state (CappSheetDefViewFile.cpp).
    enum { saveModeSave = 1, saveModeSaveAs = 2 };
    // Reads the template at the path into the sheet. As new: the view keeps no path and every
    // cell is new; otherwise the view and the document take the path. An unreadable or damaged
    // file is reported (message box, errors pane) and leaves the view as it was: FALSE.
    BOOL LoadTemplate(LPCSTR lpszPath, BOOL bAsNew);
    // Save (asks for a path only when the view has none) or Save As. TRUE when written; a
    // cancelled dialog or a failed write (reported) leaves the file, the path and the state.
    BOOL SaveTemplate(int nMode);
    // The state mirrored into the sheet's m_nState; a change marked on either counts.
    int GetSaveState() const;
    void SetSaveState(int nState);
    // Every command that changes the sheet calls this: a saved template becomes changed.
    void MarkChanged();
    // The close question for states 2 and 3 (Yes saves, No discards); FALSE keeps the window.
    BOOL QueryCloseTemplate();
    // New from a template: loaded as new, without path or name (state 2).
    BOOL NewFromTemplate(LPCSTR lpszPath);
    // New blank template sized in the page setup sheet; FALSE when the sheet is cancelled.
    BOOL NewBlankTemplate();
    // The page setup command: a refused size is reported by the sheet and changes nothing.
    BOOL SetupPage();

    CCappSheetDefDoc* GetDocument() const;
    const CString& GetPath() const { return m_strPath; }
    BOOL IsTemplateLoaded() const { return m_bLoaded; }

    CCappSheet* m_pSheet;
    CString m_strPath;
    int m_nSaveState;

protected:
    void OnDraw(CDC* pDC) override;
    void OnInitialUpdate() override;

private:
    BOOL m_bLoaded;
};
