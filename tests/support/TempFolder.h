// A fresh folder for one test's files, removed with everything in it when the test ends.
#pragma once

#include "platform/base/String.h"

class CTestTempFolder
{
public:
    CTestTempFolder();
    ~CTestTempFolder();
    CTestTempFolder(const CTestTempFolder&) = delete;
    CTestTempFolder& operator=(const CTestTempFolder&) = delete;

    const CString& GetPath() const { return m_strPath; }
    // The folder, a backslash, the name.
    CString PathOf(LPCSTR pszName) const;

private:
    CString m_strPath;
};
