// The signed span between two moments, in seconds.
#pragma once

#include <ctime>

#include "platform/base/FxExport.h"

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
