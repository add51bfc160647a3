// Time to read segment contents of 200 KB and 1 MB: field splitting and the font tag must stay
// linear in the text length, also when the text is nothing but separators.
#include <cstdio>
#include <initializer_list>
#include <memory>

#include "bench/BenchClock.h"
#include "symbols/FractionContSeg.h"
#include "symbols/GpTolContSeg.h"
#include "symbols/StringContSeg.h"

namespace
{
template <class TSeg> void Measure(const char* szWhat, const CString& strContent)
{
    LOGFONT lf{};
    lf.lfHeight = -40;
    auto pSeg = std::make_unique<TSeg>(lf, 0);
    double dStart = BenchSeconds();
    pSeg->SetData(strContent);
    double dElapsed = BenchSeconds() - dStart;
    std::printf("%-40s %8d KB  %.3f s\n", szWhat, strContent.GetLength() / 1024, dElapsed);
}
} // namespace

int main()
{
    for (int nBytes : {200 * 1024, 1024 * 1024}) {
        CString strSeparators(';', nBytes);
        CString strChinese;
        while (strChinese.GetLength() < nBytes) {
            strChinese += "\xB1\xED\xC3\xE6;12.5;";
        }
        Measure<CFractionContSeg>("fraction of ';' only", "25" + strSeparators + "<FT>S=20</FT>");
        Measure<CFractionContSeg>("fraction of Chinese fields", strChinese + "<FT>C=255</FT>");
        Measure<CGpTolContSeg>("geometric tolerance of ';' only", strSeparators);
        Measure<CStringContSeg>("plain text of Chinese fields", strChinese + "<FT>B=1</FT>");
    }
    return 0;
}
