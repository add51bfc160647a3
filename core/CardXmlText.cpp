#include "core/CardXmlText.h"

#include <objbase.h>
#include <msxml2.h>

#include <string>

#include "platform/base/FxBstr.h"

namespace
{
constexpr UINT kCodePageGbk = 936;

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n';
}

// The declaration's pseudo-attribute "encoding", or empty text. Only ASCII bytes are looked
// at: a declaration is ASCII in every encoding this reader takes.
CString DeclaredEncoding(const CString& strXml, int nFrom)
{
    const int nLength = strXml.GetLength();
    if (nLength - nFrom < 6 || strXml.Mid(nFrom, 5) != "<?xml" || !IsBlank(strXml[nFrom + 5])) {
        return CString();
    }
    const int nEnd = strXml.Find("?>", nFrom);
    if (nEnd < 0) {
        return CString();
    }
    const CString strDecl = strXml.Mid(nFrom, nEnd - nFrom);
    const int nKey = strDecl.Find("encoding");
    if (nKey < 0) {
        return CString();
    }
    int i = nKey + 8;
    while (i < strDecl.GetLength() && IsBlank(strDecl[i])) {
        ++i;
    }
    if (i >= strDecl.GetLength() || strDecl[i] != '=') {
        return CString();
    }
    ++i;
    while (i < strDecl.GetLength() && IsBlank(strDecl[i])) {
        ++i;
    }
    if (i >= strDecl.GetLength() || (strDecl[i] != '"' && strDecl[i] != '\'')) {
        return CString();
    }
    const char chQuote = strDecl[i];
    const int nClose = strDecl.Find(chQuote, i + 1);
    return nClose < 0 ? CString() : strDecl.Mid(i + 1, nClose - i - 1);
}

struct EncodingName
{
    LPCSTR pszName;
    UINT nCodePage;
};

const EncodingName kEncodings[] = {
    {"gb2312", kCodePageGbk},
    {"gbk", kCodePageGbk},
    {"cp936", kCodePageGbk},
    {"x-gbk", kCodePageGbk},
    {"windows-936", kCodePageGbk},
    {"gb18030", 54936},
    {"utf-8", CP_UTF8},
    {"utf8", CP_UTF8},
    {"us-ascii", kCodePageGbk},
    {"ascii", kCodePageGbk},
    {"iso-8859-1", 28591},
    {"latin1", 28591},
    {"windows-1252", 1252},
    {"big5", 950},
    // A declaration found by reading the bytes as ASCII cannot be UTF-16 text: a host that kept
    // a DOM's own declaration over narrow text meant the suite's text.
    {"utf-16", kCodePageGbk},
    {"unicode", kCodePageGbk},
};

// Drops the XML declaration of the decoded text, with the blanks after it.
void StripDeclaration(std::wstring& strText)
{
    if (strText.compare(0, 5, L"<?xml") != 0 || strText.size() < 6 || strText[5] >= 0x80 ||
        !IsBlank(static_cast<char>(strText[5]))) {
        return;
    }
    const size_t nEnd = strText.find(L"?>");
    if (nEnd == std::wstring::npos) {
        return;
    }
    size_t nNext = nEnd + 2;
    while (nNext < strText.size() && strText[nNext] < 0x80 && IsBlank(static_cast<char>(strText[nNext]))) {
        ++nNext;
    }
    strText.erase(0, nNext);
}

BOOL ToWideText(const CString& strXml, std::wstring& strWide)
{
    int nSkip = 0;
    const UINT nCodePage = CCardXmlText::GetCodePage(strXml, nSkip);
    strWide.clear();
    const char* pBytes = strXml.GetString() + nSkip;
    const int nBytes = strXml.GetLength() - nSkip;
    if (nCodePage == 0) {
        return FALSE;
    }
    if (nBytes > 0) {
        const int cch = MultiByteToWideChar(nCodePage, 0, pBytes, nBytes, nullptr, 0);
        if (cch <= 0) {
            return FALSE;
        }
        strWide.resize(static_cast<size_t>(cch));
        MultiByteToWideChar(nCodePage, 0, pBytes, nBytes, strWide.data(), cch);
    }
    StripDeclaration(strWide);
    return TRUE;
}
} // namespace

UINT CCardXmlText::GetCodePage(const CString& strXml, int& nSkip)
{
    nSkip = 0;
    const int nLength = strXml.GetLength();
    const auto byteAt = [&](int i) { return static_cast<unsigned char>(strXml[i]); };
    if (nLength >= 3 && byteAt(0) == 0xEF && byteAt(1) == 0xBB && byteAt(2) == 0xBF) {
        nSkip = 3;
        return CP_UTF8;
    }
    const CString strEncoding = DeclaredEncoding(strXml, 0);
    if (strEncoding.IsEmpty()) {
        return kCodePageGbk;
    }
    for (const EncodingName& name : kEncodings) {
        if (strEncoding.CompareNoCase(name.pszName) == 0) {
            return name.nCodePage;
        }
    }
    return 0;
}

BOOL CCardXmlText::LoadXml(IXMLDOMDocument* pDoc, const CString& strXml)
{
    std::wstring strWide;
    if (pDoc == nullptr || !ToWideText(strXml, strWide)) {
        return FALSE;
    }
    CFxBstr bstrXml(SysAllocStringLen(strWide.c_str(), static_cast<UINT>(strWide.size())));
    if (bstrXml == nullptr) {
        return FALSE;
    }
    VARIANT_BOOL bLoaded = VARIANT_FALSE;
    return SUCCEEDED(pDoc->loadXML(bstrXml, &bLoaded)) && bLoaded == VARIANT_TRUE;
}
