// Parsing time of custom symbol markup whose element bodies hold many nested "Cu" sections:
// it should grow in step with the length of the markup.
#include <cstdio>

#include "bench/BenchClock.h"
#include "symbols/CustSymbol.h"

namespace
{
// One line whose body carries nSections sections, then a second element after it.
CString MarkupWithSections(int nSections)
{
    CString str = "<L>0,0,10,10";
    for (int i = 0; i < nSections; ++i) {
        str += "<Cu><L>1,2,3,4</L></Cu>";
    }
    str += "</L><C>5,5,3</C>";
    return str;
}
} // namespace

int main()
{
    for (int nSections = 1500; nSections <= 12000; nSections *= 2) {
        CString strMarkup = MarkupWithSections(nSections);
        CCustSymbol sym;
        double dStart = Seconds();
        BOOL bOk = sym.SetSymbolString(strMarkup);
        double dElapsed = Seconds() - dStart;
        std::printf("%6d sections, %7d bytes: %8.4f s%s\n", nSections, strMarkup.GetLength(), dElapsed,
                    bOk ? "" : "  (refused)");
    }
    return 0;
}
