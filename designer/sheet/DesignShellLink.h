// What a sheet-definition window asks of the designer's shell. The shell implements it and hands
// it to every sheet window it makes, so that the sheet's family never includes a shell header.
#pragma once

#include <windows.h>

class CCappCell;
class CStringArray;
class CFrameWnd;

class CDesignShellLink
{
public:
    // A line in the output bar's tips or errors pane.
    virtual void ReportTip(LPCSTR lpszText) = 0;
    virtual void ReportError(LPCSTR lpszText) = 0;
    // A template was read from or written to the path: it heads the recent files. One saved for
    // the first time also joins the template tree.
    virtual void TemplateFileUsed(LPCSTR lpszPath, BOOL bFirstSave) = 0;

    // The script window of a sheet frame: the open one or null, opened (or activated), asked to
    // close (FALSE when it stays) and asked to store its text (FALSE when nothing was stored).
    virtual CFrameWnd* FindScriptWindow(const CFrameWnd* pSheetFrame) = 0;
    virtual void OpenScriptWindow(CFrameWnd* pSheetFrame) = 0;
    virtual BOOL CloseScriptWindow(const CFrameWnd* pSheetFrame) = 0;
    virtual BOOL StoreScriptWindow(const CFrameWnd* pSheetFrame) = 0;

    // The cell copied for pasting, shared by every sheet window; null forgets it.
    virtual void SetCopiedCell(const CCappCell* pCell) = 0;
    virtual BOOL HasCopiedCell() const = 0;
    // The copied cell's format onto the cell, which keeps its place.
    virtual void PasteCopiedCell(CCappCell* pCell) const = 0;
    // The card-variable names a new variable cell may take.
    virtual const CStringArray& GetVarNames() const = 0;

protected:
    ~CDesignShellLink() = default;
};
