// A moment (seconds since 1970 UTC, read in local time) and the signed span between two moments.
#pragma once

#include <ctime>

#include "platform/base/String.h"

// winbase.h maps GetCurrentTime() to GetTickCount(); CTime has its own.
#undef GetCurrentTime

class FX_API CTimeSpan
{
public:
    CTimeSpan() = default;
    CTimeSpan(time_t nSpan) : m_nSpan(nSpan) {}
    CTimeSpan(LONG lDays, int nHours, int nMins, int nSecs);

    LONGLONG GetDays() const { return m_nSpan / 86400; }
    // The parts within a day, within an hour, within a minute.
    LONG GetHours() const { return static_cast<LONG>(m_nSpan / 3600 % 24); }
    LONG GetMinutes() const { return static_cast<LONG>(m_nSpan / 60 % 60); }
    LONG GetSeconds() const { return static_cast<LONG>(m_nSpan % 60); }
    LONGLONG GetTotalHours() const { return m_nSpan / 3600; }
    LONGLONG GetTotalMinutes() const { return m_nSpan / 60; }
    LONGLONG GetTotalSeconds() const { return m_nSpan; }
    time_t GetTimeSpan() const { return m_nSpan; }

    CTimeSpan operator+(CTimeSpan span) const { return m_nSpan + span.m_nSpan; }
    CTimeSpan operator-(CTimeSpan span) const { return m_nSpan - span.m_nSpan; }
    CTimeSpan& operator+=(CTimeSpan span);
    CTimeSpan& operator-=(CTimeSpan span);
    bool operator==(CTimeSpan span) const { return m_nSpan == span.m_nSpan; }
    bool operator!=(CTimeSpan span) const { return m_nSpan != span.m_nSpan; }
    bool operator<(CTimeSpan span) const { return m_nSpan < span.m_nSpan; }
    bool operator>(CTimeSpan span) const { return m_nSpan > span.m_nSpan; }
    bool operator<=(CTimeSpan span) const { return m_nSpan <= span.m_nSpan; }
    bool operator>=(CTimeSpan span) const { return m_nSpan >= span.m_nSpan; }

private:
    time_t m_nSpan = 0;
};

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
