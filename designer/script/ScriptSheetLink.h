// What a script window asks of the designer's shell: a new script window, and the template whose
// user functions it edits. The script room knows the template's window only as a frame and never
// includes the sheet's headers; the shell, which is the workbook, implements this.
#pragma once

#include <windows.h>

class CCappSheet;
class CFrameWnd;

class CScriptSheetLink
{
public:
    // The sheet of the template window while that window is still open; null otherwise.
    virtual CCappSheet* GetSheetOf(const CFrameWnd* pSheetFrame) const = 0;
    // The functions changed: a saved template becomes changed, so that closing it asks to save.
    virtual void MarkSheetChanged(const CFrameWnd* pSheetFrame) = 0;
    // A new script window with the title; null when it cannot be made.
    virtual CFrameWnd* NewScriptWindow(LPCSTR lpszTitle) = 0;

protected:
    ~CScriptSheetLink() = default;
};
