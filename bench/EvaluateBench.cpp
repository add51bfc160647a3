// Evaluations per second of typical cell formulas: on one evaluator, and on a new one each time as
// the card filling view computes an entry.
#include <cstdio>
#include <initializer_list>

#include "bench/BenchClock.h"
#include "common/KvEvaluate.h"

namespace
{
template <class Fn> void Measure(const char* szWhat, int nCount, Fn fn)
{
    fn(); // warm up
    double dStart = BenchSeconds();
    for (int i = 0; i < nCount; ++i) {
        fn();
    }
    double dElapsed = BenchSeconds() - dStart;
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

    // Each level calls the one below twice: the work doubles per level until the evaluation's
    // bound ends it.
    CKvEvaluate evalTwice;
    evalTwice.Calc("g0:=x+1");
    for (int n = 1; n <= 30; ++n) {
        CString strDefine;
        strDefine.Format("g%d:=g%d(x)+g%d(x)", n, n - 1, n - 1);
        evalTwice.Calc(strDefine);
    }
    for (int nLevel : {10, 14, 18, 30}) {
        CString strExpr;
        strExpr.Format("g%d(1)", nLevel);
        CString strWhat;
        strWhat.Format("twice-per-level user functions \"%s\"", strExpr.GetString());
        Measure(strWhat, 4, [&] { strResult = evalTwice.Calc(strExpr); });
        std::printf("    gives %s\n", strResult.GetString());
    }
    std::printf("last result: %s\n", strResult.GetString());
    return 0;
}
