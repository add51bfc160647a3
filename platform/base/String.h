// Counted narrow string of GBK bytes: the text type that crosses every library boundary.
#pragma once

#include <cstdarg>

#include "platform/base/FxExport.h"

class FX_API CString
{
public:
    CString();
    CString(const CString& str);
    CString(CString&& str) noexcept;
    CString(LPCSTR psz);
    CString(LPCSTR pch, int nLength);
    CString(char ch, int nRepeat = 1);
    // UTF-16 in, GBK out (code page 936).
    explicit CString(LPCWSTR pwsz);
    ~CString();

    CString& operator=(const CString& str);
    CString& operator=(CString&& str) noexcept;
    CString& operator=(LPCSTR psz);
    CString& operator=(char ch);
    CString& operator+=(const CString& str);
    CString& operator+=(LPCSTR psz);
    CString& operator+=(char ch);

    int GetLength() const { return GetHeader()->nLength; }
    BOOL IsEmpty() const { return GetLength() == 0; }
    void Empty();
    char GetAt(int nIndex) const;
    void SetAt(int nIndex, char ch);
    char operator[](int nIndex) const { return GetAt(nIndex); }
    operator LPCSTR() const { return m_pszData; }
    LPCSTR GetString() const { return m_pszData; }

    // Byte-wise like strcmp; NoCase folds ASCII letters only, never a GBK trail byte.
    int Compare(LPCSTR psz) const;
    int CompareNoCase(LPCSTR psz) const;

    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(LPCSTR pszCharSet) const;
    CString SpanExcluding(LPCSTR pszCharSet) const;

    // Case changes and reversal keep GBK double-byte characters whole.
    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();

    int Replace(char chOld, char chNew);
    int Replace(LPCSTR pszOld, LPCSTR pszNew);
    int Remove(char ch);
    int Insert(int nIndex, char ch);
    int Insert(int nIndex, LPCSTR psz);
    int Delete(int nIndex, int nCount = 1);

    CString& TrimLeft();
    CString& TrimLeft(char chTarget);
    CString& TrimLeft(LPCSTR pszTargets);
    CString& TrimRight();
    CString& TrimRight(char chTarget);
    CString& TrimRight(LPCSTR pszTargets);
    CString& Trim();

    // Searches match only at character boundaries: a GBK trail byte never matches.
    int Find(char ch, int nStart = 0) const;
    int Find(LPCSTR pszSub, int nStart = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(LPCSTR pszCharSet) const;

    void Format(LPCSTR pszFormat, ...);
    void FormatV(LPCSTR pszFormat, va_list args);
    void AppendFormat(LPCSTR pszFormat, ...);

    LPSTR GetBuffer(int nMinBufLength = 0);
    LPSTR GetBufferSetLength(int nNewLength);
    // nNewLength -1 takes the length up to the first NUL.
    void ReleaseBuffer(int nNewLength = -1);

    // From the current resource module (see CFxResMgr), or from the given one.
    BOOL LoadString(UINT nID);
    BOOL LoadString(HINSTANCE hInst, UINT nID);

    BSTR AllocSysString() const;
    BSTR SetSysString(BSTR* pbstr) const;
    // Number of UTF-16 units written to pwch (pass nullptr to ask for the size), without NUL.
    int ToWide(LPWSTR pwch, int cchMax) const;

    // GBK lead byte: 0x81..0xFE. Every delimiter scan steps by CharLength, never by this alone.
    static BOOL IsLeadByte(BYTE b) { return b >= 0x81 && b <= 0xFE; }
    // GBK trail byte: 0x40..0xFE except 0x7F.
    static BOOL IsTrailByte(BYTE b) { return b >= 0x40 && b <= 0xFE && b != 0x7F; }
    // Byte length of the character at psz: 2 for a lead byte followed by a trail byte, else 1,
    // so a byte that cannot be a trail (a delimiter, NUL) is never swallowed by the byte before.
    static int CharLength(LPCSTR psz);

private:
    struct Header
    {
        int nLength;
        int nAlloc;
    };
    Header* GetHeader() const { return reinterpret_cast<Header*>(m_pszData) - 1; }
    void Assign(LPCSTR pch, int nLength);
    void Append(LPCSTR pch, int nLength);
    void Reserve(int nLength);
    void SetLength(int nLength);

    // The text is the only member: the header lives just before it.
    LPSTR m_pszData;
};

FX_API CString operator+(const CString& s1, const CString& s2);
FX_API CString operator+(const CString& s1, LPCSTR s2);
FX_API CString operator+(LPCSTR s1, const CString& s2);
FX_API CString operator+(const CString& s1, char ch);
FX_API CString operator+(char ch, const CString& s2);

inline bool operator==(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) == 0;
}
inline bool operator==(const CString& s1, LPCSTR s2)
{
    return s1.Compare(s2) == 0;
}
inline bool operator==(LPCSTR s1, const CString& s2)
{
    return s2.Compare(s1) == 0;
}
inline bool operator!=(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) != 0;
}
inline bool operator!=(const CString& s1, LPCSTR s2)
{
    return s1.Compare(s2) != 0;
}
inline bool operator!=(LPCSTR s1, const CString& s2)
{
    return s2.Compare(s1) != 0;
}
inline bool operator<(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) < 0;
}
inline bool operator<(const CString& s1, LPCSTR s2)
{
    return s1.Compare(s2) < 0;
}
inline bool operator>(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) > 0;
}
inline bool operator>(const CString& s1, LPCSTR s2)
{
    return s1.Compare(s2) > 0;
}
inline bool operator<=(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) <= 0;
}
inline bool operator>=(const CString& s1, const CString& s2)
{
    return s1.Compare(s2) >= 0;
}
