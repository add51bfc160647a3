#include "tests/support/TestLink.h"

#include <string>

#include "tests/support/UnixTool.h"

namespace
{
BOOL Exists(const CString& strPath)
{
    return GetFileAttributesA(strPath) != INVALID_FILE_ATTRIBUTES;
}

CString ParentOf(const CString& strPath)
{
    return strPath.Left(strPath.ReverseFind('\\'));
}
} // namespace

CTestLink::CTestLink() : m_chDrive(0), m_bUnix(FALSE)
{
}

CTestLink::~CTestLink()
{
    Remove();
}

BOOL CTestLink::IsWine()
{
    return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

BOOL CTestLink::MakeSymbolic(const CString& strLink, const CString& strTarget, BOOL bDirectory)
{
    Remove();
    if (!IsWine()) {
        DWORD dwFlags = (bDirectory ? SYMBOLIC_LINK_FLAG_DIRECTORY : 0) | SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE;
        if (!CreateSymbolicLinkA(strLink, strTarget, dwFlags)) {
            return FALSE;
        }
        m_strLink = strLink;
        return TRUE;
    }
    std::string strUnixLink = UnixPathOf(strLink);
    std::string strUnixTarget = UnixPathOf(strTarget);
    if (strUnixLink.empty() || strUnixTarget.empty()) {
        return FALSE;
    }
    CString strFolder = ParentOf(strLink);
    if (!RunUnixTool("ln", "-s " + UnixQuoted(strUnixTarget) + " " + UnixQuoted(strUnixLink), strFolder,
                     [&] { return Exists(strLink); })) {
        return FALSE;
    }
    m_strLink = strLink;
    m_strWatched = strFolder;
    m_strUnixLink = strUnixLink.c_str();
    m_bUnix = TRUE;
    return TRUE;
}

BOOL CTestLink::MakeDrive(const CString& strFolder)
{
    Remove();
    for (char ch = 'Q'; ch <= 'Y'; ++ch) {
        CString strDrive = CString(ch) + ":";
        if (GetDriveTypeA(strDrive + "\\") != DRIVE_NO_ROOT_DIR) {
            continue;
        }
        if (!IsWine()) {
            if (!DefineDosDeviceA(0, strDrive, strFolder)) {
                continue;
            }
            m_strLink = strDrive;
            m_chDrive = ch;
            return TRUE;
        }
        // Wine's drives are the links "<prefix>/dosdevices/<letter>:", lower case.
        char szPrefix[MAX_PATH] = {};
        std::string strTarget = UnixPathOf(strFolder);
        if (GetEnvironmentVariableA("WINEPREFIX", szPrefix, MAX_PATH) == 0 || strTarget.empty()) {
            return FALSE;
        }
        std::string strDevices = std::string(szPrefix) + "/dosdevices";
        std::string strUnixLink = strDevices + "/" + static_cast<char>(ch - 'A' + 'a') + ":";
        CString strWatched = DosPathOf(strDevices);
        if (!RunUnixTool("ln", "-s " + UnixQuoted(strTarget) + " " + UnixQuoted(strUnixLink), strWatched,
                         [&] { return Exists(strDrive + "\\"); })) {
            return FALSE;
        }
        m_strLink = strDrive;
        m_strWatched = strWatched;
        m_strUnixLink = strUnixLink.c_str();
        m_chDrive = ch;
        m_bUnix = TRUE;
        return TRUE;
    }
    return FALSE;
}

BOOL CTestLink::Remove()
{
    if (m_strLink.IsEmpty()) {
        return TRUE;
    }
    // What Wine shows of a drive is its root; of a link, the link's own name.
    CString strShown = m_chDrive != 0 ? m_strLink + "\\" : m_strLink;
    BOOL bGone = TRUE;
    if (m_bUnix) {
        bGone = RunUnixTool("rm", "-f " + UnixQuoted(static_cast<LPCSTR>(m_strUnixLink)), m_strWatched,
                            [&] { return !Exists(strShown); });
    } else if (m_chDrive != 0) {
        bGone = DefineDosDeviceA(DDD_REMOVE_DEFINITION, m_strLink, nullptr);
    } else if (Exists(m_strLink)) {
        // A directory link goes with RemoveDirectory, a file link with DeleteFile: neither touches the target.
        bGone = RemoveDirectoryA(m_strLink) || DeleteFileA(m_strLink);
    }
    m_strLink.Empty();
    m_strWatched.Empty();
    m_strUnixLink.Empty();
    m_chDrive = 0;
    m_bUnix = FALSE;
    return bGone;
}
