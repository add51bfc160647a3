// Repeated timings of one size: min, median and max, and the growth exponent between sizes, so
// that a bench shows whether its cost grows with its input as it should.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "bench/BenchClock.h"

struct BenchTimes
{
    double dMin = 0.0;
    double dMedian = 0.0;
    double dMax = 0.0;
};

// Runs fn nRuns times and keeps the wall-clock seconds of each run.
template <class Fn> BenchTimes BenchRepeat(int nRuns, Fn fn)
{
    std::vector<double> seconds;
    for (int i = 0; i < nRuns; ++i) {
        const double dStart = BenchSeconds();
        fn();
        seconds.push_back(BenchSeconds() - dStart);
    }
    std::sort(seconds.begin(), seconds.end());
    return {seconds.front(), seconds[seconds.size() / 2], seconds.back()};
}

// The exponent k in time ~ size^k between two sizes, from their medians.
inline double BenchGrowth(double dSize1, double dTime1, double dSize2, double dTime2)
{
    return dTime1 > 0.0 && dSize2 > dSize1 ? std::log(dTime2 / dTime1) / std::log(dSize2 / dSize1) : 0.0;
}

inline void BenchPrintTimes(const char* szWhat, int nSize, const BenchTimes& t)
{
    std::printf("%-28s %7d  min %9.3f ms  median %9.3f ms  max %9.3f ms\n", szWhat, nSize, t.dMin * 1000.0,
                t.dMedian * 1000.0, t.dMax * 1000.0);
}

// The closing line of each size: the ratio of the measured median to the baseline's and, from the
// second size on, how each grew from the size before.
class BenchGrowthLine
{
public:
    void Print(double dSize, const char* szWhat, double dTime, const char* szBase, double dBaseTime)
    {
        std::printf("  ratio %.2f", dBaseTime > 0.0 ? dTime / dBaseTime : 0.0);
        if (m_dSize > 0.0) {
            std::printf("  growth: %s %.2f, %s %.2f", szWhat, BenchGrowth(m_dSize, m_dTime, dSize, dTime), szBase,
                        BenchGrowth(m_dSize, m_dBaseTime, dSize, dBaseTime));
        }
        std::printf("\n");
        m_dSize = dSize;
        m_dTime = dTime;
        m_dBaseTime = dBaseTime;
    }

private:
    double m_dSize = 0.0;
    double m_dTime = 0.0;
    double m_dBaseTime = 0.0;
};
