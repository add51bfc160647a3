// A longer run of the damage driver over the card model's readers and the data-file loaders.
// Usage: ReaderDamageBench [reader [inputs [first]]]; reader is one of "template", "free",
// "figure", "cell", "data" or "all". A crash or hang ends the program naming the input; run it
// again with first set past that input to go on. Each input's limit is 1 s; ten times that is a
// hang.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

// The libraries the drive header reaches are named here: the build links what a bench includes.
#include "core/CappSheet.h"
#include "platform/base/Object.h"
#include "symbols/GpTolDlg.h"
#include "symbols/SelectTolFitDlg.h"
#include "tests/core/ReaderDamageDrive.h"

namespace
{

constexpr DWORD kLimitMs = 1000;

std::vector<DamageSeed> DataSeeds(const char* pszDir)
{
    std::vector<DamageSeed> seeds;
    for (const char* pszName : {"Gptol.dat", "it.dat", "zgc.dat", "kgc.dat", "jkph.dat", "jzph.dat"}) {
        DamageSeed seed{pszName, {}};
        FILE* f = std::fopen((std::string(pszDir) + "\\" + pszName).c_str(), "rb");
        if (f != nullptr) {
            unsigned char buf[4096];
            size_t n = 0;
            while ((n = std::fread(buf, 1, sizeof(buf), f)) > 0) {
                seed.bytes.insert(seed.bytes.end(), buf, buf + n);
            }
            std::fclose(f);
        }
        seeds.push_back(seed);
    }
    return seeds;
}

void ReadDataFile(const DamageBytes& input)
{
    char szDir[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, szDir);
    const std::string strPath = std::string(szDir) + "ReaderDamageBench.dat";
    FILE* f = std::fopen(strPath.c_str(), "wb");
    if (f == nullptr) {
        return;
    }
    std::fwrite(input.data(), 1, input.size(), f);
    std::fclose(f);
    CGpTolDlg gptol;
    gptol.LoadGpTol(strPath.c_str());
    CSelectTolFitDlg tolfit;
    tolfit.LoadToleranceIt(strPath.c_str());
    tolfit.LoadEsOrEi(strPath.c_str(), tolfit.m_listShaft, tolfit.m_arrShaftHeader, "es", "ei");
    CStringArray index;
    CSelectTolFitDlg::LoadGCPHIndex(strPath.c_str(), index);
    tolfit.DetachTolerancesData();
    DeleteFileA(strPath.c_str());
}

void Drive(const char* pszReader, CDamageDriver::Kind kind, const std::vector<DamageSeed>& seeds,
           void (*fnRead)(const DamageBytes&), int nInputs, int nFirst, size_t nMaxLength = 64 * 1024)
{
    CDamageDriver driver(pszReader, kind, nInputs, kLimitMs);
    driver.SetMaxLength(nMaxLength);
    const DamageReport report = driver.Run(seeds, fnRead, nFirst);
    std::printf("%s: %d inputs (from #%d), limit %lu ms, %d over the limit, %d over the memory limit, %.1f s in all, "
                "slowest %.0f ms (%s)\n",
                pszReader, report.nInputs, nFirst, static_cast<unsigned long>(kLimitMs), report.nOverLimit,
                report.nOverMemory, report.dTotalMs / 1000.0, report.dSlowestMs, report.strSlowest.c_str());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    const char* pszWhich = argc > 1 ? argv[1] : "all";
    const int nInputs = argc > 2 ? std::atoi(argv[2]) : 5000;
    const int nFirst = argc > 3 ? std::atoi(argv[3]) : 0;
    const auto fnWants = [&](const char* pszName) {
        return std::strcmp(pszWhich, "all") == 0 || std::strcmp(pszWhich, pszName) == 0;
    };
    if (fnWants("template")) {
        Drive("template archive", CDamageDriver::kindBinary, damage::TemplateSeeds(), damage::ReadTemplate, nInputs,
              nFirst);
    }
    if (fnWants("free")) {
        Drive("free objects", CDamageDriver::kindBinary, damage::FreeObjectSeeds(), damage::ReadTemplate, nInputs,
              nFirst);
    }
    if (fnWants("figure")) {
        Drive("figure text", CDamageDriver::kindText, damage::FigureSeeds(), damage::ReadFigureText, nInputs, nFirst);
    }
    if (fnWants("cell")) {
        std::vector<DamageSeed> seeds = damage::CellTextSeeds();
        seeds.push_back(damage::ShortLinesSeed());
        Drive("cell notation text", CDamageDriver::kindText, seeds, damage::ReadCellText, nInputs, nFirst, 32 * 1024);
    }
    if (fnWants("data")) {
        const char* pszDir = std::getenv("VORN_DATA_DIR");
        Drive("data files", CDamageDriver::kindText, DataSeeds(pszDir != nullptr ? pszDir : "samples\\workdir\\data"),
              ReadDataFile, nInputs, nFirst, 256 * 1024);
    }
    return 0;
}
