#include "symbols/GpTolDlg.h"

#include <cmath>
#include <cstdlib>

#include "platform/win/DataExchange.h"
#include "symbols/GlyphworkFun.h"
#include "symbols/GpTolTypeDlg.h"
#include "symbols/NotationDlgFun.h"
#include "symbols/SpecialCharDlg.h"
#include "symbols/res/resource.h"

namespace
{
// One line of the table file: the tolerances in micrometres by base-length range.
class GpTolRecord : public CObject
{
public:
    double m_dValue[CGpTolDlg::nSlots] = {};
};

const int kBounds1[] = {10, 16, 25, 40, 63, 100, 160, 250, 400, 630, 1000, 1600, 2500, 4000, 6300, 10000};
const int kBounds2[] = {3, 6, 10, 18, 30, 50, 80, 120, 180, 250, 315, 400, 500};
const int kBounds3[] = {1, 3, 6, 10, 18, 30, 50, 120, 250, 500, 800, 1250, 2000, 3150, 5000, 8000, 10000};

// A characteristic's table: its base-length list, and where its grades start in the file.
struct TolGroup
{
    int nGroup;
    int nOffset;
    int nGrades;
    int nCount;
    const int* pBounds;
};
const TolGroup kStraightness = {1, 0, 12, 16, kBounds1};
const TolGroup kOrientation = {1, 12, 12, 16, kBounds1};
const TolGroup kRunout = {3, 24, 12, 17, kBounds3};
const TolGroup kRoundness = {2, 36, 13, 13, kBounds2};

const TolGroup* FindGroup(int nType)
{
    switch (nType) {
    case 1:
    case 2:
        return &kStraightness;
    case 7:
    case 8:
    case 9:
        return &kOrientation;
    case 10:
    case 11:
    case 13:
    case 14:
        return &kRunout;
    case 3:
    case 4:
        return &kRoundness;
    default:
        return nullptr;
    }
}

const int kTypeBitmaps[] = {
    IDB_SPECIAL_NONE, IDB_GPTOL_TYPE1,  IDB_GPTOL_TYPE2,  IDB_GPTOL_TYPE3,  IDB_GPTOL_TYPE4,
    IDB_GPTOL_TYPE5,  IDB_GPTOL_TYPE6,  IDB_GPTOL_TYPE7,  IDB_GPTOL_TYPE8,  IDB_GPTOL_TYPE9,
    IDB_GPTOL_TYPE10, IDB_GPTOL_TYPE11, IDB_GPTOL_TYPE12, IDB_GPTOL_TYPE13, IDB_GPTOL_TYPE14,
};
const int kDatumEdits[] = {IDC_GPTOL_DATUM1, IDC_GPTOL_DATUM2, IDC_GPTOL_DATUM3};
const int kDatumButtons[] = {IDC_GPTOL_DATUMCODE1, IDC_GPTOL_DATUMCODE2, IDC_GPTOL_DATUMCODE3};
const char kLetters[] = "G";
const int kMaxValueText = 20;

// The next code of a button that cycles 0, 1, 2.
int NextOfThree(int nCode)
{
    return nCode >= 0 && nCode < 2 ? nCode + 1 : 0;
}
} // namespace

FX_BEGIN_MESSAGE_MAP(CGpTolDlg, CDialog)
FX_ON_CBN_SELCHANGE(IDC_GPTOL_GRADE, OnSelchangeTolvalCombo)
FX_ON_CBN_SELCHANGE(IDC_GPTOL_BASELEN, OnSelchangeBaselenCombo)
FX_ON_BN_CLICKED(IDC_GPTOL_TYPE, OnTolType)
FX_ON_BN_CLICKED(IDC_GPTOL_ZONE, OnPerTolVal)
FX_ON_BN_CLICKED(IDC_GPTOL_SPECIAL, OnPostTolVal)
FX_ON_BN_CLICKED(IDC_GPTOL_DATUMCODE1, OnPostBase1)
FX_ON_BN_CLICKED(IDC_GPTOL_DATUMCODE2, OnPostBase2)
FX_ON_BN_CLICKED(IDC_GPTOL_DATUMCODE3, OnPostBase3)
FX_ON_EN_CHANGE(IDC_GPTOL_DATUM1, OnChangeBase1Edit)
FX_ON_EN_CHANGE(IDC_GPTOL_DATUM2, OnChangeBase2Edit)
FX_ON_EN_CHANGE(IDC_GPTOL_DATUM3, OnChangeBase3Edit)
FX_END_MESSAGE_MAP()

CGpTolDlg::CGpTolDlg(CWnd* pParent)
    : CDialog(IDD_GPTOL, pParent), m_nGpTolType(0), m_nPerTol(0), m_nSpeSym(0), m_nPostBase1(0), m_nPostBase2(0),
      m_nPostBase3(0), m_nGrade(6), m_nBaseLen(3), m_dBaseLen(0), m_nLoadedGroup(0), m_bInDatumRules(FALSE)
{
}

CGpTolDlg::~CGpTolDlg()
{
    DetachGpTolList();
}

void CGpTolDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_GPTOL_GRADE, m_comboGrade);
    DDX_Control(pDX, IDC_GPTOL_BASELEN, m_comboBaseLen);
    DDX_Control(pDX, IDC_GPTOL_TYPE, m_btnGpTolType);
    DDX_Control(pDX, IDC_GPTOL_ZONE, m_btnPerTol);
    DDX_Control(pDX, IDC_GPTOL_SPECIAL, m_btnSpeSym);
    DDX_Control(pDX, IDC_GPTOL_DATUMCODE1, m_btnPostBase1);
    DDX_Control(pDX, IDC_GPTOL_DATUMCODE2, m_btnPostBase2);
    DDX_Control(pDX, IDC_GPTOL_DATUMCODE3, m_btnPostBase3);
    DDX_Control(pDX, IDC_GPTOL_DATUM1, m_editBase1);
    DDX_Control(pDX, IDC_GPTOL_DATUM2, m_editBase2);
    DDX_Control(pDX, IDC_GPTOL_DATUM3, m_editBase3);
    DDX_Text(pDX, IDC_GPTOL_VALUE, m_strTolVal);
    DDX_Text(pDX, IDC_GPTOL_DATUM1, m_strBase1);
    DDX_Text(pDX, IDC_GPTOL_DATUM2, m_strBase2);
    DDX_Text(pDX, IDC_GPTOL_DATUM3, m_strBase3);
}

void CGpTolDlg::SetDataFile(CString strDir)
{
    if (strDir.IsEmpty() || strDir[strDir.GetLength() - 1] != '\\') {
        strDir += "\\";
    }
    m_strDataFile = strDir + "Data\\Gptol.dat";
}

void CGpTolDlg::SetData(CGpTolContSeg* pSeg)
{
    if (pSeg != nullptr) {
        m_segGpTol = *pSeg;
    }
}

int CGpTolDlg::GetData(CGpTolContSeg* pSeg)
{
    if (pSeg == nullptr || m_nGpTolType == 0 || m_strTolVal.IsEmpty()) {
        return FALSE;
    }
    pSeg->m_nType = m_nGpTolType;
    pSeg->m_nZonePrefix = m_nPerTol;
    pSeg->m_strValue = m_strTolVal;
    pSeg->m_nSpecialSymbol = m_nSpeSym;
    BOOL bDatums = m_nGpTolType >= 7;
    pSeg->m_strDatum1 = bDatums ? m_strBase1 : CString();
    pSeg->m_nDatumCode1 = bDatums ? m_nPostBase1 : 0;
    pSeg->m_strDatum2 = bDatums ? m_strBase2 : CString();
    pSeg->m_nDatumCode2 = bDatums ? m_nPostBase2 : 0;
    pSeg->m_strDatum3 = bDatums ? m_strBase3 : CString();
    pSeg->m_nDatumCode3 = bDatums ? m_nPostBase3 : 0;
    BOOL bTable = m_nGpTolType != 5 && m_nGpTolType != 6 && m_nGpTolType != 12;
    pSeg->m_nGrade = bTable ? m_nGrade : -1;
    pSeg->m_nBaseLength = bTable ? m_nBaseLen : -1;
    return TRUE;
}

int CGpTolDlg::CmpDouble(double a, double b, double dEps)
{
    if (std::fabs(a - b) < dEps) {
        return 0;
    }
    return a > b ? 1 : -1;
}

void CGpTolDlg::DetachGpTolList()
{
    while (!m_listGpTol.IsEmpty()) {
        delete m_listGpTol.RemoveHead();
    }
}

int CGpTolDlg::LoadGpTol(CString strPath)
{
    DetachGpTolList();
    CString strData;
    if (CGlyphworkFun::ReadData(strPath, strData) == 0) {
        return FALSE;
    }
    long nPos = 0;
    CString strLine;
    while (CGlyphworkFun::GetLine(strData, nPos, strLine)) {
        CGlyphworkFun::Compress_Space(strLine);
        auto* pRecord = new GpTolRecord;
        m_listGpTol.AddTail(pRecord);
        // Each value ends with ","; text after the last one is no value.
        CString strValue;
        int nSlot = 0;
        for (int i = 0; i < strLine.GetLength(); ++i) {
            char ch = strLine[i];
            if (ch == ',') {
                if (nSlot < nSlots) {
                    pRecord->m_dValue[nSlot++] = std::atof(strValue);
                }
                strValue.Empty();
            } else if (strValue.GetLength() < kMaxValueText) {
                strValue += ch;
            }
        }
    }
    return TRUE;
}

int CGpTolDlg::QueryGpTolVal(int nType, int nGrade, int nBaseLen, double& dValue, double& dBaseLen)
{
    const TolGroup* pGroup = FindGroup(nType);
    if (pGroup == nullptr || nBaseLen < 0 || nBaseLen >= pGroup->nCount) {
        return FALSE;
    }
    dBaseLen = pGroup->pBounds[nBaseLen];
    // A grade past the group's own would read the next characteristic's lines.
    if (nGrade < 0 || nGrade >= pGroup->nGrades) {
        return FALSE;
    }
    int nRecord = nGrade + pGroup->nOffset;
    if (nRecord >= nRecords || nRecord >= m_listGpTol.GetCount()) {
        return FALSE;
    }
    POSITION pos = m_listGpTol.FindIndex(nRecord);
    auto* pRecord = static_cast<GpTolRecord*>(m_listGpTol.GetAt(pos));
    dValue = pRecord->m_dValue[nBaseLen] * 0.001;
    return TRUE;
}

int CGpTolDlg::GetGpTolTypeResID(int nType)
{
    return nType >= 1 && nType <= 14 ? kTypeBitmaps[nType] : IDB_SPECIAL_NONE;
}

int CGpTolDlg::GetPerTolResID(int nPerTol)
{
    switch (nPerTol) {
    case 1:
        return IDB_GPTOL_DIAMETER;
    case 2:
        return IDB_GPTOL_SQUARE;
    default:
        return IDB_SPECIAL_NONE;
    }
}

int CGpTolDlg::GetSpeSymResID(int nSpeSym)
{
    const int bitmaps[] = {IDB_SPECIAL_MINUS, IDB_SPECIAL_PLUS, IDB_SPECIAL_TRIANGLE,
                           IDB_SPECIAL_M,     IDB_SPECIAL_P,    IDB_SPECIAL_E};
    return nSpeSym >= 1 && nSpeSym <= 6 ? bitmaps[nSpeSym - 1] : IDB_SPECIAL_NONE;
}

int CGpTolDlg::GetPostBaseResID(int nCode)
{
    switch (nCode) {
    case 1:
        return IDB_SPECIAL_M;
    case 2:
        return IDB_SPECIAL_P;
    default:
        return IDB_SPECIAL_NONE;
    }
}

void CGpTolDlg::SetGpTolType(int nType)
{
    m_nGpTolType = nType;
    m_btnGpTolType.SetBitmap(GetGpTolTypeResID(nType));
    SetPostBaseState(nType);
    SetGpTolBaseLenList(nType);
}

void CGpTolDlg::SetPerTol(int nPerTol)
{
    m_nPerTol = nPerTol;
    m_btnPerTol.SetBitmap(GetPerTolResID(nPerTol));
}

void CGpTolDlg::SetSpeSym(int nSpeSym)
{
    m_nSpeSym = nSpeSym;
    m_btnSpeSym.SetBitmap(GetSpeSymResID(nSpeSym));
}

void CGpTolDlg::SetPostBase(int nBase, int nCode)
{
    int* codes[] = {&m_nPostBase1, &m_nPostBase2, &m_nPostBase3};
    CBmpButton* buttons[] = {&m_btnPostBase1, &m_btnPostBase2, &m_btnPostBase3};
    if (nBase < 1 || nBase > 3) {
        return;
    }
    *codes[nBase - 1] = nCode;
    buttons[nBase - 1]->SetBitmap(GetPostBaseResID(nCode));
}

void CGpTolDlg::SetPostBaseState(int nType)
{
    if (m_hWnd == nullptr) {
        return;
    }
    BOOL bEnable = nType >= 7;
    for (int i = 0; i < 3; ++i) {
        GetDlgItem(kDatumEdits[i])->EnableWindow(bEnable);
        GetDlgItem(kDatumButtons[i])->EnableWindow(bEnable);
    }
}

void CGpTolDlg::SetGpTolBaseLenList(int nType)
{
    if (m_comboGrade.m_hWnd == nullptr || m_comboBaseLen.m_hWnd == nullptr) {
        return;
    }
    const TolGroup* pGroup = FindGroup(nType);
    m_comboGrade.EnableWindow(pGroup != nullptr);
    m_comboBaseLen.EnableWindow(pGroup != nullptr);
    if (pGroup != nullptr && pGroup->nGroup != m_nLoadedGroup) {
        PutToBaseLenComBox(pGroup->nCount, pGroup->pBounds);
        m_nLoadedGroup = pGroup->nGroup;
    }
}

void CGpTolDlg::PutToBaseLenComBox(int nCount, const int* pBounds)
{
    m_comboBaseLen.SendMessage(CB_RESETCONTENT);
    m_nBaseLen = 0;
    for (int i = 0; i < nCount; ++i) {
        CString strItem;
        if (i == 0) {
            strItem.Format("L <= %d", pBounds[0]);
        } else {
            strItem.Format("%d < L <= %d", pBounds[i - 1], pBounds[i]);
            bool bAbove = CmpDouble(m_dBaseLen, pBounds[i - 1], 1e-10) > 0;
            int nUpper = CmpDouble(m_dBaseLen, pBounds[i], 1e-10);
            if ((bAbove && nUpper < 0) || nUpper == 0) {
                m_nBaseLen = i;
            }
        }
        m_comboBaseLen.SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(strItem)));
    }
    m_comboBaseLen.SendMessage(CB_SETCURSEL, static_cast<WPARAM>(m_nBaseLen));

    // Roundness and cylindricity have a grade 0.
    m_comboGrade.SendMessage(CB_RESETCONTENT);
    int nFirst = nCount == 13 ? 0 : 1;
    for (int nGrade = nFirst; nGrade <= 12; ++nGrade) {
        CString strItem;
        strItem.Format("%d", nGrade);
        m_comboGrade.SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(strItem)));
    }
    m_comboGrade.SendMessage(CB_SETCURSEL, static_cast<WPARAM>(m_nGrade));
}

void CGpTolDlg::SetTolBaseVal()
{
    double dValue = 0;
    double dBaseLen = 0;
    if (!QueryGpTolVal(m_nGpTolType, m_nGrade, m_nBaseLen, dValue, dBaseLen)) {
        return;
    }
    m_dBaseLen = dBaseLen;
    m_strTolVal.Format("%f", dValue);
    CGlyphworkFun::ProceFloatStr(m_strTolVal);
    SetDlgItemText(IDC_GPTOL_VALUE, m_strTolVal);
}

BOOL CGpTolDlg::OnInitDialog()
{
    // Filling the datum edits must not run their rules on half-filled members.
    m_bInDatumRules = TRUE;
    CDialog::OnInitDialog();
    InitData();
    m_bInDatumRules = FALSE;
    return TRUE;
}

void CGpTolDlg::InitData()
{
    if (!LoadGpTol(m_strDataFile)) {
        CString strText;
        strText.Format("数据读取错误，系统数据不完整！\n无法读取文件：%s", m_strDataFile.GetString());
        MessageBox(strText, "提示", MB_OK | MB_ICONERROR);
    }
    SetGpTolType(m_segGpTol.m_nType);
    SetPerTol(m_segGpTol.m_nZonePrefix);
    m_strTolVal = m_segGpTol.m_strValue;
    SetSpeSym(m_segGpTol.m_nSpecialSymbol);
    m_strBase1 = m_segGpTol.m_strDatum1;
    m_strBase2 = m_segGpTol.m_strDatum2;
    m_strBase3 = m_segGpTol.m_strDatum3;
    SetPostBase(1, m_segGpTol.m_nDatumCode1);
    SetPostBase(2, m_segGpTol.m_nDatumCode2);
    SetPostBase(3, m_segGpTol.m_nDatumCode3);
    if (m_segGpTol.m_nGrade >= 0) {
        m_nGrade = m_segGpTol.m_nGrade;
        m_comboGrade.SendMessage(CB_SETCURSEL, static_cast<WPARAM>(m_nGrade));
    }
    if (m_segGpTol.m_nBaseLength >= 0) {
        m_nBaseLen = m_segGpTol.m_nBaseLength;
        m_comboBaseLen.SendMessage(CB_SETCURSEL, static_cast<WPARAM>(m_nBaseLen));
    }
    UpdateData(FALSE);
}

void CGpTolDlg::OnSelchangeTolvalCombo()
{
    int nSel = m_comboGrade.GetCurSel();
    if (nSel != CB_ERR) {
        m_nGrade = nSel;
        SetTolBaseVal();
    }
}

void CGpTolDlg::OnSelchangeBaselenCombo()
{
    int nSel = m_comboBaseLen.GetCurSel();
    if (nSel != CB_ERR) {
        m_nBaseLen = nSel;
        SetTolBaseVal();
    }
}

void CGpTolDlg::OnTolType()
{
    CRect rcButton;
    m_btnGpTolType.GetWindowRect(&rcButton);
    CGpTolTypeDlg dlg(this);
    dlg.m_x = rcButton.left;
    dlg.m_y = rcButton.bottom;
    if (dlg.DoModal() == IDOK) {
        SetGpTolType(dlg.m_nType);
        SetTolBaseVal();
    }
}

void CGpTolDlg::OnPerTolVal()
{
    SetPerTol(NextOfThree(m_nPerTol));
}

void CGpTolDlg::OnPostTolVal()
{
    CRect rcButton;
    m_btnSpeSym.GetWindowRect(&rcButton);
    SpecialCharDlg dlg(this);
    dlg.m_x = rcButton.left;
    dlg.m_y = rcButton.bottom;
    if (dlg.DoModal() == IDOK) {
        SetSpeSym(dlg.m_nCode);
    }
}

void CGpTolDlg::OnPostBase(int nBase)
{
    CString strDatum;
    GetDlgItemText(kDatumEdits[nBase - 1], strDatum);
    if (strDatum.IsEmpty()) {
        return;
    }
    const int codes[] = {m_nPostBase1, m_nPostBase2, m_nPostBase3};
    SetPostBase(nBase, NextOfThree(codes[nBase - 1]));
}

void CGpTolDlg::OnPostBase1()
{
    OnPostBase(1);
}

void CGpTolDlg::OnPostBase2()
{
    OnPostBase(2);
}

void CGpTolDlg::OnPostBase3()
{
    OnPostBase(3);
}

void CGpTolDlg::OnChangeBase1Edit()
{
    ApplyDatumRules(1);
}

void CGpTolDlg::OnChangeBase2Edit()
{
    ApplyDatumRules(2);
}

void CGpTolDlg::OnChangeBase3Edit()
{
    ApplyDatumRules(3);
}

void CGpTolDlg::SetItemTextIfChanged(int nID, const CString& strText)
{
    CString strShown;
    GetDlgItemText(nID, strShown);
    if (strShown != strText) {
        SetDlgItemText(nID, strText);
    }
}

void CGpTolDlg::ApplyDatumRules(int nChanged)
{
    if (m_bInDatumRules) {
        return;
    }
    m_bInDatumRules = TRUE;
    GetDlgItemText(IDC_GPTOL_DATUM1, m_strBase1);
    GetDlgItemText(IDC_GPTOL_DATUM2, m_strBase2);
    GetDlgItemText(IDC_GPTOL_DATUM3, m_strBase3);
    if (nChanged == 1 && m_strBase1.IsEmpty()) {
        SetPostBase(1, 0);
        SetPostBase(2, 0);
        SetPostBase(3, 0);
        m_strBase2.Empty();
        m_strBase3.Empty();
    } else if (nChanged == 2) {
        if (m_strBase1.IsEmpty()) {
            m_strBase2.Empty();
        }
        if (m_strBase2.IsEmpty()) {
            SetPostBase(2, 0);
            SetPostBase(3, 0);
            m_strBase3.Empty();
        }
    } else if (nChanged == 3) {
        if (m_strBase1.IsEmpty() || m_strBase2.IsEmpty()) {
            m_strBase3.Empty();
        }
        if (m_strBase3.IsEmpty()) {
            SetPostBase(3, 0);
        }
    }
    SetItemTextIfChanged(IDC_GPTOL_DATUM1, m_strBase1);
    SetItemTextIfChanged(IDC_GPTOL_DATUM2, m_strBase2);
    SetItemTextIfChanged(IDC_GPTOL_DATUM3, m_strBase3);
    m_bInDatumRules = FALSE;
}

void CGpTolDlg::OnOK()
{
    if (!UpdateData(TRUE) || m_nGpTolType == 0 || m_strTolVal.IsEmpty()) {
        return;
    }
    if (!CNotationDlgFun::CheckEdit(this, IDC_GPTOL_VALUE, m_strTolVal, kLetters) ||
        !CNotationDlgFun::CheckEdit(this, IDC_GPTOL_DATUM1, m_strBase1, kLetters) ||
        !CNotationDlgFun::CheckEdit(this, IDC_GPTOL_DATUM2, m_strBase2, kLetters) ||
        !CNotationDlgFun::CheckEdit(this, IDC_GPTOL_DATUM3, m_strBase3, kLetters)) {
        return;
    }
    GetData(&m_segGpTol);
    EndDialog(IDOK);
}
