// Checks a compound file before structured storage opens it: structured storage trusts the header
// and the sector chains, and a damaged one can make it loop for ever or allocate gigabytes.
#pragma once

#include <cstddef>

#include "core/VornCardExport.h"
#include "platform/base/String.h"

class VORNCARD_API CCappCompoundFileFun
{
public:
    CCappCompoundFileFun() = delete;

    // TRUE when the header is sound (signature, byte order, sector sizes, counts within the file)
    // and every chain reached from it stays inside the file, ends, and owns its sectors alone:
    // FAT and its extension (DIFAT), directory, mini FAT, mini stream, every stream of the
    // directory tree, which must be a tree. Work and memory grow with the file's size only.
    // FALSE with the problem, in words, in strProblem.
    static BOOL CheckFile(const CString& strPath, CString& strProblem);
    // The same for a file's bytes in memory.
    static BOOL CheckBytes(const BYTE* pBytes, size_t nSize, CString& strProblem);
};
