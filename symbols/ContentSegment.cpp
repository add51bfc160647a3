#include "symbols/ContentSegment.h"

#include <cstdlib>
#include <cstring>

#include "symbols/SegPaint.h"
#include "symbols/SymFieldFun.h"

namespace
{
// What creating the default font and reading it back gives: a logical font keeps the record it
// was made from, so no GDI object is needed.
void DefaultFont(LOGFONT& lf)
{
    memset(&lf, 0, sizeof(lf));
    lf.lfHeight = 12;
    lf.lfWeight = 300;
    lf.lfCharSet = 134;
    lf.lfOutPrecision = 3;
    lf.lfClipPrecision = 2;
    lf.lfQuality = 1;
    lf.lfPitchAndFamily = 50;
    strcpy(lf.lfFaceName, "宋体");
}

const char kFontTagOpen[] = "<FT>";
const char kFontTagClose[] = "</FT>";

// No font is taller than this; a damaged size item beyond it would overflow the drawing
// arithmetic (heights times scale and 1.25 or 1.5) and send GDI through endless coordinates.
const int kMaxFontHeight = 32767;

// The longest side of the largest paper a card is laid out on (A3 Extra, 445 mm) is 4450 tenths
// of a millimetre, and fewer screen pixels: no line of a card is taller. Drawing a stored size
// beyond it at full size made one segment take seconds per paint.
const LONG kMaxDrawHeight = 4450;

LONG HoldTo(LONG v, LONG lMax)
{
    return v > lMax ? lMax : (v < -lMax ? -lMax : v);
}

// Face names compared and copied within the record: a caller's record may fill all 32 bytes.
bool SameFace(const LOGFONT& a, const LOGFONT& b)
{
    return strncmp(a.lfFaceName, b.lfFaceName, LF_FACESIZE) == 0;
}

CString FaceOf(const LOGFONT& lf)
{
    return CString(lf.lfFaceName, static_cast<int>(strnlen(lf.lfFaceName, LF_FACESIZE)));
}
} // namespace

CContentSegment::CContentSegment()
{
    DefaultFont(m_lFont);
}

CContentSegment::CContentSegment(const LOGFONT& lf, COLORREF cr) : m_lFont(lf), m_crColor(cr)
{
}

CContentSegment::~CContentSegment() = default;

bool CContentSegment::DegressionFontWidth()
{
    // A width below 1 or one that cannot drop below 1 ends the squeezing: otherwise a layout
    // that narrows until false would loop for ever on a tiny or damaged font.
    if (m_lFont.lfWidth == 1 || m_lFont.lfWidth < 0)
        return false;
    if (m_lFont.lfWidth == 0) {
        int nStart = (abs(m_lFont.lfHeight) + 1) / 2;
        if (nStart <= 1)
            return false;
        m_lFont.lfWidth = nStart;
    }
    m_lFont.lfWidth--;
    return true;
}

short CContentSegment::IsKindOf()
{
    return SEG_BASE;
}

int CContentSegment::GetWidth(CDC*)
{
    return 0;
}

void CContentSegment::GetData(CString&, LOGFONT&, COLORREF)
{
}

void CContentSegment::Draw(CDC*, int, int, float, int)
{
}

int CContentSegment::operator=(const CContentSegment& src)
{
    CopyBase(src);
    return 1;
}

void CContentSegment::CopyBase(const CContentSegment& src)
{
    m_bSelected = src.m_bSelected;
    m_nWidth = src.m_nWidth;
    m_lFont = src.m_lFont;
    m_crColor = src.m_crColor;
}

void CContentSegment::SetFaceName(LOGFONT& lf, LPCSTR pszFace)
{
    // The record holds 31 bytes and the terminator; never end on half a GBK character.
    int n = 0;
    while (pszFace[n] != '\0') {
        int nChar = CString::CharLength(pszFace + n);
        if (n + nChar > LF_FACESIZE - 1)
            break;
        n += nChar;
    }
    memcpy(lf.lfFaceName, pszFace, n);
    lf.lfFaceName[n] = '\0';
}

void CContentSegment::Setlfont(CString strFace, int, bool bBold, bool bItalic, bool bUnderline)
{
    SetFaceName(m_lFont, strFace);
    m_lFont.lfWeight = bBold ? FW_BOLD : FW_NORMAL;
    m_lFont.lfItalic = bItalic ? 1 : 0;
    m_lFont.lfUnderline = bUnderline ? 1 : 0;
}

void CContentSegment::Setlfont(LOGFONT lf, COLORREF cr)
{
    m_lFont = lf;
    m_crColor = cr;
}

bool CContentSegment::IsSameLogFont(CContentSegment* pSeg)
{
    if (pSeg == nullptr)
        return false;
    const LOGFONT& lf = pSeg->m_lFont;
    return m_crColor == pSeg->m_crColor && SameFace(m_lFont, lf) && m_lFont.lfHeight == lf.lfHeight &&
           m_lFont.lfWeight == lf.lfWeight && m_lFont.lfItalic == lf.lfItalic && m_lFont.lfUnderline == lf.lfUnderline;
}

CString CContentSegment::GetFontData(LOGFONT& lfBase, COLORREF crBase)
{
    CString strItems;
    if (!SameFace(m_lFont, lfBase)) {
        strItems += "F=";
        strItems += FaceOf(m_lFont);
        strItems += ";";
    }
    if (abs(m_lFont.lfHeight) != abs(lfBase.lfHeight))
        strItems.AppendFormat("S=%d;", abs(m_lFont.lfHeight));
    if (m_crColor != crBase)
        strItems.AppendFormat("C=%d;", static_cast<int>(m_crColor));
    // Asymmetric on purpose: stored text was written by these rules and reads back by them.
    if ((m_lFont.lfWeight == FW_BOLD && lfBase.lfWeight != FW_BOLD) ||
        (lfBase.lfWeight >= FW_BOLD && m_lFont.lfWeight != FW_BOLD))
        strItems += m_lFont.lfWeight >= FW_BOLD ? "B=1;" : "B=0;";
    // The flags compare as stored, as IsSameLogFont does; the item itself is only on or off.
    if (m_lFont.lfItalic != lfBase.lfItalic)
        strItems += m_lFont.lfItalic ? "I=1;" : "I=0;";
    if (m_lFont.lfUnderline != lfBase.lfUnderline)
        strItems += m_lFont.lfUnderline ? "U=1;" : "U=0;";
    if (strItems.IsEmpty())
        return strItems;
    return kFontTagOpen + strItems.Left(strItems.GetLength() - 1) + kFontTagClose;
}

int CContentSegment::FieldToInt(const CString& s)
{
    // Leading decimal integer after blanks; out-of-range values are clamped rather than wrapped.
    LPCSTR psz = s;
    while (CSymFieldFun::IsBlank(*psz))
        ++psz;
    int nUsed = 0;
    return CSymFieldFun::ReadSaturatedInt(psz, nUsed);
}

void CContentSegment::SetData(CString& s)
{
    if (s.IsEmpty())
        return;
    int nOpen = s.Find(kFontTagOpen);
    if (nOpen < 0)
        return;
    int nItems = nOpen + static_cast<int>(strlen(kFontTagOpen));
    int nClose = s.Find(kFontTagClose, nItems);
    if (nClose >= 0) {
        CStringArray items;
        items.Split(s.Mid(nItems, nClose - nItems), ';', TRUE);
        for (INT_PTR i = 0; i < items.GetSize(); i++) {
            const CString& item = items[i];
            // "K=value": an item without a value changes nothing.
            if (item.GetLength() <= 2)
                continue;
            CString strValue = item.Mid(2);
            switch (item[0]) {
            case 'B':
                m_lFont.lfWeight = FieldToInt(strValue) == 1 ? FW_BOLD : FW_NORMAL;
                break;
            case 'C':
                m_crColor = static_cast<COLORREF>(FieldToInt(strValue));
                break;
            case 'F':
                SetFaceName(m_lFont, strValue);
                break;
            case 'I':
                m_lFont.lfItalic = static_cast<BYTE>(FieldToInt(strValue));
                break;
            case 'S': {
                int nHeight = FieldToInt(strValue);
                m_lFont.lfHeight = nHeight > kMaxFontHeight    ? kMaxFontHeight
                                   : nHeight < -kMaxFontHeight ? -kMaxFontHeight
                                                               : nHeight;
                break;
            }
            case 'U':
                m_lFont.lfUnderline = static_cast<BYTE>(FieldToInt(strValue));
                break;
            default:
                break;
            }
        }
    }
    s = s.Left(nOpen);
}

LOGFONT CContentSegment::GetDrawFont() const
{
    LOGFONT lf = m_lFont;
    lf.lfHeight = HoldTo(lf.lfHeight, kMaxDrawHeight);
    lf.lfWidth = HoldTo(lf.lfWidth, kMaxDrawHeight);
    return lf;
}

void CContentSegment::ReadTagFields(const CString& strFields, CString* const apText[], int* const apInt[],
                                    INT_PTR nFields)
{
    if (strFields.IsEmpty())
        return;
    CStringArray fields;
    fields.Split(strFields, ';', TRUE);
    for (INT_PTR i = 0; i < fields.GetSize() && i < nFields; i++) {
        if (apText != nullptr && apText[i] != nullptr)
            *apText[i] = fields[i];
        else if (apInt != nullptr && apInt[i] != nullptr)
            *apInt[i] = FieldToInt(fields[i]);
    }
}

CString CContentSegment::WrapTag(char chTag, const CString& strContent, LOGFONT& lfBase, COLORREF crBase)
{
    CString strOut;
    strOut.Format("<%c>%s%s</%c>", chTag, strContent.GetString(), GetFontData(lfBase, crBase).GetString(), chTag);
    return strOut;
}
