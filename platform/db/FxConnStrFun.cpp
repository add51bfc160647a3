#include "platform/db/FxConnStrFun.h"

#include <vector>

namespace
{
struct Attribute
{
    CString strKey;
    CString strValue;
    // The pair's bytes in the text, its ";" included.
    size_t nStart;
    size_t nEnd;
};

// Splits "key=value;..." pairs. A value may be quoted with "..." or '...' (provider style, the
// quote doubled inside) or {...} (ODBC style, "}}" inside); blanks around keys and plain values
// go. The scan steps over GBK characters, whose trail byte may equal ';'.
std::vector<Attribute> SplitAttributes(LPCSTR pszText)
{
    std::vector<Attribute> attrs;
    LPCSTR p = pszText;
    while (*p != '\0') {
        LPCSTR pStart = p;
        CString strKey;
        while (*p != '\0' && *p != '=' && *p != ';') {
            int n = CString::CharLength(p);
            strKey += CString(p, n);
            p += n;
        }
        strKey.Trim();
        CString strValue;
        if (*p == '=') {
            ++p;
            while (*p == ' ' || *p == '\t')
                ++p;
            char chClose = *p == '{' ? '}' : (*p == '"' || *p == '\'') ? *p : '\0';
            if (chClose != '\0') {
                ++p;
                while (*p != '\0') {
                    if (*p == chClose) {
                        if (p[1] != chClose) {
                            ++p;
                            break;
                        }
                        ++p;
                    }
                    int n = CString::CharLength(p);
                    strValue += CString(p, n);
                    p += n;
                }
                while (*p != '\0' && *p != ';')
                    ++p;
            } else {
                while (*p != '\0' && *p != ';') {
                    int n = CString::CharLength(p);
                    strValue += CString(p, n);
                    p += n;
                }
                strValue.Trim();
            }
        }
        if (*p == ';')
            ++p;
        if (!strKey.IsEmpty())
            attrs.push_back(
                {strKey, strValue, static_cast<size_t>(pStart - pszText), static_cast<size_t>(p - pszText)});
    }
    return attrs;
}

const Attribute* FindAttribute(const std::vector<Attribute>& attrs, LPCSTR pszKey)
{
    for (const Attribute& attr : attrs) {
        if (attr.strKey.CompareNoCase(pszKey) == 0)
            return &attr;
    }
    return nullptr;
}

// ODBC braces a value that would otherwise end early or lose its blanks; driver names are braced
// always, as Windows' driver manager documents them.
void AppendOdbcAttribute(CString& strOut, LPCSTR pszKey, const CString& strValue)
{
    if (!strOut.IsEmpty())
        strOut += ';';
    strOut += pszKey;
    strOut += '=';
    int nLen = strValue.GetLength();
    BOOL bBrace = lstrcmpiA(pszKey, "Driver") == 0 || strValue.FindOneOf(";{}") >= 0 ||
                  (nLen > 0 && (strValue[0] == ' ' || strValue[nLen - 1] == ' '));
    if (!bBrace) {
        strOut += strValue;
        return;
    }
    CString strEscaped = strValue;
    strEscaped.Replace("}", "}}");
    strOut += '{';
    strOut += strEscaped;
    strOut += '}';
}

struct KeyMap
{
    const char* szProvider;
    const char* szOdbc;
};

// The SQL Server providers' keys and their ODBC names; other keys have no meaning to the driver.
const KeyMap sqlServerKeys[] = {
    {"Data Source", "Server"},
    {"Initial Catalog", "Database"},
    {"User ID", "UID"},
    {"Password", "PWD"},
};

BOOL IsSqlServerProvider(const CString& strProvider)
{
    CString strName = strProvider;
    strName.MakeUpper();
    return strName.Find("SQLOLEDB") == 0 || strName.Find("SQLNCLI") == 0 || strName.Find("MSOLEDBSQL") == 0;
}

CString TranslateProvider(const std::vector<Attribute>& attrs, const CString& strProvider)
{
    CString strOut;
    if (IsSqlServerProvider(strProvider)) {
        AppendOdbcAttribute(strOut, "Driver", "SQL Server");
        for (const KeyMap& key : sqlServerKeys) {
            if (const Attribute* pAttr = FindAttribute(attrs, key.szProvider))
                AppendOdbcAttribute(strOut, key.szOdbc, pAttr->strValue);
        }
        const Attribute* pIntegrated = FindAttribute(attrs, "Integrated Security");
        if (pIntegrated != nullptr && pIntegrated->strValue.CompareNoCase("SSPI") == 0)
            AppendOdbcAttribute(strOut, "Trusted_Connection", "Yes");
        return strOut;
    }
    // The OLE DB provider over ODBC names a DSN, its driver keys ride in the extended properties.
    if (strProvider.CompareNoCase("MSDASQL") == 0 || strProvider.CompareNoCase("MSDASQL.1") == 0) {
        if (const Attribute* pAttr = FindAttribute(attrs, "Data Source"))
            AppendOdbcAttribute(strOut, "DSN", pAttr->strValue);
        if (const Attribute* pAttr = FindAttribute(attrs, "User ID"))
            AppendOdbcAttribute(strOut, "UID", pAttr->strValue);
        if (const Attribute* pAttr = FindAttribute(attrs, "Password"))
            AppendOdbcAttribute(strOut, "PWD", pAttr->strValue);
        if (const Attribute* pAttr = FindAttribute(attrs, "Extended Properties")) {
            for (const Attribute& extra : SplitAttributes(pAttr->strValue))
                AppendOdbcAttribute(strOut, extra.strKey, extra.strValue);
        }
    }
    return strOut;
}

// An ODBC string passes as it is, but a SQLite driver opens its database file on the host.
CString TranslateOdbc(const std::vector<Attribute>& attrs)
{
    const Attribute* pDriver = FindAttribute(attrs, "Driver");
    CString strDriver = pDriver != nullptr ? pDriver->strValue : CString();
    strDriver.MakeUpper();
    BOOL bSQLite = strDriver.Find("SQLITE") >= 0;
    CString strOut;
    for (const Attribute& attr : attrs) {
        if (bSQLite && attr.strKey.CompareNoCase("Database") == 0)
            AppendOdbcAttribute(strOut, attr.strKey, CFxConnStrFun::ToDriverPath(attr.strValue));
        else
            AppendOdbcAttribute(strOut, attr.strKey, attr.strValue);
    }
    return strOut;
}

// Wine's own export: the Unix name of a DOS path, in memory from the process heap.
using WineUnixNameFn = char*(CDECL*)(LPCWSTR);

WineUnixNameFn WineUnixName()
{
    HMODULE hKernel = GetModuleHandleA("kernel32.dll");
    if (hKernel == nullptr)
        return nullptr;
    return reinterpret_cast<WineUnixNameFn>(
        reinterpret_cast<void*>(GetProcAddress(hKernel, "wine_get_unix_file_name")));
}
} // namespace

CString CFxConnStrFun::ToOdbc(LPCSTR pszInit)
{
    std::vector<Attribute> attrs = SplitAttributes(pszInit != nullptr ? pszInit : "");
    const Attribute* pProvider = FindAttribute(attrs, "Provider");
    if (pProvider != nullptr)
        return TranslateProvider(attrs, pProvider->strValue);
    return TranslateOdbc(attrs);
}

CString CFxConnStrFun::WithoutPassword(LPCSTR pszInit)
{
    CString strInit(pszInit != nullptr ? pszInit : "");
    CString strOut;
    for (const Attribute& attr : SplitAttributes(strInit)) {
        if (attr.strKey.CompareNoCase("Password") != 0 && attr.strKey.CompareNoCase("PWD") != 0)
            strOut += strInit.Mid(static_cast<int>(attr.nStart), static_cast<int>(attr.nEnd - attr.nStart));
    }
    // A password that came last leaves the ";" of the pair before it.
    if (!strOut.IsEmpty() && strOut[strOut.GetLength() - 1] == ';' &&
        (strInit.IsEmpty() || strInit[strInit.GetLength() - 1] != ';'))
        strOut = strOut.Left(strOut.GetLength() - 1);
    return strOut;
}

CString CFxConnStrFun::ToDriverPath(LPCSTR pszPath)
{
    WineUnixNameFn pfnUnixName = WineUnixName();
    // A path that is no DOS path (already Unix, or empty for an in-memory database) stays.
    if (pfnUnixName == nullptr || pszPath == nullptr || pszPath[0] == '\0' || pszPath[0] == '/')
        return CString(pszPath);
    CString strPath(pszPath);
    int cchWide = strPath.ToWide(nullptr, 0);
    std::vector<WCHAR> wide(static_cast<size_t>(cchWide) + 1, L'\0');
    strPath.ToWide(wide.data(), cchWide + 1);
    char* pszUnix = pfnUnixName(wide.data());
    if (pszUnix == nullptr)
        return strPath;
    CString strUnix(pszUnix);
    HeapFree(GetProcessHeap(), 0, pszUnix);
    return strUnix;
}
