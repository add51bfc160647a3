#include "symbols/VariableText.h"

#include <cmath>

#include "symbols/SymFieldFun.h"

FX_IMPLEMENT_DYNCREATE(CVariableText, CText)

BOOL CVariableText::SetSymbolString(CString strElem)
{
    CString strTag;
    CString strBody;
    if (!ReadBody(strElem, strTag, strBody)) {
        return FALSE;
    }
    int nComma = strBody.Find(',');
    if (nComma < 0) {
        return FALSE;
    }
    CString strName = strBody.Left(nComma);
    strName.Trim();
    int nColon = strName.ReverseFind(':');
    if (nColon >= 0) {
        strName = strName.Left(nColon);
    }
    if (!ReadTextBody(strBody.Mid(nComma + 1))) {
        return FALSE;
    }
    m_strVarName = strName;
    m_strDefault = m_strText;
    m_nKind = kindVText;
    m_strSymbol = strElem;
    return TRUE;
}

BOOL CVariableText::SetArgument(const CString& strArguments)
{
    m_rcValue.SetEmpty();
    // Item by item ("name = 'value';  "), so that a name is never found inside a longer name
    // or inside another item's value.
    LPCSTR psz = strArguments;
    int i = 0;
    while (psz[i] != '\0') {
        int nEqual = i;
        while (psz[nEqual] != '\0' && psz[nEqual] != '=') {
            nEqual += CString::CharLength(psz + nEqual);
        }
        if (psz[nEqual] == '\0') {
            return FALSE;
        }
        CString strName(psz + i, nEqual - i);
        strName.TrimLeft(" \t\r\n;,");
        strName.TrimRight(" \t\r\n;,");
        CString strValue;
        int nEnd = 0;
        if (!CSymFieldFun::ReadQuoted(strArguments, nEqual + 1, strValue, nEnd)) {
            return FALSE;
        }
        if (strName == m_strVarName) {
            m_strText = strValue;
            return TRUE;
        }
        i = nEnd;
    }
    return FALSE;
}

BOOL CVariableText::GetAnchorPos(int nAnchor, CDoublePoint& pt) const
{
    if (m_rcValue.IsEmpty() || nAnchor < 1 || nAnchor > 9) {
        return FALSE;
    }
    double w = m_rcValue.Width() / 2.0;
    double h = m_rcValue.Height() / 2.0;
    int nColumn = (nAnchor - 1) / 3; // L M R
    int nRow = (nAnchor - 1) % 3;    // T M B
    double x = nColumn == 0 ? -w : (nColumn == 1 ? 0.0 : w);
    double y = nRow == 0 ? -h : (nRow == 1 ? 0.0 : h);
    if (!m_bYDown) {
        y = -y;
    }
    double a = m_lf.lfEscapement * 0.0017453292222222223;
    pt.x = m_ptOrigin.x + x * std::cos(a) - y * std::sin(a);
    pt.y = m_ptOrigin.y + x * std::sin(a) + y * std::cos(a);
    return TRUE;
}

BOOL CVariableText::QueryAreaAppr(CDC* pDC, CDoubleRect& rcArea, double dScale)
{
    CDoubleRect rcBox;
    if (dScale == 0.0 || !GetTextArea(pDC, dScale, rcArea, &rcBox)) {
        return FALSE;
    }
    rcBox.Scale(1.0 / dScale);
    rcBox.Normalize();
    m_rcValue = rcBox;
    return TRUE;
}
