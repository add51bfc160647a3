// Whole files as bytes and a folder's names, for tests that check what a save left on disk.
#pragma once

#include <windows.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "platform/base/FxFindHandle.h"
#include "platform/base/String.h"

inline std::string TestReadBytes(const CString& strPath)
{
    std::ifstream in(static_cast<LPCSTR>(strPath), std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline void TestWriteBytes(const CString& strPath, const std::string& bytes)
{
    std::ofstream out(static_cast<LPCSTR>(strPath), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// The names in the folder, without "." and "..".
inline std::set<std::string> TestFolderNames(const CString& strFolder)
{
    std::set<std::string> names;
    WIN32_FIND_DATAA fd{};
    CFxFindHandle find;
    for (BOOL bFound = find.FindFirst(strFolder + "\\*", fd); bFound; bFound = find.FindNext(fd)) {
        const std::string name = fd.cFileName;
        if (name != "." && name != "..") {
            names.insert(name);
        }
    }
    return names;
}
