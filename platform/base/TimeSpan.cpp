#include "platform/base/TimeSpan.h"

CTimeSpan::CTimeSpan(LONG lDays, int nHours, int nMins, int nSecs)
    : m_nSpan(((static_cast<time_t>(lDays) * 24 + nHours) * 60 + nMins) * 60 + nSecs)
{
}

CTimeSpan& CTimeSpan::operator+=(CTimeSpan span)
{
    m_nSpan += span.m_nSpan;
    return *this;
}

CTimeSpan& CTimeSpan::operator-=(CTimeSpan span)
{
    m_nSpan -= span.m_nSpan;
    return *this;
}
