// Packing a card into its compound file and unpacking it, at sizes that double, against the same
// work done the simplest direct way: the same sub-files written as streams of a bare IStorage (the
// same sector size) and read back from it, and the files copied with CopyFileA. Every unpacked
// file is compared with its source.
#include <cstdio>
#include <string>
#include <vector>

#include "bench/BenchStats.h"
#include "core/CappObj.h"
#include "platform/base/FxComPtr.h"
#include "platform/base/FxHandle.h"
#include "tests/support/TestFiles.h"

namespace
{

const int kRuns = 5;
// Both directions move the bytes in chunks of this size, as the card file does.
const DWORD kChunk = 64 * 1024;

std::string MakeBytes(size_t nSize, int nSeed)
{
    std::string bytes(nSize, '\0');
    for (size_t i = 0; i < nSize; ++i) {
        bytes[i] = static_cast<char>((i * 131 + static_cast<size_t>(nSeed)) >> 3);
    }
    return bytes;
}

std::wstring Wide(const CString& str)
{
    std::wstring wstr(static_cast<size_t>(str.GetLength()) + 1, L'\0');
    const int n = MultiByteToWideChar(CP_ACP, 0, str, -1, &wstr[0], static_cast<int>(wstr.size()));
    wstr.resize(n > 0 ? static_cast<size_t>(n - 1) : 0);
    return wstr;
}

// A card of two templates, its data archive and nSubFiles sub-files of about 96 KB.
struct BenchCard
{
    CString strRoot;
    CCappObj card;
    std::vector<CString> files;

    BenchCard(const CString& strBase, int nSubFiles)
    {
        strRoot.Format("%s\\card%d", strBase.GetString(), nSubFiles);
        CreateDirectoryA(strRoot, nullptr);
        card.CreateWorkDir(strRoot, "bench.cpo");
        card.m_strMastCard = "主卡";
        CStringArray arrDefs;
        arrDefs.Add("主卡");
        arrDefs.Add("续卡");
        CStringArray arrSub;
        CStringArray arrNone;
        files = {"主卡.znt", "续卡.znt", "MAST.ccd"};
        const CString strWork = card.GetCpoWorkDir();
        TestWriteBytes(strWork + "\\主卡.znt", MakeBytes(300 * 1024, 1));
        TestWriteBytes(strWork + "\\续卡.znt", MakeBytes(300 * 1024, 2));
        TestWriteBytes(strWork + "\\MAST.ccd", MakeBytes(400 * 1024, 3));
        for (int i = 0; i < nSubFiles; ++i) {
            CString strName;
            strName.Format("%d.dwg", i);
            TestWriteBytes(strWork + "\\" + strName, MakeBytes(96 * 1024 + static_cast<size_t>(i) * 7, i));
            arrSub.Add(strName);
            files.push_back(strName);
        }
        card.RegsetCard(1, arrDefs, arrSub, arrNone);
    }
    ~BenchCard() { card.DetachData(); }
};

// The bare write: every file as a stream of a new compound file, committed.
bool BareWrite(const BenchCard& bench, const CString& strFile)
{
    STGOPTIONS options = {};
    options.usVersion = 1;
    options.ulSectorSize = 4096;
    CFxComPtr<IStorage> pStg;
    if (FAILED(StgCreateStorageEx(Wide(strFile).c_str(), STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE,
                                  STGFMT_DOCFILE, 0, &options, nullptr, IID_IStorage, pStg.ReceiveVoid()))) {
        return false;
    }
    std::vector<char> buffer(kChunk);
    for (const CString& strName : bench.files) {
        CFxHandle file(CreateFileA(bench.card.GetCpoWorkDir() + "\\" + strName, GENERIC_READ, FILE_SHARE_READ, nullptr,
                                   OPEN_EXISTING, 0, nullptr));
        CFxComPtr<IStream> pStream;
        if (!file.IsValid() ||
            FAILED(pStg->CreateStream(Wide(strName).c_str(), STGM_CREATE | STGM_READWRITE | STGM_SHARE_EXCLUSIVE, 0, 0,
                                      pStream.Receive()))) {
            return false;
        }
        DWORD nRead = 0;
        while (ReadFile(file, buffer.data(), kChunk, &nRead, nullptr) && nRead > 0) {
            ULONG nWritten = 0;
            if (FAILED(pStream->Write(buffer.data(), nRead, &nWritten)) || nWritten != nRead) {
                return false;
            }
        }
    }
    return SUCCEEDED(pStg->Commit(STGC_DEFAULT));
}

// The bare read: every stream of the bare file into a file of its name.
bool BareRead(const BenchCard& bench, const CString& strFile, const CString& strOut)
{
    CFxComPtr<IStorage> pStg;
    if (FAILED(StgOpenStorage(Wide(strFile).c_str(), nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, nullptr, 0,
                              pStg.Receive()))) {
        return false;
    }
    for (const CString& strName : bench.files) {
        CFxComPtr<IStream> pStream;
        CFxHandle file(CreateFileA(strOut + "\\" + strName, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        if (FAILED(pStg->OpenStream(Wide(strName).c_str(), nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0,
                                    pStream.Receive())) ||
            !file.IsValid()) {
            return false;
        }
        std::vector<char> buffer(kChunk);
        ULONG nRead = 0;
        while (SUCCEEDED(pStream->Read(buffer.data(), kChunk, &nRead)) && nRead > 0) {
            DWORD nWritten = 0;
            if (!WriteFile(file, buffer.data(), nRead, &nWritten, nullptr) || nWritten != nRead) {
                return false;
            }
        }
    }
    return true;
}

bool SameFiles(const BenchCard& bench, const CString& strFolder)
{
    for (const CString& strName : bench.files) {
        if (TestReadBytes(bench.card.GetCpoWorkDir() + "\\" + strName) != TestReadBytes(strFolder + "\\" + strName)) {
            return false;
        }
    }
    return true;
}

struct Row
{
    const char* szWhat;
    double dPrevSize = 0.0;
    double dPrevMedian = 0.0;

    void Print(int nMB, const BenchTimes& t)
    {
        BenchPrintTimes(szWhat, nMB, t);
        if (dPrevSize > 0.0) {
            std::printf("%-28s          growth %.2f\n", "", BenchGrowth(dPrevSize, dPrevMedian, nMB, t.dMedian));
        }
        dPrevSize = nMB;
        dPrevMedian = t.dMedian;
    }
};

} // namespace

int main()
{
    char szTemp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, szTemp);
    CString strBase;
    strBase.Format("%svorn-packbench-%lu", szTemp, GetCurrentProcessId());
    CreateDirectoryA(strBase, nullptr);
    int rc = 0;

    std::printf("sizes in MB of sub-files; times per pack or unpack of the whole card\n");
    Row rowPack{"pack"};
    Row rowBareWrite{"  bare IStorage write"};
    Row rowCopy{"  CopyFileA of the files"};
    Row rowUnpack{"unpack"};
    Row rowBareRead{"  bare IStorage read"};
    for (int nSubFiles : {25, 50, 100, 200}) {
        BenchCard bench(strBase, nSubFiles);
        const int nMB = static_cast<int>((1000 * 1024 + nSubFiles * 96 * 1024) / (1024 * 1024));
        const CString strFile = bench.strRoot + "\\bench.cpo";
        const CString strBare = bench.strRoot + "\\bare.stg";
        const CString strCopies = bench.strRoot + "\\copies";
        const CString strBareOut = bench.strRoot + "\\bareout";
        CreateDirectoryA(strCopies, nullptr);
        CreateDirectoryA(strBareOut, nullptr);

        bool bOk = true;
        const BenchTimes pack = BenchRepeat(kRuns, [&] { bOk = bench.card.SaveDataAs(strFile, 1, 0) == 1 && bOk; });
        const BenchTimes bareWrite = BenchRepeat(kRuns, [&] { bOk = BareWrite(bench, strBare) && bOk; });
        const BenchTimes copy = BenchRepeat(kRuns, [&] {
            for (const CString& strName : bench.files) {
                bOk = CopyFileA(bench.card.GetCpoWorkDir() + "\\" + strName, strCopies + "\\" + strName, FALSE) && bOk;
            }
        });
        // Unpacking includes removing what it unpacked, so that runs do not pile up folders.
        const BenchTimes unpack = BenchRepeat(kRuns, [&] {
            CCappObj back;
            bOk = back.DeCompound(bench.strRoot, strFile, CCappObj::partStrings | CCappObj::partFiles) == 1 && bOk;
            back.DetachData();
        });
        {
            CCappObj back;
            bOk = back.DeCompound(bench.strRoot, strFile, CCappObj::partStrings | CCappObj::partFiles) == 1 &&
                  SameFiles(bench, back.GetCpoWorkDir()) && bOk;
            back.DetachData();
        }
        const BenchTimes bareRead = BenchRepeat(kRuns, [&] { bOk = BareRead(bench, strBare, strBareOut) && bOk; });
        bOk = bOk && SameFiles(bench, strBareOut) && SameFiles(bench, strCopies);
        if (!bOk) {
            std::printf("%d MB: a pack, unpack or baseline failed or gave other bytes\n", nMB);
            rc = 1;
        }
        rowPack.Print(nMB, pack);
        rowBareWrite.Print(nMB, bareWrite);
        rowCopy.Print(nMB, copy);
        rowUnpack.Print(nMB, unpack);
        rowBareRead.Print(nMB, bareRead);
        std::printf("  ratios: pack/bare write %.2f, pack/copy %.2f, unpack/bare read %.2f\n",
                    pack.dMedian / bareWrite.dMedian, pack.dMedian / copy.dMedian, unpack.dMedian / bareRead.dMedian);
    }
    CCappObj::DeleteDirectory(strBase);
    return rc;
}
