#include "work/CardXmlExchange.h"

CString CCardXml::EscapeXml(const CString& text)
{
    CString out;
    for (int i = 0; i < text.GetLength(); ++i) {
        const char ch = text[i];
        switch (ch) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        default:
            out += ch;
            break;
        }
    }
    return out;
}

CString CCardXml::CData(const CString& text)
{
    CString out = "<![CDATA[";
    for (int i = 0; i < text.GetLength(); ++i) {
        if (i + 2 < text.GetLength() && text[i] == ']' && text[i + 1] == ']' && text[i + 2] == '>') {
            // End the section between "]]" and ">" and open a new one.
            out += "]]]]><![CDATA[>";
            i += 2;
            continue;
        }
        out += text[i];
    }
    out += "]]>";
    return out;
}

CString CCardXml::SqlLiteral(const CString& value)
{
    CString out = "'";
    for (int i = 0; i < value.GetLength(); ++i) {
        if (value[i] == '\'') {
            out += '\'';
        }
        out += value[i];
    }
    out += "'";
    return out;
}
