// An in-process damage driver for readers of stored or received data. Each reader gets a table of
// seed inputs; the driver feeds it the seeds, truncations, byte flips, huge counts (and for text
// readers huge numbers and long runs of repeated lines), a bounded number of inputs, each under a
// time limit. A hang past the limit ends the process naming the input; a crash names it too.
// Header only, so that a longer run in bench/ uses the same driver.
#pragma once

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "platform/base/Firewall.h"
#include "platform/base/FxHandle.h"

using DamageBytes = std::vector<unsigned char>;

struct DamageSeed
{
    std::string strName;
    DamageBytes bytes;
};

struct DamageReport
{
    int nInputs = 0;
    // Inputs that took longer than the limit without hanging for good.
    int nOverLimit = 0;
    // Inputs whose run raised the process's peak memory by more than the memory limit.
    int nOverMemory = 0;
    double dSlowestMs = 0;
    double dTotalMs = 0;
    std::string strSlowest;
};

class CDamageDriver
{
public:
    enum Kind {
        kindBinary, // archives: counts and sizes are 32-bit or 16-bit little-endian integers
        kindText,   // line-oriented text: numbers are decimal digits
    };

    // nInputs bounds the inputs of one Run; dwLimitMs is each input's time limit.
    CDamageDriver(const char* pszReader, Kind kind, int nInputs, DWORD dwLimitMs, uint32_t nRandomSeed = 0x5EED1234u)
        : m_strReader(pszReader), m_kind(kind), m_nInputs(nInputs), m_dwLimitMs(dwLimitMs), m_nRandom(nRandomSeed)
    {
    }
    CDamageDriver(const CDamageDriver&) = delete;
    CDamageDriver& operator=(const CDamageDriver&) = delete;

    // Longest input a text mutation may build.
    void SetMaxLength(size_t nMax) { m_nMaxLength = nMax; }
    // Peak memory one input may add, in bytes.
    void SetMemoryLimit(size_t nBytes) { m_nMemoryLimit = nBytes; }

    // fnRead reads one input; it catches what the reader throws for bad input by design. Inputs
    // before nFirst are made but not read, so that a run ended by a crash can go on after it.
    DamageReport Run(const std::vector<DamageSeed>& seeds, const std::function<void(const DamageBytes&)>& fnRead,
                     int nFirst = 0)
    {
        DamageReport report;
        if (seeds.empty()) {
            return report;
        }
        CWatch watch(*this);
        int nRound = 0;
        while (report.nInputs < m_nInputs) {
            for (const DamageSeed& seed : seeds) {
                if (report.nInputs >= m_nInputs) {
                    break;
                }
                std::string strName;
                const DamageBytes input = Mutate(seed, nRound, strName);
                if (m_nMade++ < nFirst) {
                    ++report.nInputs;
                    continue;
                }
                RunOne("#" + std::to_string(m_nMade - 1) + " " + strName, input, fnRead, report);
            }
            ++nRound;
        }
        return report;
    }

private:
    // The input running now, for the watchdog and the crash filter.
    struct Current
    {
        CRITICAL_SECTION cs;
        std::string strReader;
        std::string strInput;
        ULONGLONG nStart = 0;
        bool bRunning = false;
        DWORD dwLimitMs = 0;
    };

    static Current& Now()
    {
        static Current* pNow = [] {
            auto* p = new Current;
            InitializeCriticalSection(&p->cs);
            return p;
        }();
        return *pNow;
    }

    static void Tell(const char* pszWhat)
    {
        Current& now = Now();
        std::fprintf(stderr, "damage driver: %s: reader \"%s\", input \"%s\"\n", pszWhat, now.strReader.c_str(),
                     now.strInput.c_str());
        std::fflush(stderr);
    }

    static LONG WINAPI OnCrash(EXCEPTION_POINTERS* pInfo)
    {
        return FxCallbackEntry("CDamageDriver::OnCrash", EXCEPTION_CONTINUE_SEARCH, [&]() -> LONG {
            char szWhat[64];
            std::snprintf(szWhat, sizeof(szWhat), "crash 0x%08lX",
                          static_cast<unsigned long>(pInfo->ExceptionRecord->ExceptionCode));
            Tell(szWhat);
            return EXCEPTION_CONTINUE_SEARCH;
        });
    }

    static DWORD WINAPI Watchdog(LPVOID pParam)
    {
        return FxCallbackEntry("CDamageDriver::Watchdog", 0, [&]() -> DWORD {
            HANDLE hStop = pParam;
            while (WaitForSingleObject(hStop, 50) == WAIT_TIMEOUT) {
                Current& now = Now();
                EnterCriticalSection(&now.cs);
                const bool bHung = now.bRunning && GetTickCount64() - now.nStart > 10ull * now.dwLimitMs;
                LeaveCriticalSection(&now.cs);
                if (bHung) {
                    // Ten times the limit: the input does not finish. No unwinding can stop a
                    // loop inside the reader, so the run ends here, naming the input.
                    Tell("hang");
                    TerminateProcess(GetCurrentProcess(), 0x4A4E);
                }
            }
            return 0;
        });
    }

    // The watchdog thread and the crash filter, for the length of one Run.
    class CWatch
    {
    public:
        explicit CWatch(CDamageDriver& driver)
        {
            Current& now = Now();
            EnterCriticalSection(&now.cs);
            now.strReader = driver.m_strReader;
            now.dwLimitMs = driver.m_dwLimitMs;
            now.bRunning = false;
            LeaveCriticalSection(&now.cs);
            m_pOldFilter = SetUnhandledExceptionFilter(OnCrash);
            m_hStop.Attach(CreateEventA(nullptr, TRUE, FALSE, nullptr));
            m_hThread.Attach(CreateThread(nullptr, 0, Watchdog, static_cast<HANDLE>(m_hStop), 0, nullptr));
        }
        ~CWatch()
        {
            SetEvent(m_hStop);
            if (m_hThread.IsValid()) {
                WaitForSingleObject(m_hThread, INFINITE);
            }
            SetUnhandledExceptionFilter(m_pOldFilter);
        }
        CWatch(const CWatch&) = delete;
        CWatch& operator=(const CWatch&) = delete;

    private:
        LPTOP_LEVEL_EXCEPTION_FILTER m_pOldFilter = nullptr;
        // The thread is waited for before the event it watches is closed.
        CFxHandle m_hStop;
        CFxHandle m_hThread;
    };

    static size_t PeakMemory()
    {
        PROCESS_MEMORY_COUNTERS counters = {};
        counters.cb = sizeof(counters);
        return GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters)) ? counters.PeakPagefileUsage : 0;
    }

    void RunOne(const std::string& strName, const DamageBytes& input,
                const std::function<void(const DamageBytes&)>& fnRead, DamageReport& report)
    {
        Current& now = Now();
        EnterCriticalSection(&now.cs);
        now.strInput = strName;
        now.nStart = GetTickCount64();
        now.bRunning = true;
        LeaveCriticalSection(&now.cs);
        const size_t nPeakBefore = PeakMemory();
        LARGE_INTEGER freq;
        LARGE_INTEGER start;
        LARGE_INTEGER end;
        QueryPerformanceFrequency(&freq);
        QueryPerformanceCounter(&start);
        fnRead(input);
        QueryPerformanceCounter(&end);
        EnterCriticalSection(&now.cs);
        now.bRunning = false;
        LeaveCriticalSection(&now.cs);
        const double dMs =
            static_cast<double>(end.QuadPart - start.QuadPart) * 1000.0 / static_cast<double>(freq.QuadPart);
        ++report.nInputs;
        report.dTotalMs += dMs;
        if (dMs > report.dSlowestMs) {
            report.dSlowestMs = dMs;
            report.strSlowest = strName;
        }
        if (dMs > m_dwLimitMs) {
            ++report.nOverLimit;
            std::fprintf(stderr, "damage driver: over the time limit (%.0f ms): reader \"%s\", input \"%s\"\n", dMs,
                         m_strReader.c_str(), strName.c_str());
        }
        if (PeakMemory() > nPeakBefore + m_nMemoryLimit) {
            ++report.nOverMemory;
            std::fprintf(stderr, "damage driver: over the memory limit: reader \"%s\", input \"%s\"\n",
                         m_strReader.c_str(), strName.c_str());
        }
    }

    uint32_t Next()
    {
        // xorshift32: the same inputs on every run.
        m_nRandom ^= m_nRandom << 13;
        m_nRandom ^= m_nRandom >> 17;
        m_nRandom ^= m_nRandom << 5;
        return m_nRandom;
    }

    size_t Below(size_t n) { return n == 0 ? 0 : Next() % n; }

    DamageBytes Mutate(const DamageSeed& seed, int nRound, std::string& strName)
    {
        DamageBytes bytes = seed.bytes;
        if (nRound == 0) {
            strName = seed.strName + ": as it is";
            return bytes;
        }
        static const uint32_t hugeValues[] = {0x7FFFFFFFu, 0x80000000u, 0xFFFFFFFFu, 1048581u,   16777216u,
                                              16646144u,   0x0000FFFFu, 0x00007FFFu, 0xFFFFFFFEu};
        static const char* const hugeNumbers[] = {"967296",  "2147483647", "-2147483648", "99999999999",
                                                  "1048581", "16777216",   "0",           "-1"};
        const size_t nKinds = m_kind == kindText ? 6 : 4;
        const size_t nKind = Below(nKinds);
        char szWhat[160] = "";
        if (bytes.empty() || nKind == 0) {
            const size_t nCut = Below(bytes.size() + 1);
            bytes.resize(nCut);
            std::snprintf(szWhat, sizeof(szWhat), "cut to %zu bytes", nCut);
        } else if (nKind == 1) {
            const int nFlips = 1 + static_cast<int>(Below(4));
            std::string strAt;
            for (int i = 0; i < nFlips; ++i) {
                const size_t nAt = Below(bytes.size());
                bytes[nAt] = static_cast<unsigned char>(bytes[nAt] ^ (1u << Below(8)));
                strAt += (strAt.empty() ? "" : ",") + std::to_string(nAt);
            }
            std::snprintf(szWhat, sizeof(szWhat), "bits flipped at %s", strAt.c_str());
        } else if (nKind == 2 && m_kind == kindBinary) {
            const size_t nAt = Below(bytes.size());
            const uint32_t nValue = hugeValues[Below(std::size(hugeValues))];
            for (size_t i = 0; i < 4 && nAt + i < bytes.size(); ++i) {
                bytes[nAt + i] = static_cast<unsigned char>(nValue >> (8 * i));
            }
            std::snprintf(szWhat, sizeof(szWhat), "integer %u at %zu", nValue, nAt);
        } else if (nKind == 3 && m_kind == kindBinary) {
            const size_t nAt = Below(bytes.size());
            bytes[nAt] = 0xFF;
            if (nAt + 1 < bytes.size()) {
                bytes[nAt + 1] = 0xFF;
            }
            std::snprintf(szWhat, sizeof(szWhat), "count 0xFFFF at %zu", nAt);
        } else if (nKind == 2 || nKind == 3) {
            // Text: a run of digits becomes a huge number.
            std::vector<size_t> starts;
            for (size_t i = 0; i < bytes.size(); ++i) {
                if (bytes[i] >= '0' && bytes[i] <= '9' && (i == 0 || bytes[i - 1] < '0' || bytes[i - 1] > '9')) {
                    starts.push_back(i);
                }
            }
            const char* pszNumber = hugeNumbers[Below(std::size(hugeNumbers))];
            if (starts.empty()) {
                bytes.insert(bytes.end(), pszNumber, pszNumber + std::char_traits<char>::length(pszNumber));
            } else {
                const size_t nAt = starts[Below(starts.size())];
                size_t nEnd = nAt;
                while (nEnd < bytes.size() && bytes[nEnd] >= '0' && bytes[nEnd] <= '9') {
                    ++nEnd;
                }
                bytes.erase(bytes.begin() + static_cast<std::ptrdiff_t>(nAt),
                            bytes.begin() + static_cast<std::ptrdiff_t>(nEnd));
                bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(nAt), pszNumber,
                             pszNumber + std::char_traits<char>::length(pszNumber));
            }
            std::snprintf(szWhat, sizeof(szWhat), "number %s", pszNumber);
        } else if (nKind == 4) {
            // Text: one line repeated up to the length bound, for readers that are quadratic.
            const size_t nAt = Below(bytes.size());
            size_t nStart = nAt;
            while (nStart > 0 && bytes[nStart - 1] != '\n') {
                --nStart;
            }
            size_t nEnd = nAt;
            while (nEnd < bytes.size() && bytes[nEnd] != '\n') {
                ++nEnd;
            }
            DamageBytes line(bytes.begin() + static_cast<std::ptrdiff_t>(nStart),
                             bytes.begin() + static_cast<std::ptrdiff_t>(std::min(nEnd + 1, bytes.size())));
            if (line.empty() || line.back() != '\n') {
                line.push_back('\r');
                line.push_back('\n');
            }
            DamageBytes out(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(nStart));
            while (out.size() + line.size() <= m_nMaxLength) {
                out.insert(out.end(), line.begin(), line.end());
            }
            bytes.swap(out);
            std::snprintf(szWhat, sizeof(szWhat), "line at %zu repeated to %zu bytes", nStart, bytes.size());
        } else {
            // Text: one long line without an end, or a run of line ends alone.
            const bool bEnds = Below(2) == 0;
            const size_t nLength = m_nMaxLength - std::min(m_nMaxLength, bytes.size());
            bytes.insert(bytes.end(), nLength, static_cast<unsigned char>(bEnds ? '\n' : 'x'));
            std::snprintf(szWhat, sizeof(szWhat), "%zu bytes of %s appended", nLength,
                          bEnds ? "line ends" : "one line");
        }
        strName = seed.strName + ": " + szWhat;
        return bytes;
    }

    std::string m_strReader;
    Kind m_kind;
    int m_nInputs;
    DWORD m_dwLimitMs;
    uint32_t m_nRandom;
    size_t m_nMaxLength = 256 * 1024;
    int m_nMade = 0;
    size_t m_nMemoryLimit = 256u * 1024u * 1024u;
};
