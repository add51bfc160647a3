#include "platform/base/String.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "platform/base/FxResMgr.h"
#include "platform/base/MemoryException.h"

namespace
{
// Header {length 0, capacity 0} followed by an empty text; shared by every empty string.
alignas(int) int g_emptyData[3] = {0, 0, 0};
LPSTR EmptyText()
{
    return reinterpret_cast<LPSTR>(&g_emptyData[2]);
}

// What the argument-less trims take away; none of these bytes is part of a double-byte character.
const char kWhiteSpace[] = " \t\n\r\v\f";

char FoldLower(char ch)
{
    return (ch >= 'A' && ch <= 'Z') ? static_cast<char>(ch - 'A' + 'a') : ch;
}

// True when the (single- or double-byte) character at psz occurs in the set, compared whole.
bool CharInSet(LPCSTR psz, int nLen, LPCSTR pszSet)
{
    for (LPCSTR p = pszSet; *p != '\0';) {
        int n = CString::CharLength(p);
        if (n == nLen && std::memcmp(p, psz, static_cast<size_t>(n)) == 0) {
            return true;
        }
        p += n;
    }
    return false;
}
} // namespace

int CString::CharLength(LPCSTR psz)
{
    return (IsLeadByte(static_cast<BYTE>(psz[0])) && IsTrailByte(static_cast<BYTE>(psz[1]))) ? 2 : 1;
}

CString::CString() : m_pszData(EmptyText())
{
}

CString::CString(const CString& str) : m_pszData(EmptyText())
{
    Assign(str.m_pszData, str.GetLength());
}

CString::CString(CString&& str) noexcept : m_pszData(str.m_pszData)
{
    str.m_pszData = EmptyText();
}

CString::CString(LPCSTR psz) : m_pszData(EmptyText())
{
    if (psz != nullptr) {
        Assign(psz, static_cast<int>(std::strlen(psz)));
    }
}

CString::CString(LPCSTR pch, int nLength) : m_pszData(EmptyText())
{
    if (pch != nullptr && nLength > 0) {
        Assign(pch, nLength);
    }
}

CString::CString(char ch, int nRepeat) : m_pszData(EmptyText())
{
    if (nRepeat > 0) {
        Reserve(nRepeat);
        std::memset(m_pszData, ch, static_cast<size_t>(nRepeat));
        SetLength(nRepeat);
    }
}

CString::CString(LPCWSTR pwsz) : m_pszData(EmptyText())
{
    if (pwsz == nullptr || *pwsz == L'\0') {
        return;
    }
    int cb = WideCharToMultiByte(FX_CODEPAGE, 0, pwsz, -1, nullptr, 0, nullptr, nullptr);
    if (cb > 1) {
        Reserve(cb - 1);
        WideCharToMultiByte(FX_CODEPAGE, 0, pwsz, -1, m_pszData, cb, nullptr, nullptr);
        SetLength(cb - 1);
    }
}

CString::~CString()
{
    if (m_pszData != EmptyText()) {
        std::free(GetHeader());
    }
}

CString& CString::operator=(const CString& str)
{
    if (this != &str) {
        Assign(str.m_pszData, str.GetLength());
    }
    return *this;
}

CString& CString::operator=(CString&& str) noexcept
{
    if (this != &str) {
        if (m_pszData != EmptyText()) {
            std::free(GetHeader());
        }
        m_pszData = str.m_pszData;
        str.m_pszData = EmptyText();
    }
    return *this;
}

CString& CString::operator=(LPCSTR psz)
{
    if (psz == nullptr) {
        Empty();
    } else if (psz >= m_pszData && psz <= m_pszData + GetLength()) {
        // Assigning a tail of ourselves: copy before the buffer can move.
        CString copy(psz);
        *this = std::move(copy);
    } else {
        Assign(psz, static_cast<int>(std::strlen(psz)));
    }
    return *this;
}

CString& CString::operator=(char ch)
{
    Assign(&ch, 1);
    return *this;
}

CString& CString::operator+=(const CString& str)
{
    Append(str.m_pszData, str.GetLength());
    return *this;
}

CString& CString::operator+=(LPCSTR psz)
{
    if (psz != nullptr) {
        Append(psz, static_cast<int>(std::strlen(psz)));
    }
    return *this;
}

CString& CString::operator+=(char ch)
{
    Append(&ch, 1);
    return *this;
}

void CString::Empty()
{
    if (GetHeader()->nAlloc != 0) {
        SetLength(0);
    }
}

char CString::GetAt(int nIndex) const
{
    return (nIndex >= 0 && nIndex < GetLength()) ? m_pszData[nIndex] : '\0';
}

void CString::SetAt(int nIndex, char ch)
{
    if (nIndex >= 0 && nIndex < GetLength()) {
        m_pszData[nIndex] = ch;
    }
}

int CString::Compare(LPCSTR psz) const
{
    return std::strcmp(m_pszData, psz != nullptr ? psz : "");
}

int CString::CompareNoCase(LPCSTR psz) const
{
    const BYTE* p1 = reinterpret_cast<const BYTE*>(m_pszData);
    const BYTE* p2 = reinterpret_cast<const BYTE*>(psz != nullptr ? psz : "");
    for (;;) {
        // A double-byte character compares exactly; only ASCII letters fold.
        if (CharLength(reinterpret_cast<LPCSTR>(p1)) == 2 && *p1 == *p2) {
            if (p1[1] != p2[1]) {
                return p1[1] < p2[1] ? -1 : 1;
            }
            p1 += 2;
            p2 += 2;
            continue;
        }
        BYTE c1 = static_cast<BYTE>(FoldLower(static_cast<char>(*p1)));
        BYTE c2 = static_cast<BYTE>(FoldLower(static_cast<char>(*p2)));
        if (c1 != c2) {
            return c1 < c2 ? -1 : 1;
        }
        if (c1 == 0) {
            return 0;
        }
        ++p1;
        ++p2;
    }
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength() - nFirst);
}

CString CString::Mid(int nFirst, int nCount) const
{
    if (nFirst < 0) {
        nFirst = 0;
    }
    if (nCount < 0) {
        nCount = 0;
    }
    int nLength = GetLength();
    if (nFirst > nLength) {
        nFirst = nLength;
    }
    if (nCount > nLength - nFirst) {
        nCount = nLength - nFirst;
    }
    return CString(m_pszData + nFirst, nCount);
}

CString CString::Left(int nCount) const
{
    return Mid(0, nCount);
}

CString CString::Right(int nCount) const
{
    if (nCount < 0) {
        nCount = 0;
    }
    int nLength = GetLength();
    if (nCount > nLength) {
        nCount = nLength;
    }
    return CString(m_pszData + nLength - nCount, nCount);
}

CString CString::SpanIncluding(LPCSTR pszCharSet) const
{
    LPCSTR p = m_pszData;
    while (*p != '\0' && CharInSet(p, CharLength(p), pszCharSet)) {
        p += CharLength(p);
    }
    return Left(static_cast<int>(p - m_pszData));
}

CString CString::SpanExcluding(LPCSTR pszCharSet) const
{
    int n = FindOneOf(pszCharSet);
    return n < 0 ? *this : Left(n);
}

CString& CString::MakeUpper()
{
    for (LPSTR p = m_pszData; *p != '\0'; p += CharLength(p)) {
        if (*p >= 'a' && *p <= 'z') {
            *p = static_cast<char>(*p - 'a' + 'A');
        }
    }
    return *this;
}

CString& CString::MakeLower()
{
    for (LPSTR p = m_pszData; *p != '\0'; p += CharLength(p)) {
        *p = FoldLower(*p);
    }
    return *this;
}

CString& CString::MakeReverse()
{
    // Reverse the bytes, then put each double-byte pair back in order.
    int nLength = GetLength();
    CString result;
    result.Reserve(nLength);
    LPSTR pOut = result.m_pszData + nLength;
    for (LPCSTR p = m_pszData; *p != '\0';) {
        int n = CharLength(p);
        pOut -= n;
        std::memcpy(pOut, p, static_cast<size_t>(n));
        p += n;
    }
    result.SetLength(nLength);
    *this = std::move(result);
    return *this;
}

int CString::Replace(char chOld, char chNew)
{
    int nCount = 0;
    for (LPSTR p = m_pszData; *p != '\0'; p += CharLength(p)) {
        if (CharLength(p) == 1 && *p == chOld) {
            *p = chNew;
            ++nCount;
        }
    }
    return nCount;
}

int CString::Replace(LPCSTR pszOld, LPCSTR pszNew)
{
    int nOld = pszOld != nullptr ? static_cast<int>(std::strlen(pszOld)) : 0;
    if (nOld == 0) {
        return 0;
    }
    CString result;
    int nCount = 0;
    int nStart = 0;
    for (int nPos = Find(pszOld); nPos >= 0; nPos = Find(pszOld, nStart)) {
        result.Append(m_pszData + nStart, nPos - nStart);
        result += pszNew;
        nStart = nPos + nOld;
        ++nCount;
    }
    if (nCount > 0) {
        result.Append(m_pszData + nStart, GetLength() - nStart);
        *this = std::move(result);
    }
    return nCount;
}

int CString::Remove(char ch)
{
    LPSTR pOut = m_pszData;
    int nCount = 0;
    for (LPSTR p = m_pszData; *p != '\0';) {
        int n = CharLength(p);
        if (n == 1 && *p == ch) {
            ++nCount;
        } else {
            std::memmove(pOut, p, static_cast<size_t>(n));
            pOut += n;
        }
        p += n;
    }
    if (nCount > 0) {
        SetLength(static_cast<int>(pOut - m_pszData));
    }
    return nCount;
}

int CString::Insert(int nIndex, char ch)
{
    char sz[2] = {ch, '\0'};
    return Insert(nIndex, sz);
}

int CString::Insert(int nIndex, LPCSTR psz)
{
    int nLength = GetLength();
    if (nIndex < 0) {
        nIndex = 0;
    }
    if (nIndex > nLength) {
        nIndex = nLength;
    }
    CString result(m_pszData, nIndex);
    result += psz;
    result.Append(m_pszData + nIndex, nLength - nIndex);
    *this = std::move(result);
    return GetLength();
}

int CString::Delete(int nIndex, int nCount)
{
    int nLength = GetLength();
    if (nIndex < 0) {
        nIndex = 0;
    }
    if (nCount > 0 && nIndex < nLength) {
        if (nCount > nLength - nIndex) {
            nCount = nLength - nIndex;
        }
        std::memmove(m_pszData + nIndex, m_pszData + nIndex + nCount, static_cast<size_t>(nLength - nIndex - nCount));
        SetLength(nLength - nCount);
    }
    return GetLength();
}

CString& CString::TrimLeft()
{
    return TrimLeft(kWhiteSpace);
}

CString& CString::TrimLeft(char chTarget)
{
    char sz[2] = {chTarget, '\0'};
    return TrimLeft(sz);
}

CString& CString::TrimLeft(LPCSTR pszTargets)
{
    LPCSTR p = m_pszData;
    while (*p != '\0' && CharInSet(p, CharLength(p), pszTargets)) {
        p += CharLength(p);
    }
    Delete(0, static_cast<int>(p - m_pszData));
    return *this;
}

CString& CString::TrimRight()
{
    return TrimRight(kWhiteSpace);
}

CString& CString::TrimRight(char chTarget)
{
    char sz[2] = {chTarget, '\0'};
    return TrimRight(sz);
}

CString& CString::TrimRight(LPCSTR pszTargets)
{
    LPCSTR pKeepEnd = m_pszData;
    for (LPCSTR p = m_pszData; *p != '\0';) {
        int n = CharLength(p);
        if (!CharInSet(p, n, pszTargets)) {
            pKeepEnd = p + n;
        }
        p += n;
    }
    SetLength(static_cast<int>(pKeepEnd - m_pszData));
    return *this;
}

CString& CString::Trim()
{
    TrimRight();
    return TrimLeft();
}

// nStart is taken as a character boundary, as every position these searches return is one:
// scanning from it keeps a "find the next one" loop linear.
int CString::Find(char ch, int nStart) const
{
    if (nStart < 0 || nStart >= GetLength()) {
        return -1;
    }
    for (LPCSTR p = m_pszData + nStart; *p != '\0'; p += CharLength(p)) {
        if (*p == ch && CharLength(p) == 1) {
            return static_cast<int>(p - m_pszData);
        }
    }
    return -1;
}

int CString::Find(LPCSTR pszSub, int nStart) const
{
    if (pszSub == nullptr || nStart < 0 || nStart > GetLength()) {
        return -1;
    }
    size_t nSub = std::strlen(pszSub);
    for (LPCSTR p = m_pszData + nStart;; p += CharLength(p)) {
        if (std::strncmp(p, pszSub, nSub) == 0) {
            return static_cast<int>(p - m_pszData);
        }
        if (*p == '\0') {
            return -1;
        }
    }
}

int CString::ReverseFind(char ch) const
{
    int nFound = -1;
    for (LPCSTR p = m_pszData; *p != '\0'; p += CharLength(p)) {
        if (CharLength(p) == 1 && *p == ch) {
            nFound = static_cast<int>(p - m_pszData);
        }
    }
    return nFound;
}

int CString::FindOneOf(LPCSTR pszCharSet) const
{
    for (LPCSTR p = m_pszData; *p != '\0'; p += CharLength(p)) {
        if (CharInSet(p, CharLength(p), pszCharSet)) {
            return static_cast<int>(p - m_pszData);
        }
    }
    return -1;
}

void CString::Format(LPCSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void CString::FormatV(LPCSTR pszFormat, va_list args)
{
    // MinGW's own C99 printf: the same digits on every Windows, unlike msvcrt's.
    va_list argsCount;
    va_copy(argsCount, args);
    int n = __mingw_vsnprintf(nullptr, 0, pszFormat, argsCount);
    va_end(argsCount);
    if (n <= 0) {
        Empty();
        return;
    }
    CString result;
    result.Reserve(n);
    __mingw_vsnprintf(result.m_pszData, static_cast<size_t>(n) + 1, pszFormat, args);
    result.SetLength(n);
    *this = std::move(result);
}

void CString::AppendFormat(LPCSTR pszFormat, ...)
{
    CString piece;
    va_list args;
    va_start(args, pszFormat);
    piece.FormatV(pszFormat, args);
    va_end(args);
    *this += piece;
}

LPSTR CString::GetBuffer(int nMinBufLength)
{
    int nLength = GetLength();
    Reserve(nMinBufLength > nLength ? nMinBufLength : nLength);
    return m_pszData;
}

LPSTR CString::GetBufferSetLength(int nNewLength)
{
    if (nNewLength < 0) {
        nNewLength = 0;
    }
    Reserve(nNewLength);
    SetLength(nNewLength);
    return m_pszData;
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (GetHeader()->nAlloc == 0) {
        return;
    }
    if (nNewLength < 0) {
        nNewLength = static_cast<int>(strnlen(m_pszData, static_cast<size_t>(GetHeader()->nAlloc)));
    }
    if (nNewLength > GetHeader()->nAlloc) {
        nNewLength = GetHeader()->nAlloc;
    }
    SetLength(nNewLength);
}

BOOL CString::LoadString(UINT nID)
{
    // Strings live in blocks of 16; the block's module is the one that holds the string.
    LPCSTR pszBlock = MAKEINTRESOURCEA((nID >> 4) + 1);
    HINSTANCE hInst = CFxResMgr::FindResourceHandle(pszBlock, RT_STRING);
    return LoadString(hInst != nullptr ? hInst : CFxResMgr::GetResourceHandle(), nID);
}

BOOL CString::LoadString(HINSTANCE hInst, UINT nID)
{
    // Read the UTF-16 resource in place and convert it to GBK ourselves: the ANSI entry point
    // would use whatever code page the process has.
    LPCWSTR pwch = nullptr;
    int cch = LoadStringW(hInst, nID, reinterpret_cast<LPWSTR>(&pwch), 0);
    if (cch <= 0 || pwch == nullptr) {
        return FALSE;
    }
    int cb = WideCharToMultiByte(FX_CODEPAGE, 0, pwch, cch, nullptr, 0, nullptr, nullptr);
    CString result;
    result.Reserve(cb);
    WideCharToMultiByte(FX_CODEPAGE, 0, pwch, cch, result.m_pszData, cb, nullptr, nullptr);
    result.SetLength(cb);
    *this = std::move(result);
    return TRUE;
}

int CString::ToWide(LPWSTR pwch, int cchMax) const
{
    int nLength = GetLength();
    if (nLength == 0) {
        return 0;
    }
    return MultiByteToWideChar(FX_CODEPAGE, 0, m_pszData, nLength, pwch, pwch != nullptr ? cchMax : 0);
}

BSTR CString::AllocSysString() const
{
    int cch = ToWide(nullptr, 0);
    BSTR bstr = SysAllocStringLen(nullptr, static_cast<UINT>(cch));
    if (bstr != nullptr && cch > 0) {
        ToWide(bstr, cch);
    }
    return bstr;
}

BSTR CString::SetSysString(BSTR* pbstr) const
{
    int cch = ToWide(nullptr, 0);
    if (!SysReAllocStringLen(pbstr, nullptr, static_cast<UINT>(cch))) {
        return nullptr;
    }
    if (cch > 0) {
        ToWide(*pbstr, cch);
    }
    return *pbstr;
}

void CString::Assign(LPCSTR pch, int nLength)
{
    if (nLength <= 0) {
        Empty();
        return;
    }
    if (pch >= m_pszData && pch < m_pszData + GetLength()) {
        // Part of ourselves: move it down, the buffer is large enough already.
        std::memmove(m_pszData, pch, static_cast<size_t>(nLength));
        SetLength(nLength);
        return;
    }
    Reserve(nLength);
    std::memcpy(m_pszData, pch, static_cast<size_t>(nLength));
    SetLength(nLength);
}

void CString::Append(LPCSTR pch, int nLength)
{
    if (nLength <= 0) {
        return;
    }
    int nOld = GetLength();
    if (nLength > INT_MAX - nOld) {
        // Longer than a string can count: as good as out of memory.
        CMemoryException::Throw();
    }
    if (pch >= m_pszData && pch < m_pszData + nOld) {
        CString copy(pch, nLength);
        Append(copy.m_pszData, nLength);
        return;
    }
    Reserve(nOld + nLength);
    std::memcpy(m_pszData + nOld, pch, static_cast<size_t>(nLength));
    SetLength(nOld + nLength);
}

void CString::Reserve(int nLength)
{
    struct Header* pOld = GetHeader();
    if (nLength <= pOld->nAlloc) {
        return;
    }
    // Doubling keeps a run of appends linear; it stops at the longest length the header holds.
    int nAlloc = nLength;
    if (pOld->nAlloc != 0 && nAlloc / 2 < pOld->nAlloc) {
        nAlloc = pOld->nAlloc > INT_MAX / 2 ? INT_MAX : pOld->nAlloc * 2;
    }
    auto* pNew = static_cast<struct Header*>(std::malloc(sizeof(struct Header) + static_cast<size_t>(nAlloc) + 1));
    if (pNew == nullptr) {
        // The framework's one out-of-memory signal, as from a memory file that cannot grow.
        CMemoryException::Throw();
    }
    pNew->nLength = pOld->nLength;
    pNew->nAlloc = nAlloc;
    LPSTR pszNew = reinterpret_cast<LPSTR>(pNew + 1);
    std::memcpy(pszNew, m_pszData, static_cast<size_t>(pOld->nLength) + 1);
    if (m_pszData != EmptyText()) {
        std::free(pOld);
    }
    m_pszData = pszNew;
}

void CString::SetLength(int nLength)
{
    if (GetHeader()->nAlloc == 0) {
        return;
    }
    GetHeader()->nLength = nLength;
    m_pszData[nLength] = '\0';
}

namespace
{
// Every concatenation: the left part as a string, then the right part appended.
template <class Left, class Right> CString Concat(const Left& left, const Right& right)
{
    CString s(left);
    s += right;
    return s;
}
} // namespace

CString operator+(const CString& s1, const CString& s2)
{
    return Concat(s1, s2);
}

CString operator+(const CString& s1, LPCSTR s2)
{
    return Concat(s1, s2);
}

CString operator+(LPCSTR s1, const CString& s2)
{
    return Concat(s1, s2);
}

CString operator+(const CString& s1, char ch)
{
    return Concat(s1, ch);
}

CString operator+(char ch, const CString& s2)
{
    return Concat(ch, s2);
}
