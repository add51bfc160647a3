#include "symbols/SelectTolFitDlg.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

#include "platform/gdi/Brush.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/FxSavedDC.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/PaintDC.h"
#include "platform/gdi/Pen.h"
#include "platform/win/DataExchange.h"
#include "symbols/GCData.h"
#include "symbols/GlyphworkFun.h"
#include "symbols/res/resource.h"

#include <commctrl.h>

namespace
{
// The tolerance values of one IT grade in micrometres, one per IT size range; 0 where the grade
// gives none (IT01 and IT0 end at 500 mm).
class CItGradeData : public CObject
{
public:
    double m_dValues[CSelectTolFitDlg::nItValues] = {};
};

const char* const zoneLetters[22] = {"a", "b", "c", "d", "e", "f", "g", "h", "j", "js", "k",
                                     "m", "n", "p", "r", "s", "t", "u", "v", "x", "y",  "z"};
const char* const fitLetters[21] = {"a", "b", "c", "d", "e", "f", "g", "h", "js", "k", "m",
                                    "n", "p", "r", "s", "t", "u", "v", "x", "y",  "z"};
const char* const holeFitRows[8] = {"H6", "H7", "H8", "H8", "H9", "H10", "H11", "H12"};
const char* const shaftFitRows[8] = {"h5", "h6", "h7", "h8", "h9", "h10", "h11", "h12"};
// Hole and shaft grade per fit row: both bases pair the same grades (H8/x7 and X8/h7).
const int fitHoleGrade[8] = {6, 7, 8, 8, 9, 10, 11, 12};
const int fitShaftGrade[8] = {5, 6, 7, 8, 9, 10, 11, 12};

// Offered zones per grade IT1 to IT13; columns as zoneLetters. The grids offer only what the
// bundled tables hold (j only for IT5 to IT8 below 500 mm).
const char* const shaftBelow500[13] = {"0000000101000000000000", "0000000101000000000000", "0000000101000000000000",
                                       "0000001101111111000000", "0000011111111111111111", "0000111111111111111111",
                                       "0001111111111111111111", "0011111101111111111111", "1111110101000000000000",
                                       "1111100101000000000000", "1111000101000000000000", "1110000101000000000000",
                                       "1110000101000000000000"};
const char* const shaftFrom500[13] = {"0000000000000000000000", "0000000000000000000000", "0000000000000000000000",
                                      "0000000000000000000000", "0000000000000000000000", "0000001101111111110000",
                                      "0000011101111111110000", "0001110101000000000000", "0001110101000000000000",
                                      "0001000101000000000000", "0001000101000000000000", "0000000101000000000000",
                                      "0000000000000000000000"};
const char* const holeBelow500[13] = {"0000000101000000000000", "0000000101000000000000", "0000000101000000000000",
                                      "0000000101110000000000", "0000001101111111000000", "0000011111111111111111",
                                      "0001111111111111111111", "0011111111111111111111", "1111110101001100000000",
                                      "1111100101000000000000", "1111000101000000000000", "1110000101000000000000",
                                      "0000000101000000000000"};
const char* const holeFrom500[13] = {"0000000000000000000000", "0000000000000000000000", "0000000000000000000000",
                                     "0000000000000000000000", "0000000000000000000000", "0000001101111000000000",
                                     "0000011101111000000000", "0001110101000000000000", "0001110101000000000000",
                                     "0001000101000000000000", "0001000101000000000000", "0000000101000000000000",
                                     "0000000000000000000000"};
const char* const holeFitBelow500[8] = {"000001111111111100000", "000001111111111111111", "000011111111111110000",
                                        "000111010000000000000", "001111010000000000000", "001100010000000000000",
                                        "111100010000000000000", "010010010000000000000"};
const char* const shaftFitBelow500[8] = {"000001111111111100000", "000001111111111110000", "000011011111000000000",
                                         "000111010000000000000", "000111010000000000000", "000100010000000000000",
                                         "111100010000000000000", "010000010000000000000"};
// Row 0 pairs with IT5, which the tables do not serve above 500 mm.
const char* const fitFrom500[8] = {"000000000000000000000", "000001111111111110000", "000111011000000000000",
                                   "000111011000000000000", "000100011000000000000", "000100011000000000000",
                                   "000100011000000000000", "000000000000000000000"};

// SJ/T 10628-1995: size over, up to (mm), then the band (mm) for grades 1 to 10.
const double plasticTable[34][12] = {
    {0, 3, 0.02, 0.03, 0.04, 0.06, 0.08, 0.12, 0.16, 0.24, 0.32, 0.48},
    {3, 6, 0.03, 0.04, 0.05, 0.07, 0.08, 0.14, 0.18, 0.28, 0.36, 0.56},
    {6, 10, 0.03, 0.04, 0.06, 0.08, 0.1, 0.16, 0.2, 0.32, 0.4, 0.64},
    {10, 14, 0.03, 0.05, 0.06, 0.09, 0.12, 0.18, 0.22, 0.36, 0.44, 0.72},
    {14, 18, 0.04, 0.05, 0.07, 0.1, 0.12, 0.2, 0.24, 0.4, 0.48, 0.8},
    {18, 24, 0.04, 0.06, 0.08, 0.11, 0.14, 0.22, 0.28, 0.44, 0.56, 0.88},
    {24, 30, 0.05, 0.06, 0.09, 0.12, 0.16, 0.24, 0.32, 0.48, 0.64, 0.96},
    {30, 40, 0.05, 0.07, 0.1, 0.13, 0.18, 0.26, 0.36, 0.52, 0.72, 1},
    {40, 50, 0.06, 0.08, 0.11, 0.14, 0.2, 0.28, 0.4, 0.56, 0.8, 1.2},
    {50, 65, 0.06, 0.09, 0.12, 0.16, 0.22, 0.32, 0.46, 0.64, 0.92, 1.4},
    {65, 80, 0.07, 0.1, 0.14, 0.19, 0.26, 0.38, 0.52, 0.76, 1, 1.6},
    {80, 100, 0.08, 0.12, 0.16, 0.22, 0.3, 0.44, 0.6, 0.88, 1.2, 1.8},
    {100, 120, 0.09, 0.13, 0.18, 0.25, 0.34, 0.5, 0.68, 1, 1.4, 2},
    {120, 140, 0.1, 0.15, 0.2, 0.28, 0.38, 0.56, 0.76, 1.1, 1.5, 2.2},
    {140, 160, 0.12, 0.16, 0.22, 0.31, 0.42, 0.62, 0.84, 1.2, 1.7, 2.4},
    {160, 180, 0.13, 0.18, 0.24, 0.34, 0.46, 0.68, 0.92, 1.4, 1.8, 2.7},
    {180, 200, 0.14, 0.2, 0.26, 0.37, 0.5, 0.74, 1, 1.5, 2, 3},
    {200, 225, 0.15, 0.22, 0.28, 0.41, 0.56, 0.82, 1.1, 1.6, 2.2, 3.3},
    {225, 250, 0.16, 0.24, 0.3, 0.45, 0.62, 0.9, 1.2, 1.8, 2.4, 3.6},
    {250, 280, 0.18, 0.26, 0.34, 0.5, 0.68, 1, 1.3, 2, 2.6, 4},
    {280, 315, 0.2, 0.28, 0.38, 0.55, 0.74, 1.1, 1.4, 2.2, 2.8, 4.4},
    {315, 355, 0.22, 0.3, 0.42, 0.6, 0.82, 1.2, 1.6, 2.4, 3.2, 4.8},
    {355, 400, 0.24, 0.34, 0.46, 0.65, 0.9, 1.3, 1.8, 2.6, 3.6, 5.2},
    {400, 450, 0.26, 0.38, 0.52, 0.7, 1, 1.4, 2, 2.8, 4, 5.6},
    {450, 500, 0.3, 0.42, 0.6, 0.8, 1.1, 1.6, 2.2, 3.2, 4.4, 6.4},
    {500, 560, 0.34, 0.46, 0.64, 0.88, 1.2, 1.8, 2.4, 3.6, 4.8, 7.1},
    {560, 630, 0.38, 0.52, 0.72, 0.99, 1.3, 2, 2.7, 3.9, 5.4, 7.9},
    {630, 710, 0.42, 0.6, 0.8, 1.1, 1.5, 2.2, 3, 4.4, 6, 8.8},
    {710, 800, 0.46, 0.64, 0.9, 1.2, 1.7, 2.5, 3.3, 4.9, 6.7, 9.8},
    {800, 900, 0.52, 0.72, 1, 1.4, 1.9, 2.8, 3.8, 5.5, 7.5, 10.8},
    {900, 1000, 0.6, 0.8, 1.2, 1.6, 2.2, 3.2, 4.3, 6, 8.5, 12.8},
    {1000, 1200, 0.76, 1, 1.4, 1.8, 2.5, 3.5, 5, 7, 10, 14},
    {1200, 1400, 0.88, 1.2, 1.6, 2.5, 3, 4, 6, 8, 11, 16},
    {1400, 1600, 1, 1.4, 1.8, 3, 3.5, 5, 7, 9, 13, 18},
};

// Cell geometry of the pictures, in pixels from the picture area's corner plus one.
const int kZoneOrigin = 12;
const int kZoneCell = 18;
const int kFitLeft = 42;
const int kFitTop = 70;
const int kFitCellX = 17;
const int kFitCellY = 22;

// The first of the first nCount bounds at least dSize; -1 when none.
int FindRange(const double* pBounds, int nCount, double dSize)
{
    for (int i = 0; i < nCount; i++) {
        if (pBounds[i] >= dSize)
            return i;
    }
    return -1;
}

// Every item of a comma-separated line.
void SplitItems(const CString& strLine, CStringArray& items)
{
    items.RemoveAll();
    int nPos = 0;
    CString strWord;
    while (CGlyphworkFun::GetWordFromStr(strLine, nPos, strWord))
        items.Add(strWord);
}

bool IsValidGrade(const CString& strText, int& nGrade)
{
    CString str = strText;
    CGlyphworkFun::Compress_Space(str);
    if (str.IsEmpty())
        return false;
    LPCSTR psz = str;
    int i = psz[0] == '-' ? 1 : 0;
    if (psz[i] == '\0')
        return false;
    for (; psz[i] != '\0'; i++) {
        if (psz[i] < '0' || psz[i] > '9')
            return false;
    }
    nGrade = std::atoi(psz);
    return nGrade >= -1 && nGrade <= 18;
}

// The grade word of a row line: "*", "<n", "<=n", ">n", ">=n", "n~m" or "n".
bool ParseGrades(CString strWord, int* pGrades)
{
    CGlyphworkFun::Compress_Space(strWord);
    int nFrom = 0;
    int nTo = -2;
    if (strWord == "*") {
        nFrom = -1;
        nTo = 18;
    } else if (!strWord.IsEmpty() && (strWord[0] == '<' || strWord[0] == '>')) {
        bool bLess = strWord[0] == '<';
        bool bEqual = strWord.GetLength() > 1 && strWord[1] == '=';
        int n = 0;
        if (!IsValidGrade(strWord.Mid(bEqual ? 2 : 1), n))
            return false;
        nFrom = bLess ? -1 : (bEqual ? n : n + 1);
        nTo = bLess ? (bEqual ? n : n - 1) : 18;
    } else if (strWord.Find('~') >= 0) {
        int nTilde = strWord.Find('~');
        int n1 = 0;
        int n2 = 0;
        if (!IsValidGrade(strWord.Left(nTilde), n1) || !IsValidGrade(strWord.Mid(nTilde + 1), n2))
            return false;
        nFrom = n1 < n2 ? n1 : n2;
        nTo = n1 < n2 ? n2 : n1;
    } else {
        int n = 0;
        if (!IsValidGrade(strWord, n))
            return false;
        nFrom = n;
        nTo = n;
    }
    for (int n = nFrom; n <= nTo; n++)
        pGrades[n + 1] = 1;
    return true;
}

void DeleteAll(CObList& list)
{
    POSITION pos = list.GetHeadPosition();
    while (pos != nullptr)
        delete list.GetNext(pos);
    list.RemoveAll();
}

CGCData* RowAt(CObList& rows, int nIndex)
{
    POSITION pos = rows.FindIndex(nIndex);
    return pos == nullptr ? nullptr : static_cast<CGCData*>(rows.GetAt(pos));
}

CString GradeText(int nGrade)
{
    CString str;
    str.Format("%-2d", nGrade);
    return str;
}

CString UpperFirst(const char* pszLetters)
{
    CString str = pszLetters;
    str.SetAt(0, static_cast<char>(str[0] - 'a' + 'A'));
    return str;
}
} // namespace

FX_BEGIN_MESSAGE_MAP(CSelectTolFitDlg, CDialog)
FX_ON_WM_PAINT()
FX_ON_WM_LBUTTONDOWN()
FX_ON_NOTIFY(TCN_SELCHANGE, IDC_TOLFIT_TAB, OnSelchangeTab)
FX_ON_CBN_SELCHANGE(IDC_TOLFIT_PLASTIC_GRADE, OnSelchangeCombo1)
FX_ON_EN_KILLFOCUS(IDC_TOLFIT_UPPER, OnKillfocusEdtUptol)
FX_ON_EN_KILLFOCUS(IDC_TOLFIT_LOWER, OnKillfocusEdtDowntol)
FX_ON_EN_CHANGE(IDC_TOLFIT_SIZE, OnChangeSize)
FX_END_MESSAGE_MAP()

CSelectTolFitDlg::CSelectTolFitDlg(CWnd* pParent)
    : CDialog(IDD_SELECTTOLFIT, pParent), m_dSize(0), m_nPicLeft(0), m_nPicTop(0), m_nPicWidth(0), m_nPicHeight(0),
      m_nTableKind(-1), m_dPlasticTol(0), m_nFitMode(0), m_dLastResult(), m_dItBounds(), m_dDevBounds(),
      m_bFitFound(false)
{
}

CSelectTolFitDlg::~CSelectTolFitDlg()
{
    DetachTolerancesData();
}

void CSelectTolFitDlg::SetData(CString strDataDir, double dSize, int nFitMode)
{
    strDataDir.TrimRight('\\');
    m_strDataDir = strDataDir;
    m_dSize = dSize;
    m_nFitMode = nFitMode;
    for (double& d : m_dLastResult)
        d = 0;
}

void CSelectTolFitDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_TOLFIT_CODE, m_strCode);
    DDX_Text(pDX, IDC_TOLFIT_UPPER, m_strUpper);
    DDX_Text(pDX, IDC_TOLFIT_LOWER, m_strLower);
    CString strSize;
    if (!pDX->m_bSaveAndValidate) {
        strSize.Format("%g", m_dSize);
        if (m_dSize == 0)
            strSize.Empty();
    }
    DDX_Text(pDX, IDC_TOLFIT_SIZE, strSize);
    if (pDX->m_bSaveAndValidate)
        m_dSize = std::atof(strSize);
}

// ---- data files

int CSelectTolFitDlg::LoadTolerancesData()
{
    DetachTolerancesData();
    // The first file that fails is the one the user hears of.
    const auto loaded = [this](const CString& strPath, BOOL bLoaded) {
        if (!bLoaded)
            m_strUnreadFile = strPath;
        return bLoaded;
    };
    m_strUnreadFile.Empty();
    const CString strIt = m_strDataDir + "\\it.dat";
    const CString strShaft = m_strDataDir + "\\zgc.dat";
    const CString strHole = m_strDataDir + "\\kgc.dat";
    const CString strJkph = m_strDataDir + "\\jkph.dat";
    const CString strJzph = m_strDataDir + "\\jzph.dat";
    const CString strJzph2 = m_strDataDir + "\\jzph2.dat";
    return loaded(strIt, LoadToleranceIt(strIt)) &&
           loaded(strShaft, LoadEsOrEi(strShaft, m_listShaft, m_arrShaftHeader, "es", "ei")) &&
           loaded(strHole, LoadEsOrEi(strHole, m_listHole, m_arrHoleHeader, "es", "ei")) &&
           loaded(strJkph, LoadGCPHIndex(strJkph, m_arrJkph)) && loaded(strJzph, LoadGCPHIndex(strJzph, m_arrJzph)) &&
           loaded(strJzph2, LoadGCPHIndex(strJzph2, m_arrJzph2));
}

int CSelectTolFitDlg::ReadRangeSize(CString strLine, double* pBounds, int nMax)
{
    CStringArray items;
    SplitItems(strLine, items);
    if (items.GetSize() > nMax)
        return 0;
    for (INT_PTR i = 0; i < items.GetSize(); i++)
        pBounds[i] = std::atof(items[i]);
    return 1;
}

int CSelectTolFitDlg::LoadToleranceIt(CString strPath)
{
    DeleteAll(m_listIt);
    CString strData;
    if (CGlyphworkFun::ReadData(strPath, strData) == 0)
        return 0;
    long nPos = 0;
    CString strLine;
    if (!CGlyphworkFun::GetLine(strData, nPos, strLine) || !ReadRangeSize(strLine, m_dItBounds, nItBounds))
        return 0;
    if (!CGlyphworkFun::GetLine(strData, nPos, strLine) || !ReadRangeSize(strLine, m_dDevBounds, nDevBounds))
        return 0;
    while (m_listIt.GetCount() < 20 && CGlyphworkFun::GetLine(strData, nPos, strLine)) {
        CItGradeData* pGrade = new CItGradeData;
        if (!CGlyphworkFun::GetLine(strData, nPos, strLine) || !ReadRangeSize(strLine, pGrade->m_dValues, nItValues)) {
            delete pGrade;
            DeleteAll(m_listIt);
            return 0;
        }
        m_listIt.AddTail(pGrade);
    }
    return 1;
}

void CSelectTolFitDlg::InitIndex(CString strLine, CStringArray& header)
{
    int nPos = 0;
    CString strWord;
    while (header.GetSize() <= 21 && CGlyphworkFun::GetWordFromStr(strLine, nPos, strWord))
        header.Add(strWord);
}

int CSelectTolFitDlg::InitGCValue(CString strLine, CGCData* pData, CString strEs, CString strEi)
{
    int nPos = 0;
    CString strWord;
    if (!CGlyphworkFun::GetWordFromStr(strLine, nPos, strWord) || strWord.IsEmpty() || strWord.GetLength() > 2)
        return 0;
    pData->m_strName = strWord;
    if (!CGlyphworkFun::GetWordFromStr(strLine, nPos, strWord))
        return 0;
    if (strWord.CompareNoCase(strEs) == 0)
        pData->m_nIsUpper = 1;
    else if (strWord.CompareNoCase(strEi) == 0)
        pData->m_nIsUpper = 0;
    else
        return 0;
    if (!CGlyphworkFun::GetWordFromStr(strLine, nPos, strWord))
        return 0;
    return ParseGrades(strWord, pData->m_nGrades) ? 1 : 0;
}

int CSelectTolFitDlg::InitGCData(CString strLine, CGCData* pData)
{
    CStringArray items;
    SplitItems(strLine, items);
    if (items.GetSize() > CGCData::nValues)
        return 0;
    for (INT_PTR i = 0; i < items.GetSize(); i++) {
        CString strItem = items[i];
        if (strItem == "-") {
            pData->m_nMarks[i] = -1;
            continue;
        }
        int nPlus = strItem.Find('+');
        pData->m_nMarks[i] = nPlus >= 0 ? 1 : 0;
        if (nPlus >= 0)
            strItem = strItem.Left(nPlus);
        pData->m_nValues[i] = static_cast<short>(std::atoi(strItem));
    }
    return 1;
}

int CSelectTolFitDlg::LoadEsOrEi(CString strPath, CObList& rows, CStringArray& header, CString strEs, CString strEi)
{
    DeleteAll(rows);
    header.RemoveAll();
    CString strData;
    if (CGlyphworkFun::ReadData(strPath, strData) == 0)
        return 0;
    long nPos = 0;
    CString strLine;
    if (!CGlyphworkFun::GetLine(strData, nPos, strLine))
        return 0;
    InitIndex(strLine, header);
    while (CGlyphworkFun::GetLine(strData, nPos, strLine)) {
        CGCData* pRow = new CGCData;
        CString strValues;
        if (!InitGCValue(strLine, pRow, strEs, strEi) || !CGlyphworkFun::GetLine(strData, nPos, strValues) ||
            !InitGCData(strValues, pRow)) {
            delete pRow;
            DeleteAll(rows);
            return 0;
        }
        rows.AddTail(pRow);
    }
    return 1;
}

int CSelectTolFitDlg::LoadGCPHIndex(CString strPath, CStringArray& arr)
{
    arr.RemoveAll();
    CString strData;
    if (CGlyphworkFun::ReadData(strPath, strData) == 0)
        return 0;
    long nPos = 0;
    CString strLine;
    CStringArray items;
    while (CGlyphworkFun::GetLine(strData, nPos, strLine)) {
        SplitItems(strLine, items);
        for (INT_PTR i = 0; i < items.GetSize(); i++)
            arr.Add(items[i]);
        for (INT_PTR i = items.GetSize(); i < 21; i++)
            arr.Add(CString());
    }
    return 1;
}

void CSelectTolFitDlg::DetachTolerancesData()
{
    DeleteAll(m_listIt);
    DeleteAll(m_listShaft);
    DeleteAll(m_listHole);
    m_arrJkph.RemoveAll();
    m_arrJzph.RemoveAll();
    m_arrJzph2.RemoveAll();
    m_arrHoleHeader.RemoveAll();
    m_arrShaftHeader.RemoveAll();
}

// ---- look-ups

int CSelectTolFitDlg::GetItVal(double dSize, int nGradeIndex, double& dValue)
{
    int nRange = FindRange(m_dItBounds, nItBounds, dSize);
    POSITION pos = m_listIt.FindIndex(nGradeIndex);
    if (nRange < 0 || pos == nullptr)
        return 0;
    dValue = static_cast<CItGradeData*>(m_listIt.GetAt(pos))->m_dValues[nRange];
    return dValue > 0 ? 1 : 0;
}

int CSelectTolFitDlg::ZGCTab(short bHole, int nGrade, double dSize, CString strLetters, CObList& rows, double& dUpper,
                             double& dLower, double& dTol)
{
    if (strLetters.IsEmpty()) {
        dUpper = 0;
        dLower = 0;
        return 0;
    }
    int nIndex = nGrade + 1;
    double dIt = 0;
    if (nIndex < 0 || nIndex > 19 || dSize <= 0 || !GetItVal(dSize, nIndex, dIt) || (dSize > 500 && nIndex < 7))
        return 0;
    dTol = dIt * 0.001;
    if (strLetters.GetLength() >= 2 &&
        (strLetters.Left(2) == "js" || strLetters.Left(2) == "Js" || strLetters.Left(2) == "JS")) {
        // Half of an odd IT7 to IT11 band would need a tenth of a micrometre: the band is rounded
        // down to even first.
        double dBand = dIt;
        if (nIndex >= 8 && nIndex <= 12 && dBand == std::floor(dBand) && static_cast<long>(dBand) % 2 != 0)
            dBand -= 1;
        dUpper = dBand * 0.0005;
        dLower = -dUpper;
        return 1;
    }
    if (strLetters == "h" || strLetters == "H") {
        if ((strLetters == "h") == (bHole != 0))
            return 0;
        dUpper = strLetters == "h" ? 0 : dTol;
        dLower = strLetters == "h" ? -dTol : 0;
        return 1;
    }
    int nCol = FindRange(m_dDevBounds, 41, dSize);
    if (nCol < 0)
        return 0;
    int nRows = bHole ? nHoleRows : nShaftRows;
    bool bFound = false;
    double dFoundUpper = 0;
    double dFoundLower = 0;
    int i = 0;
    POSITION pos = rows.GetHeadPosition();
    while (pos != nullptr && i < nRows) {
        const CGCData* pRow = static_cast<const CGCData*>(rows.GetNext(pos));
        i++;
        if (pRow->m_strName != strLetters || !pRow->AppliesTo(nGrade))
            continue;
        if (pRow->m_nMarks[nCol] == -1)
            return 0;
        // The bundled tables start a, b and A, B above 1 mm (the 43rd size bound).
        if (!bHole && (strLetters == "a" || strLetters == "b") && dSize < m_dDevBounds[42])
            return 0;
        if (bHole && (((strLetters == "A" || strLetters == "B") && dSize < 1.0)))
            return 0;
        double dValue = pRow->m_nValues[nCol] * 0.001;
        if (pRow->m_nIsUpper == 0) {
            dFoundLower = dValue;
            dFoundUpper = dFoundLower + dTol;
        } else {
            dFoundUpper = dValue;
            if (bHole && pRow->m_nMarks[nCol] == 1 && nIndex >= 4 && nIndex <= 9) {
                // The delta rows hold tenths of a micrometre (IT3 and IT4 steps are 1.5 um).
                const CGCData* pDelta = RowAt(rows, 39 + nIndex);
                if (pDelta == nullptr || pDelta->m_nMarks[nCol] == -1)
                    return 0;
                dFoundUpper += pDelta->m_nValues[nCol] * 0.0001;
            }
            // M6 over 250 up to 315 mm is -9 um, not -20 + delta.
            if (bHole && strLetters == "M" && nIndex == 7 && dSize > m_dDevBounds[18] && dSize <= m_dDevBounds[20])
                dFoundUpper = -0.009;
            dFoundLower = dFoundUpper - dTol;
        }
        bFound = true;
    }
    if (!bFound)
        return 0;
    // To whole tenths of a micrometre: -20 um plus a delta of 20 um must show as "0", not "+0".
    dUpper = std::round(dFoundUpper * 10000) / 10000;
    dLower = std::round(dFoundLower * 10000) / 10000;
    return 1;
}

int CSelectTolFitDlg::Query_GCTab(short bHole, int nGrade, double dSize, CString strLetters, CObList& rows,
                                  double& dUpper, double& dLower, double& dTol)
{
    if (nGrade < 1 || nGrade > 13)
        return 0;
    return ZGCTab(bHole, nGrade, dSize, strLetters, rows, dUpper, dLower, dTol);
}

int CSelectTolFitDlg::ProceTolSymbol(CString strCode, CString& strLetters, int& nGrade)
{
    CGlyphworkFun::Compress_Space(strCode);
    int nDigit = strCode.FindOneOf("0123456789");
    if (nDigit < 1 || nDigit > 2)
        return 0;
    CString strNumber = strCode.Mid(nDigit);
    if (strNumber.GetLength() >= 3)
        return 0;
    for (int i = 0; i < strNumber.GetLength(); i++) {
        if (strNumber[i] < '0' || strNumber[i] > '9')
            return 0;
    }
    strLetters = strCode.Left(nDigit);
    nGrade = strNumber == "01" ? -1 : std::atoi(strNumber);
    return 1;
}

int CSelectTolFitDlg::QueryEsEi(CString& strCode, double dSize, double& dUpper, double& dLower)
{
    CString strCodeIn = strCode;
    CGlyphworkFun::Compress_Space(strCodeIn);
    if (strCodeIn.IsEmpty())
        return 0;
    char ch = strCodeIn[0];
    bool bUpper = ch >= 'A' && ch <= 'Z';
    if (!bUpper && !(ch >= 'a' && ch <= 'z'))
        return 0;
    int nLetters = (ch == 'j' || ch == 'J') ? 2 : 1;
    CString strLetters = strCodeIn.Left(nLetters);
    int nGrade = std::atoi(static_cast<LPCSTR>(strCodeIn) + strLetters.GetLength());
    strCode = strLetters;
    double dTol = 0;
    // A shaft code is looked up in the shaft rows: a hole row never answers a lowercase letter.
    return Query_GCTab(bUpper ? 1 : 0, nGrade, dSize, strLetters, bUpper ? m_listHole : m_listShaft, dUpper, dLower,
                       dTol);
}

void CSelectTolFitDlg::ProcePHEsEi(CString strHoleCode, CString strShaftCode, double dSize)
{
    CString strHole;
    CString strShaft;
    int nHole = 0;
    int nShaft = 0;
    if (!ProceTolSymbol(strHoleCode, strHole, nHole) || !ProceTolSymbol(strShaftCode, strShaft, nShaft)) {
        MessageBox("无效的公差符！", "系统信息", MB_OK | MB_ICONSTOP);
        return;
    }
    double dES = 0;
    double dEI = 0;
    double des = 0;
    double dei = 0;
    double dTol = 0;
    if (!Query_GCTab(1, nHole, dSize, strHole, m_listHole, dES, dEI, dTol) ||
        !Query_GCTab(0, nShaft, dSize, strShaft, m_listShaft, des, dei, dTol)) {
        MessageBox("找不到指定的公差！", "系统信息", MB_OK | MB_ICONINFORMATION);
        return;
    }
    // Largest clearance, smallest clearance (negative: interference).
    SetEsEiText(dES - dei, dEI - des);
}

bool CSelectTolFitDlg::IsZoneOffered(bool bHole, double dSize, int nCol, int nRow)
{
    if (nCol < 0 || nCol > 21 || nRow < 0 || nRow > 12)
        return false;
    const char* const* grid =
        dSize < 500 ? (bHole ? holeBelow500 : shaftBelow500) : (bHole ? holeFrom500 : shaftFrom500);
    return grid[nRow][nCol] == '1';
}

bool CSelectTolFitDlg::IsFitOffered(bool bHoleBasis, double dSize, int nCol, int nRow)
{
    if (nCol < 0 || nCol > 20 || nRow < 0 || nRow > 7)
        return false;
    const char* const* grid = dSize < 500 ? (bHoleBasis ? holeFitBelow500 : shaftFitBelow500) : fitFrom500;
    return grid[nRow][nCol] == '1';
}

BOOL CSelectTolFitDlg::GetPlasticTolerance(int nGrade, double dSize, double& dTol)
{
    if (nGrade < 1 || nGrade > 10)
        return FALSE;
    for (const auto& row : plasticTable) {
        if (dSize > row[0] && dSize <= row[1]) {
            dTol = row[nGrade + 1];
            return TRUE;
        }
    }
    return FALSE;
}

// ---- dialog

BOOL CSelectTolFitDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SendDlgItemMessage(IDC_TOLFIT_CODE, EM_LIMITTEXT, 256);
    HCURSOR hOld = ::SetCursor(::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
    int nLoaded = LoadTolerancesData();
    ::SetCursor(hOld);
    if (!nLoaded) {
        CString strText;
        strText.Format("数据读取错误，系统数据不完整！\n无法读取文件：%s", m_strUnreadFile.GetString());
        MessageBox(strText, "提示", MB_OK | MB_ICONSTOP);
        EndDialog(IDCANCEL);
        return TRUE;
    }
    // The frame only marks the area: the picture is painted by the dialog, so the frame stays hidden.
    RECT rc = {};
    CWnd* pFrame = GetDlgItem(IDC_TOLFIT_PICTURE);
    if (pFrame != nullptr) {
        pFrame->GetWindowRect(&rc);
        ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(&rc), 2);
        pFrame->ShowWindow(SW_HIDE);
    }
    m_nPicLeft = rc.left;
    m_nPicTop = rc.top;
    m_nPicWidth = rc.right - rc.left - 1;
    m_nPicHeight = rc.bottom - rc.top - 1;

    GetDlgItem(IDOK)->EnableWindow(FALSE);
    static const UINT fitTabs[] = {IDS_TOLFIT_HOLEBASIS, IDS_TOLFIT_SHAFTBASIS};
    static const UINT tolTabs[] = {IDS_TOLFIT_SHAFT, IDS_TOLFIT_HOLE, IDS_TOLFIT_PLASTIC};
    const UINT* pTabs = m_nFitMode ? fitTabs : tolTabs;
    int nTabs = m_nFitMode ? 2 : 3;
    for (int i = 0; i < nTabs; i++) {
        CString strText;
        strText.LoadString(pTabs[i]);
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<LPSTR>(static_cast<LPCSTR>(strText));
        SendDlgItemMessage(IDC_TOLFIT_TAB, TCM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    SendDlgItemMessage(IDC_TOLFIT_TAB, TCM_SETCURSEL, m_nFitMode ? 0 : 1);
    for (int i = 1; i <= 10; i++) {
        CString strGrade;
        strGrade.Format("%d", i);
        SendDlgItemMessage(IDC_TOLFIT_PLASTIC_GRADE, CB_ADDSTRING, 0,
                           reinterpret_cast<LPARAM>(static_cast<LPCSTR>(strGrade)));
    }
    m_dPlasticTol = 0;
    SelectTab();
    return TRUE;
}

BOOL CSelectTolFitDlg::DestroyWindow()
{
    DetachTolerancesData();
    return CDialog::DestroyWindow();
}

void CSelectTolFitDlg::OnSelchangeTab(NMHDR* /*pNMHDR*/, LRESULT* pResult)
{
    SelectTab();
    *pResult = 0;
}

void CSelectTolFitDlg::SelectTab()
{
    int nTab = static_cast<int>(SendDlgItemMessage(IDC_TOLFIT_TAB, TCM_GETCURSEL));
    m_nTableKind = nTab < 0 ? -1 : nTab + (m_nFitMode ? 2 : 0);
    RedrawPicture();
    UpdateData(TRUE);
    bool bPlastic = IsPlasticTab();
    if (!bPlastic) {
        m_strCode.Empty();
        m_strUpper.Empty();
        m_strLower.Empty();
        UpdateData(FALSE);
    }
    m_bFitFound = false;
    GetDlgItem(IDOK)->EnableWindow(FALSE);
    static const int plasticOnly[] = {IDC_TOLFIT_STANDARD, IDC_TOLFIT_SCOPE1,        IDC_TOLFIT_GRADE_LABEL,
                                      IDC_TOLFIT_SCOPE2,   IDC_TOLFIT_PLASTIC_GRADE, IDC_TOLFIT_PLASTIC_NOTE};
    for (int nID : plasticOnly) {
        if (CWnd* pItem = GetDlgItem(nID))
            pItem->ShowWindow(bPlastic ? SW_SHOW : SW_HIDE);
    }
    static const int zoneOnly[] = {IDC_TOLFIT_CODE_LABEL, IDC_TOLFIT_CODE, IDC_TOLFIT_UPPER, IDC_TOLFIT_LOWER};
    for (int nID : zoneOnly) {
        if (CWnd* pItem = GetDlgItem(nID))
            pItem->EnableWindow(bPlastic ? FALSE : TRUE);
    }
}

void CSelectTolFitDlg::RedrawPicture()
{
    RECT rc = {m_nPicLeft, m_nPicTop, m_nPicLeft + m_nPicWidth + 1, m_nPicTop + m_nPicHeight + 1};
    InvalidateRect(&rc, TRUE);
    UpdateWindow();
}

void CSelectTolFitDlg::OnChangeSize()
{
    // The grid, and so the picture, depends on the size.
    CString strSize;
    GetDlgItemText(IDC_TOLFIT_SIZE, strSize);
    bool bWasBig = m_dSize >= 500;
    m_dSize = std::atof(strSize);
    if (bWasBig != (m_dSize >= 500))
        RedrawPicture();
}

void CSelectTolFitDlg::OnPaint()
{
    CPaintDC dc(m_hWnd);
    DrawToleranceBitmap(&dc);
}

void CSelectTolFitDlg::OnLButtonDown(UINT nFlags, CPoint point)
{
    bool bBlocked = IsPlasticTab() || m_nTableKind < 0 || (nFlags & (MK_SHIFT | MK_CONTROL | MK_RBUTTON | MK_MBUTTON));
    if (!bBlocked) {
        int x = point.x - m_nPicLeft - 1;
        int y = point.y - m_nPicTop - 1;
        if (m_nTableKind <= 1) {
            // Truncation toward zero: a click just left of or above the grid still hits cell 0.
            int nCol = (x - kZoneOrigin) / kZoneCell;
            int nRow = (y - kZoneOrigin) / kZoneCell;
            if (nCol >= 0 && nCol <= 21 && nRow >= 0 && nRow <= 12) {
                if (m_nTableKind == 0)
                    DoWithShaftTolPos(nCol, nRow);
                else
                    DoWithHoleTolPos(nCol, nRow);
            }
        } else {
            int nCol = (x - kFitLeft) / kFitCellX;
            int nRow = (y - kFitTop) / kFitCellY;
            if (nCol >= 0 && nCol <= 20 && nRow >= 0 && nRow <= 7) {
                if (m_nTableKind == 2)
                    DoWithHoleFitPos(nCol, nRow);
                else
                    DoWithShaftFitPos(nCol, nRow);
            }
        }
    }
    CDialog::OnLButtonDown(nFlags, point);
}

int CSelectTolFitDlg::DoWithShaftTolPos(int nCol, int nRow)
{
    return DoWithZonePos(false, nCol, nRow);
}

int CSelectTolFitDlg::DoWithHoleTolPos(int nCol, int nRow)
{
    return DoWithZonePos(true, nCol, nRow);
}

int CSelectTolFitDlg::DoWithZonePos(bool bHole, int nCol, int nRow)
{
    UpdateData(TRUE);
    if (IsZoneOffered(bHole, m_dSize, nCol, nRow)) {
        CString strLetters = bHole ? UpperFirst(zoneLetters[nCol]) : CString(zoneLetters[nCol]);
        m_strCode = strLetters + GradeText(nRow + 1);
        double dUpper = 0;
        double dLower = 0;
        double dTol = 0;
        if (Query_GCTab(bHole ? 1 : 0, nRow + 1, m_dSize, strLetters, bHole ? m_listHole : m_listShaft, dUpper, dLower,
                        dTol)) {
            SetEsEiText(dUpper, dLower);
            m_dLastResult[0] = dUpper;
            m_dLastResult[1] = dLower;
        } else {
            // The previous zone's deviations must not pass for the new code's.
            m_strUpper.Empty();
            m_strLower.Empty();
        }
    }
    UpdateData(FALSE);
    SetOKState();
    return 1;
}

int CSelectTolFitDlg::DoWithHoleFitPos(int nCol, int nRow)
{
    if (nCol < 0 || nCol > 20 || nRow < 0 || nRow > 7) {
        CString strText;
        strText.Format("(%d,%d)超越范围！！", nCol, nRow);
        MessageBox(strText, "系统提示", MB_OK);
        return 1;
    }
    return DoWithFitPos(true, nCol, nRow);
}

int CSelectTolFitDlg::DoWithShaftFitPos(int nCol, int nRow)
{
    return DoWithFitPos(false, nCol, nRow);
}

int CSelectTolFitDlg::DoWithFitPos(bool bHoleBasis, int nCol, int nRow)
{
    UpdateData(TRUE);
    if (IsFitOffered(bHoleBasis, m_dSize, nCol, nRow)) {
        int nHoleGrade = fitHoleGrade[nRow];
        int nShaftGrade = fitShaftGrade[nRow];
        CString strHole = bHoleBasis ? CString("H") : UpperFirst(fitLetters[nCol]);
        CString strShaft = bHoleBasis ? CString(fitLetters[nCol]) : CString("h");
        if (bHoleBasis)
            m_strCode = CString(holeFitRows[nRow]) + "/" + strShaft + GradeText(nShaftGrade);
        else
            m_strCode = strHole + GradeText(nHoleGrade) + "/" + shaftFitRows[nRow];
        double dTol = 0;
        double d[4] = {};
        m_bFitFound = Query_GCTab(1, nHoleGrade, m_dSize, strHole, m_listHole, d[0], d[1], dTol) &&
                      Query_GCTab(0, nShaftGrade, m_dSize, strShaft, m_listShaft, d[2], d[3], dTol);
        for (int i = 0; i < 4; i++)
            m_dLastResult[i] = m_bFitFound ? d[i] : 0;
    }
    UpdateData(FALSE);
    SetOKState();
    return 1;
}

void CSelectTolFitDlg::SetEsEiText(double dUpper, double dLower)
{
    m_strUpper = CGlyphworkFun::FormatFloat(dUpper);
    m_strLower = CGlyphworkFun::FormatFloat(dLower);
    SetDlgItemText(IDC_TOLFIT_UPPER, m_strUpper);
    SetDlgItemText(IDC_TOLFIT_LOWER, m_strLower);
}

void CSelectTolFitDlg::SetOKState()
{
    CWnd* pOK = GetDlgItem(IDOK);
    bool bKnown = !m_strUpper.IsEmpty() || !m_strLower.IsEmpty() || (m_nFitMode != 0 && m_bFitFound);
    pOK->EnableWindow(bKnown ? TRUE : FALSE);
    if (bKnown)
        pOK->SetFocus();
}

void CSelectTolFitDlg::OnSelchangeCombo1()
{
    int nItem = static_cast<int>(SendDlgItemMessage(IDC_TOLFIT_PLASTIC_GRADE, CB_GETCURSEL));
    UpdateData(TRUE);
    double dTol = 0;
    if (nItem < 0 || !GetPlasticTolerance(nItem + 1, m_dSize, dTol))
        return;
    m_dPlasticTol = dTol;
    m_strUpper.Format("%f", dTol);
    m_strLower = "0";
    GetDlgItem(IDC_TOLFIT_UPPER)->EnableWindow(TRUE);
    GetDlgItem(IDC_TOLFIT_LOWER)->EnableWindow(TRUE);
    UpdateData(FALSE);
    SetOKState();
}

void CSelectTolFitDlg::OnKillfocusEdtUptol()
{
    if (!IsPlasticTab())
        return;
    UpdateData(TRUE);
    m_strLower.Format("%f", std::atof(m_strUpper) - m_dPlasticTol);
    CGlyphworkFun::ProceFloatStr(m_strLower);
    SetDlgItemText(IDC_TOLFIT_LOWER, m_strLower);
}

void CSelectTolFitDlg::OnKillfocusEdtDowntol()
{
    if (!IsPlasticTab())
        return;
    UpdateData(TRUE);
    m_strUpper.Format("%f", std::atof(m_strLower) + m_dPlasticTol);
    CGlyphworkFun::ProceFloatStr(m_strUpper);
    SetDlgItemText(IDC_TOLFIT_UPPER, m_strUpper);
}

// ---- pictures

namespace
{
// One cell of a grid, offered or not, with its zone code when it fits.
void DrawCell(CDC* pDC, int x, int y, int cx, int cy, bool bOffered, const CString& strText)
{
    RECT rc = {x, y, x + cx + 1, y + cy + 1};
    pDC->FillSolidRect(x + 1, y + 1, cx - 1, cy - 1, bOffered ? RGB(255, 247, 200) : RGB(228, 228, 228));
    pDC->MoveTo(x, y);
    pDC->LineTo(x + cx, y);
    pDC->LineTo(x + cx, y + cy);
    pDC->LineTo(x, y + cy);
    pDC->LineTo(x, y);
    if (bOffered && pDC->GetTextExtent(strText).cx < cx)
        pDC->DrawText(strText, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void DrawLabel(CDC* pDC, int x, int y, int cx, int cy, const CString& strText)
{
    RECT rc = {x, y, x + cx, y + cy};
    pDC->DrawText(strText, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
} // namespace

int CSelectTolFitDlg::DrawToleranceBitmap(CDC* pDC)
{
    if (m_nPicWidth <= 0 || m_nPicHeight <= 0)
        return 1;
    CFxSavedDC saved(pDC);
    ::IntersectClipRect(pDC->GetSafeHdc(), m_nPicLeft, m_nPicTop, m_nPicLeft + m_nPicWidth + 1,
                        m_nPicTop + m_nPicHeight + 1);
    // The plastic tab's labels stand on the picture area: it keeps the dialog's face colour there.
    COLORREF crBack = IsPlasticTab() ? ::GetSysColor(COLOR_BTNFACE) : RGB(255, 255, 255);
    pDC->FillSolidRect(m_nPicLeft, m_nPicTop, m_nPicWidth + 1, m_nPicHeight + 1, crBack);
    LOGFONTA lf = {};
    lf.lfHeight = -10;
    lf.lfCharSet = GB2312_CHARSET;
    std::strcpy(lf.lfFaceName, "宋体");
    CFont font;
    font.CreateFontIndirect(&lf);
    CPen pen;
    pen.CreatePen(PS_SOLID, 1, RGB(96, 96, 96));
    {
        CFxSelectGuard fontGuard(pDC, &font);
        CFxSelectGuard penGuard(pDC, &pen);
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetTextColor(RGB(0, 0, 0));
        // Cell (c, r) starts where a click's column and row arithmetic puts it.
        int x0 = m_nPicLeft + 1;
        int y0 = m_nPicTop + 1;
        bool bBig = m_dSize >= 500;
        if (m_nTableKind == 0 || m_nTableKind == 1) {
            bool bHole = m_nTableKind == 1;
            for (int c = 0; c < 22; c++) {
                CString strLetters = bHole ? UpperFirst(zoneLetters[c]) : CString(zoneLetters[c]);
                DrawLabel(pDC, x0 + kZoneOrigin + c * kZoneCell, y0, kZoneCell, kZoneOrigin, strLetters);
                for (int r = 0; r < 13; r++) {
                    CString strCode;
                    strCode.Format("%s%d", static_cast<LPCSTR>(strLetters), r + 1);
                    DrawCell(pDC, x0 + kZoneOrigin + c * kZoneCell, y0 + kZoneOrigin + r * kZoneCell, kZoneCell,
                             kZoneCell, IsZoneOffered(bHole, m_dSize, c, r), strCode);
                }
            }
            for (int r = 0; r < 13; r++) {
                CString strGrade;
                strGrade.Format("%d", r + 1);
                DrawLabel(pDC, x0, y0 + kZoneOrigin + r * kZoneCell, kZoneOrigin, kZoneCell, strGrade);
            }
        } else if (m_nTableKind == 2 && m_nFitMode == 0) {
            RECT rc = {m_nPicLeft + 8, m_nPicTop + 8, m_nPicLeft + m_nPicWidth - 8, m_nPicTop + 40};
            pDC->DrawText(CString("塑料件尺寸公差 (SJ/T10628-1995)"), &rc, DT_LEFT | DT_SINGLELINE);
            // A moulded part with the basic size dimensioned over it.
            int xl = m_nPicLeft + 40;
            int xr = m_nPicLeft + 200;
            int yt = m_nPicTop + 60;
            pDC->Rectangle(xl, yt, xr, yt + 50);
            pDC->Rectangle(xl + 50, yt + 50, xr - 50, yt + 70);
            pDC->MoveTo(xl, yt - 20);
            pDC->LineTo(xr, yt - 20);
            pDC->MoveTo(xl, yt - 26);
            pDC->LineTo(xl, yt - 2);
            pDC->MoveTo(xr, yt - 26);
            pDC->LineTo(xr, yt - 2);
            DrawLabel(pDC, xl, yt - 34, xr - xl, 12, CString("L ± T/2"));
        } else if (m_nTableKind >= 2) {
            bool bHoleBasis = m_nTableKind == 2;
            RECT rcTitle = {x0, y0 + 10, x0 + kFitLeft + 21 * kFitCellX, y0 + 40};
            pDC->DrawText(CString(bHoleBasis ? "基孔制配合" : "基轴制配合") + (bBig ? " (>=500)" : ""), &rcTitle,
                          DT_CENTER | DT_SINGLELINE);
            for (int c = 0; c < 21; c++) {
                CString strLetters = bHoleBasis ? CString(fitLetters[c]) : UpperFirst(fitLetters[c]);
                DrawLabel(pDC, x0 + kFitLeft + c * kFitCellX, y0 + kFitTop - 18, kFitCellX, 18, strLetters);
                for (int r = 0; r < 8; r++) {
                    CString strGrade;
                    strGrade.Format("%d", bHoleBasis ? fitShaftGrade[r] : fitHoleGrade[r]);
                    DrawCell(pDC, x0 + kFitLeft + c * kFitCellX, y0 + kFitTop + r * kFitCellY, kFitCellX, kFitCellY,
                             IsFitOffered(bHoleBasis, m_dSize, c, r), strGrade);
                }
            }
            for (int r = 0; r < 8; r++)
                DrawLabel(pDC, x0, y0 + kFitTop + r * kFitCellY, kFitLeft, kFitCellY,
                          CString(bHoleBasis ? holeFitRows[r] : shaftFitRows[r]));
        }
    }
    return 1;
}
