#include "symbols/MutiLine.h"

#include "platform/base/StringArray.h"
#include "platform/gdi/DC.h"
#include "symbols/SymFieldFun.h"

FX_IMPLEMENT_DYNCREATE(CMutiLine, CBasicObject)

namespace
{

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n';
}

// One real number of a vertex: trimmed, non-empty, starting with a digit, sign or point.
bool ReadVertexNumber(const CString& strText, double& d)
{
    CString str = strText;
    str.Trim();
    if (str.IsEmpty()) {
        return false;
    }
    char ch = str[0];
    if (!(CSymFieldFun::IsDigit(ch) || ch == '-' || ch == '+' || ch == '.')) {
        return false;
    }
    return CSymFieldFun::ReadReal(str, d) != FALSE;
}

} // namespace

BOOL CMutiLine::SetSymbolString(CString strElem)
{
    m_arrVertex.clear();
    CString strTag;
    CString strBody;
    if (!ReadBody(strElem, strTag, strBody)) {
        return FALSE;
    }
    int nClose = strBody.ReverseFind(')');
    if (nClose < 0) {
        return FALSE;
    }
    // Vertex groups "(x,y)" one after another up to the last ")"; one pass over the text.
    LPCSTR psz = strBody;
    int i = 0;
    while (i <= nClose) {
        while (i <= nClose && IsBlank(psz[i])) {
            ++i;
        }
        if (i > nClose) {
            break;
        }
        if (psz[i] != '(') {
            m_arrVertex.clear();
            return FALSE;
        }
        int nComma = -1;
        int nEnd = -1;
        for (int k = i + 1; k <= nClose; k += CString::CharLength(psz + k)) {
            if (psz[k] == ',' && nComma < 0) {
                nComma = k;
            } else if (psz[k] == ')') {
                nEnd = k;
                break;
            }
        }
        CDoublePoint pt;
        if (nComma < 0 || nEnd < 0 || !ReadVertexNumber(CString(psz + i + 1, nComma - i - 1), pt.x) ||
            !ReadVertexNumber(CString(psz + nComma + 1, nEnd - nComma - 1), pt.y)) {
            m_arrVertex.clear();
            return FALSE;
        }
        m_arrVertex.push_back(pt);
        i = nEnd + 1;
    }
    if (m_arrVertex.size() < 3) {
        m_arrVertex.clear();
        return FALSE;
    }
    CStringArray arrField;
    INT_PTR nCount = CSymFieldFun::SplitFields(strBody.Mid(nClose + 1), arrField, 5);
    if (nCount > 5) {
        m_arrVertex.clear();
        return FALSE;
    }
    ReadStrokeFields(arrField, nCount, 1, &m_bFilled);
    m_ptOrigin = m_arrVertex.front();
    m_nKind = kindMLine;
    m_strSymbol = strElem;
    return TRUE;
}

BOOL CMutiLine::QueryAreaBasic(CDC* /*pDC*/, CDoubleRect& rcArea)
{
    if (m_arrVertex.empty()) {
        return FALSE;
    }
    bool bFirst = true;
    for (const CDoublePoint& pt : m_arrVertex) {
        rcArea.AddPoint(pt.x, pt.y, bFirst);
        bFirst = false;
    }
    return TRUE;
}

BOOL CMutiLine::Draw(CDC* pDC, CPoint ptOrigin, double dScale)
{
    if (pDC == nullptr || m_arrVertex.empty()) {
        return FALSE;
    }
    std::vector<POINT> arrPoint;
    arrPoint.reserve(m_arrVertex.size());
    for (const CDoublePoint& pt : m_arrVertex) {
        arrPoint.push_back(ToLogical(pt, ptOrigin, dScale));
    }
    DrawPoints(pDC, arrPoint.data(), static_cast<int>(arrPoint.size()), dScale, m_bFilled);
    return TRUE;
}
