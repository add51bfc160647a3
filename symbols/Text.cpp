#include "symbols/Text.h"

#include <cmath>
#include <cstring>

#include "platform/base/StringArray.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/FxSavedDC.h"
#include "platform/gdi/FxSelectGuard.h"
#include "symbols/SymFieldFun.h"

FX_IMPLEMENT_DYNCREATE(CText, CBasicObject)

namespace
{

const char kDefaultFace[] = "宋体";
// Glyphs beyond this are no text of a symbol in a line; larger fonts are measured at this
// height and scaled, and not drawn.
const long kMaxFontPixels = 16384;
const long kMaxMeasurePixels = 2048;
const double kTenthDegree = 3.14159265358979323846 / 1800.0;
const int kMaxAngle = 100000000;

// Escapement and alignment as handed to GDI for the direction of y.
void AdjustForDirection(BOOL bYDown, LOGFONTA& lf, UINT& nAlign)
{
    if (bYDown) {
        lf.lfEscapement = 1800 - lf.lfEscapement;
        lf.lfOrientation = 1800 - lf.lfOrientation;
        if ((nAlign & TA_CENTER) == TA_LEFT) {
            nAlign = (nAlign & ~TA_CENTER) | TA_RIGHT;
        } else if ((nAlign & TA_CENTER) == TA_RIGHT) {
            nAlign = (nAlign & ~TA_CENTER) | TA_LEFT;
        }
    } else {
        lf.lfEscapement = -lf.lfEscapement;
        lf.lfOrientation = -lf.lfOrientation;
        nAlign |= TA_BOTTOM;
    }
}

// Cuts a face name to the font record without splitting a double-byte character.
void CopyFaceName(const CString& strFace, LOGFONTA& lf)
{
    LPCSTR psz = strFace;
    int nLength = 0;
    while (psz[nLength] != '\0') {
        int nChar = CString::CharLength(psz + nLength);
        if (nLength + nChar > LF_FACESIZE - 1) {
            break;
        }
        nLength += nChar;
    }
    memset(lf.lfFaceName, 0, sizeof(lf.lfFaceName));
    memcpy(lf.lfFaceName, psz, static_cast<size_t>(nLength));
}

} // namespace

CText::CText()
{
    memset(&m_lf, 0, sizeof(m_lf));
    m_lf.lfHeight = 12;
    m_lf.lfWeight = 0;
    m_lf.lfCharSet = GB2312_CHARSET;
    m_lf.lfOutPrecision = OUT_STROKE_PRECIS;
    m_lf.lfClipPrecision = CLIP_STROKE_PRECIS;
    m_lf.lfQuality = DRAFT_QUALITY;
    m_lf.lfPitchAndFamily = 50;
    CopyFaceName(kDefaultFace, m_lf);
}

BOOL CText::ReadTextBody(const CString& strBody)
{
    CString strText;
    int nEnd = 0;
    if (!CSymFieldFun::ReadQuoted(strBody, 0, strText, nEnd)) {
        return FALSE;
    }
    CStringArray arrField;
    INT_PTR nCount = CSymFieldFun::SplitFields(strBody.Mid(nEnd), arrField, 9);
    if (nCount < 4 || nCount > 9 || !ReadPoint(arrField, 1, m_ptOrigin)) {
        FreeRelations();
        return FALSE;
    }
    int nHeight = 0;
    if (!CSymFieldFun::ReadWhole(arrField[3], nHeight)) {
        FreeRelations();
        return FALSE;
    }
    m_lf.lfHeight = nHeight;
    if (nCount > 4) {
        CSymFieldFun::ReadAlign(arrField[4], m_nAlign);
    }
    if (nCount > 5) {
        CSymFieldFun::ReadStyle(arrField[5], m_lf.lfWeight, m_lf.lfItalic);
    }
    if (nCount > 6) {
        CSymFieldFun::ReadColor(arrField[6], m_crColor);
    }
    if (nCount > 7) {
        CopyFaceName(arrField[7].IsEmpty() ? CString(kDefaultFace) : arrField[7], m_lf);
    }
    if (nCount > 8) {
        int nAngle = 0;
        if (CSymFieldFun::ReadWhole(arrField[8], nAngle)) {
            // Only an angle of millions of turns loses its whole turns: its tenths of a degree,
            // and 1800 less them, must stay within the font record's range.
            if (nAngle > kMaxAngle || nAngle < -kMaxAngle) {
                nAngle %= 360;
            }
            m_lf.lfEscapement = nAngle * 10;
            m_lf.lfOrientation = m_lf.lfEscapement;
        }
    }
    m_strText = strText;
    m_bTransparent = TRUE;
    return TRUE;
}

BOOL CText::SetSymbolString(CString strElem)
{
    CString strTag;
    CString strBody;
    if (!ReadBody(strElem, strTag, strBody) || !ReadTextBody(strBody)) {
        return FALSE;
    }
    m_nKind = kindText;
    m_strSymbol = strElem;
    return TRUE;
}

BOOL CText::MeasureText(CDC* pDC, double dScale, CDoubleRect& rcBox)
{
    if (pDC == nullptr) {
        return FALSE;
    }
    long lFontHeight = CSymFieldFun::CutToLong(m_lf.lfHeight * dScale);
    if (lFontHeight <= 0) {
        return FALSE;
    }
    long lMeasure = lFontHeight > kMaxMeasurePixels ? kMaxMeasurePixels : lFontHeight;
    double dRatio = static_cast<double>(lFontHeight) / static_cast<double>(lMeasure);
    LOGFONTA lf = m_lf;
    lf.lfHeight = lMeasure;
    lf.lfEscapement = 0;
    lf.lfOrientation = 0;
    CFont font;
    if (!font.CreateFontIndirect(&lf)) {
        return FALSE;
    }
    CSize size;
    {
        CFxSelectGuard selFont(pDC, &font);
        size = pDC->GetTextExtent(m_strText);
    }
    double w = std::abs(size.cx) * dRatio;
    double h = std::abs(size.cy) * dRatio;
    UINT nAlign = static_cast<UINT>(m_nAlign);
    LOGFONTA lfDrawn = m_lf;
    AdjustForDirection(m_bYDown, lfDrawn, nAlign);
    switch (nAlign & TA_CENTER) {
    case TA_CENTER:
        rcBox = CDoubleRect(-w / 2.0, 0.0, w / 2.0, h);
        break;
    case TA_RIGHT:
        rcBox = CDoubleRect(-w, 0.0, 0.0, h);
        break;
    default:
        rcBox = CDoubleRect(0.0, 0.0, w, h);
        break;
    }
    return TRUE;
}

BOOL CText::GetTextArea(CDC* pDC, double dScale, CDoubleRect& rcArea, CDoubleRect* prcBox)
{
    CDoubleRect rcBox;
    if (!MeasureText(pDC, dScale, rcBox)) {
        return FALSE;
    }
    if (prcBox != nullptr) {
        *prcBox = rcBox;
    }
    // The box grows from the reference point away from the baseline: upwards in a y-up space
    // (bottom alignment), downwards in a y-down one (top alignment). GDI turns the text by the
    // escapement clockwise in logical coordinates taken as y-up, whichever way y runs, so the
    // negated escapement of a y-up symbol turns it counter-clockwise as the anchors expect.
    LOGFONTA lf = m_lf;
    UINT nAlign = static_cast<UINT>(m_nAlign);
    AdjustForDirection(m_bYDown, lf, nAlign);
    double a = -lf.lfEscapement * kTenthDegree;
    double c = std::cos(a);
    double s = std::sin(a);
    double x0 = m_ptOrigin.x * dScale;
    double y0 = m_ptOrigin.y * dScale;
    double ax[2] = {rcBox.left, rcBox.right};
    double ay[2] = {rcBox.top, rcBox.bottom};
    bool bFirst = true;
    for (double x : ax) {
        for (double y : ay) {
            rcArea.AddPoint(x0 + x * c - y * s, y0 + x * s + y * c, bFirst);
            bFirst = false;
        }
    }
    return TRUE;
}

BOOL CText::QueryAreaAppr(CDC* pDC, CDoubleRect& rcArea, double dScale)
{
    return GetTextArea(pDC, dScale, rcArea, nullptr);
}

BOOL CText::QueryAreaBasic(CDC* pDC, CDoubleRect& rcArea)
{
    return GetTextArea(pDC, 1.0, rcArea, nullptr);
}

BOOL CText::Draw(CDC* pDC, CPoint ptOrigin, double dScale)
{
    if (pDC == nullptr) {
        return FALSE;
    }
    long lFontHeight = CSymFieldFun::CutToLong(m_lf.lfHeight * dScale);
    if (lFontHeight <= 0 || lFontHeight > kMaxFontPixels) {
        return TRUE;
    }
    LOGFONTA lf = m_lf;
    lf.lfHeight = lFontHeight;
    UINT nAlign = static_cast<UINT>(m_nAlign);
    AdjustForDirection(m_bYDown, lf, nAlign);
    CFont font;
    if (!font.CreateFontIndirect(&lf)) {
        return FALSE;
    }
    // Colours, background mode, alignment and font all come back as the caller had them.
    CFxSavedDC savedDC(pDC);
    if (m_bTransparent) {
        pDC->SetBkMode(TRANSPARENT);
    } else {
        pDC->SetBkMode(OPAQUE);
        pDC->SetBkColor(m_bInverted ? m_crBack : (~m_crBack & 0x00FFFFFF));
    }
    pDC->SetTextColor(GetDrawColor());
    CFxSelectGuard selFont(pDC, &font);
    pDC->SetTextAlign(nAlign);
    CPoint pt = ToLogical(m_ptOrigin, ptOrigin, dScale);
    pDC->TextOut(pt.x, pt.y, m_strText);
    return TRUE;
}
