#include "basedlg/TipDayDlg.h"

#include <algorithm>

#include "basedlg/res/resource.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/PaintDC.h"
#include "platform/win/DataExchange.h"
#include "platform/win/MsgMap.h"

FX_IMPLEMENT_DYNAMIC(CTipDayDlg, CDialog)

FX_BEGIN_MESSAGE_MAP(CTipDayDlg, CDialog)
FX_ON_BN_CLICKED(IDC_TIP_NEXT, OnBnNextTip)
FX_END_MESSAGE_MAP()

namespace
{
const int kLinePitch = 16;
const int kLineHeight = 12;
const int kTipChars = 1024;

CString ReadProfileString(LPCSTR pszSection, LPCSTR pszKey, LPCSTR pszDefault, const CString& strFile)
{
    CString strValue;
    ::GetPrivateProfileStringA(pszSection, pszKey, pszDefault, strValue.GetBuffer(kTipChars), kTipChars, strFile);
    strValue.ReleaseBuffer();
    return strValue;
}

BOOL IsGbkLead(BYTE b)
{
    return b >= 0x81 && b <= 0xFE;
}

BOOL IsGbkTrail(BYTE b)
{
    return b >= 0x40 && b <= 0xFE && b != 0x7F;
}
} // namespace

CTipDayDlg::CTipDayDlg(CWnd* pParent)
    : CDialog(IDD_TIPDAY, pParent), m_nTopicCount(0), m_bStartup(TRUE), m_nPage(0), m_nTopicIndex(0), m_nLinesPerPage(1)
{
    m_fontTopic.CreateFont(20, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "黑体");
    m_fontTip.CreateFont(12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                         CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "宋体");
}

void CTipDayDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TIP_TOPIC, m_stcTopic);
    DDX_Control(pDX, IDC_TIP_TEXT, m_stcTip);
    DDX_Control(pDX, IDC_TIP_WORK, m_stcWork);
    DDX_Control(pDX, IDC_TIP_PICTURE, m_stcPicture);
    DDX_Control(pDX, IDC_TIP_NEXT, m_btnNext);
    DDX_Check(pDX, IDC_TIP_STARTUP, m_bStartup);
}

void CTipDayDlg::SetData(CString strTipFile, int bStartup, int nTopicIndex)
{
    m_strTipFile = strTipFile;
    m_bStartup = bStartup;
    m_nTopicIndex = nTopicIndex;
}

void CTipDayDlg::GetData(int& nTopicIndex, int& bStartup)
{
    nTopicIndex = m_nTopicIndex;
    bStartup = m_bStartup;
}

BOOL CTipDayDlg::GetCommData()
{
    if (m_strTipFile.IsEmpty()) {
        return FALSE;
    }
    if (static_cast<int>(::GetPrivateProfileIntA("COMM", "TopicCount", -1, m_strTipFile)) <= 0) {
        return FALSE;
    }
    m_strCaption = ReadProfileString("COMM", "Caption", "日积月累", m_strTipFile);
    m_strCaption.TrimLeft();
    m_strCaption.TrimRight();
    // The sections present decide, not the count the file states.
    int nTopic = 0;
    for (;; ++nTopic) {
        CString strSection;
        strSection.Format("Topic%d", nTopic);
        if (static_cast<int>(::GetPrivateProfileIntA(strSection, "TipCount", -1, m_strTipFile)) == -1) {
            break;
        }
    }
    m_nTopicCount = nTopic;
    return TRUE;
}

BOOL CTipDayDlg::GetTopicInfo(int nTopic)
{
    m_strTopicName.Empty();
    m_arrLines.RemoveAll();
    m_nPage = 0;
    if (nTopic < 0 || nTopic >= m_nTopicCount) {
        return FALSE;
    }
    CString strSection;
    strSection.Format("Topic%d", nTopic);
    const int nTipCount = static_cast<int>(::GetPrivateProfileIntA(strSection, "TipCount", -1, m_strTipFile));
    if (nTipCount == -1) {
        return FALSE;
    }
    m_strTopicName = ReadProfileString(strSection, "TopicName", "", m_strTipFile);
    m_strTopicName.TrimRight();
    for (int i = 0; i < nTipCount; ++i) {
        CString strKey;
        strKey.Format("Tip%d", i);
        CString strTip = ReadProfileString(strSection, strKey, "", m_strTipFile);
        strTip.TrimRight();
        if (!strTip.IsEmpty()) {
            ReformTip(strTip);
        }
    }
    return TRUE;
}

BOOL CTipDayDlg::GetItemStr(CString& strText, CString& strChar)
{
    strChar.Empty();
    if (strText.IsEmpty()) {
        return FALSE;
    }
    int nLength = 1;
    // A GBK pair's trail byte may lie below 0x80 ("\x81\x40"): the pair is still one character.
    // A lead byte without a valid trail stands alone, so the rest of the tip is kept.
    if (strText.GetLength() >= 2 && IsGbkLead(static_cast<BYTE>(strText[0])) &&
        IsGbkTrail(static_cast<BYTE>(strText[1]))) {
        nLength = 2;
    }
    strChar = strText.Left(nLength);
    strText = strText.Mid(nLength);
    return TRUE;
}

void CTipDayDlg::ReformTip(CString strTip)
{
    CString strRest = "    " + strTip;
    CRect rcTip;
    if (m_stcTip.m_hWnd != nullptr) {
        m_stcTip.GetClientRect(&rcTip);
    }
    CClientDC dc(m_hWnd);
    CFxSelectGuard guard(&dc, &m_fontTip);
    CString strLine;
    CString strChar;
    while (GetItemStr(strRest, strChar)) {
        // A line never stays empty, even when one character is wider than the static.
        if (strLine.IsEmpty() || dc.GetTextExtent(strLine + strChar).cx <= rcTip.Width()) {
            strLine += strChar;
            continue;
        }
        m_arrLines.Add(strLine);
        strLine = strChar;
    }
    if (!strLine.IsEmpty()) {
        m_arrLines.Add(strLine);
    }
}

int CTipDayDlg::GetPageCountOfTopic() const
{
    const int nLines = static_cast<int>(m_arrLines.GetSize());
    return (nLines + m_nLinesPerPage - 1) / m_nLinesPerPage;
}

CRect CTipDayDlg::ItemRect(const CWnd& wnd) const
{
    CRect rc;
    if (wnd.m_hWnd == nullptr) {
        return rc;
    }
    wnd.GetWindowRect(&rc);
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(&rc), 2);
    return rc;
}

CRect CTipDayDlg::GetWorkRect() const
{
    CRect rc = ItemRect(m_stcWork);
    rc.left = ItemRect(m_stcPicture).right;
    rc.DeflateRect(1, 1);
    return rc;
}

BOOL CTipDayDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!GetCommData() || m_nTopicCount <= 0) {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    SetWindowText(m_strCaption);
    if (m_nTopicIndex < 0 || m_nTopicIndex >= m_nTopicCount) {
        m_nTopicIndex = 0;
    }
    GetTopicInfo(m_nTopicIndex);
    // At least one line a page: a tip static lower than a line would divide by zero when paging.
    m_nLinesPerPage = std::max(1, (ItemRect(m_stcTip).Height() + 4) / kLinePitch);
    if (m_nTopicCount == 1 && m_arrLines.GetSize() <= m_nLinesPerPage) {
        m_btnNext.EnableWindow(FALSE);
    }
    return TRUE;
}

void CTipDayDlg::OnPaint()
{
    CPaintDC dc(m_hWnd);
    const CRect rcWork = GetWorkRect();
    dc.FillSolidRect(&rcWork, RGB(255, 255, 255));
    dc.SetBkMode(TRANSPARENT);
    {
        CFxSelectGuard guard(&dc, &m_fontTopic);
        CRect rcTopic = ItemRect(m_stcTopic);
        dc.DrawText(m_strTopicName, &rcTopic, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    CFxSelectGuard guard(&dc, &m_fontTip);
    const CRect rcTip = ItemRect(m_stcTip);
    const int nLines = static_cast<int>(m_arrLines.GetSize());
    const int nFirst = m_nPage * m_nLinesPerPage;
    const int nEnd = std::min(nFirst + m_nLinesPerPage, nLines);
    for (int i = nFirst; i < nEnd; ++i) {
        const int y = rcTip.top + (i - nFirst) * kLinePitch;
        CRect rcLine(rcTip.left, y, rcTip.right, y + kLineHeight);
        dc.DrawText(m_arrLines[i], &rcLine, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}

void CTipDayDlg::OnBnNextTip()
{
    ++m_nPage;
    if (m_nPage >= GetPageCountOfTopic()) {
        m_nTopicIndex = m_nTopicCount > 0 ? (m_nTopicIndex + 1) % m_nTopicCount : 0;
        GetTopicInfo(m_nTopicIndex);
    }
    const CRect rcWork = GetWorkRect();
    InvalidateRect(&rcWork, TRUE);
}
