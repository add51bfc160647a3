// A moment (seconds since 1970 UTC, read in local time); two moments differ by a CTimeSpan.
#pragma once

#include <ctime>

#include "platform/base/String.h"
#include "platform/base/TimeSpan.h"

// winbase.h maps GetCurrentTime() to GetTickCount(); CTime has its own.
#undef GetCurrentTime

class FX_API CTime
{
public:
    static CTime GetCurrentTime();

    CTime() = default;
    CTime(time_t nTime) : m_nTime(nTime) {}
    // Local time. Fields out of range roll over (month 13 is January of the next year); a moment
    // the C runtime cannot represent (before 1970 UTC) gives the invalid time -1.
    // nDST: 1 summer time, 0 standard time, -1 let the time zone decide.
    CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST = -1);
    CTime(const SYSTEMTIME& st, int nDST = -1);

    time_t GetTime() const { return m_nTime; }
    // Local fields; all 0 for a time that has no local form (negative).
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    int GetHour() const;
    int GetMinute() const;
    int GetSecond() const;
    // 1 = Sunday ... 7 = Saturday.
    int GetDayOfWeek() const;
    // strftime conversions in local time. An unknown conversion is copied as it stands (the C
    // runtime would abort on it); a time with no local form gives an empty text.
    CString Format(LPCSTR pszFormat) const;

    CTimeSpan operator-(CTime time) const { return m_nTime - time.m_nTime; }
    CTime operator+(CTimeSpan span) const { return m_nTime + span.GetTimeSpan(); }
    CTime operator-(CTimeSpan span) const { return m_nTime - span.GetTimeSpan(); }
    CTime& operator+=(CTimeSpan span);
    CTime& operator-=(CTimeSpan span);
    bool operator==(CTime time) const { return m_nTime == time.m_nTime; }
    bool operator!=(CTime time) const { return m_nTime != time.m_nTime; }
    bool operator<(CTime time) const { return m_nTime < time.m_nTime; }
    bool operator>(CTime time) const { return m_nTime > time.m_nTime; }
    bool operator<=(CTime time) const { return m_nTime <= time.m_nTime; }
    bool operator>=(CTime time) const { return m_nTime >= time.m_nTime; }

private:
    BOOL GetLocalTm(struct tm& rTm) const;

    time_t m_nTime = 0;
};
