// One check for every file name built from stored data or a host call: the name must be a plain
// file name that stays in the folder it is joined to.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/String.h"

class VORNCARD_API CCappFileNameFun
{
public:
    CCappFileNameFun() = delete;

    // FALSE for an empty name, a path separator, a drive letter or stream colon, ".." anywhere, a
    // control or wildcard character, a trailing dot or blank (Windows strips them), a reserved
    // device name with or without extension (CON, PRN, AUX, NUL, COM1-9, LPT1-9), a name longer
    // than MAX_PATH, and text that is no valid GBK. A GBK trail byte 0x5C is no separator.
    static BOOL IsPlainFileName(const CString& strName);
    static BOOL IsPlainFileNameW(const wchar_t* pwszName);
};
