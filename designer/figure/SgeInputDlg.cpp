#include "designer/figure/SgeInputDlg.h"

#include <vector>

#include "core/GraphEntity.h"
#include "designer/figure/SgePreviewDlg.h"
#include "designer/res/resource.h"
#include "platform/gdi/PaintDC.h"

const char* const CSgeInputDlg::s_aszFigureKeywords[25] = {
    "Line",         "Folded",       "Polygon",      "Arc",      "Pie",       "Chord",      "Circle",
    "Ellipse",      "Arc[C]",       "Pie[C]",       "Chord[C]", "Circle[C]", "Ellipse[C]", "Arc[S]",
    "Pie[S]",       "Chord[S]",     "Ellipse[S]",   "Bezier",   "Rectangle", "RoundRect",  "Rectangle[A]",
    "RoundRect[A]", "Rectangle[R]", "RoundRect[R]", "Text",
};

namespace
{
// The second list: the colour function, its brackets and the style letters.
const char* const kOperatorWords[] = {"RGB", "(", ")", "RGB(", "I", "F", "B", " "};
} // namespace

FX_IMPLEMENT_DYNAMIC(CSgeInputDlg, CResizableDlg)

FX_BEGIN_MESSAGE_MAP(CSgeInputDlg, CResizableDlg)
FX_ON_WM_PAINT()
FX_ON_BN_CLICKED(IDC_SGE_PREVIEW, OnPreview)
FX_ON_BN_CLICKED(IDC_SGE_CHECK, OnCheck)
FX_ON_MESSAGE(WM_QUERYDRAGICON, OnQueryDragIcon)
FX_END_MESSAGE_MAP()

CSgeInputDlg::CSgeInputDlg(CWnd* pParentWnd) : CResizableDlg(IDD_SGE_INPUT, pParentWnd), m_hIcon(nullptr)
{
}

INT_PTR CSgeInputDlg::DoModal()
{
    // The template's edit is of the rich edit's class.
    CSyntaxRichEdit::LoadRichEdit();
    return CResizableDlg::DoModal();
}

BOOL CSgeInputDlg::OnInitDialog()
{
    CResizableDlg::OnInitDialog();
    // Shared icon: loaded, never destroyed.
    m_hIcon = ::LoadIconA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_SGE_APP));
    if (m_hIcon != nullptr) {
        SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
        SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    }
    if (!m_editSge.SubclassDlgItem(IDC_SGE_EDIT, this)) {
        EndDialog(resultNoEdit);
        return TRUE;
    }
    m_editSge.Initialize();
    m_editSge.SetStringDelimiters("\"");
    m_editSge.SetCommentChars('\'');
    for (const char* pszWord : s_aszFigureKeywords) {
        m_editSge.AddKeyword1(pszWord);
    }
    for (const char* pszWord : kOperatorWords) {
        m_editSge.AddKeyword2(pszWord);
    }
    m_editSge.SetKeyword1Style(RGB(0, 0, 255), FALSE, FALSE);
    m_editSge.SetKeyword2Style(RGB(0, 0, 0), TRUE, FALSE);
    m_editSge.SetNumberStyle(RGB(255, 0, 255), FALSE, FALSE);
    m_editSge.SetStringStyle(RGB(255, 0, 255), FALSE, FALSE);
    m_editSge.SetCommentStyle(RGB(0, 128, 0), FALSE, TRUE);
    m_editSge.SetWindowText(m_strSgeText);
    m_editSge.SendMessage(EM_SETMODIFY, FALSE);

    AddAnchor(IDC_SGE_EDIT, stretchRight | stretchBottom);
    AddAnchor(IDC_SGE_PREVIEW, anchorRight);
    AddAnchor(IDC_SGE_CHECK, anchorRight);
    AddAnchor(IDOK, anchorRight | anchorBottom);
    AddAnchor(IDCANCEL, anchorRight | anchorBottom);
    return TRUE;
}

CString CSgeInputDlg::GetEditText() const
{
    // The control ends its paragraphs with a bare CR; the figure text needs CR LF.
    GETTEXTLENGTHEX gtl{GTL_USECRLF | GTL_PRECISE | GTL_NUMBYTES, CP_ACP};
    const int nBytes = static_cast<int>(m_editSge.SendMessage(EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&gtl)));
    if (nBytes <= 0) {
        return CString();
    }
    std::vector<char> buffer(static_cast<size_t>(nBytes) + 1, 0);
    GETTEXTEX gt{};
    gt.cb = static_cast<DWORD>(buffer.size());
    gt.flags = GT_USECRLF;
    gt.codepage = CP_ACP;
    m_editSge.SendMessage(EM_GETTEXTEX, reinterpret_cast<WPARAM>(&gt), reinterpret_cast<LPARAM>(buffer.data()));
    return CString(buffer.data());
}

void CSgeInputDlg::OnCheck()
{
    CString strMsg;
    if (CGraphEntity::DoCheckSyntax(GetEditText(), strMsg)) {
        strMsg.LoadString(IDS_SGE_SYNTAX_OK);
        // A null title would be the system's "错误", over a message that all is well.
        MessageBox(strMsg, "提示", MB_OK | MB_ICONINFORMATION);
    } else {
        MessageBox(strMsg, "错误", MB_OK | MB_ICONSTOP);
    }
}

void CSgeInputDlg::OnPreview()
{
    CSgePreviewDlg dlg(this);
    dlg.SetSgeText(GetEditText());
    dlg.DoModal();
}

void CSgeInputDlg::OnOK()
{
    m_strSgeText = GetEditText();
    CResizableDlg::OnOK();
}

void CSgeInputDlg::OnPaint()
{
    if (!::IsIconic(m_hWnd)) {
        CResizableDlg::OnPaint();
        return;
    }
    CPaintDC dc(m_hWnd);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()));
    CRect rc;
    GetClientRect(&rc);
    const int x = (rc.Width() - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (rc.Height() - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    if (m_hIcon != nullptr) {
        dc.DrawIcon(x, y, m_hIcon);
    }
}

LRESULT CSgeInputDlg::OnQueryDragIcon(WPARAM /*wParam*/, LPARAM /*lParam*/)
{
    return reinterpret_cast<LRESULT>(m_hIcon);
}
