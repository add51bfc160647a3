// The script window: a worksheet of the designer's workbook that edits the user functions (the
// kind-1 script items) of one template's sheet, one function at a time. A bar above the view
// lists the function names and adds or deletes functions; choosing another name stores the text
// shown back into its item first. Items change in memory only: the template is written when the
// template itself is saved.
#pragma once

#include "framework/FwWorksheet.h"
#include "platform/frame/DialogBar.h"
#include "platform/frame/ReBar.h"

class CCappSheet;
class CSampleDoc;
class CSampleView;
class CScriptItem;
class CScriptSheetLink;

class CScriptFrame : public FwWorksheet
{
    FX_DECLARE_DYNCREATE(CScriptFrame)

public:
    CScriptFrame();
    ~CScriptFrame() override;

    // The script window of a sheet frame, or null when it has none open.
    static CScriptFrame* FindForSheet(const CFrameWnd* pSheetFrame);
    // Activates the sheet frame's script window, else makes one titled "<frame text>-Script" and
    // lists the sheet's functions in it; null when it cannot be made.
    static CScriptFrame* OpenForSheet(CFrameWnd* pSheetFrame);
    // The sheet frame calls this before it closes: its script window is activated and asked to
    // close (with its own question). FALSE when the window stays open; TRUE when none is left.
    static BOOL CloseForSheet(const CFrameWnd* pSheetFrame);
    // A save of the template calls this before it writes: the text shown in the sheet frame's
    // script window goes into its item. FALSE when no window is open or it shows no function.
    static BOOL StoreForSheet(const CFrameWnd* pSheetFrame);

    // Lists the names of the sheet's user functions and shows the first (nothing without a sheet).
    void FillScriptList();
    // Shows the function selected in the list, storing the one shown before.
    void SwitchScript();
    // Copies the view's text into the current item; FALSE when no function is shown.
    BOOL StoreScript();
    // The first user function with exactly this name, or null.
    CScriptItem* FindScript(LPCSTR lpszName) const;
    // The sheet of the sheet frame's view; null without one.
    CCappSheet* GetSheet() const;

    CSampleDoc* GetScriptDoc() const;
    CSampleView* GetScriptView() const;
    HWND GetNameList() const;

    CReBar m_wndReBar;
    CDialogBar m_wndDlgBar;
    // The frame that opened this window and the shell that reaches its sheet; not owned.
    CFrameWnd* m_pSheetFrame;
    CScriptSheetLink* m_pLink;
    // The item whose text is in the view; owned by the sheet's script list.
    CScriptItem* m_pCurScript;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnClose() override;
    void OnAddScript();
    void OnDeleteScript();
    void OnSelChangeScript();
    void OnStoreScript();

    FX_DECLARE_MESSAGE_MAP()

private:
    // The current item is still in the sheet's script list.
    BOOL IsCurrentInSheet() const;
    // A saved template becomes changed, so that closing it asks to save the scripts.
    void MarkTemplateChanged();
};
