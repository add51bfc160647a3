// Lists a compound file's streams with an independent Linux reader (python3-olefile), started
// from the Wine test, so that card files are checked by something other than our own code.
#pragma once

#include <windows.h>

#include <cstdint>
#include <fstream>
#include <set>
#include <string>

#include "platform/base/FxHandle.h"
#include "platform/base/String.h"
#include "tests/support/TestData.h"
#include "tests/support/UnixTool.h"

// One line as the reader writes it: the GBK name in hex, the size, FNV-1a 64 of the bytes.
inline std::string OleLine(const CString& strName, const std::string& bytes)
{
    uint64_t nHash = 14695981039346656037ull;
    for (unsigned char ch : bytes) {
        nHash ^= ch;
        nHash *= 1099511628211ull;
    }
    std::string strHex;
    char sz[32];
    for (int i = 0; i < strName.GetLength(); ++i) {
        snprintf(sz, sizeof(sz), "%02x", static_cast<unsigned char>(strName[i]));
        strHex += sz;
    }
    snprintf(sz, sizeof(sz), " %zu %016llx", bytes.size(), static_cast<unsigned long long>(nHash));
    return strHex + sz;
}

// The reader's lines for the file ("ERROR ..." when it refused it); nExit 0 when the reader
// answered, -1 when it could not be started or gave no answer within two minutes. The reader
// writes its answer whole under the name it is given, so its appearing is the end of the run.
inline std::set<std::string> ListWithOlefile(const CString& strFile, const CString& strOut, int& nExit)
{
    std::set<std::string> lines;
    nExit = -1;
    const std::string strScript = UnixPathOf(TestDataPath("olelist.py"));
    const std::string strIn = UnixPathOf(strFile);
    const std::string strListing = UnixPathOf(strOut);
    if (strScript.empty() || strIn.empty() || strListing.empty()) {
        return lines;
    }
    DeleteFileA(strOut);
    const CString strFolder = strOut.Left(strOut.ReverseFind('\\'));
    const std::string strArgs = UnixQuoted(strScript) + " " + UnixQuoted(strIn) + " " + UnixQuoted(strListing);
    if (!RunUnixTool(
            "python3", strArgs, strFolder,
            [&]() -> BOOL { return GetFileAttributesA(strOut) != INVALID_FILE_ATTRIBUTES; }, 120000)) {
        return lines;
    }
    std::ifstream in(static_cast<LPCSTR>(strOut));
    if (!in) {
        return lines;
    }
    nExit = 0;
    std::string strLine;
    while (std::getline(in, strLine)) {
        if (!strLine.empty()) {
            lines.insert(strLine);
        }
    }
    return lines;
}
