// A symbolic link or a drive letter made for one test and removed, never its target, when the
// object goes. Declare it after the temporary folder it points into: it goes first.
//
// Wine 8 makes neither through Win32 (CreateSymbolicLinkA reports success and makes nothing;
// a DefineDosDeviceA drive does not reach file names). There the Unix tools ln and rm, looked up
// on the Unix PATH, make and remove them: beside the link, or in the prefix's dosdevices folder
// for a drive. Wine gives no handle to wait on for a Unix program, so the helper waits for the
// change notification of the folder the tool changes.
#pragma once

#include "platform/base/String.h"

class CTestLink
{
public:
    CTestLink();
    ~CTestLink();
    CTestLink(const CTestLink&) = delete;
    CTestLink& operator=(const CTestLink&) = delete;

    static BOOL IsWine();

    // strLink leads to strTarget. FALSE when it could not be made (on Windows without developer
    // mode or elevation).
    BOOL MakeSymbolic(const CString& strLink, const CString& strTarget, BOOL bDirectory);
    // A free drive letter from Q: to Y: whose root is strFolder, as subst makes one.
    BOOL MakeDrive(const CString& strFolder);
    // 0 without a drive.
    char GetDriveLetter() const { return m_chDrive; }
    // TRUE when nothing is left to remove.
    BOOL Remove();

private:
    CString m_strLink;    // the link's Windows path ("Q:" for a drive); empty when none is made
    CString m_strWatched; // the folder whose names change when the link goes
    CString m_strUnixLink;
    char m_chDrive;
    BOOL m_bUnix;
};
