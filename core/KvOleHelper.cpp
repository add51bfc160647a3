#include "core/KvOleHelper.h"

#include <cstring>

#include <oledb.h>

#include "platform/db/FxDbErrorRecords.h"

namespace
{
struct TypeName
{
    short nType;
    const char* szName;
};

// VARTYPE is read as signed: the reserved bit gives -32768.
const TypeName typeNames[] = {
    {0, "EMPTY"},
    {1, "NULL"},
    {2, "SHORT"},
    {3, "LONG"},
    {4, "float"},
    {5, "double"},
    {6, "LARGE_INTEGER"},
    {20, "LARGE_INTEGER"},
    {7, "DATE"},
    {8, "BSTR"},
    {9, "IDispatch *"},
    {10, "SCODE"},
    {11, "VARIANT_BOOL"},
    {12, "VARIANT"},
    {13, "IUnknown *"},
    {14, "DECIMAL"},
    {16, "signed char"},
    {17, "BYTE"},
    {18, "unsigned short"},
    {19, "unsigned int"},
    {21, "ULARGE_INTEGER"},
    {64, "FILETIME"},
    {72, "GUID"},
    {128, "BYTES"},
    {129, "char[]"},
    {130, "wchar_t[]"},
    {131, "NUMERIC"},
    {132, "UDT"},
    {133, "DBDATE"},
    {134, "DBTIME"},
    {135, "DBTIMESTAMP"},
    {136, "HCHAPTER"},
    {138, "PROPVARIANT"},
    {139, "VARNUMERIC"},
    {4096, "DBVECTOR"},
    {8192, "SAFEARRAY *"},
    {16384, "void *"},
    {-32768, "RESERVED"},
};

const TypeName shortNames[] = {
    {0, "EMPTY"}, {1, "EMPTY"},  {2, "int"},    {3, "int"},        {4, "double"},     {5, "double"},
    {11, "bool"}, {129, "char"}, {130, "char"}, {134, "datetime"}, {135, "datetime"},
};

template <size_t N> CString FindName(const TypeName (&names)[N], VARTYPE vt)
{
    short nType = static_cast<short>(vt);
    for (const TypeName& name : names) {
        if (name.nType == nType)
            return CString(name.szName);
    }
    return CString();
}

CString Trimmed(CString str)
{
    str.TrimRight();
    return str;
}
} // namespace

CString CKvOleHelper::CrackStrVariant(VARTYPE vt)
{
    return FindName(typeNames, vt);
}

CString CKvOleHelper::CrackStrVariant_S(VARTYPE vt)
{
    return FindName(shortNames, vt);
}

CString CKvOleHelper::strVariant(VARTYPE vt, void* pData)
{
    if (pData == nullptr)
        return CString();
    CString strText;
    switch (vt) {
    case 2:
        strText.Format("%d", *static_cast<short*>(pData));
        return Trimmed(strText);
    case 3:
        strText.Format("%d", static_cast<int>(*static_cast<LONG*>(pData)));
        return Trimmed(strText);
    case 4:
        strText.Format("%#g", static_cast<double>(*static_cast<float*>(pData)));
        return Trimmed(strText);
    case 5:
        strText.Format("%#g", *static_cast<double*>(pData));
        return Trimmed(strText);
    case 11:
        strText.Format("%d", *static_cast<BYTE*>(pData) != 0 ? 1 : 0);
        return strText;
    case 129:
        return Trimmed(CString(static_cast<LPCSTR>(pData)));
    case 130:
        return Trimmed(CString(static_cast<LPCWSTR>(pData)));
    case 134:
    case 135: {
        const short* pFields = static_cast<const short*>(pData);
        strText.Format("%d-%d-%d", pFields[0], static_cast<unsigned short>(pFields[1]),
                       static_cast<unsigned short>(pFields[2]));
        return strText;
    }
    default:
        return CString();
    }
}

CString CKvOleHelper::GenerateErrorString(LPCSTR pszSource, int nLine, LPCSTR pszSQL)
{
    CString strReport;
    strReport.Format("在执行SQL语句时系统发生错误！发生错误的地点是在程序\"%s\"的%d行\r\n", pszSource, nLine);
    strReport.AppendFormat("SQL语句:%s\r\n", pszSQL);
    strReport += "发生错误的原因可能是:\r\n";
    int nCount = CFxDbErrorRecords::GetCount();
    if (nCount == 0) {
        strReport += "找不到指定的数据源";
        return strReport;
    }
    for (int i = 0; i < nCount; ++i) {
        CString strState, strMessage;
        long nNative = 0;
        if (!CFxDbErrorRecords::GetRecord(i, strState, nNative, strMessage))
            continue;
        strReport.AppendFormat("[%d] -- 错误原因\"%s\"\r\n", i + 1, strMessage.GetString());
    }
    return strReport;
}
