// Evaluations per second of typical cell formulas: on one evaluator, and on a new one each time as
// the card filling view computes an entry.
#include <cstdio>

#include "bench/BenchClock.h"
#include "common/KvEvaluate.h"

namespace
{
template <class Fn> void Measure(const char* szWhat, int nCount, Fn fn)
{
    fn(); // warm up
    double dStart = Seconds();
    for (int i = 0; i < nCount; ++i) {
        fn();
    }
    double dElapsed = Seconds() - dStart;
    std::printf("%-52s %10.0f evaluations/s  (%d in %.3f s)\n", szWhat, nCount / dElapsed, nCount, dElapsed);
}
} // namespace

int main()
{
    const int nCount = 200000;
    CString strResult;

    CKvEvaluate evalShared;
    Measure("substituted formula \"12*2+30/3\", one object", nCount,
            [&] { evalShared.Computer("12*2+30/3", strResult); });

    CKvEvaluate evalVars;
    evalVars.AddValMap("[L]", 12.0);
    evalVars.AddValMap("[W]", 30.0);
    Measure("variables \"[L]*2+[W]/3\", one object", nCount, [&] { evalVars.Computer("[L]*2+[W]/3", strResult); });

    Measure("fresh object + parse \"12*2+30/3\"", nCount, [&] {
        CKvEvaluate evalFresh;
        evalFresh.Computer("12*2+30/3", strResult);
    });

    Measure("fresh object + parse \"[L]*2+[W]/3\" (2 AddValMap)", nCount, [&] {
        CKvEvaluate evalFresh;
        evalFresh.AddValMap("[L]", 12.0);
        evalFresh.AddValMap("[W]", 30.0);
        evalFresh.Computer("[L]*2+[W]/3", strResult);
    });

    Measure("longer \"sqrt(pow(3,2)+sqr(4))*(2.5-1)/fak(3)+abs(-7)%4\"", nCount / 4,
            [&] { evalShared.Computer("sqrt(pow(3,2)+sqr(4))*(2.5-1)/fak(3)+abs(-7)%4", strResult); });

    CKvEvaluate evalFunc;
    evalFunc.Calc("f:=x*2+1");
    Measure("user function call \"f(3)+f(4)\"", nCount / 4, [&] { evalFunc.Computer("f(3)+f(4)", strResult); });
    std::printf("last result: %s\n", strResult.GetString());
    return 0;
}
