#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include "platform/base/FxFindHandle.h"

namespace
{
void RemoveTree(const CString& strFolder)
{
    WIN32_FIND_DATAA fd = {};
    CFxFindHandle find;
    if (find.FindFirst(strFolder + "\\*", fd)) {
        do {
            CString strName(fd.cFileName);
            if (strName == "." || strName == "..") {
                continue;
            }
            CString strPath = strFolder + "\\" + strName;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(strPath);
            } else {
                SetFileAttributesA(strPath, FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(strPath);
            }
        } while (find.FindNext(fd));
    }
    find.Close();
    RemoveDirectoryA(strFolder);
}
} // namespace

CTestTempFolder::CTestTempFolder()
{
    static int s_nSerial = 0;
    char szTemp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, szTemp);
    const testing::TestInfo* pInfo = testing::UnitTest::GetInstance()->current_test_info();
    m_strPath.Format("%svorn-%lu-%d-%s", szTemp, GetCurrentProcessId(), ++s_nSerial,
                     pInfo != nullptr ? pInfo->name() : "test");
    // A parameterised test's name ends in "/<param>", which would name a missing sub-folder.
    m_strPath.Replace('/', '-');
    RemoveTree(m_strPath);
    CreateDirectoryA(m_strPath, nullptr);
}

CTestTempFolder::~CTestTempFolder()
{
    RemoveTree(m_strPath);
}

CString CTestTempFolder::PathOf(LPCSTR pszName) const
{
    return m_strPath + "\\" + pszName;
}
