// Packing a 10 MB card into its compound file and unpacking it, against copying its files.
#include <cstdio>
#include <string>
#include <vector>

#include "bench/BenchClock.h"
#include "core/CappObj.h"
#include "platform/base/FxHandle.h"

namespace
{
void WriteFileBytes(const CString& strPath, size_t nSize, int nSeed)
{
    std::vector<char> bytes(nSize);
    for (size_t i = 0; i < nSize; ++i) {
        bytes[i] = static_cast<char>((i * 131 + static_cast<size_t>(nSeed)) >> 3);
    }
    CFxHandle file(CreateFileA(strPath, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD nWritten = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(nSize), &nWritten, nullptr);
}
} // namespace

int main()
{
    char szTemp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, szTemp);
    CString strRoot;
    strRoot.Format("%svorn-packbench-%lu", szTemp, GetCurrentProcessId());
    CreateDirectoryA(strRoot, nullptr);
    const CString strCopies = strRoot + "\\copies";
    CreateDirectoryA(strCopies, nullptr);

    // Two templates, the card data archive and 100 sub-files of about 100 KB: some 10 MB.
    CCappObj card;
    card.CreateWorkDir(strRoot, "bench.cpo");
    const CString strWork = card.GetCpoWorkDir();
    card.m_strMastCard = "主卡";
    CStringArray arrDefs;
    arrDefs.Add("主卡");
    arrDefs.Add("续卡");
    CStringArray arrSub;
    CStringArray arrNone;
    std::vector<CString> files = {"主卡.znt", "续卡.znt", "MAST.ccd"};
    WriteFileBytes(strWork + "\\主卡.znt", 300 * 1024, 1);
    WriteFileBytes(strWork + "\\续卡.znt", 300 * 1024, 2);
    WriteFileBytes(strWork + "\\MAST.ccd", 400 * 1024, 3);
    for (int i = 0; i < 100; ++i) {
        CString strName;
        strName.Format("%d.dwg", i);
        WriteFileBytes(strWork + "\\" + strName, 96 * 1024 + static_cast<size_t>(i) * 7, i);
        arrSub.Add(strName);
        files.push_back(strName);
    }
    card.RegsetCard(1, arrDefs, arrSub, arrNone);
    const CString strFile = strRoot + "\\bench.cpo";

    for (int nRun = 1; nRun <= 3; ++nRun) {
        double dStart = BenchSeconds();
        for (const CString& strName : files) {
            CopyFileA(strWork + "\\" + strName, strCopies + "\\" + strName, FALSE);
        }
        const double dCopy = BenchSeconds() - dStart;

        dStart = BenchSeconds();
        const int nPacked = card.SaveDataAs(strFile, 1, 0);
        const double dPack = BenchSeconds() - dStart;

        CCappObj back;
        dStart = BenchSeconds();
        const int nUnpacked = back.DeCompound(strRoot, strFile, CCappObj::partStrings | CCappObj::partFiles);
        const double dUnpack = BenchSeconds() - dStart;

        WIN32_FILE_ATTRIBUTE_DATA fad = {};
        GetFileAttributesExA(strFile, GetFileExInfoStandard, &fad);
        std::printf("run %d: card file %.1f MB (pack %d, unpack %d, %d files)\n", nRun,
                    static_cast<double>(fad.nFileSizeLow) / (1024.0 * 1024.0), nPacked, nUnpacked,
                    static_cast<int>(back.m_arrExtracted.GetSize()));
        std::printf("  copy files %.3f s, pack %.3f s (%.1fx), unpack %.3f s (%.1fx)\n", dCopy, dPack,
                    dPack / (dCopy > 0 ? dCopy : 1e-9), dUnpack, dUnpack / (dCopy > 0 ? dCopy : 1e-9));
    }
    card.DetachData();
    CCappObj::DeleteDirectory(strRoot);
    return 0;
}
