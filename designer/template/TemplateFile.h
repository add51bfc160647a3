// Reads a card template (".znt") into a sheet and writes one back without ever destroying the old
// file before the new one is complete.
#pragma once

#include "platform/base/String.h"

class CCappSheet;

class CTemplateFile
{
public:
    // Reads the template into the sheet; the sheet's name first becomes the file name without
    // extension, then the one stored in the file. An unreadable or damaged file gives FALSE with the
    // reason in strError and leaves the sheet as it was. Load and Save both remove the temporaries
    // of this template that a killed save left in its folder.
    static BOOL Load(const CString& strPath, CCappSheet& sheet, CString& strError);

    // Writes the sheet under its file name (stored as the sheet's name) into a temporary file in
    // the target's folder and only then replaces the target. FALSE with the reason in strError
    // when anything fails: the old file and the sheet's name are then unchanged and no temporary
    // file is left.
    static BOOL Save(const CString& strPath, CCappSheet& sheet, CString& strError);

    // The system's text for a failed Win32 call, without the trailing line break.
    static CString SystemMessage(DWORD dwError);

    // The title a template file shows under in listings: the name less ".znt" in any letter
    // case. Empty for any other file, and for a name of four characters or fewer, which a
    // listing passes over and goes on.
    static CString TemplateTitle(LPCSTR lpszFileName);

    // Answers the open or save dialog in place of the user (tests); strPath comes in with the
    // dialog's initial file name. FALSE is a cancelled dialog.
    typedef BOOL (*PathPrompt)(HWND hOwner, BOOL bSave, CString& strPath);
    // The open ("打开") or save ("保存", starting in the work directory's template folder) dialog
    // for templates; strPath gives the initial file name and takes the choice. FALSE when
    // cancelled.
    static BOOL AskPath(HWND hOwner, BOOL bSave, CString& strPath);
    // Installs a prompt (null restores the dialogs) and returns the previous one.
    static PathPrompt SetPathPrompt(PathPrompt pfnPrompt);
};
