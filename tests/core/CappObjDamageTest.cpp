// Damaged card files (compound files) through the card file reader: crafted damage to the header,
// the sector chains and the directory tree, every prefix and byte flips. Each input is read under
// a time limit; a file is either read whole or refused with one message, and nothing is left.
#include <gtest/gtest.h>

#include <objbase.h>
#include <psapi.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "core/CappCompoundFileFun.h"
#include "core/CappObj.h"
#include "platform/base/Firewall.h"
#include "platform/base/FxComPtr.h"
#include "platform/base/FxHandle.h"
#include "tests/support/ProcAddress.h"
#include "tests/support/TempFolder.h"
#include "tests/support/UiDriver.h"
#include "tests/support/TestFiles.h"

namespace
{
const DWORD kEnd = 0xFFFFFFFE;
const DWORD kNone = 0xFFFFFFFF;
const DWORD kTimeLimitMs = 10000;

BOOL Exists(const CString& strPath)
{
    return GetFileAttributesA(strPath) != INVALID_FILE_ATTRIBUTES;
}

// One read of a card file on a worker thread, with everything the worker touches in here: a
// worker that overruns the time limit is left running, and its job is never freed.
struct ReadJob
{
    CString strBase;
    CString strFile;
    int nResult = -1;
    size_t nBoxes = 0;
    CString strBox;
    CString strWork;
};

DWORD WINAPI ReadJobProc(LPVOID pParam)
{
    auto* pJob = static_cast<ReadJob*>(pParam);
    return FxCallbackEntry("ReadJobProc", 1, [&]() -> DWORD {
        CTestUi ui;
        CCappObj obj;
        pJob->nResult = obj.DeCompound(pJob->strBase, pJob->strFile, CCappObj::partStrings | CCappObj::partFiles);
        pJob->nBoxes = ui.GetBoxes().size();
        if (!ui.GetBoxes().empty()) {
            pJob->strBox = ui.GetBoxes().back().strText;
        }
        pJob->strWork = obj.GetCpoWorkDir();
        return 0;
    });
}

// FALSE when the job did not finish within the limit; the job is then the worker's for good.
BOOL RunWithTimeLimit(ReadJob* pJob, DWORD nMilliseconds)
{
    CFxHandle thread(CreateThread(nullptr, 0, &ReadJobProc, pJob, 0, nullptr));
    if (!thread.IsValid()) {
        return FALSE;
    }
    const BOOL bDone = WaitForSingleObject(thread, nMilliseconds) == WAIT_OBJECT_0;
    return bDone;
}

// The private bytes the process has ever used at once.
ULONGLONG PeakPrivateBytes()
{
    typedef BOOL(WINAPI * GetInfo)(HANDLE, PROCESS_MEMORY_COUNTERS*, DWORD);
    static const GetInfo pfnInfo =
        TestProcAddress<GetInfo>(GetModuleHandleA("kernel32.dll"), "K32GetProcessMemoryInfo");
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof(counters);
    if (pfnInfo == nullptr || !pfnInfo(GetCurrentProcess(), &counters, sizeof(counters))) {
        return 0;
    }
    return counters.PeakPagefileUsage;
}

// A card file of about 17 KB made through structured storage: string streams and small files in
// the mini stream, one file in sectors of its own.
std::string MakeCardFile(const CString& strPath, ULONG nSectorSize = 512)
{
    std::map<std::wstring, std::string> streams;
    streams[L"__STRING__VER"] = "4.2";
    streams[L"__STRING__MASTERCARD"] = "\xBB\xFA\xBC\xD3"; // GBK text
    streams[L"__STRING__OTHERFILE"] = "a.txt|";
    streams[L"MAST.ccd"] = std::string(1500, 'c');
    streams[L"a.txt"] = std::string();
    std::string big;
    for (int i = 0; i < 12000; ++i) {
        big += static_cast<char>((i * 7) & 0xFF);
    }
    streams[L"\x96F6\x4EF6.dwg"] = big;
    WCHAR wszPath[MAX_PATH] = {};
    MultiByteToWideChar(CP_ACP, 0, strPath, -1, wszPath, MAX_PATH);
    CFxComPtr<IStorage> pStg;
    STGOPTIONS options = {};
    options.usVersion = 1;
    options.ulSectorSize = nSectorSize;
    EXPECT_TRUE(SUCCEEDED(StgCreateStorageEx(wszPath, STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE,
                                             STGFMT_DOCFILE, 0, &options, nullptr, IID_IStorage, pStg.ReceiveVoid())));
    for (const auto& stream : streams) {
        CFxComPtr<IStream> pStream;
        EXPECT_TRUE(SUCCEEDED(pStg->CreateStream(
            stream.first.c_str(), STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, 0, pStream.Receive())));
        ULONG nWritten = 0;
        pStream->Write(stream.second.data(), static_cast<ULONG>(stream.second.size()), &nWritten);
    }
    pStg.Close();
    return TestReadBytes(strPath);
}

// Just enough of the compound file layout to aim damage at its parts.
struct CfbBytes
{
    std::string bytes;
    size_t nSector = 512;

    DWORD Get(size_t nAt) const
    {
        DWORD n = 0;
        for (int i = 3; i >= 0; --i) {
            n = (n << 8) | static_cast<BYTE>(bytes[nAt + static_cast<size_t>(i)]);
        }
        return n;
    }
    void Set(size_t nAt, DWORD n)
    {
        for (int i = 0; i < 4; ++i) {
            bytes[nAt + static_cast<size_t>(i)] = static_cast<char>((n >> (8 * i)) & 0xFF);
        }
    }
    size_t SectorAt(DWORD nSect) const { return (static_cast<size_t>(nSect) + 1) * nSector; }
    size_t FatAt(DWORD nSect) const
    {
        const size_t nPerSector = nSector / 4;
        return SectorAt(Get(0x4C + 4 * (nSect / nPerSector))) + 4 * (nSect % nPerSector);
    }
    size_t MiniFatAt(DWORD nSect) const { return SectorAt(Get(0x3C)) + 4 * nSect; }
    size_t EntryAt(DWORD nEntry) const
    {
        const size_t nPerSector = nSector / 128;
        DWORD nSect = Get(0x30);
        for (DWORD i = 0; i < nEntry / nPerSector; ++i) {
            nSect = Get(FatAt(nSect));
        }
        return SectorAt(nSect) + 128 * (nEntry % nPerSector);
    }
    DWORD FindEntry(const std::wstring& wstrName) const
    {
        for (DWORD n = 0; n < 64; ++n) {
            const size_t nAt = EntryAt(n);
            const std::wstring wstrEntry(reinterpret_cast<const wchar_t*>(bytes.data() + nAt));
            if (wstrEntry == wstrName) {
                return n;
            }
        }
        ADD_FAILURE() << "no such entry";
        return 0;
    }
    // The sectors holding the header, the FAT, the directory and the mini FAT; of 4,096-byte
    // sectors the first 1,024 bytes, which hold every entry a small file uses.
    std::vector<size_t> Structure() const
    {
        const size_t nUsed = nSector < 1024 ? nSector : 1024;
        std::vector<size_t> offsets;
        for (size_t i = 0; i < 512; ++i) {
            offsets.push_back(i);
        }
        std::vector<DWORD> sectors = {Get(0x4C)};
        for (DWORD nSect = Get(0x30); nSect != kEnd; nSect = Get(FatAt(nSect))) {
            sectors.push_back(nSect);
        }
        for (DWORD nSect = Get(0x3C); nSect != kEnd; nSect = Get(FatAt(nSect))) {
            sectors.push_back(nSect);
        }
        for (DWORD nSect : sectors) {
            for (size_t i = 0; i < nUsed; ++i) {
                offsets.push_back(SectorAt(nSect) + i);
            }
        }
        return offsets;
    }
};

// Reads one input as the suite does and tallies what happened.
class CDamageRun
{
public:
    explicit CDamageRun(const CTestTempFolder& folder) : m_folder(folder)
    {
        m_strBase = folder.PathOf("base");
        CreateDirectoryA(m_strBase, nullptr);
    }

    // FALSE when the reader did not finish in time. A read is whole or refused with one box.
    BOOL Read(const std::string& bytes, const char* pszWhat)
    {
        const CString strFile = m_folder.PathOf("damaged.cpo");
        TestWriteBytes(strFile, bytes);
        ++m_nInputs;
        auto* pJob = new ReadJob;
        pJob->strBase = m_strBase;
        pJob->strFile = strFile;
        if (!RunWithTimeLimit(pJob, kTimeLimitMs)) {
            ++m_nHangs;
            ADD_FAILURE() << pszWhat << ": no answer within " << kTimeLimitMs << " ms";
            return FALSE;
        }
        m_strLastBox = pJob->strBox;
        if (pJob->nResult == 0) {
            ++m_nRefused;
            EXPECT_EQ(1u, pJob->nBoxes) << pszWhat;
            EXPECT_STREQ("", pJob->strWork.GetString()) << pszWhat;
        } else {
            ++m_nRead;
        }
        delete pJob;
        EXPECT_FALSE(Exists(m_strBase + "\\damaged")) << pszWhat << ": work folder left behind";
        return TRUE;
    }

    void Report(const char* pszWhat) const
    {
        std::printf("[damage] %s: %d inputs, %d refused, %d read, %d over %lu ms\n", pszWhat, m_nInputs, m_nRefused,
                    m_nRead, m_nHangs, static_cast<unsigned long>(kTimeLimitMs));
    }

    int m_nInputs = 0;
    int m_nRefused = 0;
    int m_nRead = 0;
    int m_nHangs = 0;
    CString m_strLastBox;

private:
    const CTestTempFolder& m_folder;
    CString m_strBase;
};
} // namespace

TEST(CappObjDamageTest, CraftedDamageIsRefusedWithoutHangOrExhaustion)
{
    CTestTempFolder folder;
    CfbBytes good{MakeCardFile(folder.PathOf("good.cpo"))};
    ASSERT_GT(good.bytes.size(), 16u * 1024);
    ASSERT_LT(good.bytes.size(), 20u * 1024);
    const DWORD nBig = good.FindEntry(L"\x96F6\x4EF6.dwg");
    const DWORD nVer = good.FindEntry(L"__STRING__VER");
    const DWORD nBigStart = good.Get(good.EntryAt(nBig) + 0x74);
    const DWORD nRootChild = good.Get(good.EntryAt(0) + 0x4C);

    struct Case
    {
        const char* szName;
        std::function<void(CfbBytes&)> fnDamage;
        const char* szProblem; // what the message must name
    };
    const Case cases[] = {
        {"truncated header", [](CfbBytes& f) { f.bytes.resize(300); }, "不足一个完整的文件头"},
        {"header only", [](CfbBytes& f) { f.bytes.resize(512); }, "容不下文件头之后"},
        {"signature", [](CfbBytes& f) { f.bytes[3] = 'x'; }, "标识不对"},
        {"sector shift 10", [](CfbBytes& f) { f.bytes[0x1E] = 10; }, "扇区位移 10"},
        {"sector shift 0xFFFF", [](CfbBytes& f) { f.bytes[0x1E] = f.bytes[0x1F] = '\xFF'; }, "扇区位移 65535"},
        {"sector shift 12 in a version 3 file", [](CfbBytes& f) { f.bytes[0x1E] = 12; }, "版本 3 与扇区位移 12"},
        {"mini sector shift 31", [](CfbBytes& f) { f.bytes[0x20] = 31; }, "迷你扇区大小"},
        {"FAT sector count 0x7FFFFFFF", [](CfbBytes& f) { f.Set(0x2C, 0x7FFFFFFF); }, "FAT 扇区数 2147483647"},
        {"FAT sector count 0xFFFFFFFF", [](CfbBytes& f) { f.Set(0x2C, 0xFFFFFFFF); }, "FAT 扇区数 4294967295"},
        {"DIFAT sector count 0x00FFFFFF", [](CfbBytes& f) { f.Set(0x48, 0x00FFFFFF), f.Set(0x44, 0); },
         "DIFAT 扇区数 16777215"},
        {"mini FAT sector count 0x7FFFFFFF", [](CfbBytes& f) { f.Set(0x40, 0x7FFFFFFF); },
         "迷你 FAT 扇区数 2147483647"},
        {"FAT sector beyond the file", [](CfbBytes& f) { f.Set(0x4C, 0x00100000); }, "FAT：扇区号 1048576 超出文件"},
        {"directory chain loops", [](CfbBytes& f) { f.Set(f.FatAt(f.Get(0x30)), f.Get(0x30)); }, "目录：扇区"},
        {"directory starts beyond the file", [](CfbBytes& f) { f.Set(0x30, 0x0FFFFFF0); }, "目录：扇区号"},
        {"stream chain loops", [nBigStart](CfbBytes& f) { f.Set(f.FatAt(nBigStart), nBigStart); }, "出现两次"},
        {"stream chain runs into the directory", [nBigStart](CfbBytes& f) { f.Set(f.FatAt(nBigStart), f.Get(0x30)); },
         "出现两次"},
        {"stream chain ends in a free sector", [nBigStart](CfbBytes& f) { f.Set(f.FatAt(nBigStart), kNone); },
         "链没有正常结束"},
        {"mini FAT chain loops", [](CfbBytes& f) { f.Set(f.FatAt(f.Get(0x3C)), f.Get(0x3C)); }, "迷你 FAT：扇区"},
        {"mini stream chain loops",
         [nVer](CfbBytes& f) {
             const DWORD nStart = f.Get(f.EntryAt(nVer) + 0x74);
             f.Set(f.MiniFatAt(nStart), nStart);
         },
         "迷你扇区"},
        {"stream size 0xFFFFFFF0", [nBig](CfbBytes& f) { f.Set(f.EntryAt(nBig) + 0x78, 0xFFFFFFF0); },
         "长 4294967280 字节"},
        {"mini stream size 0x7FFFFFFF", [](CfbBytes& f) { f.Set(f.EntryAt(0) + 0x78, 0x7FFFFFFF); },
         "迷你流长 2147483647 字节"},
        {"sibling link to itself", [nRootChild](CfbBytes& f) { f.Set(f.EntryAt(nRootChild) + 0x44, nRootChild); },
         "目录树有环"},
        {"sibling link back to the root", [nRootChild](CfbBytes& f) { f.Set(f.EntryAt(nRootChild) + 0x48, 0); },
         "目录树有环"},
        {"two entries linking each other",
         [nRootChild, nVer](CfbBytes& f) {
             f.Set(f.EntryAt(nRootChild) + 0x44, nVer);
             f.Set(f.EntryAt(nVer) + 0x48, nRootChild);
             f.Set(f.EntryAt(nVer) + 0x44, nRootChild);
         },
         "目录树有环"},
        {"sibling link beyond the directory", [nRootChild](CfbBytes& f) { f.Set(f.EntryAt(nRootChild) + 0x44, 5000); },
         "不存在的目录项 5000"},
        {"first entry is no root", [](CfbBytes& f) { f.bytes[f.EntryAt(0) + 0x42] = 1; }, "不是根目录"},
        {"name length 0xFFFF",
         [nVer](CfbBytes& f) { f.bytes[f.EntryAt(nVer) + 0x40] = f.bytes[f.EntryAt(nVer) + 0x41] = '\xFF'; },
         "名称长度 65535"},
    };
    CDamageRun run(folder);
    const ULONGLONG nPeakBefore = PeakPrivateBytes();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szName);
        CfbBytes damaged = good;
        c.fnDamage(damaged);
        ASSERT_NE(good.bytes, damaged.bytes);
        if (!run.Read(damaged.bytes, c.szName)) {
            break;
        }
        EXPECT_NE(-1, run.m_strLastBox.Find(c.szProblem)) << run.m_strLastBox.GetString();
    }
    run.Report("crafted");
    EXPECT_EQ(static_cast<int>(std::size(cases)), run.m_nRefused);
    EXPECT_LT(PeakPrivateBytes() - nPeakBefore, 256ull * 1024 * 1024) << "reading damaged files took too much memory";

    // The good file itself reads whole.
    CDamageRun goodRun(folder);
    ASSERT_TRUE(goodRun.Read(good.bytes, "good"));
    EXPECT_EQ(1, goodRun.m_nRead);
}

// Both sector sizes: cards are written with 4,096-byte sectors, older ones have 512.
class CappObjDamageBySector : public ::testing::TestWithParam<ULONG>
{
};

INSTANTIATE_TEST_SUITE_P(SectorSizes, CappObjDamageBySector, ::testing::Values(512ul, 4096ul));

TEST_P(CappObjDamageBySector, EveryPrefixAndByteFlipIsReadWholeOrRefused)
{
    CTestTempFolder folder;
    const CfbBytes good{MakeCardFile(folder.PathOf("good.cpo"), GetParam()), GetParam()};
    ASSERT_EQ(GetParam() == 4096 ? 12 : 9, good.bytes[0x1E]);
    const BYTE* pGood = reinterpret_cast<const BYTE*>(good.bytes.data());
    CString strProblem;
    ASSERT_TRUE(CCappCompoundFileFun::CheckBytes(pGood, good.bytes.size(), strProblem)) << strProblem.GetString();
    const ULONGLONG nPeakBefore = PeakPrivateBytes();

    // Every proper prefix misses a sector the file needs: the check refuses each, and a sample
    // of them goes through the whole reader.
    int nChecked = 0;
    for (size_t n = 0; n < good.bytes.size(); ++n) {
        ++nChecked;
        ASSERT_FALSE(CCappCompoundFileFun::CheckBytes(pGood, n, strProblem)) << "prefix " << n;
        ASSERT_FALSE(strProblem.IsEmpty());
    }
    CDamageRun run(folder);
    for (size_t n = 0; n < good.bytes.size(); n += n < 1024 ? 61 : 509) {
        if (!run.Read(good.bytes.substr(0, n), ("prefix " + std::to_string(n)).c_str())) {
            break;
        }
    }
    EXPECT_EQ(run.m_nInputs, run.m_nRefused);
    std::printf("[damage] prefixes: %d checked, all refused\n", nChecked);
    run.Report("prefixes through the reader");

    // Each byte of the header, FAT, directory and mini FAT complemented, and set to values that
    // make counts and links small, huge or point them home; then random bytes anywhere. Whatever
    // the check lets through reaches structured storage: those go through the whole reader (every
    // kStride-th of them here; bench/ may run them all), and a sample of the refused ones too.
    // Inputs are made one at a time: with larger sectors they would not all fit in memory at once.
    const int kStride = 37;
    CDamageRun flips(folder);
    int nInputs = 0;
    int nAccepted = 0;
    int nRefused = 0;
    BOOL bGoOn = TRUE;
    auto fnTry = [&](const std::string& bytes) {
        if (!bGoOn) {
            return;
        }
        const int nInput = nInputs++;
        const BOOL bAccepted =
            CCappCompoundFileFun::CheckBytes(reinterpret_cast<const BYTE*>(bytes.data()), bytes.size(), strProblem);
        (bAccepted ? nAccepted : nRefused)++;
        if ((bAccepted ? nAccepted : nRefused) % kStride == 0) {
            bGoOn = flips.Read(bytes, ("flip input " + std::to_string(nInput)).c_str());
        }
    };
    const char values[] = {'\x00', '\x01', '\x7F', '\xFF'};
    for (size_t nAt : good.Structure()) {
        std::string bytes = good.bytes;
        bytes[nAt] = static_cast<char>(~bytes[nAt]);
        fnTry(bytes);
        for (char chValue : values) {
            if (nAt % 4 == 0 && good.bytes[nAt] != chValue) {
                bytes[nAt] = chValue;
                fnTry(bytes);
            }
        }
    }
    unsigned int nSeed = 12345;
    auto fnRandom = [&nSeed](size_t nRange) {
        nSeed = nSeed * 1103515245u + 12345u;
        return static_cast<size_t>((nSeed >> 8) % nRange);
    };
    for (int i = 0; i < 5000; ++i) {
        std::string bytes = good.bytes;
        for (size_t n = 1 + fnRandom(3); n > 0; --n) {
            bytes[fnRandom(bytes.size())] = static_cast<char>(fnRandom(256));
        }
        fnTry(bytes);
    }
    std::printf("[damage] byte flips: %d checked, %d refused by the check, %d let through\n", nInputs, nRefused,
                nAccepted);
    flips.Report("byte flips through the reader");
    EXPECT_EQ(0, flips.m_nHangs);
    EXPECT_GT(nRefused, 0);
    EXPECT_LT(PeakPrivateBytes() - nPeakBefore, 256ull * 1024 * 1024) << "reading damaged files took too much memory";
}
