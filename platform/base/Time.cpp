#include "platform/base/Time.h"

#include <cstring>

CTime CTime::GetCurrentTime()
{
    return CTime(time(nullptr));
}

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST)
{
    struct tm tmLocal = {};
    tmLocal.tm_year = nYear - 1900;
    tmLocal.tm_mon = nMonth - 1;
    tmLocal.tm_mday = nDay;
    tmLocal.tm_hour = nHour;
    tmLocal.tm_min = nMin;
    tmLocal.tm_sec = nSec;
    tmLocal.tm_isdst = nDST;
    m_nTime = mktime(&tmLocal);
}

CTime::CTime(const SYSTEMTIME& st, int nDST)
    : CTime(st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond, nDST)
{
}

BOOL CTime::GetLocalTm(struct tm& rTm) const
{
    return m_nTime >= 0 && localtime_s(&rTm, &m_nTime) == 0;
}

int CTime::GetYear() const
{
    struct tm tmLocal = {};
    return GetLocalTm(tmLocal) ? tmLocal.tm_year + 1900 : 0;
}

int CTime::GetMonth() const
{
    struct tm tmLocal = {};
    return GetLocalTm(tmLocal) ? tmLocal.tm_mon + 1 : 0;
}

int CTime::GetDay() const
{
    struct tm tmLocal = {};
    return GetLocalTm(tmLocal) ? tmLocal.tm_mday : 0;
}

int CTime::GetHour() const
{
    struct tm tmLocal = {};
    return GetLocalTm(tmLocal) ? tmLocal.tm_hour : 0;
}

int CTime::GetMinute() const
{
    struct tm tmLocal = {};
    return GetLocalTm(tmLocal) ? tmLocal.tm_min : 0;
}

int CTime::GetSecond() const
{
    struct tm tmLocal = {};
    return GetLocalTm(tmLocal) ? tmLocal.tm_sec : 0;
}

int CTime::GetDayOfWeek() const
{
    struct tm tmLocal = {};
    return GetLocalTm(tmLocal) ? tmLocal.tm_wday + 1 : 0;
}

CString CTime::Format(LPCSTR pszFormat) const
{
    struct tm tmLocal = {};
    if (pszFormat == nullptr || !GetLocalTm(tmLocal)) {
        return CString();
    }
    CString strResult;
    for (LPCSTR p = pszFormat; *p != 0;) {
        if (CString::CharLength(p) == 2) {
            strResult += CString(p, 2);
            p += 2;
        } else if (*p == '%' && p[1] != 0 && std::strchr("aAbBcdHIjmMpSUwWxXyYzZ%", p[1]) != nullptr) {
            char szConversion[3] = {'%', p[1], 0};
            char szPart[128] = {};
            size_t nLen = strftime(szPart, sizeof(szPart), szConversion, &tmLocal);
            strResult += CString(szPart, static_cast<int>(nLen));
            p += 2;
        } else {
            strResult += *p++;
        }
    }
    return strResult;
}

CTime& CTime::operator+=(CTimeSpan span)
{
    m_nTime += span.GetTimeSpan();
    return *this;
}

CTime& CTime::operator-=(CTimeSpan span)
{
    m_nTime -= span.GetTimeSpan();
    return *this;
}
