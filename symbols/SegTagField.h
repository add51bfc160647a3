// One field of a kind's tag, a text or an integer member: a table of them in tag order serves the
// kind's reader, writer and copy alike, so the three cannot drift apart.
#pragma once

#include <cstddef>

#include "symbols/ContentSegment.h"

template <class TSeg> struct CSegTagField
{
    CString TSeg::*pstrText;
    int TSeg::*pnInt;
};

template <class TSeg> constexpr CSegTagField<TSeg> SegTagText(CString TSeg::*pstrText)
{
    return {pstrText, nullptr};
}

template <class TSeg> constexpr CSegTagField<TSeg> SegTagInt(int TSeg::*pnInt)
{
    return {nullptr, pnInt};
}

template <class TSeg, size_t N>
void CContentSegment::ReadTagFields(TSeg& seg, const CString& strFields, const CSegTagField<TSeg> (&aField)[N])
{
    CString* apText[N];
    int* apInt[N];
    for (size_t i = 0; i < N; i++) {
        apText[i] = aField[i].pstrText != nullptr ? &(seg.*aField[i].pstrText) : nullptr;
        apInt[i] = aField[i].pnInt != nullptr ? &(seg.*aField[i].pnInt) : nullptr;
    }
    ReadTagFields(strFields, apText, apInt, static_cast<INT_PTR>(N));
}

template <class TSeg, size_t N>
CString CContentSegment::JoinTagFields(const TSeg& seg, const CSegTagField<TSeg> (&aField)[N])
{
    CString strFields;
    for (size_t i = 0; i < N; i++) {
        if (i > 0)
            strFields += ";";
        if (aField[i].pstrText != nullptr)
            strFields += seg.*aField[i].pstrText;
        else
            strFields.AppendFormat("%d", seg.*aField[i].pnInt);
    }
    return strFields;
}

template <class TSeg, size_t N>
void CContentSegment::CopyTagFields(TSeg& dst, const TSeg& src, const CSegTagField<TSeg> (&aField)[N])
{
    for (const CSegTagField<TSeg>& field : aField) {
        if (field.pstrText != nullptr)
            dst.*field.pstrText = src.*field.pstrText;
        else
            dst.*field.pnInt = src.*field.pnInt;
    }
}
