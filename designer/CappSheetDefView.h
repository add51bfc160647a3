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

    // Save states: 1 saved (or loaded) under m_strPath, 2 new and never saved.
    enum { saveStateSaved = 1, saveStateNew = 2 };

    // Reads the template at the path into the sheet. As new: the view keeps no path and every
    // cell is new; otherwise the view and the document take the path. FALSE, with an empty
    // sheet, when the file cannot be opened or read.
    BOOL LoadTemplate(LPCSTR lpszPath, BOOL bAsNew);
    // Writing templates is not wired yet: nothing is written.
    void SaveTemplate(int nMode);

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
