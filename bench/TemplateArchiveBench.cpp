// Loading a card template of 500 to 16,000 cells through the designer's template file and saving
// it to a new file, against copying the same file through the same file class; freeing the loaded
// sheet is timed apart. The saved file must equal its source byte for byte.
#include <cstdio>
#include <string>
#include <vector>

#include "bench/BenchSheet.h"
#include "bench/BenchStats.h"
#include "core/CappSheet.h"
#include "designer/template/TemplateFile.h"
#include "platform/base/File.h"

namespace
{

constexpr int kRuns = 5;
constexpr UINT kCopyBuffer = 4096;

std::vector<BYTE> ReadAll(const std::string& strPath)
{
    CFile file(strPath.c_str(), CFile::modeRead);
    std::vector<BYTE> bytes(static_cast<size_t>(file.GetLength()));
    if (!bytes.empty()) {
        file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    }
    return bytes;
}

// The same bytes through the same file class, in blocks of the archive's buffer size.
void CopyThrough(const std::string& strFrom, const std::string& strTo)
{
    CFile from(strFrom.c_str(), CFile::modeRead);
    CFile to(strTo.c_str(), CFile::modeCreate | CFile::modeWrite);
    std::vector<BYTE> buffer(kCopyBuffer);
    for (UINT nRead = 0; (nRead = from.Read(buffer.data(), kCopyBuffer)) > 0;) {
        to.Write(buffer.data(), nRead);
    }
}

} // namespace

int main()
{
    char szTemp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, szTemp);
    // Source and saved file in two folders under one name: the sheet takes its name from its file.
    const std::string strSourceDir = std::string(szTemp) + "vorn-bench-source";
    const std::string strSavedDir = std::string(szTemp) + "vorn-bench-saved";
    ::CreateDirectoryA(strSourceDir.c_str(), nullptr);
    ::CreateDirectoryA(strSavedDir.c_str(), nullptr);
    const std::string strSource = strSourceDir + "\\template.znt";
    const std::string strSaved = strSavedDir + "\\template.znt";
    const std::string strCopied = strSavedDir + "\\copied.znt";

    const int sizes[] = {500, 1000, 2000, 4000, 8000, 16000};
    BenchGrowthLine growth;
    int rc = 0;
    for (int nCells : sizes) {
        CString strError;
        {
            CCappSheet sheet;
            BuildBenchGridSheet(sheet, nCells);
            if (!CTemplateFile::Save(strSource.c_str(), sheet, strError)) {
                std::printf("cannot write the template: %s\n", strError.GetString());
                return 1;
            }
        }
        bool bOk = true;
        std::vector<CCappSheet*> loaded;
        const BenchTimes load = BenchRepeat(kRuns, [&] {
            auto* pSheet = new CCappSheet;
            bOk = CTemplateFile::Load(strSource.c_str(), *pSheet, strError) && bOk;
            loaded.push_back(pSheet);
        });
        size_t nSave = 0;
        const BenchTimes save =
            BenchRepeat(kRuns, [&] { bOk = CTemplateFile::Save(strSaved.c_str(), *loaded[nSave++], strError) && bOk; });
        size_t nFree = 0;
        const BenchTimes free = BenchRepeat(kRuns, [&] { delete loaded[nFree++]; });
        const BenchTimes copy = BenchRepeat(kRuns, [&] { CopyThrough(strSource, strCopied); });
        const std::vector<BYTE> source = ReadAll(strSource);
        if (!bOk || source != ReadAll(strSaved) || source != ReadAll(strCopied)) {
            std::printf("%d cells: the saved file differs from its source (%s)\n", nCells, strError.GetString());
            rc = 1;
        }
        std::printf("%d cells, %.2f MB\n", nCells, static_cast<double>(source.size()) / (1024.0 * 1024.0));
        BenchPrintTimes("  load", nCells, load);
        BenchPrintTimes("  save", nCells, save);
        BenchPrintTimes("  free", nCells, free);
        BenchPrintTimes("  baseline copy", nCells, copy);
        const double dArchive = load.dMedian + save.dMedian;
        std::printf("  load+save %.3f ms, %.2f us per cell\n", dArchive * 1000.0, dArchive * 1e6 / nCells);
        growth.Print(nCells, "load+save", dArchive, "copy", copy.dMedian);
    }
    for (const std::string& strPath : {strSource, strSaved, strCopied}) {
        ::DeleteFileA(strPath.c_str());
    }
    ::RemoveDirectoryA(strSourceDir.c_str());
    ::RemoveDirectoryA(strSavedDir.c_str());
    return rc;
}
