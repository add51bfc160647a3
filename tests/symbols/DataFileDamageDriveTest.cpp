// The damage driver over the symbol and tolerance data-file loaders: the bundled files damaged,
// long runs of short lines, one endless line, each loaded by every loader under a time limit.
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

#include "symbols/GlyphworkFun.h"
#include "symbols/GpTolDlg.h"
#include "symbols/SelectTolFitDlg.h"
#include "tests/support/DamageDriver.h"
#include "tests/support/TempFolder.h"
#include "tests/support/TestData.h"

namespace
{

constexpr DWORD kLimitMs = 2000;
constexpr int kInputs = 120;

std::vector<DamageSeed> DataFileSeeds()
{
    std::vector<DamageSeed> seeds;
    for (const char* pszName : {"Gptol.dat", "it.dat", "zgc.dat", "kgc.dat", "jkph.dat", "jzph.dat"}) {
        DamageSeed seed{pszName, {}};
        FILE* f = std::fopen(TestDataPath("..\\..\\..\\samples\\workdir\\data\\") + pszName, "rb");
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

// Each line copied the rest of the text: 256 KB of short lines made the loaders hang.
DamageSeed ShortLinesSeed()
{
    std::string strLines;
    while (strLines.size() < 256 * 1024) {
        strLines += "1,2,\r\n";
    }
    return {"256 KB of short lines", DamageBytes(strLines.begin(), strLines.end())};
}

// Every loader over one file of the input.
class CLoadAll
{
public:
    void operator()(const DamageBytes& input) const
    {
        FILE* f = std::fopen(m_strPath, "wb");
        ASSERT_NE(nullptr, f);
        std::fwrite(input.data(), 1, input.size(), f);
        std::fclose(f);
        CGpTolDlg gptol;
        gptol.LoadGpTol(m_strPath);
        CSelectTolFitDlg tolfit;
        tolfit.LoadToleranceIt(m_strPath);
        tolfit.LoadEsOrEi(m_strPath, tolfit.m_listShaft, tolfit.m_arrShaftHeader, "es", "ei");
        CStringArray index;
        CSelectTolFitDlg::LoadGCPHIndex(m_strPath, index);
        tolfit.DetachTolerancesData();
    }

private:
    CTestTempFolder m_folder;
    CString m_strPath = m_folder.PathOf("data.dat");
};

TEST(DataFileDamageDrive, EveryLoaderTakesDamagedFilesWithinItsLimits)
{
    const std::vector<DamageSeed> seeds = DataFileSeeds();
    for (const DamageSeed& seed : seeds) {
        ASSERT_FALSE(seed.bytes.empty()) << seed.strName;
    }
    CDamageDriver driver("symbol and tolerance data files", CDamageDriver::kindText, kInputs, kLimitMs);
    driver.SetMaxLength(32 * 1024);
    const CLoadAll loadAll;
    const DamageReport report = driver.Run(seeds, std::cref(loadAll));
    std::printf("[ drive    ] data files: %d inputs in %.0f ms, slowest %.0f ms (%s)\n", report.nInputs,
                report.dTotalMs, report.dSlowestMs, report.strSlowest.c_str());
    EXPECT_EQ(kInputs, report.nInputs);
    EXPECT_EQ(0, report.nOverLimit) << "slowest: " << report.strSlowest;
    EXPECT_EQ(0, report.nOverMemory);
}

TEST(DataFileDamageDrive, AFileOfManyShortLinesLoadsWithinTheLimit)
{
    CDamageDriver driver("symbol and tolerance data files", CDamageDriver::kindText, 1, kLimitMs);
    const CLoadAll loadAll;
    const DamageReport report = driver.Run({ShortLinesSeed()}, std::cref(loadAll));
    std::printf("[ drive    ] 256 KB of short lines: %.0f ms\n", report.dTotalMs);
    EXPECT_EQ(0, report.nOverLimit);
}

// Lines and words are read in place: a long text gives the same lines and words as before, GBK
// characters whole, a NUL byte ending the word search as before.
TEST(DataFileDamageDrive, LongTextsGiveTheirLinesAndWords)
{
    std::string strText;
    for (int i = 0; i < 5000; ++i) {
        strText += "a b," + std::to_string(i) + "|\xB9\x7C\r\n";
    }
    const CString str(strText.data(), static_cast<int>(strText.size()));
    long nPos = 0;
    CString strLine;
    int nLines = 0;
    while (CGlyphworkFun::GetLine(str, nPos, strLine)) {
        ASSERT_EQ("ab," + std::to_string(nLines) + "|\xB9\x7C", std::string(strLine.GetString())) << nLines;
        ++nLines;
    }
    EXPECT_EQ(5000, nLines);
    EXPECT_EQ(str.GetLength(), nPos);

    const CString strWords("1,\xB9\x7C|x,,y\0z|w", 13);
    int nWordPos = 0;
    CString strWord;
    std::vector<std::string> words;
    while (CGlyphworkFun::GetWordFromStr(strWords, nWordPos, strWord)) {
        words.emplace_back(strWord.GetString(), static_cast<size_t>(strWord.GetLength()));
    }
    const std::vector<std::string> expected = {"1", "\xB9\x7C", "x", "", std::string("y\0z|w", 5)};
    EXPECT_EQ(expected, words);
}

} // namespace
