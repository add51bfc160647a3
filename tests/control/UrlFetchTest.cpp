// Reading from addresses on the net, against a server on the loopback address.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "control/UrlFetch.h"
#include "control/UrlFetchScope.h"
#include "platform/base/FxFindHandle.h"
#include "platform/base/FxHandle.h"
#include "support/LoopbackHttpServer.h"
#include "support/TempFolder.h"

namespace
{
// Bytes that show a lost or shifted chunk: every position has its own pattern.
std::vector<BYTE> PatternBytes(size_t cb)
{
    std::vector<BYTE> bytes(cb);
    for (size_t i = 0; i < cb; ++i) {
        bytes[i] = static_cast<BYTE>((i * 131 + i / 251) & 0xFF);
    }
    return bytes;
}

void WriteBytes(const CString& strPath, const std::vector<BYTE>& bytes)
{
    CFxHandle h(CreateFileA(strPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_NE(INVALID_HANDLE_VALUE, h);
    DWORD cb = 0;
    if (!bytes.empty()) {
        WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &cb, nullptr);
    }
}

std::vector<BYTE> ReadBytes(const CString& strPath)
{
    std::vector<BYTE> bytes;
    CFxHandle h(
        CreateFileA(strPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (h == INVALID_HANDLE_VALUE) {
        return bytes;
    }
    bytes.resize(GetFileSize(h, nullptr));
    DWORD cb = 0;
    if (!bytes.empty()) {
        ReadFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &cb, nullptr);
    }
    return bytes;
}

int CountTempDownloads()
{
    char szTemp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, szTemp);
    WIN32_FIND_DATAA fd;
    CFxFindHandle find;
    if (!find.FindFirst(CString(szTemp) + "TEMPZND-*", fd)) {
        return 0;
    }
    int n = 1;
    while (find.FindNext(fd)) {
        ++n;
    }
    return n;
}

std::vector<BYTE> ToVector(const CByteArray& arr)
{
    return std::vector<BYTE>(arr.GetData(), arr.GetData() + arr.GetSize());
}
} // namespace

TEST(UrlFetchTest, AddressesAreRecognisedByTheirScheme)
{
    const struct
    {
        const char* pszPath;
        BOOL bUrl;
    } cases[] = {
        {"http://host/a.znt", TRUE}, {"HTTPS://host/a.znd", TRUE}, {"ftp://host/x", TRUE},
        {"Ftp://host/x", TRUE},      {"c:\\cards\\a.znt", FALSE},  {"://a.znt", FALSE},
        {"file://c:/a.znt", FALSE},  {"http:/host", FALSE},        {"", FALSE},
        {"a http://host", FALSE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszPath);
        EXPECT_EQ(c.bUrl, IsUrlPath(c.pszPath));
    }
    EXPECT_FALSE(IsUrlPath(nullptr));
}

TEST(UrlFetchTest, WholeBodiesArriveWithAndWithoutALength)
{
    CTestTempFolder folder;
    const struct
    {
        const char* pszFile;
        size_t cb;
    } files[] = {{"empty.znt", 0}, {"small.znt", 100}, {"chunk.znt", 512}, {"big.znd", 300 * 1024 + 7}};
    for (const auto& f : files) {
        WriteBytes(folder.PathOf(f.pszFile), PatternBytes(f.cb));
    }
    CLoopbackHttpServer server;
    ASSERT_TRUE(server.Start(folder.GetPath()));
    for (BOOL bLength : {TRUE, FALSE}) {
        server.SetSendLength(bLength);
        for (const auto& f : files) {
            SCOPED_TRACE(testing::Message() << f.pszFile << (bLength ? " with length" : " until close"));
            CByteArray arr;
            CString strError;
            EXPECT_TRUE(FetchUrlBytes(server.UrlOf(f.pszFile), arr, strError)) << strError.GetString();
            EXPECT_TRUE(ToVector(arr) == PatternBytes(f.cb)) << arr.GetSize();

            CString strTemp;
            ASSERT_TRUE(FetchUrlToTempFile(server.UrlOf(f.pszFile), ".znd", strTemp, strError)) << strError.GetString();
            EXPECT_TRUE(ToVector(arr) == ReadBytes(strTemp));
            EXPECT_NE(nullptr, strstr(strTemp, "\\TEMPZND-")) << strTemp.GetString();
            EXPECT_STREQ(".znd", strTemp.Right(4));
            EXPECT_TRUE(DeleteFileA(strTemp));
        }
    }
}

TEST(UrlFetchTest, DownloadsInTheSameMinuteGetTheirOwnFiles)
{
    CTestTempFolder folder;
    WriteBytes(folder.PathOf("a.znd"), PatternBytes(1000));
    CLoopbackHttpServer server;
    ASSERT_TRUE(server.Start(folder.GetPath()));
    std::set<CString> paths;
    for (int i = 0; i < 3; ++i) {
        CString strTemp;
        CString strError;
        ASSERT_TRUE(FetchUrlToTempFile(server.UrlOf("a.znd"), "znd", strTemp, strError)) << strError.GetString();
        EXPECT_STREQ(".znd", strTemp.Right(4));
        paths.insert(strTemp);
    }
    EXPECT_EQ(3u, paths.size());
    for (const CString& strPath : paths) {
        EXPECT_TRUE(ReadBytes(strPath) == PatternBytes(1000));
        EXPECT_TRUE(DeleteFileA(strPath));
    }
}

TEST(UrlFetchTest, FailuresLeaveNothingBehind)
{
    CTestTempFolder folder;
    CLoopbackHttpServer server;
    ASSERT_TRUE(server.Start(folder.GetPath()));
    const int nPort = server.GetPort();
    server.Stop();
    CLoopbackHttpServer live;
    ASSERT_TRUE(live.Start(folder.GetPath()));
    CString strClosed;
    strClosed.Format("http://127.0.0.1:%d/a.znd", nPort);
    const struct
    {
        const char* pszName;
        CString strUrl;
    } cases[] = {
        {"404", live.UrlOf("missing.znd")},
        {"outside the folder", live.UrlOf("../a.znd")},
        {"nobody listening", strClosed},
        {"not an address", "c:\\cards\\a.znd"},
    };
    const int nTempsBefore = CountTempDownloads();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        CByteArray arr;
        arr.Add(1);
        CString strError;
        EXPECT_FALSE(FetchUrlBytes(c.strUrl, arr, strError));
        EXPECT_EQ(0, arr.GetSize());
        EXPECT_FALSE(strError.IsEmpty());

        CString strTemp = "left";
        strError.Empty();
        EXPECT_FALSE(FetchUrlToTempFile(c.strUrl, ".znd", strTemp, strError));
        EXPECT_TRUE(strTemp.IsEmpty());
        EXPECT_FALSE(strError.IsEmpty());
    }
    // No error page was saved as a card.
    EXPECT_EQ(nTempsBefore, CountTempDownloads());
}

// A server that stalls, floods, loops or stops early gets a failure in bounded time, and no
// temporary file is left.
TEST(UrlFetchTest, MisbehavingServersFailInBoundedTime)
{
    CTestTempFolder folder;
    WriteBytes(folder.PathOf("a.znd"), PatternBytes(3000));
    CUrlFetchLimits limits;
    limits.cbMaxBody = 1024 * 1024;
    limits.dwTimeoutMs = 1500;
    limits.dwTotalMs = 5000;
    CUrlFetchScope scope(limits);
    const struct
    {
        const char* pszName;
        const char* pszPath;
        long nMaxRequests;
        BOOL bMayLoad; // WinINet cuts a long header line short and reads on
    } cases[] = {
        {"stalled server", "stall", 1, FALSE},
        {"10 MB header line", "long-header", 1, TRUE},
        {"redirect loop", "loop", CUrlFetchLimits::kDefaultMaxRedirects + 1, FALSE},
        {"4 GB announced", "huge", 1, FALSE},
        {"endless body without a length", "huge-unsized", 1, FALSE},
        {"body shorter than its length", "short/a.znd", 1, FALSE},
    };
    const int nTempsBefore = CountTempDownloads();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        for (BOOL bToFile : {FALSE, TRUE}) {
            SCOPED_TRACE(bToFile ? "to a file" : "to memory");
            // A server of its own: what one case leaves the server doing must not slow the next.
            CLoopbackHttpServer server;
            ASSERT_TRUE(server.Start(folder.GetPath()));
            const long nRequests = server.GetRequestCount();
            const DWORD dwStart = GetTickCount();
            CString strError;
            BOOL bOk = FALSE;
            if (bToFile) {
                CString strTemp;
                bOk = FetchUrlToTempFile(server.UrlOf(c.pszPath), ".znd", strTemp, strError);
                EXPECT_EQ(bOk, !strTemp.IsEmpty());
                if (bOk) {
                    DeleteFileA(strTemp);
                }
            } else {
                CByteArray arr;
                bOk = FetchUrlBytes(server.UrlOf(c.pszPath), arr, strError);
                EXPECT_EQ(bOk ? 2 : 0, arr.GetSize());
            }
            const DWORD dwElapsed = GetTickCount() - dwStart;
            if (!c.bMayLoad) {
                EXPECT_FALSE(bOk);
                EXPECT_FALSE(strError.IsEmpty());
            }
            EXPECT_LT(dwElapsed, 8000u) << strError.GetString();
            EXPECT_LE(server.GetRequestCount() - nRequests, c.nMaxRequests);
            EXPECT_EQ(nTempsBefore, CountTempDownloads());
        }
    }
}

TEST(UrlFetchTest, AFewRedirectsAndTheHostsSizeLimit)
{
    CTestTempFolder folder;
    WriteBytes(folder.PathOf("a.znd"), PatternBytes(3000));
    CLoopbackHttpServer server;
    ASSERT_TRUE(server.Start(folder.GetPath()));
    const struct
    {
        const char* pszName;
        const char* pszPath;
        DWORD cbMaxBody;
        BOOL bOk;
    } cases[] = {
        {"one redirect", "redirect/1/a.znd", CUrlFetchLimits::kDefaultMaxBody, TRUE},
        {"as many redirects as allowed", "redirect/5/a.znd", CUrlFetchLimits::kDefaultMaxBody, TRUE},
        {"one redirect too many", "redirect/6/a.znd", CUrlFetchLimits::kDefaultMaxBody, FALSE},
        {"exactly the limit", "a.znd", 3000, TRUE},
        {"a byte over the limit", "a.znd", 2999, FALSE},
        {"over the limit, sent without a length", "a.znd", 2999, FALSE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        server.SetSendLength(strstr(c.pszName, "without") == nullptr);
        CUrlFetchLimits limits;
        limits.cbMaxBody = c.cbMaxBody;
        CUrlFetchScope scope(limits);
        CByteArray arr;
        CString strError;
        EXPECT_EQ(c.bOk, FetchUrlBytes(server.UrlOf(c.pszPath), arr, strError)) << strError.GetString();
        if (c.bOk) {
            EXPECT_TRUE(ToVector(arr) == PatternBytes(3000));
        }
    }
}
