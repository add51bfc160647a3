#include "core/GraphEntity.h"

#include <climits>
#include <cmath>
#include <memory>
#include <new>
#include <vector>

#include "core/CappFont.h"
#include "core/CappSizeLimit.h"
#include "core/res/resource.h"
#include "platform/base/MemoryException.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/Pen.h"
#include "platform/gdi/Rgn.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

FX_IMPLEMENT_DYNCREATE(CGraphEntity, CObject)

namespace
{

constexpr char kBlanks[] = " \t";
constexpr double kPi = 3.14159265358979;
// Entries of every arc-family figure: centre or left-top, radii or right-bottom, two angles.
constexpr int kArcEntries = 6;
// Text heights in points: a card's largest title stays far below.
constexpr int kMaxTextPoints = 500;
// Points of one folded line or polygon: GDI draws them in linear time; the bound keeps the memory.
constexpr size_t kMaxFigurePoints = 100000;

CString LibString(UINT nID)
{
    CString str;
    str.LoadString(reinterpret_cast<HINSTANCE>(&__ImageBase), nID);
    return str;
}

// The longest decimal integer at the start, after blanks; FALSE when no digit follows the sign.
// Values beyond the int range saturate.
BOOL ParseInt(const CString& str, int& nValue)
{
    LPCSTR p = str.GetString();
    while (*p == ' ' || *p == '\t') {
        ++p;
    }
    bool bNegative = false;
    if (*p == '+' || *p == '-') {
        bNegative = *p == '-';
        ++p;
    }
    if (*p < '0' || *p > '9') {
        return FALSE;
    }
    long long nAbs = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        if (nAbs <= INT_MAX) {
            nAbs = nAbs * 10 + (*p - '0');
        }
    }
    const long long n = bNegative ? -nAbs : nAbs;
    nValue = static_cast<int>(n < INT_MIN ? INT_MIN : (n > INT_MAX ? INT_MAX : n));
    return TRUE;
}

int Clamp(long long n)
{
    return static_cast<int>(n < INT_MIN ? INT_MIN : (n > INT_MAX ? INT_MAX : n));
}

// Coordinates, lengths and radii of a figure lie on a card: beyond that GDI crashes or hangs.
BOOL IsCoord(long long n)
{
    return n >= -kCappMaxCoord && n <= kCappMaxCoord;
}

CString RangeReason(LPCSTR pszWhat, int nLow, int nHigh)
{
    CString str;
    str.Format("%s超出范围(%d～%d)", pszWhat, nLow, nHigh);
    return str;
}

CString CoordReason()
{
    return RangeReason("坐标或尺寸参数", -kCappMaxCoord, kCappMaxCoord);
}

// Where the n-th comma (from 1) stands, counting one more after the end: the length for that one,
// -1 when there are fewer.
int FindNthComma(const CString& str, int n)
{
    int nPos = -1;
    for (int i = 0; i < n; ++i) {
        if (nPos >= str.GetLength()) {
            return -1;
        }
        nPos = str.Find(',', nPos + 1);
        if (nPos < 0) {
            nPos = str.GetLength();
        }
    }
    return nPos;
}

// The values between commas; n commas make n + 1 values.
std::vector<CString> SplitCommas(const CString& str)
{
    std::vector<CString> values;
    int nStart = 0;
    for (;;) {
        const int nComma = str.Find(',', nStart);
        if (nComma < 0) {
            values.push_back(str.Mid(nStart));
            return values;
        }
        values.push_back(str.Mid(nStart, nComma - nStart));
        nStart = nComma + 1;
    }
}

// The geometric part: values up to the n-th comma with brackets as blanks. FALSE when the text
// holds fewer than n values; strOptions is what follows (",," when nothing does).
BOOL SplitGeometry(const CString& strParam, int nValues, std::vector<CString>& values, CString& strOptions)
{
    const int nEnd = FindNthComma(strParam, nValues);
    if (nEnd < 0) {
        return FALSE;
    }
    CString strGeometry = strParam.Left(nEnd);
    strGeometry.Replace('(', ' ');
    strGeometry.Replace(')', ' ');
    values = SplitCommas(strGeometry);
    strOptions = nEnd < strParam.GetLength() ? strParam.Mid(nEnd + 1) : CString(",,");
    return static_cast<int>(values.size()) == nValues;
}

// The text after the n-th comma; the whole text for 0; empty when there are fewer commas.
CString AfterComma(const CString& str, int n)
{
    int nPos = -1;
    for (int i = 0; i < n; ++i) {
        nPos = str.Find(',', nPos + 1);
        if (nPos < 0) {
            return CString();
        }
    }
    return str.Mid(nPos + 1);
}

// Cuts the first "RGB(r,g,b)" out of the text. No "RGB" keeps the colour; FALSE for a malformed
// one.
BOOL CutColor(CString& strText, COLORREF& crColor)
{
    const int nStart = strText.Find("RGB");
    if (nStart < 0) {
        return TRUE;
    }
    const int nClose = strText.Find(')', nStart);
    if (nClose < 0) {
        return FALSE;
    }
    CString strInner = strText.Mid(nStart + 3, nClose - nStart - 3);
    strInner.TrimLeft(kBlanks);
    if (strInner.IsEmpty() || strInner[0] != '(') {
        return FALSE;
    }
    const std::vector<CString> parts = SplitCommas(strInner.Mid(1));
    if (parts.size() != 3) {
        return FALSE;
    }
    int rgb[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        if (!ParseInt(parts[static_cast<size_t>(i)], rgb[i]) || rgb[i] < 0 || rgb[i] > 255) {
            return FALSE;
        }
    }
    crColor = static_cast<COLORREF>(rgb[0] + rgb[1] * 256 + rgb[2] * 65536);
    strText.Delete(nStart, nClose - nStart + 1);
    return TRUE;
}

struct KeywordRow
{
    LPCSTR pszName;
    int nParser;
    LPCSTR pszShape; // arc family: the shape; others unused
    BOOL bFlag;      // rectangles: absolute form; arc family: by bounding rectangle
    LPCSTR pszStored;
};

enum Parser {
    parserLine,
    parserPoints,
    parserArc,
    parserRect,
    parserRound,
    parserText,
};

const KeywordRow keywordRows[] = {
    {"Line", parserLine, "", FALSE, "Line"},
    {"Folded", parserPoints, "", FALSE, "Folded"},
    {"Polygon", parserPoints, "", FALSE, "Polygon"},
    {"Bezier", parserPoints, "", FALSE, "Bezier"},
    {"Arc", parserArc, "Arc", FALSE, "Arc[C]"},
    {"Arc[C]", parserArc, "Arc", FALSE, "Arc[C]"},
    {"Pie", parserArc, "Pie", FALSE, "Pie[C]"},
    {"Pie[C]", parserArc, "Pie", FALSE, "Pie[C]"},
    {"Chord", parserArc, "Chord", FALSE, "Chord[C]"},
    {"Chord[C]", parserArc, "Chord", FALSE, "Chord[C]"},
    {"Circle", parserArc, "Circle", FALSE, "Circle[C]"},
    {"Circle[C]", parserArc, "Circle", FALSE, "Circle[C]"},
    {"Ellipse", parserArc, "Ellipse", FALSE, "Ellipse[C]"},
    {"Ellipse[C]", parserArc, "Ellipse", FALSE, "Ellipse[C]"},
    {"Arc[S]", parserArc, "Arc", TRUE, "Arc[S]"},
    {"Pie[S]", parserArc, "Pie", TRUE, "Pie[S]"},
    {"Chord[S]", parserArc, "Chord", TRUE, "Chord[S]"},
    {"Ellipse[S]", parserArc, "Ellipse", TRUE, "Ellipse[S]"},
    {"Rectangle", parserRect, "", FALSE, "Rectangle[R]"},
    {"Rectangle[R]", parserRect, "", FALSE, "Rectangle[R]"},
    {"RoundRect", parserRound, "", FALSE, "RoundRect[R]"},
    {"RoundRect[R]", parserRound, "", FALSE, "RoundRect[R]"},
    {"Rectangle[A]", parserRect, "", TRUE, "Rectangle[R]"},
    {"RoundRect[A]", parserRound, "", TRUE, "RoundRect[R]"},
    {"Text", parserText, "", FALSE, "Text"},
};

// Reads "x,y" as our parsers store it.
BOOL ReadPoint(const CString& strEntry, CPoint& pt)
{
    const std::vector<CString> parts = SplitCommas(strEntry);
    int x = 0;
    int y = 0;
    if (parts.size() != 2 || !ParseInt(parts[0], x) || !ParseInt(parts[1], y)) {
        return FALSE;
    }
    pt = CPoint(x, y);
    return TRUE;
}

// Where the ray from the centre at the angle (degrees, counter-clockwise from three o'clock on
// the screen) leaves any ellipse of the figure; GDI takes only the ray's direction.
CPoint RadialPoint(const CRect& rc, int nDegrees)
{
    const double dAngle = nDegrees * kPi / 180.0;
    const double dReach = std::abs(static_cast<double>(rc.Width())) + std::abs(static_cast<double>(rc.Height())) + 1;
    const CPoint ptCentre = rc.CenterPoint();
    return CPoint(Clamp(std::llround(ptCentre.x + dReach * std::cos(dAngle))),
                  Clamp(std::llround(ptCentre.y - dReach * std::sin(dAngle))));
}

} // namespace

CGraphEntity::CGraphEntity() : m_nDrawStyle(styleNone), m_crColor(0), m_nPenWidth(1), m_nRectUpward(0)
{
}

int CGraphEntity::GetTypeByEntityName(const CString& strName)
{
    CString strKey = strName;
    strKey.TrimRight('-');
    if (strKey.IsEmpty()) {
        return classNone;
    }
    struct ClassRow
    {
        LPCSTR pszName;
        int nClass;
    };
    static const ClassRow rows[] = {
        {"Line", classLine},         {"Folded", classLine},       {"Polygon", classLine},   {"Bezier", classLine},
        {"Arc", classArc},           {"Arc[C]", classArc},        {"Arc[S]", classArc},     {"Pie", classArc},
        {"Pie[C]", classArc},        {"Pie[S]", classArc},        {"Chord", classArc},      {"Chord[C]", classArc},
        {"Chord[S]", classArc},      {"Circle", classArc},        {"Circle[C]", classArc},  {"Circle[S]", classArc},
        {"Ellipse", classArc},       {"Ellipse[C]", classArc},    {"Ellipse[S]", classArc}, {"Rectangle", classRect},
        {"Rectangle[R]", classRect}, {"Rectangle[A]", classRect}, {"RoundRect", classRect}, {"RoundRect[R]", classRect},
        {"RoundRect[A]", classRect}, {"Text", classText},
    };
    for (const ClassRow& row : rows) {
        if (strKey.CompareNoCase(row.pszName) == 0) {
            return row.nClass;
        }
    }
    return classNone;
}

int CGraphEntity::SetData(const CString& strLine, CString& strReason, int /*nFlag*/)
{
    strReason = LibString(IDS_FIGURE_UNKNOWN);
    m_asFigureParam.RemoveAll();
    m_strKeyword.Empty();
    m_nDrawStyle = styleNone;
    m_crColor = 0;
    m_nPenWidth = 1;

    CString strText = strLine;
    strText.TrimLeft(kBlanks);
    const int nBlank = strText.FindOneOf(kBlanks);
    if (nBlank < 0) {
        return 0;
    }
    CString strKey = strText.Left(nBlank);
    strKey.TrimRight(kBlanks);
    if (strKey.IsEmpty()) {
        return 0;
    }
    CString strParam = strText.Mid(nBlank);
    const int nComment = strParam.Find('\'');
    if (nComment >= 0) {
        strParam = strParam.Left(nComment);
    }
    strParam.TrimLeft(kBlanks);
    if (strParam.IsEmpty()) {
        strReason = LibString(IDS_FIGURE_NO_PARAM);
        return 0;
    }

    for (const KeywordRow& row : keywordRows) {
        if (strKey.CompareNoCase(row.pszName) != 0) {
            continue;
        }
        BOOL bParsed = FALSE;
        switch (row.nParser) {
        case parserLine:
            bParsed = ParseLine(strParam, strReason);
            break;
        case parserPoints:
            bParsed = ParsePoints(row.pszStored, strParam, strReason);
            break;
        case parserArc:
            bParsed = ParseArc(row.pszShape, row.bFlag, strParam, strReason);
            break;
        case parserRect:
        case parserRound:
            bParsed = ParseRect(strParam, row.nParser == parserRound, row.bFlag, strReason);
            break;
        default:
            bParsed = ParseText(strParam, strReason);
            break;
        }
        if (!bParsed) {
            return 0;
        }
        m_strKeyword = row.pszStored;
        return 1;
    }
    return 0;
}

BOOL CGraphEntity::AddParam(const CString& strParam, LPCSTR pszFailure, CString& strReason)
{
    try {
        m_asFigureParam.Add(strParam);
    } catch (CMemoryException* e) {
        e->Delete();
        strReason = pszFailure;
        return FALSE;
    } catch (const std::bad_alloc&) {
        strReason = pszFailure;
        return FALSE;
    }
    return TRUE;
}

BOOL CGraphEntity::ParseOptions(const CString& strOptions, int nWidthComma, int nStyleComma, int nDefaultStyle,
                                CString& strReason)
{
    if (nStyleComma >= 0 && nStyleComma == nWidthComma) {
        strReason = "非法数据 in InnerSetOptinalSetting";
        return FALSE;
    }
    CString strText = " " + strOptions;
    if (!CutColor(strText, m_crColor)) {
        strReason = LibString(IDS_FIGURE_BAD_COLOR);
        return FALSE;
    }
    m_nDrawStyle = nDefaultStyle;
    if (nStyleComma >= 0) {
        CString strStyle = AfterComma(strText, nStyleComma);
        strStyle.TrimLeft(kBlanks);
        const char ch = strStyle.IsEmpty() ? '\0' : strStyle[0];
        switch (ch) {
        case 'B':
        case 'b':
            m_nDrawStyle = styleB;
            break;
        case 'F':
        case 'f':
            m_nDrawStyle = styleF;
            break;
        case 'I':
        case 'i':
            m_nDrawStyle = styleI;
            break;
        default:
            break;
        }
    }
    int nWidth = 0;
    if (ParseInt(AfterComma(strText, nWidthComma), nWidth)) {
        if (nWidth <= 0) {
            strReason = "线宽参数不可用";
            return FALSE;
        }
        if (nWidth > kCappMaxPenWidth) {
            strReason = RangeReason("线宽参数", 1, kCappMaxPenWidth);
            return FALSE;
        }
        m_nPenWidth = nWidth;
    }
    return TRUE;
}

BOOL CGraphEntity::ParseLine(const CString& strParam, CString& strReason)
{
    std::vector<CString> values;
    CString strOptions;
    if (!SplitGeometry(strParam, 4, values, strOptions)) {
        strReason = LibString(IDS_FIGURE_MISSING_PARAM);
        return FALSE;
    }
    int n[4] = {0, 0, 0, 0};
    for (int i = 0; i < 4; ++i) {
        if (!ParseInt(values[static_cast<size_t>(i)], n[i])) {
            strReason = i < 2 ? "起点X坐标非法" : "终点X坐标非法";
            return FALSE;
        }
    }
    for (int nValue : n) {
        if (!IsCoord(nValue)) {
            strReason = CoordReason();
            return FALSE;
        }
    }
    const LPCSTR pszMemory = "Memory Out(failed to call m_asFigureParam Add)";
    CString strPoint;
    strPoint.Format("%d,%d", n[0], n[1]);
    if (!AddParam(strPoint, pszMemory, strReason)) {
        return FALSE;
    }
    strPoint.Format("%d,%d", n[2], n[3]);
    if (!AddParam(strPoint, pszMemory, strReason)) {
        return FALSE;
    }
    return ParseOptions(strOptions, 1, -1, styleB, strReason);
}

// Folded lines, polygons and Bezier curves: x,y pairs, the colour anywhere, and an odd last value
// is the pen width.
BOOL CGraphEntity::ParsePoints(const CString& strKey, const CString& strParam, CString& strReason)
{
    CString strText = " " + strParam;
    if (!CutColor(strText, m_crColor)) {
        strReason = LibString(IDS_FIGURE_BAD_COLOR);
        return FALSE;
    }
    strText.Replace('(', ' ');
    strText.Replace(')', ' ');
    std::vector<int> numbers;
    for (CString& strValue : SplitCommas(strText)) {
        strValue.Trim();
        if (strValue.IsEmpty()) {
            continue;
        }
        int n = 0;
        if (!ParseInt(strValue, n)) {
            strReason = LibString(IDS_FIGURE_UNKNOWN);
            return FALSE;
        }
        numbers.push_back(n);
    }
    if (numbers.size() % 2 != 0) {
        if (numbers.back() <= 0) {
            strReason = "线宽参数不可用";
            return FALSE;
        }
        if (numbers.back() > kCappMaxPenWidth) {
            strReason = RangeReason("线宽参数", 1, kCappMaxPenWidth);
            return FALSE;
        }
        m_nPenWidth = numbers.back();
        numbers.pop_back();
    }
    const size_t nPoints = numbers.size() / 2;
    if (nPoints > kMaxFigurePoints) {
        strReason.Format("点数太多(至多%d个)", static_cast<int>(kMaxFigurePoints));
        return FALSE;
    }
    for (int nValue : numbers) {
        if (!IsCoord(nValue)) {
            strReason = CoordReason();
            return FALSE;
        }
    }
    if (strKey == "Bezier") {
        if (nPoints != 4) {
            strReason = LibString(IDS_FIGURE_CUBIC_ONLY);
            return FALSE;
        }
        m_nDrawStyle = styleLine;
    } else if (strKey == "Polygon") {
        if (nPoints < 3) {
            strReason = LibString(IDS_FIGURE_FEW_POINTS);
            return FALSE;
        }
        m_nDrawStyle = styleF;
    } else {
        if (nPoints < 2) {
            strReason = LibString(IDS_FIGURE_FEW_POINTS);
            return FALSE;
        }
        m_nDrawStyle = styleLine;
    }
    const LPCSTR pszMemory = strKey == "Folded" ? "Memory Out（failed to call m_asFigureParam.Add）"
                                                : "Memory Out( failed to call m_asFigureParam.Add )";
    for (size_t i = 0; i < nPoints; ++i) {
        CString strPoint;
        strPoint.Format("%d,%d", numbers[2 * i], numbers[2 * i + 1]);
        if (!AddParam(strPoint, pszMemory, strReason)) {
            return FALSE;
        }
    }
    return TRUE;
}

BOOL CGraphEntity::ParseRect(const CString& strParam, BOOL bRound, BOOL bAbsolute, CString& strReason)
{
    const int nValues = bRound ? 5 : 4;
    std::vector<CString> values;
    CString strOptions;
    if (!SplitGeometry(strParam, nValues, values, strOptions)) {
        strReason = "参数个数不匹配";
        return FALSE;
    }
    static const LPCSTR messages[] = {"左边界的参数非法", "上边界的参数非法", "右边界的参数非法", "下边界的参数非法",
                                      "半径的参数非法"};
    int n[5] = {0, 0, 0, 0, 1};
    for (int i = 0; i < nValues; ++i) {
        if (!ParseInt(values[static_cast<size_t>(i)], n[i])) {
            strReason = messages[i];
            return FALSE;
        }
    }
    long long nLeft = n[0];
    long long nTop = n[1];
    long long nRight = n[2];
    long long nBottom = n[3];
    if (!bAbsolute) {
        nRight = nLeft + n[2];
        nBottom = nTop + n[3];
        if (m_nRectUpward != 0) {
            nBottom = nTop;
            nTop -= n[3];
        }
    }
    if (nRight <= nLeft || nBottom <= nTop) {
        strReason = "矩形的对边重合";
        return FALSE;
    }
    const int nRadius = n[4];
    // A plain rectangle has no corner to round: only the rounded forms check their radius.
    if (bRound) {
        if (nRadius < 0) {
            strReason = "圆角半径不可为负";
            return FALSE;
        }
        if (nRadius > (nBottom - nTop) / 2 || nRadius > (nRight - nLeft) / 2) {
            strReason = "圆角半径太大";
            return FALSE;
        }
    }
    if (!IsCoord(n[0]) || !IsCoord(n[1]) || !IsCoord(n[2]) || !IsCoord(n[3]) || !IsCoord(nLeft) || !IsCoord(nTop) ||
        !IsCoord(nRight) || !IsCoord(nBottom)) {
        strReason = CoordReason();
        return FALSE;
    }
    const LPCSTR pszMemory = "Memory Out(failed to call m_asFigureParam Add)";
    CString strEntry;
    strEntry.Format("%d,%d", Clamp(nLeft), Clamp(nTop));
    if (!AddParam(strEntry, pszMemory, strReason)) {
        return FALSE;
    }
    strEntry.Format("%d,%d", Clamp(nRight), Clamp(nBottom));
    if (!AddParam(strEntry, pszMemory, strReason)) {
        return FALSE;
    }
    strEntry.Format("%d", nRadius);
    if (!AddParam(strEntry, pszMemory, strReason)) {
        return FALSE;
    }
    return ParseOptions(strOptions, 2, 0, styleF, strReason);
}

// By centre: Arc, Pie and Chord take x, y, radius, start and end angle; Circle x, y, radius;
// Ellipse x, y and two radii. By bounding rectangle: left, top, right, bottom, then the angles
// (none for Ellipse). Angles are whole degrees.
BOOL CGraphEntity::ParseArc(const CString& strShape, BOOL bBox, const CString& strParam, CString& strReason)
{
    const BOOL bAngles = strShape != "Circle" && strShape != "Ellipse";
    int nValues = 0;
    if (bBox) {
        nValues = bAngles ? 6 : 4;
    } else if (strShape == "Circle") {
        nValues = 3;
    } else {
        nValues = bAngles ? 5 : 4;
    }
    std::vector<CString> values;
    CString strOptions;
    if (!SplitGeometry(strParam, nValues, values, strOptions)) {
        strReason = LibString(IDS_FIGURE_MISSING_PARAM);
        return FALSE;
    }
    const int nShapeValues = nValues - (bAngles ? 2 : 0);
    static const LPCSTR boxMessages[] = {"左边界的参数非法", "上边界的参数非法", "右边界的参数非法",
                                         "下边界的参数非法"};
    std::vector<int> numbers(static_cast<size_t>(nValues), 0);
    for (int i = 0; i < nValues; ++i) {
        if (ParseInt(values[static_cast<size_t>(i)], numbers[static_cast<size_t>(i)])) {
            continue;
        }
        if (i >= nShapeValues) {
            strReason = i == nShapeValues ? "弧的起始角参数为“非数值类型”" : "弧的终止角参数为“非数值类型”";
        } else if (bBox) {
            strReason = boxMessages[i];
        } else if (i < 2) {
            strReason = LibString(IDS_FIGURE_CENTRE_NOT_NUMBER);
        } else {
            strReason = "半径的参数非法";
        }
        return FALSE;
    }

    for (int i = 0; i < nShapeValues; ++i) {
        if (!IsCoord(numbers[static_cast<size_t>(i)])) {
            strReason = CoordReason();
            return FALSE;
        }
    }

    std::vector<CString> entries;
    for (int i = 0; i < nShapeValues; ++i) {
        CString strValue;
        strValue.Format("%d", numbers[static_cast<size_t>(i)]);
        entries.push_back(strValue);
    }
    // A single radius leaves the second one empty.
    if (!bBox && (strShape != "Ellipse")) {
        entries.push_back(CString());
    }
    if (bAngles) {
        for (int i = nShapeValues; i < nValues; ++i) {
            CString strValue;
            strValue.Format("%d", numbers[static_cast<size_t>(i)]);
            entries.push_back(strValue);
        }
    } else {
        entries.push_back("0");
        entries.push_back("0");
    }
    for (const CString& strEntry : entries) {
        if (!AddParam(strEntry, "Memory Out(failed to call m_asFigureParam Add)", strReason)) {
            return FALSE;
        }
    }
    const int nDefault = strShape == "Arc" ? styleArc : styleF;
    if (!ParseOptions(strOptions, 2, 0, nDefault, strReason)) {
        return FALSE;
    }
    if ((strShape == "Pie" || strShape == "Chord") && m_nDrawStyle == styleI) {
        strReason = LibString(IDS_FIGURE_NO_INVERT);
        return FALSE;
    }
    return static_cast<int>(m_asFigureParam.GetSize()) == kArcEntries;
}

// "text" with "" for a quote, then optionally RGB(r,g,b), then x, y, the height in points
// (default 9) and the angle in degrees (default 0).
BOOL CGraphEntity::ParseText(const CString& strParam, CString& strReason)
{
    if (strParam[0] != '"') {
        strReason = LibString(IDS_FIGURE_TEXT_OPEN);
        return FALSE;
    }
    CString strContent;
    int nPos = 1;
    const int nLength = strParam.GetLength();
    BOOL bClosed = FALSE;
    while (nPos < nLength) {
        const char ch = strParam[nPos];
        if (ch == '"') {
            if (nPos + 1 < nLength && strParam[nPos + 1] == '"') {
                strContent += '"';
                nPos += 2;
                continue;
            }
            bClosed = TRUE;
            ++nPos;
            break;
        }
        strContent += ch;
        ++nPos;
    }
    if (!bClosed) {
        strReason = LibString(IDS_FIGURE_TEXT_OPEN);
        return FALSE;
    }
    CString strRest = strParam.Mid(nPos);
    if (!CutColor(strRest, m_crColor)) {
        strReason = LibString(IDS_FIGURE_BAD_COLOR);
        return FALSE;
    }
    // What stands before the first comma, and the place the colour was cut from, are passed over.
    std::vector<CString> values;
    const std::vector<CString> slots = SplitCommas(strRest);
    for (size_t i = 1; i < slots.size(); ++i) {
        CString strValue = slots[i];
        strValue.Trim();
        if (!strValue.IsEmpty()) {
            values.push_back(strValue);
        }
    }
    if (values.size() < 2) {
        strReason = LibString(IDS_FIGURE_MISSING_PARAM);
        return FALSE;
    }
    int x = 0;
    int y = 0;
    if (!ParseInt(values[0], x) || !ParseInt(values[1], y)) {
        strReason = "起点X坐标非法";
        return FALSE;
    }
    if (!IsCoord(x) || !IsCoord(y)) {
        strReason = CoordReason();
        return FALSE;
    }
    int nHeight = 9;
    if (values.size() > 2 && (!ParseInt(values[2], nHeight) || nHeight <= 0)) {
        nHeight = 9;
    }
    if (nHeight > kMaxTextPoints) {
        strReason = RangeReason("文字高度参数", 1, kMaxTextPoints);
        return FALSE;
    }
    int nAngle = 0;
    if (values.size() > 3 && !ParseInt(values[3], nAngle)) {
        nAngle = 0;
    }
    LOGFONTA lf;
    CappInitLogFont(lf, 0);
    const LPCSTR pszMemory = "内存不足(failed to call m_asFigureParam Add)";
    CString strPoint;
    strPoint.Format("%d,%d", x, y);
    CString strHeight;
    strHeight.Format("%d", nHeight);
    CString strAngle;
    strAngle.Format("%d", nAngle);
    for (const CString& strEntry : {strContent, strPoint, strHeight, strAngle, CString(lf.lfFaceName)}) {
        if (!AddParam(strEntry, pszMemory, strReason)) {
            return FALSE;
        }
    }
    m_nDrawStyle = styleF;
    return TRUE;
}

int CGraphEntity::DoCheckSyntax(const CString& strText, CString& strMsg)
{
    const CString strAll = strText + "\r\n";
    CGraphEntity scratch;
    int nLine = 0;
    int nStart = 0;
    while (nStart < strAll.GetLength()) {
        const int nEnd = strAll.Find("\r\n", nStart);
        if (nEnd < 0) {
            break;
        }
        ++nLine;
        const CString strLine = strAll.Mid(nStart, nEnd - nStart);
        nStart = nEnd + 2;
        if (strLine.IsEmpty() || strLine[0] == '\'') {
            continue;
        }
        CString strReason;
        if (!scratch.SetData(strLine, strReason, 0)) {
            strMsg.Format(LibString(IDS_FIGURE_SYNTAX_ERROR), nLine, strReason.GetString(), strLine.GetString());
            return 0;
        }
    }
    return 1;
}

int CGraphEntity::Draw(CDC* pDC, int nFlag)
{
    m_nRectUpward = -nFlag;
    if (pDC == nullptr || m_strKeyword.IsEmpty() || m_asFigureParam.GetSize() == 0) {
        return 0;
    }
    const int nClass = GetTypeByEntityName(m_strKeyword);
    if ((m_nDrawStyle == styleLine && nClass != classLine) || (m_nDrawStyle == styleArc && nClass != classArc)) {
        return 0;
    }
    if (m_nDrawStyle == styleNone) {
        return 1;
    }
    BOOL bDrawn = FALSE;
    switch (nClass) {
    case classLine:
        bDrawn = DrawLineFamily(pDC);
        break;
    case classArc:
        bDrawn = DrawArcFamily(pDC);
        break;
    case classRect:
        bDrawn = DrawRectFamily(pDC);
        break;
    case classText:
        bDrawn = DrawTextFigure(pDC);
        break;
    default:
        break;
    }
    return bDrawn ? 1 : 0;
}

namespace
{

// The figure's pen, and a brush for its style: none for B, the colour for F.
class CFigurePaint
{
public:
    CFigurePaint(CDC* pDC, int nStyle, COLORREF crColor, int nWidth)
        : m_pen(PS_SOLID, CappClampPenWidth(nWidth), crColor), m_brush(crColor), m_penGuard(pDC, &m_pen)
    {
        if (nStyle == CGraphEntity::styleF) {
            m_pBrushGuard = std::make_unique<CFxSelectGuard>(pDC, &m_brush);
        } else {
            m_pBrushGuard = std::make_unique<CFxSelectGuard>(pDC, NULL_BRUSH);
        }
    }
    CFigurePaint(const CFigurePaint&) = delete;
    CFigurePaint& operator=(const CFigurePaint&) = delete;

private:
    CPen m_pen;
    CBrush m_brush;
    CFxSelectGuard m_penGuard;
    std::unique_ptr<CFxSelectGuard> m_pBrushGuard;
};

} // namespace

BOOL CGraphEntity::DrawLineFamily(CDC* pDC)
{
    std::vector<POINT> points;
    for (INT_PTR i = 0; i < m_asFigureParam.GetSize(); ++i) {
        CPoint pt;
        if (!ReadPoint(m_asFigureParam[i], pt)) {
            return FALSE;
        }
        points.push_back(CappClampPoint(pt));
    }
    const int nCount = static_cast<int>(points.size());
    if (nCount < 2) {
        return FALSE;
    }
    if (m_strKeyword.CompareNoCase("Polygon") == 0 && m_nDrawStyle == styleI) {
        CRgn rgn;
        return rgn.CreatePolygonRgn(points.data(), nCount, ALTERNATE) && pDC->InvertRgn(&rgn);
    }
    CFigurePaint paint(pDC, m_nDrawStyle, m_crColor, m_nPenWidth);
    if (m_strKeyword.CompareNoCase("Polygon") == 0) {
        return pDC->Polygon(points.data(), nCount);
    }
    if (m_strKeyword.CompareNoCase("Bezier") == 0) {
        return nCount == 4 && pDC->PolyBezier(points.data(), nCount);
    }
    return pDC->Polyline(points.data(), nCount);
}

BOOL CGraphEntity::DrawArcFamily(CDC* pDC)
{
    if (m_asFigureParam.GetSize() != kArcEntries) {
        return FALSE;
    }
    int n[kArcEntries] = {0, 0, 0, 0, 0, 0};
    for (int i = 0; i < kArcEntries; ++i) {
        // A single radius leaves the second entry empty: it is the first radius again.
        if (i == 3 && m_asFigureParam[3].IsEmpty()) {
            n[3] = n[2];
            continue;
        }
        if (!ParseInt(m_asFigureParam[i], n[i])) {
            return FALSE;
        }
    }
    // Figures that did not pass the check are drawn within the card's range.
    for (int i = 0; i < 4; ++i) {
        n[i] = CappClampCoord(n[i]);
    }
    n[4] %= 360;
    n[5] %= 360;
    const CString strShape = m_strKeyword.SpanExcluding("[");
    CRect rc(n[0], n[1], n[2], n[3]);
    if (m_strKeyword.Right(3).CompareNoCase("[S]") != 0) {
        rc = CRect(Clamp(static_cast<long long>(n[0]) - n[2]), Clamp(static_cast<long long>(n[1]) - n[3]),
                   Clamp(static_cast<long long>(n[0]) + n[2]), Clamp(static_cast<long long>(n[1]) + n[3]));
    }
    rc.NormalizeRect();
    CappClampRect(rc);
    const CPoint ptStart = RadialPoint(rc, n[4]);
    const CPoint ptEnd = RadialPoint(rc, n[5]);
    const BOOL bClosed = strShape.CompareNoCase("Circle") == 0 || strShape.CompareNoCase("Ellipse") == 0;
    if (bClosed && m_nDrawStyle == styleI) {
        CRgn rgn;
        return rgn.CreateEllipticRgn(rc.left, rc.top, rc.right, rc.bottom) && pDC->InvertRgn(&rgn);
    }
    CFigurePaint paint(pDC, m_nDrawStyle, m_crColor, m_nPenWidth);
    if (bClosed) {
        return pDC->Ellipse(&rc);
    }
    if (strShape.CompareNoCase("Pie") == 0) {
        return pDC->Pie(rc.left, rc.top, rc.right, rc.bottom, ptStart.x, ptStart.y, ptEnd.x, ptEnd.y);
    }
    if (strShape.CompareNoCase("Chord") == 0) {
        return pDC->Chord(rc.left, rc.top, rc.right, rc.bottom, ptStart.x, ptStart.y, ptEnd.x, ptEnd.y);
    }
    // An arc has no area: inverting draws it with the inverse of what lies below.
    const int nOldRop = m_nDrawStyle == styleI ? pDC->SetROP2(R2_NOT) : 0;
    const BOOL bDrawn = pDC->Arc(&rc, ptStart, ptEnd);
    if (m_nDrawStyle == styleI) {
        pDC->SetROP2(nOldRop);
    }
    return bDrawn;
}

BOOL CGraphEntity::DrawRectFamily(CDC* pDC)
{
    CPoint ptTopLeft;
    CPoint ptBottomRight;
    int nRadius = 0;
    if (m_asFigureParam.GetSize() != 3 || !ReadPoint(m_asFigureParam[0], ptTopLeft) ||
        !ReadPoint(m_asFigureParam[1], ptBottomRight) || !ParseInt(m_asFigureParam[2], nRadius)) {
        return FALSE;
    }
    const CRect rc(CappClampPoint(ptTopLeft), CappClampPoint(ptBottomRight));
    nRadius = CappClampInt(nRadius, 0, kCappMaxCoord);
    const BOOL bRound = m_strKeyword.Left(9).CompareNoCase("RoundRect") == 0 && nRadius > 1;
    const int nCorner = Clamp(2LL * nRadius);
    if (m_nDrawStyle == styleI) {
        CRgn rgn;
        const BOOL bMade = bRound ? rgn.CreateRoundRectRgn(rc.left, rc.top, rc.right, rc.bottom, nCorner, nCorner)
                                  : rgn.CreateRectRgn(rc.left, rc.top, rc.right, rc.bottom);
        return bMade && pDC->InvertRgn(&rgn);
    }
    CFigurePaint paint(pDC, m_nDrawStyle, m_crColor, m_nPenWidth);
    if (bRound) {
        return pDC->RoundRect(rc.left, rc.top, rc.right, rc.bottom, nCorner, nCorner);
    }
    return pDC->Rectangle(&rc);
}

BOOL CGraphEntity::DrawTextFigure(CDC* pDC)
{
    CPoint pt;
    int nPoints = 0;
    int nAngle = 0;
    if (m_asFigureParam.GetSize() < 5 || !ReadPoint(m_asFigureParam[1], pt) || !ParseInt(m_asFigureParam[2], nPoints) ||
        !ParseInt(m_asFigureParam[3], nAngle)) {
        return FALSE;
    }
    pt = CappClampPoint(pt);
    nPoints = CappClampInt(nPoints, 1, kMaxTextPoints);
    // Points to tenths of a millimetre: 72 points to 254 tenths.
    const int nHeight = Clamp(std::llround(static_cast<double>(nPoints) * 254.0 / 72.0));
    const int nEscapement = Clamp(static_cast<long long>(nAngle % 360) * 10);
    LOGFONTA lf;
    CappInitLogFont(lf, -nHeight);
    lf.lfEscapement = nEscapement;
    lf.lfOrientation = nEscapement;
    CappSetFaceName(lf, m_asFigureParam[4]);
    CFont font;
    if (!font.CreateFontIndirect(&lf)) {
        return FALSE;
    }
    CFxSelectGuard guard(pDC, &font);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF crOld = pDC->SetTextColor(m_crColor);
    const BOOL bDrawn = pDC->TextOut(pt.x, pt.y, m_asFigureParam[0]);
    pDC->SetTextColor(crOld);
    pDC->SetBkMode(nOldMode);
    return bDrawn;
}
