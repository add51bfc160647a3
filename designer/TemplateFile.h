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
    // reason in strError and leaves the sheet as it was.
    static BOOL Load(const CString& strPath, CCappSheet& sheet, CString& strError);

    // Writes the sheet under its file name (stored as the sheet's name) into a temporary file in
    // the target's folder and only then replaces the target. FALSE with the reason in strError
    // when anything fails: the old file and the sheet's name are then unchanged and no temporary
    // file is left.
    static BOOL Save(const CString& strPath, CCappSheet& sheet, CString& strError);

    // The system's text for a failed Win32 call, without the trailing line break.
    static CString SystemMessage(DWORD dwError);
};
