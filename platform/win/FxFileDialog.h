// The system's open and save file dialogs, filled in one place: a caller gives only what its
// dialog shows differently.
#pragma once

#include <windows.h>

#include <commdlg.h>

#include "platform/base/String.h"

// What one file dialog asks with; null leaves the system's choice.
struct FxFileDialogParams
{
    // Pairs of shown text and pattern, each ending in "\0", the list in a further "\0".
    LPCSTR pszFilter = nullptr;
    LPCSTR pszTitle = nullptr;
    // Appended when the user types a name without one.
    LPCSTR pszDefExt = nullptr;
    LPCSTR pszInitialDir = nullptr;
    // OFN_ flags.
    DWORD dwFlags = 0;
};

// Shows the open (bOpen) or save dialog, strPath giving the name it starts with. TRUE and the
// chosen path in strPath when the user chose one; FALSE and strPath as it was when cancelled.
FX_API BOOL FxAskFileName(HWND hOwner, BOOL bOpen, const FxFileDialogParams& params, CString& strPath);
