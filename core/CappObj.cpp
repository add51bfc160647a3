#include "core/CappObj.h"

#include <objbase.h>
#include <shlwapi.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/CappCompoundFileFun.h"
#include "core/CappFileNameFun.h"
#include "core/CardCommFun.h"
#include "platform/base/FxCoTaskMem.h"
#include "platform/base/FxComPtr.h"
#include "platform/base/FxFindHandle.h"
#include "platform/base/FxHandle.h"
#include "platform/base/FxSafeSave.h"
#include "platform/win/MsgBox.h"

namespace
{
const char kVersion[] = "4.2";
const char kStringPrefix[] = "__STRING__";
const char kNewCardName[] = "QXCAPP";
// Stream names are GBK text on disk, UTF-16 in the compound file.
const UINT kNameCodePage = 936;
// A compound file stream name holds at most 31 UTF-16 characters.
const int kMaxStreamName = 31;
// A string stream larger than this is not one the system wrote.
const ULONGLONG kMaxStringStream = 16u * 1024u * 1024u;
const DWORD kChunk = 64 * 1024;
const ULONGLONG kDirEntrySize = 128;

// One stream of a pack: its name and where its bytes come from (a file, or the text itself).
struct PackEntry
{
    CString strName;
    std::wstring wstrName;
    CString strPath;
    CString strText;
    BOOL bFile;
    ULONGLONG nSize;
};

// FALSE for a name that cannot be a stream name: empty, too long, a control character or one of
// the characters compound files reserve.
BOOL ToStreamName(const CString& strName, std::wstring& wstrName)
{
    if (strName.IsEmpty()) {
        return FALSE;
    }
    const int nLen = MultiByteToWideChar(kNameCodePage, MB_ERR_INVALID_CHARS, strName, strName.GetLength(), nullptr, 0);
    if (nLen <= 0 || nLen > kMaxStreamName) {
        return FALSE;
    }
    wstrName.assign(static_cast<size_t>(nLen), L'\0');
    MultiByteToWideChar(kNameCodePage, MB_ERR_INVALID_CHARS, strName, strName.GetLength(), &wstrName[0], nLen);
    for (wchar_t ch : wstrName) {
        if (ch < 0x20 || ch == L'/' || ch == L'\\' || ch == L':' || ch == L'!') {
            return FALSE;
        }
    }
    return TRUE;
}

// The stream's name as a file name of the work directory; FALSE when it could lead outside it or
// is no plain file name.
BOOL ToFileName(LPCWSTR pwszName, CString& strName)
{
    if (!CCappFileNameFun::IsPlainFileNameW(pwszName)) {
        return FALSE;
    }
    const int nLen = static_cast<int>(wcslen(pwszName));
    BOOL bLost = FALSE;
    const int nBytes = WideCharToMultiByte(kNameCodePage, 0, pwszName, nLen, nullptr, 0, nullptr, &bLost);
    if (nBytes <= 0 || bLost) {
        return FALSE;
    }
    std::vector<char> buffer(static_cast<size_t>(nBytes));
    WideCharToMultiByte(kNameCodePage, 0, pwszName, nLen, buffer.data(), nBytes, nullptr, nullptr);
    strName = CString(buffer.data(), nBytes);
    return TRUE;
}

// A stream name to show in a message: characters GBK lacks become "?".
CString ShownName(const std::wstring& wstrName)
{
    const int nLen = static_cast<int>(wstrName.size());
    const int nBytes = WideCharToMultiByte(kNameCodePage, 0, wstrName.c_str(), nLen, nullptr, 0, nullptr, nullptr);
    if (nBytes <= 0) {
        return CString();
    }
    std::vector<char> buffer(static_cast<size_t>(nBytes));
    WideCharToMultiByte(kNameCodePage, 0, wstrName.c_str(), nLen, buffer.data(), nBytes, nullptr, nullptr);
    for (char& ch : buffer) {
        if (static_cast<unsigned char>(ch) < 0x20) {
            ch = '?';
        }
    }
    return CString(buffer.data(), nBytes);
}

CString StgErrorName(HRESULT hr)
{
    struct Name
    {
        HRESULT hr;
        const char* pszName;
    };
    static const Name names[] = {
        {STG_E_INVALIDFUNCTION, "STG_E_INVALIDFUNCTION"},
        {STG_E_FILENOTFOUND, "STG_E_FILENOTFOUND"},
        {STG_E_PATHNOTFOUND, "STG_E_PATHNOTFOUND"},
        {STG_E_TOOMANYOPENFILES, "STG_E_TOOMANYOPENFILES"},
        {STG_E_ACCESSDENIED, "STG_E_ACCESSDENIED"},
        {STG_E_INSUFFICIENTMEMORY, "STG_E_INSUFFICIENTMEMORY"},
        {STG_E_INVALIDPOINTER, "STG_E_INVALIDPOINTER"},
        {STG_E_SHAREVIOLATION, "STG_E_SHAREVIOLATION"},
        {STG_E_LOCKVIOLATION, "STG_E_LOCKVIOLATION"},
        {STG_E_FILEALREADYEXISTS, "STG_E_FILEALREADYEXISTS"},
        {STG_E_INVALIDNAME, "STG_E_INVALIDNAME"},
        {STG_E_INVALIDFLAG, "STG_E_INVALIDFLAG"},
        {STG_E_OLDFORMAT, "STG_E_OLDFORMAT"},
        {STG_E_OLDDLL, "STG_E_OLDDLL"},
    };
    for (const Name& name : names) {
        if (name.hr == hr) {
            return name.pszName;
        }
    }
    return "other";
}

std::wstring ToWidePath(const CString& strPath)
{
    const int nLen = MultiByteToWideChar(CP_ACP, 0, strPath, -1, nullptr, 0);
    std::wstring wstr(static_cast<size_t>(nLen > 0 ? nLen : 1), L'\0');
    if (nLen > 0) {
        MultiByteToWideChar(CP_ACP, 0, strPath, -1, &wstr[0], nLen);
    }
    return wstr;
}

CString FullPath(const CString& strPath)
{
    char szFull[MAX_PATH * 2] = {};
    const DWORD nLen = GetFullPathNameA(strPath, sizeof(szFull), szFull, nullptr);
    if (nLen == 0 || nLen >= sizeof(szFull)) {
        return CString();
    }
    return CString(szFull);
}

BOOL PathExists(const CString& strPath)
{
    return GetFileAttributesA(strPath) != INVALID_FILE_ATTRIBUTES;
}

// Copies the file's bytes into the stream; the size of what was written comes back.
BOOL WriteFileStream(IStream* pStream, const CString& strPath, ULONGLONG& nSize)
{
    // Other readers and writers may hold the file open: share everything rather than fail.
    CFxHandle file(CreateFileA(strPath, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid()) {
        return FALSE;
    }
    std::vector<BYTE> buffer(kChunk);
    nSize = 0;
    for (;;) {
        DWORD nRead = 0;
        if (!ReadFile(file, buffer.data(), kChunk, &nRead, nullptr)) {
            return FALSE;
        }
        if (nRead == 0) {
            return TRUE;
        }
        ULONG nWritten = 0;
        if (FAILED(pStream->Write(buffer.data(), nRead, &nWritten)) || nWritten != nRead) {
            return FALSE;
        }
        nSize += nRead;
    }
}

// Reads a whole stream, never more than it says it holds nor more than nLimit; FALSE when it
// ends early or is larger than the limit. fnChunk receives the bytes chunk by chunk.
template <class Fn> BOOL ReadStream(IStream* pStream, ULONGLONG nSize, ULONGLONG nLimit, Fn fnChunk)
{
    if (nSize > nLimit) {
        return FALSE;
    }
    std::vector<BYTE> buffer(kChunk);
    ULONGLONG nLeft = nSize;
    while (nLeft > 0) {
        const ULONG nWant = static_cast<ULONG>(nLeft < kChunk ? nLeft : kChunk);
        ULONG nRead = 0;
        if (FAILED(pStream->Read(buffer.data(), nWant, &nRead)) || nRead == 0) {
            return FALSE;
        }
        if (!fnChunk(buffer.data(), nRead)) {
            return FALSE;
        }
        nLeft -= nRead;
    }
    return TRUE;
}

// The written file proves itself without a second read of its data: it passes the check every
// reader runs before opening a card file, and every stream is there with the size written. The
// bytes themselves were accepted by the stream writes and the commit.
BOOL VerifyPack(const CString& strFile, const std::wstring& wstrFile, const std::vector<PackEntry>& entries)
{
    CString strProblem;
    if (!CCappCompoundFileFun::CheckFile(strFile, strProblem)) {
        return FALSE;
    }
    CFxComPtr<IStorage> pStg;
    if (FAILED(
            StgOpenStorage(wstrFile.c_str(), nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, nullptr, 0, pStg.Receive()))) {
        return FALSE;
    }
    for (const PackEntry& entry : entries) {
        CFxComPtr<IStream> pStream;
        STATSTG stat = {};
        if (FAILED(pStg->OpenStream(entry.wstrName.c_str(), nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0,
                                    pStream.Receive())) ||
            FAILED(pStream->Stat(&stat, STATFLAG_NONAME)) || stat.cbSize.QuadPart != entry.nSize) {
            return FALSE;
        }
    }
    return TRUE;
}

void ReportUnreadable(const CString& strPath, const CString& strProblem)
{
    CString strText;
    strText.Format("无法读取卡片文件 '%s'：%s", strPath.GetString(), strProblem.GetString());
    FxMessageBox(nullptr, strText, nullptr, MB_OK | MB_ICONERROR);
}

BOOL IsSafeWorkName(const CString& strName)
{
    return CCappFileNameFun::IsPlainFileName(strName);
}

// Writes the pack of entries as a compound file at strTemp and reads it back to check it. The
// entries' sizes and hashes are those written.
BOOL WritePack(const CString& strTemp, std::vector<PackEntry>& entries)
{
    const std::wstring wstrTemp = ToWidePath(strTemp);
    BOOL bOk = FALSE;
    {
        CFxComPtr<IStorage> pStg;
        // 4,096-byte sectors (version 4): an eighth of the sector chains to walk and write for the
        // same data. Structured storage and the card file check read both sector sizes.
        STGOPTIONS options = {};
        options.usVersion = 1;
        options.ulSectorSize = 4096;
        if (SUCCEEDED(StgCreateStorageEx(wstrTemp.c_str(), STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE,
                                         STGFMT_DOCFILE, 0, &options, nullptr, IID_IStorage, pStg.ReceiveVoid()))) {
            bOk = TRUE;
            for (PackEntry& entry : entries) {
                CFxComPtr<IStream> pStream;
                if (FAILED(pStg->CreateStream(entry.wstrName.c_str(),
                                              STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, 0,
                                              pStream.Receive()))) {
                    bOk = FALSE;
                    break;
                }
                if (entry.bFile) {
                    bOk = WriteFileStream(pStream, entry.strPath, entry.nSize);
                } else {
                    const ULONG nLen = static_cast<ULONG>(entry.strText.GetLength());
                    ULONG nWritten = 0;
                    bOk = nLen == 0 ||
                          (SUCCEEDED(pStream->Write(entry.strText.GetString(), nLen, &nWritten)) && nWritten == nLen);
                    entry.nSize = nLen;
                }
                if (!bOk) {
                    break;
                }
            }
            bOk = bOk && SUCCEEDED(pStg->Commit(STGC_DEFAULT));
        }
    }
    return bOk && VerifyPack(strTemp, wstrTemp, entries);
}
} // namespace

CCappObj::CCappObj()
    : m_nState(1), m_bKeepWorkDir(0), m_bNewFile(1), m_bDelFileOnExit(0), m_strVersion(kVersion), m_nNewCodeID(0),
      m_bHaveCardDef(0)
{
    m_CardObj.m_pCappObj = this;
}

CCappObj::~CCappObj()
{
    DetachData();
}

int CCappObj::GetState() const
{
    return (m_bNewFile || m_strFileName.IsEmpty()) ? 2 : m_nState;
}

CString CCappObj::GetCpoWorkDir() const
{
    if (m_strBaseDir.IsEmpty() || m_strWorkName.IsEmpty()) {
        return CString();
    }
    CString strDir;
    strDir.Format("%s\\%s", m_strBaseDir.GetString(), m_strWorkName.GetString());
    return strDir;
}

CString CCappObj::GetCardDefFileName(const CString& strName) const
{
    CString strPath;
    strPath.Format("%s\\%s\\%s.znt", m_strBaseDir.GetString(), m_strWorkName.GetString(), strName.GetString());
    return strPath;
}

CString CCappObj::CreateCpoFileNameByID(const CString& strDir, int nID)
{
    CString strPath;
    strPath.Format("%s\\DBCPO_%d.cpo", strDir.GetString(), nID);
    return strPath;
}

CString CCappObj::CreateMainCardCodeByFileName() const
{
    return GetFileName_NoExt(m_strFileName);
}

int CCappObj::GetDefSRPFileName(CString& strCpv, CString& strRpd) const
{
    char szTemp[MAX_PATH + 1] = {};
    const DWORD nLen = GetTempPathA(MAX_PATH, szTemp);
    if (nLen == 0 || nLen > MAX_PATH) {
        return 0;
    }
    CString strDir(szTemp);
    if (strDir.Right(1) == "\\") {
        strDir = strDir.Left(strDir.GetLength() - 1);
    }
    const CString strName = GetFileName_NoExt(m_strFileName);
    if (!CCappFileNameFun::IsPlainFileName(strName)) {
        return 0;
    }
    strCpv.Format("%s\\%s.cpv", strDir.GetString(), strName.GetString());
    strRpd.Format("%s\\%s.rpd", strDir.GetString(), strName.GetString());
    return 1;
}

CString CCappObj::GetNewItemCode()
{
    CString strCode;
    strCode.Format("%d", GetNewCodeID());
    return strCode;
}

int CCappObj::ImputSubFile(const CString& strSrc, CString& strStoredName, CString& strFullPath)
{
    strStoredName.Format("%s.%s", GetNewItemCode().GetString(), CCardCommFun::GetFileExtName(strSrc).GetString());
    const CString strDir = GetCpoWorkDir();
    // The extension comes from the caller's path and could carry a folder part.
    if (!strDir.IsEmpty() && !CCappFileNameFun::IsPlainFileName(strStoredName)) {
        return 0;
    }
    if (strDir.IsEmpty()) {
        strFullPath = strSrc;
        m_arrSessionFiles.Add(FullPath(strSrc));
        return 1;
    }
    strFullPath.Format("%s\\%s", strDir.GetString(), strStoredName.GetString());
    if (PathExists(strFullPath)) {
        DeleteFileA(strFullPath);
    }
    return CopyFileA(strSrc, strFullPath, FALSE) ? 1 : 0;
}

void CCappObj::AddOtherFile(const CString& strName)
{
    for (int i = 0; i < m_arrOtherFile.GetSize(); ++i) {
        if (m_arrOtherFile[i] == strName) {
            return;
        }
    }
    m_arrOtherFile.Add(strName);
}

void CCappObj::GetAllCardDefName(CStringArray& arrNames) const
{
    if (!m_strMastCard.IsEmpty()) {
        arrNames.Add(m_strMastCard);
    }
    CString strPrev;
    for (int i = 0; i < m_CardCode.m_arrCardName.GetSize(); ++i) {
        const CString& strName = m_CardCode.m_arrCardName[i];
        BOOL bKnown = (i > 0 && strName == strPrev);
        for (int j = 0; !bKnown && j < arrNames.GetSize(); ++j) {
            bKnown = arrNames[j] == strName;
        }
        if (!bKnown) {
            arrNames.Add(strName);
        }
        strPrev = strName;
    }
}

CString CCappObj::GetMastCardName() const
{
    return m_CardCode.m_arrCardName.GetSize() > 0 ? m_CardCode.m_arrCardName[0] : CString();
}

void CCappObj::RegsetCard(int nNumber, const CStringArray& arrCardDefs, const CStringArray& arrSubFiles,
                          const CStringArray& arrSubData)
{
    m_CardCode.m_nCodeNumber = nNumber;
    m_CardCode.m_arrCardName.Copy(arrCardDefs);
    m_CardCode.m_arrSubFileName.Copy(arrSubFiles);
    m_CardCode.m_arrSubFileData.Copy(arrSubData);
    for (int i = 0; i < arrSubFiles.GetSize(); ++i) {
        if (arrSubFiles[i].Find('\\') >= 0) {
            m_arrSessionFiles.Add(FullPath(arrSubFiles[i]));
        }
    }
}

CString CCappObj::CardCodeInfoToString()
{
    return m_CardCode.SaveToString();
}

void CCappObj::StringToCardCodeInfo(const CString& strText)
{
    if (!strText.IsEmpty()) {
        m_CardCode.LoadFromString(strText);
    }
}

int CCappObj::GetCardCodeHeadID(const CString& strCode)
{
    const int nBar = strCode.Find('_');
    if (nBar <= 0) {
        return -1;
    }
    const CString strHead = strCode.Left(nBar);
    for (int i = 0; i < strHead.GetLength(); ++i) {
        if (strHead[i] < '0' || strHead[i] > '9') {
            return -1;
        }
    }
    return atoi(strHead);
}

int CCappObj::GetNewCode(const CString& strCode, CString& strOut, const CStringArray& arrCodes,
                         const CStringArray& arrValues)
{
    for (int i = 0; i < arrCodes.GetSize(); ++i) {
        if (arrCodes[i] == strCode) {
            if (i >= arrValues.GetSize()) {
                return 0;
            }
            strOut = arrValues[i];
            return 1;
        }
    }
    return 0;
}

// The lists below are split in one pass: cutting the front off the rest for every element made
// reading a long list quadratic.
void CCappObj::GetSubFileInfo(const CString& strText, CString& strFirst, CStringArray& arrRest)
{
    CStringArray arrItems;
    arrItems.Split(strText, '\n', FALSE);
    for (int i = 0; i < arrItems.GetSize(); ++i) {
        if (i == 0) {
            strFirst = arrItems[i];
        } else {
            arrRest.Add(arrItems[i]);
        }
    }
}

void CCappObj::LoadStringToArray(const CString& strText, CStringArray& arr)
{
    arr.Split(strText, '|', FALSE);
}

void CCappObj::LoadStringToArray(const CString& strText, CUIntArray& arr)
{
    arr.RemoveAll();
    CStringArray arrItems;
    arrItems.Split(strText, '|', FALSE);
    for (int i = 0; i < arrItems.GetSize(); ++i) {
        arr.Add(static_cast<UINT>(atoi(arrItems[i])));
    }
}

CString CCappObj::ReadArrayToString(const CStringArray& arr)
{
    CString strText;
    for (int i = 0; i < arr.GetSize(); ++i) {
        strText += arr[i];
        strText += "|";
    }
    return strText;
}

CString CCappObj::ReadArrayToString(const CUIntArray& arr)
{
    CString strText;
    for (int i = 0; i < arr.GetSize(); ++i) {
        strText.AppendFormat("%u|", arr[i]);
    }
    return strText;
}

int CCappObj::StringRead(CString& strSrc, CString& strPiece, int nCount)
{
    if (nCount <= 0) {
        strPiece.Empty();
        return 0;
    }
    strPiece = strSrc.Left(nCount);
    strSrc = strSrc.Mid(strPiece.GetLength());
    return strPiece.GetLength();
}

int CCappObj::GetElementItem(CString& strSrc, CString& strItem, const CString& strDelimiter)
{
    if (strSrc.IsEmpty()) {
        return 0;
    }
    const int nAt = strDelimiter.IsEmpty() ? -1 : strSrc.Find(strDelimiter);
    if (nAt < 0) {
        strItem = strSrc;
        strSrc.Empty();
    } else {
        strItem = strSrc.Left(nAt);
        strSrc = strSrc.Mid(nAt + strDelimiter.GetLength());
    }
    return 1;
}

CString CCappObj::GetFileName(const CString& strPath)
{
    return CCardCommFun::GetFileName(strPath);
}

CString CCappObj::GetFileName_NoExt(const CString& strPath)
{
    const CString strName = GetFileName(strPath);
    const int nDot = CCardCommFun::FindChar(strName, '.');
    return nDot > 0 ? strName.Left(nDot) : strName;
}

BOOL CCappObj::ExistDir(const CString& strPattern)
{
    return CCardCommFun::ExistDir(strPattern);
}

BOOL CCappObj::FindDir(const CString& strPattern) const
{
    WIN32_FIND_DATAA fd = {};
    CFxFindHandle find;
    BOOL bMore = find.FindFirst(strPattern, fd);
    while (bMore) {
        if ((fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && m_strWorkName.CompareNoCase(fd.cFileName) == 0) {
            return TRUE;
        }
        bMore = find.FindNext(fd);
    }
    return FALSE;
}

BOOL CCappObj::DeleteDirectory(const CString& strDir)
{
    // "X:" and "X:name" resolve against the drive's current folder: never a target to delete.
    if (strDir.IsEmpty() ||
        (strDir.GetLength() >= 2 && strDir[1] == ':' && (strDir.GetLength() == 2 || strDir[2] != '\\'))) {
        return FALSE;
    }
    const CString strFull = FullPath(strDir);
    if (strFull.IsEmpty() || PathIsRootA(strFull) || strFull.GetLength() <= 3) {
        return FALSE;
    }
    WIN32_FIND_DATAA fd = {};
    CFxFindHandle find;
    BOOL bMore = find.FindFirst(strFull + "\\*", fd);
    while (bMore) {
        const CString strName(fd.cFileName);
        if (strName != "." && strName != "..") {
            const CString strChild = strFull + "\\" + strName;
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
                // A junction or link: remove the link itself, never what it points to.
                if (!RemoveDirectoryA(strChild)) {
                    DeleteFileA(strChild);
                }
            } else if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                DeleteDirectory(strChild);
            } else {
                if (fd.dwFileAttributes & FILE_ATTRIBUTE_READONLY) {
                    SetFileAttributesA(strChild, FILE_ATTRIBUTE_NORMAL);
                }
                DeleteFileA(strChild);
            }
        }
        bMore = find.FindNext(fd);
    }
    find.Close();
    return RemoveDirectoryA(strFull);
}

int CCappObj::CreateWorkDir(const CString& strBaseDir, const CString& strPath)
{
    CString strName;
    if (strPath.IsEmpty() || strPath == "New") {
        strName = kNewCardName;
        m_bNewFile = 1;
    } else {
        strName = GetFileName_NoExt(strPath);
        m_bNewFile = 0;
    }
    if (!IsSafeWorkName(strName)) {
        strName = kNewCardName;
    }
    m_strBaseDir = strBaseDir;
    m_strWorkName.Empty();
    const DWORD dwAttr = GetFileAttributesA(strBaseDir);
    if (strBaseDir.IsEmpty() || dwAttr == INVALID_FILE_ATTRIBUTES || !(dwAttr & FILE_ATTRIBUTE_DIRECTORY)) {
        return 0;
    }
    CString strUnique = strName;
    for (int n = 1; PathExists(strBaseDir + "\\" + strUnique); ++n) {
        if (n > 9999) {
            return 0;
        }
        strUnique.Format("%s%d", strName.GetString(), n);
    }
    if (!CreateDirectoryA(strBaseDir + "\\" + strUnique, nullptr)) {
        return 0;
    }
    m_strWorkName = strUnique;
    return 1;
}

void CCappObj::DetachData()
{
    if (!m_bKeepWorkDir && IsSafeWorkName(m_strWorkName) && !m_strBaseDir.IsEmpty()) {
        DeleteDirectory(GetCpoWorkDir());
    }
    m_arrExtracted.RemoveAll();
    if (m_bDelFileOnExit && !m_strFileName.IsEmpty() && m_strFileName != "NEW") {
        DeleteFileA(m_strFileName);
    }
}

void CCappObj::Resert()
{
    m_strFileName.Empty();
    m_bHaveCardDef = 0;
    m_bDelFileOnExit = 0;
    m_bNewFile = 1;
    m_CardObj.DetachList(CString());
    m_CardObj.m_nCurPage = 0;
    m_CardObj.m_strCcdFile.Empty();
    m_CardObj.m_strCardTag.Empty();
    m_CardObj.m_strReserved.Empty();
    CCappCardData& data = m_CardObj.m_CardData;
    data.m_strMasterName.Empty();
    data.m_strPageSetType.Empty();
    data.m_strReserved.Empty();
    data.m_nPageCount = 0;
    data.m_nReserved1 = 0;
    data.m_nReserved2 = 0;
    data.m_nReserved3 = 0;
    data.DetachList(CString());
    for (const char* pszList : {"m_listCardVar", "m_listVarData"}) {
        data.m_HFData.DetachList(pszList);
    }
    for (const char* pszList : {"m_listCardVar", "m_listRowData", "m_listDeledRowData"}) {
        data.m_PgData.DetachList(pszList);
    }
}

int CCappObj::DeCompound(const CString& strBaseDir, const CString& strPath, int nParts)
{
    DetachData();
    m_CardObj.m_CardData.DetachList(CString());
    m_CardObj.DetachList(CString());
    if (!CreateWorkDir(strBaseDir, strPath)) {
        return 0;
    }
    if (!ReadAllData(strPath, nParts)) {
        // Nothing of a file we could not read stays behind, and its path is not ours.
        DeleteDirectory(GetCpoWorkDir());
        m_strWorkName.Empty();
        m_bNewFile = 1;
        return 0;
    }
    m_strFileName = strPath;
    return 1;
}

int CCappObj::CopyCardData(const CString& strPath)
{
    if (strPath.IsEmpty() || !PathExists(strPath)) {
        return 0;
    }
    if (!m_bKeepWorkDir && IsSafeWorkName(m_strWorkName)) {
        DeleteDirectory(GetCpoWorkDir());
    }
    const CString strOwnFile = m_strFileName;
    const int bOwnNew = m_bNewFile;
    int nResult = 0;
    if (CreateWorkDir(m_strBaseDir, strPath)) {
        nResult = ReadAllData(strPath, partStrings | partFiles) ? 1 : 0;
    }
    m_strFileName = strOwnFile;
    m_bNewFile = bOwnNew;
    return nResult;
}

BOOL CCappObj::ReadAllData(const CString& strPath, int nParts)
{
    if (m_strFileName == "NEW" || !PathExists(strPath)) {
        return TRUE;
    }
    CFxSafeSave::RemoveStaleTemps(strPath);
    CString strProblem;
    // Structured storage trusts the header and the chains: a damaged one can loop or exhaust
    // memory before any check of ours could run.
    if (!CCappCompoundFileFun::CheckFile(strPath, strProblem)) {
        ReportUnreadable(strPath, strProblem);
        return FALSE;
    }
    const std::wstring wstrPath = ToWidePath(strPath);
    CFxComPtr<IStorage> pStg;
    HRESULT hr =
        StgOpenStorage(wstrPath.c_str(), nullptr, STGM_READ | STGM_SHARE_DENY_WRITE, nullptr, 0, pStg.Receive());
    if (FAILED(hr)) {
        strProblem.Format("%s (0x%08lX)", StgErrorName(hr).GetString(), static_cast<unsigned long>(hr));
        ReportUnreadable(strPath, strProblem);
        return FALSE;
    }
    CFxComPtr<IEnumSTATSTG> pEnum;
    hr = pStg->EnumElements(0, nullptr, 0, pEnum.Receive());
    if (FAILED(hr)) {
        strProblem.Format("%s (0x%08lX)", StgErrorName(hr).GetString(), static_cast<unsigned long>(hr));
        ReportUnreadable(strPath, strProblem);
        return FALSE;
    }
    // The check above found no loop; this bound holds even if the storage disagrees.
    WIN32_FILE_ATTRIBUTE_DATA attr = {};
    GetFileAttributesExA(strPath, GetFileExInfoStandard, &attr);
    const ULONGLONG nMaxElements =
        ((static_cast<ULONGLONG>(attr.nFileSizeHigh) << 32) | attr.nFileSizeLow) / kDirEntrySize + 1;
    // Strings are applied only once the whole file was read.
    std::vector<std::pair<CString, CString>> strings;
    const CString strDir = GetCpoWorkDir();
    ULONGLONG nElements = 0;
    while (strProblem.IsEmpty()) {
        STATSTG stat = {};
        ULONG nGot = 0;
        hr = pEnum->Next(1, &stat, &nGot);
        if (FAILED(hr)) {
            strProblem.Format("%s (0x%08lX)", StgErrorName(hr).GetString(), static_cast<unsigned long>(hr));
            break;
        }
        if (hr != S_OK || nGot != 1) {
            break;
        }
        // The enumerator's name is ours to free, whatever happens to the element.
        CFxCoTaskMem<WCHAR> name(stat.pwcsName);
        std::wstring wstrName = name.IsValid() ? static_cast<LPWSTR>(name) : L"";
        if (++nElements > nMaxElements) {
            strProblem = "目录项多于文件所能容纳的数目";
            break;
        }
        if (stat.type != STGTY_STREAM) {
            continue;
        }
        CString strName;
        if (!ToFileName(wstrName.c_str(), strName)) {
            strProblem.Format("流名“%s”不能用作文件名", ShownName(wstrName).GetString());
            break;
        }
        const BOOL bString = strName.GetLength() > 10 && strName.Left(10) == kStringPrefix;
        if (bString ? !(nParts & partStrings) : !(nParts & partFiles)) {
            continue;
        }
        CFxComPtr<IStream> pStream;
        hr = pStg->OpenStream(wstrName.c_str(), nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, pStream.Receive());
        if (FAILED(hr)) {
            strProblem.Format("无法打开流“%s”：%s", strName.GetString(), StgErrorName(hr).GetString());
            break;
        }
        const ULONGLONG nSize = stat.cbSize.QuadPart;
        if (bString) {
            std::vector<char> text;
            if (!ReadStream(pStream, nSize, kMaxStringStream, [&](const BYTE* p, ULONG n) {
                    text.insert(text.end(), p, p + n);
                    return TRUE;
                })) {
                strProblem.Format("流“%s”读不完整或过长", strName.GetString());
                break;
            }
            strings.emplace_back(strName,
                                 text.empty() ? CString() : CString(text.data(), static_cast<int>(text.size())));
            continue;
        }
        const CString strFile = strDir + "\\" + strName;
        CFxHandle file(CreateFileA(strFile, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.IsValid()) {
            strProblem.Format("无法写入文件 '%s'（错误 %lu）", strFile.GetString(),
                              static_cast<unsigned long>(GetLastError()));
            break;
        }
        m_arrExtracted.Add(strFile);
        if (!ReadStream(pStream, nSize, ~0ull, [&](const BYTE* p, ULONG n) {
                DWORD nWritten = 0;
                return WriteFile(file, p, n, &nWritten, nullptr) && nWritten == n;
            })) {
            strProblem.Format("流“%s”读不完整，或无法写入 '%s'", strName.GetString(), strFile.GetString());
            break;
        }
    }
    if (!strProblem.IsEmpty()) {
        for (int i = 0; i < m_arrExtracted.GetSize(); ++i) {
            DeleteFileA(m_arrExtracted[i]);
        }
        m_arrExtracted.RemoveAll();
        ReportUnreadable(strPath, strProblem);
        return FALSE;
    }
    for (const auto& item : strings) {
        const CString& strName = item.first;
        const CString& strValue = item.second;
        if (strName == "__STRING__VER") {
            m_strVersion = strValue;
        } else if (strName == "__STRING__COMPANY") {
            m_strCompany = strValue;
        } else if (strName == "__STRING__CREATER") {
            m_strCreater = strValue;
        } else if (strName == "__STRING__HAVECARDDEF") {
            m_bHaveCardDef = atoi(strValue);
        } else if (strName == "__STRING__NEWCODEID") {
            m_nNewCodeID = atoi(strValue);
        } else if (strName == "__STRING__MASTERCARD") {
            m_strMastCard = strValue;
        } else if (strName == "__STRING__OTHERFILE") {
            LoadStringToArray(strValue, m_arrOtherFile);
        } else if (strName == "__STRING__CARDCODEINFO") {
            StringToCardCodeInfo(strValue);
        }
    }
    return TRUE;
}

BOOL CCappObj::IsPackable(const CString& strPath) const
{
    const CString strFull = FullPath(strPath);
    if (strFull.IsEmpty()) {
        return FALSE;
    }
    const CString strDir = GetCpoWorkDir();
    if (!strDir.IsEmpty()) {
        const CString strPrefix = FullPath(strDir) + "\\";
        if (strFull.GetLength() > strPrefix.GetLength() &&
            strFull.Left(strPrefix.GetLength()).CompareNoCase(strPrefix) == 0 &&
            strFull.Mid(strPrefix.GetLength()).Find('\\') < 0) {
            return TRUE;
        }
    }
    for (int i = 0; i < m_arrSessionFiles.GetSize(); ++i) {
        if (m_arrSessionFiles[i].CompareNoCase(strFull) == 0) {
            return TRUE;
        }
    }
    return FALSE;
}

int CCappObj::CreateStgFile(const CString& strPath)
{
    if (strPath.IsEmpty()) {
        return 0;
    }
    std::vector<PackEntry> entries;
    auto fnText = [&](const char* pszName, const CString& strText) {
        PackEntry entry{pszName, {}, {}, strText, FALSE, 0};
        entries.push_back(entry);
    };
    CString strNumber;
    fnText("__STRING__VER", kVersion);
    fnText("__STRING__COMPANY", m_strCompany);
    fnText("__STRING__CREATER", m_strCreater);
    strNumber.Format("%d", m_nNewCodeID);
    fnText("__STRING__NEWCODEID", strNumber);
    strNumber.Format("%d", m_bHaveCardDef);
    fnText("__STRING__HAVECARDDEF", strNumber);
    fnText("__STRING__MASTERCARD", m_strMastCard);
    fnText("__STRING__OTHERFILE", ReadArrayToString(m_arrOtherFile));
    fnText("__STRING__CARDCODEINFO", m_CardCode.SaveToString());

    m_bHaveCardDef = 1;
    const CString strDir = GetCpoWorkDir();
    CStringArray arrPacked;
    auto fnPacked = [&](const CString& strFile) {
        for (int i = 0; i < arrPacked.GetSize(); ++i) {
            if (arrPacked[i].CompareNoCase(strFile) == 0) {
                return TRUE;
            }
        }
        return FALSE;
    };
    auto fnFile = [&](const CString& strFile, CString strStream, BOOL bSkipPacked) {
        if (bSkipPacked && fnPacked(strFile)) {
            return;
        }
        if (strStream.IsEmpty()) {
            strStream = GetFileName(strFile);
        }
        PackEntry entry{strStream, {}, strFile, {}, TRUE, 0};
        entries.push_back(entry);
        arrPacked.Add(strFile);
    };
    CStringArray arrDefs;
    GetAllCardDefName(arrDefs);
    for (int i = 0; i < arrDefs.GetSize(); ++i) {
        fnFile(GetCardDefFileName(arrDefs[i]), CString(), TRUE);
    }
    fnFile(strDir + "\\" + GetMastCardCode() + ".ccd", CString(), FALSE);
    for (int i = 0; i < m_CardCode.m_arrCardName.GetSize(); ++i) {
        fnFile(GetCardDefFileName(m_CardCode.m_arrCardName[i]), CString(), TRUE);
    }
    for (int i = 0; i < m_CardCode.m_arrSubFileName.GetSize(); ++i) {
        const CString& strName = m_CardCode.m_arrSubFileName[i];
        fnFile(strName.Find('\\') >= 0 ? strName : strDir + "\\" + strName, m_CardCode.GetSubFileData(i), FALSE);
    }
    for (int i = 0; i < m_arrOtherFile.GetSize(); ++i) {
        fnFile(strDir + "\\" + m_arrOtherFile[i], CString(), TRUE);
    }

    // Every name must be a stream name and every file ours; one stream name for two different
    // files would silently keep only the last.
    for (size_t i = 0; i < entries.size(); ++i) {
        PackEntry& entry = entries[i];
        if (!ToStreamName(entry.strName, entry.wstrName)) {
            return 0;
        }
        if (entry.bFile &&
            (!CCappFileNameFun::IsPlainFileName(GetFileName(entry.strPath)) || !IsPackable(entry.strPath))) {
            return 0;
        }
        for (size_t j = 0; j < i; ++j) {
            if (_wcsicmp(entries[j].wstrName.c_str(), entry.wstrName.c_str()) == 0 &&
                (!entry.bFile || !entries[j].bFile ||
                 FullPath(entries[j].strPath).CompareNoCase(FullPath(entry.strPath)))) {
                return 0;
            }
        }
    }
    // A file packed twice under one name is written once.
    std::vector<PackEntry> unique;
    for (const PackEntry& entry : entries) {
        BOOL bSeen = FALSE;
        for (const PackEntry& seen : unique) {
            bSeen = bSeen || _wcsicmp(seen.wstrName.c_str(), entry.wstrName.c_str()) == 0;
        }
        if (!bSeen) {
            unique.push_back(entry);
        }
    }

    if (!CFxSafeSave::Save(strPath, [&](const CString& strTemp) { return WritePack(strTemp, unique); })) {
        return 0;
    }
    m_nState = 1;
    return 1;
}

int CCappObj::SaveData()
{
    if (m_bNewFile) {
        return 0;
    }
    return CreateStgFile(m_strFileName);
}

int CCappObj::SaveDataAs(const CString& strPath, int bHaveCardDef, int bKeep)
{
    if (strPath.IsEmpty()) {
        return 0;
    }
    const CString strOldFile = m_strFileName;
    const int bOldNew = m_bNewFile;
    const int bOldHaveCardDef = m_bHaveCardDef;
    m_bHaveCardDef = bHaveCardDef;
    m_strFileName = strPath;
    m_bNewFile = 0;
    const int nResult = SaveData();
    if (!bKeep) {
        m_strFileName = strOldFile;
        m_bNewFile = bOldNew;
        m_bHaveCardDef = bOldHaveCardDef;
    }
    return nResult;
}
