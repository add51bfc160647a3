// Parsing time of custom symbol markup whose element bodies hold many nested "Cu" sections:
// it should grow in step with the length of the markup.
#include <cstdio>

#include "bench/BenchClock.h"
#include "symbols/CustSymbol.h"

namespace
{
// An element of an unknown tag (read and skipped) whose body carries nSections sections, each
// holding a line's end tag, then a line after it.
CString MarkupWithSections(int nSections)
{
    CString str = "<Q>";
    for (int i = 0; i < nSections; ++i) {
        str += "<Cu><L>1,2,3,4</L></Cu>";
    }
    str += "</Q><L>0,0,10,10</L>";
    return str;
}
} // namespace

int main()
{
    for (int nSections = 1600; nSections <= 12800; nSections *= 2) {
        CString strMarkup = MarkupWithSections(nSections);
        CCustSymbol sym;
        double dStart = BenchSeconds();
        BOOL bOk = sym.SetSymbolString(strMarkup);
        double dElapsed = BenchSeconds() - dStart;
        std::printf("%6d sections, %7d bytes: %8.4f s%s\n", nSections, strMarkup.GetLength(), dElapsed,
                    bOk ? "" : "  (refused)");
    }
    return 0;
}
