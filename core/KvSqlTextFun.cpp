#include "core/KvSqlTextFun.h"

#include <cctype>

#include "platform/db/FxDbCatalog.h"

namespace
{
BOOL IsNameStart(LPCSTR p)
{
    return CString::IsLeadByte(static_cast<BYTE>(*p)) || std::isalpha(static_cast<unsigned char>(*p)) || *p == '_';
}

BOOL IsNameChar(LPCSTR p)
{
    return IsNameStart(p) || std::isdigit(static_cast<unsigned char>(*p));
}

// Steps over one name; nullptr when there is none at p.
LPCSTR SkipName(LPCSTR p)
{
    if (!IsNameStart(p))
        return nullptr;
    while (*p != '\0' && IsNameChar(p)) {
        // A lead byte without its trail byte ends the text: no name.
        if (CString::IsLeadByte(static_cast<BYTE>(*p)) && p[1] == '\0')
            return nullptr;
        p += CString::CharLength(p);
    }
    return p;
}

LPCSTR SkipDigits(LPCSTR p)
{
    while (std::isdigit(static_cast<unsigned char>(*p)))
        ++p;
    return p;
}

LPCSTR SkipBlanks(LPCSTR p)
{
    while (*p == ' ')
        ++p;
    return p;
}
} // namespace

CKvSqlTextFun::Engine CKvSqlTextFun::GetEngine(const CSession& session)
{
    CString strName = CFxDbCatalog::GetDbmsName(session);
    strName.MakeUpper();
    if (strName.Find("SQL SERVER") >= 0)
        return engineSqlServer;
    if (strName.Find("SQLITE") >= 0)
        return engineSQLite;
    if (strName.Find("POSTGRES") >= 0)
        return enginePostgreSQL;
    return engineOther;
}

BOOL CKvSqlTextFun::IsValidName(LPCSTR pszName, BOOL bDotted)
{
    if (pszName == nullptr)
        return FALSE;
    LPCSTR p = pszName;
    for (;;) {
        p = SkipName(p);
        if (p == nullptr)
            return FALSE;
        if (*p == '\0')
            return TRUE;
        if (*p != '.' || !bDotted)
            return FALSE;
        ++p;
    }
}

BOOL CKvSqlTextFun::IsValidType(LPCSTR pszType)
{
    if (pszType == nullptr)
        return FALSE;
    LPCSTR p = SkipBlanks(pszType);
    p = SkipName(p);
    if (p == nullptr)
        return FALSE;
    for (;;) {
        p = SkipBlanks(p);
        if (*p == '\0')
            return TRUE;
        if (*p != '(') {
            p = SkipName(p);
            if (p == nullptr)
                return FALSE;
            continue;
        }
        p = SkipBlanks(p + 1);
        if (_strnicmp(p, "max", 3) == 0)
            p += 3;
        else {
            LPCSTR pEnd = SkipDigits(p);
            if (pEnd == p)
                return FALSE;
            p = SkipBlanks(pEnd);
            if (*p == ',') {
                p = SkipBlanks(p + 1);
                pEnd = SkipDigits(p);
                if (pEnd == p)
                    return FALSE;
                p = pEnd;
            }
        }
        p = SkipBlanks(p);
        if (*p != ')')
            return FALSE;
        return *SkipBlanks(p + 1) == '\0';
    }
}

BOOL CKvSqlTextFun::IsValidDefault(LPCSTR pszDefault)
{
    if (pszDefault == nullptr)
        return FALSE;
    LPCSTR p = SkipBlanks(pszDefault);
    if (*p == '\'') {
        // The literal ends at a quote not doubled; nothing may follow it.
        for (++p; *p != '\0';) {
            if (*p == '\'') {
                if (p[1] != '\'')
                    return *SkipBlanks(p + 1) == '\0';
                p += 2;
                continue;
            }
            p += CString::CharLength(p);
        }
        return FALSE;
    }
    if (*p == '-' || *p == '+')
        ++p;
    if (std::isdigit(static_cast<unsigned char>(*p)) || (*p == '.' && std::isdigit(static_cast<unsigned char>(p[1])))) {
        p = SkipDigits(p);
        if (*p == '.')
            p = SkipDigits(p + 1);
        return *SkipBlanks(p) == '\0';
    }
    LPCSTR pEnd = SkipName(p);
    if (pEnd == nullptr)
        return FALSE;
    if (_strnicmp(p, "NULL", 4) == 0 && pEnd - p == 4)
        return *SkipBlanks(pEnd) == '\0';
    p = SkipBlanks(pEnd);
    if (*p != '(')
        return FALSE;
    p = SkipBlanks(p + 1);
    return *p == ')' && *SkipBlanks(p + 1) == '\0';
}

CString CKvSqlTextFun::QuoteName(Engine engine, LPCSTR pszName)
{
    // Valid names hold no quote of either kind, so nothing inside needs doubling.
    LPCSTR pszOpen = engine == engineSqlServer ? "[" : "\"";
    LPCSTR pszClose = engine == engineSqlServer ? "]" : "\"";
    CString strOut = pszOpen;
    for (LPCSTR p = pszName; *p != '\0';) {
        int n = CString::CharLength(p);
        if (n == 1 && *p == '.') {
            strOut += pszClose;
            strOut += '.';
            strOut += pszOpen;
        } else
            strOut += CString(p, n);
        p += n;
    }
    strOut += pszClose;
    return strOut;
}

CString CKvSqlTextFun::QuoteLiteral(LPCSTR pszText)
{
    CString strText(pszText);
    strText.Replace("'", "''");
    return CString("'") + strText + "'";
}
