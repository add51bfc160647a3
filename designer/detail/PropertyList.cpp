#include "designer/detail/PropertyList.h"

#include <commdlg.h>

#include <cstdlib>
#include <vector>

#include "core/CappDCHelper.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/win/FxFileDialog.h"

namespace
{
const int cyItem = 20;
// How near the split position the mouse grabs it, and how far from the edges it may go.
const int cxSplitGrab = 5;
const int cxSplitMargin = 10;
const int cxButton = 25;

// The text "RGB(r,g,b)"; a text without "RGB" is black.
COLORREF ParseColor(const CString& strValue)
{
    CString strUpper = strValue;
    strUpper.MakeUpper();
    const int nStart = strUpper.Find("RGB(");
    if (nStart < 0) {
        return RGB(0, 0, 0);
    }
    const char* p = static_cast<LPCSTR>(strValue) + nStart + 4;
    int parts[3] = {0, 0, 0};
    for (int& nPart : parts) {
        char* pEnd = nullptr;
        const long n = std::strtol(p, &pEnd, 10);
        nPart = n < 0 ? 0 : (n > 255 ? 255 : static_cast<int>(n));
        p = pEnd;
        while (*p == ' ') {
            ++p;
        }
        if (*p != ',') {
            break;
        }
        ++p;
    }
    return RGB(parts[0], parts[1], parts[2]);
}

// "a|b|c" into its entries; a trailing "|" makes no empty entry.
std::vector<CString> SplitChoices(const CString& strChoices)
{
    std::vector<CString> entries;
    CString strEntry;
    for (LPCSTR p = strChoices; *p != '\0';) {
        if (*p == '|') {
            entries.push_back(strEntry);
            strEntry.Empty();
            ++p;
            continue;
        }
        const int n = CString::CharLength(p);
        strEntry += CString(p, n);
        p += n;
    }
    if (!strEntry.IsEmpty()) {
        entries.push_back(strEntry);
    }
    return entries;
}
} // namespace

FX_BEGIN_MESSAGE_MAP(CPropertyList, CListBox)
FX_ON_CBN_SELCHANGE(IDC_PROPLIST_COMBO, OnComboSelChange)
FX_ON_CONTROL(CBN_KILLFOCUS, IDC_PROPLIST_COMBO, OnComboKillFocus)
FX_ON_EN_CHANGE(IDC_PROPLIST_EDIT, OnEditChange)
FX_ON_EN_KILLFOCUS(IDC_PROPLIST_EDIT, OnEditKillFocus)
FX_ON_BN_CLICKED(IDC_PROPLIST_BUTTON, OnButtonClicked)
FX_END_MESSAGE_MAP()

CPropertyList::CPropertyList()
    : m_nComboKind(-1), m_pOwner(nullptr), m_nCurSel(-1), m_nSplit(0), m_bSplitting(FALSE), m_xSplitLine(0),
      m_bFilling(FALSE), m_hSizeCursor(::LoadCursorA(nullptr, IDC_SIZEWE)),
      m_hArrowCursor(::LoadCursorA(nullptr, IDC_ARROW))
{
}

CPropertyList::~CPropertyList()
{
    for (int i = 0; i < GetItemCount(); ++i) {
        delete GetItem(i);
    }
    m_items.RemoveAll();
}

int CPropertyList::AddItem(LPCSTR pszName, LPCSTR pszValue, int nKind, LPCSTR pszChoices, LPCSTR pszOptions)
{
    auto* pItem = new CPropertyItem;
    pItem->m_strName = pszName;
    pItem->m_strValue = pszValue;
    pItem->m_nKind = nKind;
    pItem->m_strChoices = pszChoices;
    pItem->m_strOptions = pszOptions;
    m_items.Add(pItem);
    const int nIndex = GetItemCount() - 1;
    if (m_hWnd != nullptr) {
        // An owner-drawn list without strings keeps the argument as item data: start it empty.
        const int nLine = AddString("");
        if (nLine >= 0) {
            SetItemData(nLine, 0);
        }
    }
    return nIndex;
}

CPropertyItem* CPropertyList::GetItem(int nIndex) const
{
    if (nIndex < 0 || nIndex >= GetItemCount()) {
        return nullptr;
    }
    return static_cast<CPropertyItem*>(m_items.GetAt(nIndex));
}

BOOL CPropertyList::GetOption(const CString& strOptions, char chSeparator, LPCSTR pszKey, CString& strValue)
{
    strValue.Empty();
    CString strEntry;
    LPCSTR p = strOptions;
    for (;;) {
        if (*p != '\0' && *p != chSeparator) {
            const int n = CString::CharLength(p);
            strEntry += CString(p, n);
            p += n;
            continue;
        }
        const int nEqual = strEntry.Find('=');
        if (nEqual >= 1) {
            CString strKey = strEntry.Left(nEqual);
            strKey.Trim();
            if (strKey.CompareNoCase(pszKey) == 0) {
                strValue = strEntry.Mid(nEqual + 1);
                strValue.Trim();
                strValue.TrimLeft('"');
                strValue.TrimRight('"');
                return TRUE;
            }
        }
        if (*p == '\0') {
            return FALSE;
        }
        strEntry.Empty();
        ++p;
    }
}

int CPropertyList::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CListBox::OnCreate(lpCreateStruct) == -1) {
        return -1;
    }
    Setup("宋体", -1);
    return 0;
}

void CPropertyList::PreSubclassWindow()
{
    CListBox::PreSubclassWindow();
    Setup("MS Sans Serif", 1);
}

void CPropertyList::Setup(LPCSTR pszFace, int nCurSel)
{
    CClientDC dc(nullptr);
    const int nHeight = -::MulDiv(8, dc.GetDeviceCaps(LOGPIXELSY), 72);
    m_font.CreateFont(nHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                      DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, pszFace);
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(static_cast<HFONT>(m_font)), FALSE);
    SendMessage(LB_SETITEMHEIGHT, 0, cyItem);
    m_nCurSel = nCurSel;
    m_nSplit = 0;
    m_bSplitting = FALSE;
}

void CPropertyList::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    CPropertyItem* pItem = GetItem(static_cast<int>(lpDrawItemStruct->itemID));
    if (pItem == nullptr) {
        return;
    }
    CDC* pDC = CDC::FromHandle(lpDrawItemStruct->hDC);
    const CRect rcItem(lpDrawItemStruct->rcItem);
    if (m_nSplit == 0) {
        m_nSplit = rcItem.Width() / 2;
    }
    CRect rcName(rcItem.left, rcItem.top, m_nSplit - 1, rcItem.bottom);
    pDC->FillSolidRect(&rcName, RGB(255, 255, 255));
    pDC->DrawEdge(&rcName, EDGE_ETCHED, BF_RIGHT | BF_BOTTOM);
    CRect rcValue(m_nSplit, rcItem.top, rcItem.right, rcItem.bottom);
    pDC->DrawEdge(&rcValue, EDGE_ETCHED, BF_BOTTOM);

    // The list box does not select its font for every redraw it asks for.
    CFxSelectGuard fontGuard(pDC, m_font.m_hObject != nullptr ? &m_font : nullptr);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const UINT nFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
    CRect rcText = rcName;
    rcText.DeflateRect(3, 0, 3, 2);
    pDC->DrawText(pItem->m_strName, &rcText, nFormat);
    if (pItem->m_nKind == CPropertyItem::kindColor) {
        CRect rcSwatch(rcValue.left + 3, rcValue.top + 3, rcValue.left + 3 + 2 * (rcValue.Height() - 6),
                       rcValue.bottom - 4);
        if (rcSwatch.right > rcValue.right - 3) {
            rcSwatch.right = rcValue.right - 3;
        }
        pDC->FillSolidRect(&rcSwatch, ParseColor(pItem->m_strValue));
        CBrush frame;
        frame.CreateSolidBrush(RGB(0, 0, 0));
        pDC->FrameRect(&rcSwatch, &frame);
    } else {
        rcText = rcValue;
        rcText.DeflateRect(3, 0, 3, 2);
        pDC->DrawText(pItem->m_strValue, &rcText, nFormat);
    }
    pDC->SetBkMode(nOldMode);
}

CRect CPropertyList::ValueRect(int nIndex) const
{
    CRect rc;
    GetItemRect(nIndex, &rc);
    if (m_nSplit == 0) {
        const_cast<CPropertyList*>(this)->m_nSplit = rc.Width() / 2;
    }
    rc.left = m_nSplit;
    return rc;
}

void CPropertyList::HideEditors()
{
    if (m_combo.m_hWnd != nullptr) {
        m_combo.ShowWindow(SW_HIDE);
    }
    if (m_edit.m_hWnd != nullptr) {
        m_edit.ShowWindow(SW_HIDE);
    }
    if (m_button.m_hWnd != nullptr) {
        m_button.ShowWindow(SW_HIDE);
    }
}

void CPropertyList::Notify(UINT nMessage)
{
    if (m_pOwner != nullptr && m_pOwner->m_hWnd != nullptr) {
        m_pOwner->SendMessage(nMessage, static_cast<WPARAM>(m_nCurSel), 0);
    }
}

BOOL CPropertyList::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND && HIWORD(wParam) == LBN_SELCHANGE) {
        OnSelChange();
        return TRUE;
    }
    return CListBox::OnChildNotify(message, wParam, lParam, pResult);
}

void CPropertyList::OnSelChange()
{
    const int nSel = GetCurSel();
    m_nCurSel = nSel == LB_ERR ? -1 : nSel;
    HideEditors();
    CPropertyItem* pItem = GetItem(m_nCurSel);
    if (pItem != nullptr) {
        CRect rc = ValueRect(m_nCurSel);
        m_bFilling = TRUE;
        switch (pItem->m_nKind) {
        case CPropertyItem::kindCombo:
        case CPropertyItem::kindList: {
            // The two kinds differ in style, which a combo box cannot change once made.
            if (m_combo.m_hWnd != nullptr && m_nComboKind != pItem->m_nKind) {
                m_combo.DestroyWindow();
            }
            if (m_combo.m_hWnd == nullptr) {
                const DWORD dwStyle = WS_CHILD | WS_BORDER | WS_VSCROLL | CBS_NOINTEGRALHEIGHT |
                                      (pItem->m_nKind == CPropertyItem::kindCombo ? CBS_DROPDOWN : CBS_DROPDOWNLIST);
                const CRect rcDrop(rc.left, rc.top, rc.right, rc.bottom + 100);
                if (m_combo.Create("COMBOBOX", "", dwStyle, rcDrop, this, IDC_PROPLIST_COMBO)) {
                    m_nComboKind = pItem->m_nKind;
                }
            }
            if (m_combo.m_hWnd == nullptr) {
                break;
            }
            m_combo.MoveWindow(rc.left, rc.top, rc.Width(), rc.Height() + 100);
            m_combo.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(static_cast<HFONT>(m_font)), FALSE);
            m_combo.SendMessage(CB_RESETCONTENT);
            for (const CString& strEntry : SplitChoices(pItem->m_strChoices)) {
                m_combo.SendMessage(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(strEntry)));
            }
            const LRESULT nFound =
                m_combo.SendMessage(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                    reinterpret_cast<LPARAM>(static_cast<LPCSTR>(pItem->m_strValue)));
            if (nFound != CB_ERR) {
                m_combo.SendMessage(CB_SETCURSEL, static_cast<WPARAM>(nFound));
            } else if (pItem->m_nKind == CPropertyItem::kindList) {
                m_combo.SendMessage(CB_SETCURSEL, 0);
            } else {
                m_combo.SetWindowText(pItem->m_strValue);
            }
            m_combo.ShowWindow(SW_SHOW);
            m_combo.SetFocus();
            break;
        }
        case CPropertyItem::kindEdit:
            if (m_edit.m_hWnd == nullptr) {
                m_edit.Create("EDIT", "", WS_CHILD | WS_BORDER | ES_AUTOHSCROLL, rc, this, IDC_PROPLIST_EDIT);
            }
            if (m_edit.m_hWnd == nullptr) {
                break;
            }
            m_edit.MoveWindow(&rc);
            m_edit.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(static_cast<HFONT>(m_font)), FALSE);
            m_edit.SetWindowText(pItem->m_strValue);
            m_edit.ShowWindow(SW_SHOW);
            m_edit.SetFocus();
            break;
        case CPropertyItem::kindColor:
        case CPropertyItem::kindFont:
        case CPropertyItem::kindFile:
        case CPropertyItem::kindAction: {
            CRect rcButton(rc.right - cxButton, rc.top, rc.right, rc.bottom - 3);
            if (rcButton.left < rc.left) {
                rcButton.left = rc.left;
            }
            if (m_button.m_hWnd == nullptr) {
                m_button.Create("BUTTON", "...", WS_CHILD | BS_PUSHBUTTON, rcButton, this, IDC_PROPLIST_BUTTON);
            }
            if (m_button.m_hWnd == nullptr) {
                break;
            }
            m_button.MoveWindow(&rcButton);
            m_button.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(static_cast<HFONT>(m_font)), FALSE);
            m_button.ShowWindow(SW_SHOW);
            m_button.SetFocus();
            break;
        }
        default:
            break;
        }
        m_bFilling = FALSE;
    }
    Notify(WM_PROPLIST_SELCHANGE);
}

void CPropertyList::OnComboSelChange()
{
    CPropertyItem* pItem = GetItem(m_nCurSel);
    const int nSel = m_combo.GetCurSel();
    if (m_bFilling || pItem == nullptr || nSel == CB_ERR) {
        return;
    }
    m_combo.GetLBText(nSel, pItem->m_strValue);
    Notify(WM_PROPLIST_CHANGED);
}

void CPropertyList::OnComboKillFocus()
{
    if (CPropertyItem* pItem = GetItem(m_nCurSel)) {
        m_combo.GetWindowText(pItem->m_strValue);
    }
    m_combo.ShowWindow(SW_HIDE);
    Invalidate();
}

void CPropertyList::OnEditChange()
{
    CPropertyItem* pItem = GetItem(m_nCurSel);
    if (m_bFilling || pItem == nullptr) {
        return;
    }
    m_edit.GetWindowText(pItem->m_strValue);
    Notify(WM_PROPLIST_CHANGED);
}

void CPropertyList::OnEditKillFocus()
{
    m_edit.ShowWindow(SW_HIDE);
    Invalidate();
}

void CPropertyList::OnButtonClicked()
{
    CPropertyItem* pItem = GetItem(m_nCurSel);
    if (pItem == nullptr) {
        return;
    }
    CString strValue;
    switch (pItem->m_nKind) {
    case CPropertyItem::kindColor:
        if (ChooseColor(*pItem, strValue)) {
            ValueChosen(strValue);
        }
        break;
    case CPropertyItem::kindFont:
        if (ChooseFont(*pItem, strValue)) {
            ValueChosen(strValue);
        }
        break;
    case CPropertyItem::kindFile:
        if (ChooseFile(*pItem, strValue)) {
            ValueChosen(strValue);
        }
        break;
    case CPropertyItem::kindAction:
        Notify(WM_PROPLIST_ACTION);
        break;
    default:
        break;
    }
}

void CPropertyList::ValueChosen(const CString& strValue)
{
    if (CPropertyItem* pItem = GetItem(m_nCurSel)) {
        pItem->m_strValue = strValue;
    }
    m_button.ShowWindow(SW_HIDE);
    Invalidate();
    Notify(WM_PROPLIST_CHANGED);
}

BOOL CPropertyList::ChooseColor(CPropertyItem& item, CString& strValue)
{
    static COLORREF customColors[16] = {};
    CHOOSECOLORA cc = {};
    cc.lStructSize = sizeof(cc);
    cc.hwndOwner = m_hWnd;
    cc.rgbResult = ParseColor(item.m_strValue);
    cc.lpCustColors = customColors;
    cc.Flags = CC_RGBINIT;
    if (!::ChooseColorA(&cc)) {
        return FALSE;
    }
    strValue.Format("RGB(%d,%d,%d)", GetRValue(cc.rgbResult), GetGValue(cc.rgbResult), GetBValue(cc.rgbResult));
    return TRUE;
}

BOOL CPropertyList::ChooseFont(const CPropertyItem& item, CString& strValue)
{
    // The dialog opens on the face the row holds, as the colour chooser opens on its colour, and
    // under the name the text is drawn with: a face the system maps to another is not in its list.
    LOGFONTA lf = {};
    if (m_font.m_hObject != nullptr) {
        m_font.GetLogFont(&lf);
    }
    if (!item.m_strValue.IsEmpty()) {
        lstrcpynA(lf.lfFaceName, item.m_strValue, LF_FACESIZE);
    }
    lf.lfCharSet = DEFAULT_CHARSET;
    CCappDCHelper::UseDrawnFamily(lf);
    CHOOSEFONTA cf = {};
    cf.lStructSize = sizeof(cf);
    cf.hwndOwner = m_hWnd;
    cf.lpLogFont = &lf;
    // Vertical faces ("@" names) would draw the text turned on its side.
    cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT | CF_NOVERTFONTS;
    if (!::ChooseFontA(&cf)) {
        return FALSE;
    }
    strValue = lf.lfFaceName;
    return TRUE;
}

BOOL CPropertyList::ChooseFile(CPropertyItem& item, CString& strValue)
{
    CString strFilter;
    if (!GetOption(item.m_strOptions, ';', "Filter", strFilter)) {
        strFilter = "All Files (*.*)|*.*||";
    }
    CString strTitle;
    if (!GetOption(item.m_strOptions, ';', "Title", strTitle)) {
        strTitle = "Select file";
    }
    // The dialog wants its filter pairs NUL-separated and ending in two NULs.
    std::vector<char> filter;
    for (LPCSTR p = strFilter; *p != '\0';) {
        const int n = CString::CharLength(p);
        if (n == 1 && *p == '|') {
            filter.push_back('\0');
        } else {
            filter.insert(filter.end(), p, p + n);
        }
        p += n;
    }
    filter.push_back('\0');
    filter.push_back('\0');
    CString strFolder;
    const int nSlash = item.m_strValue.ReverseFind('\\');
    if (nSlash >= 0) {
        strFolder = item.m_strValue.Left(nSlash);
    }
    FxFileDialogParams params;
    params.pszFilter = filter.data();
    params.pszInitialDir = strFolder.IsEmpty() ? nullptr : static_cast<LPCSTR>(strFolder);
    params.pszTitle = strTitle;
    params.dwFlags = OFN_HIDEREADONLY | OFN_EXPLORER;
    CString strChosen;
    if (!FxAskFileName(m_hWnd, TRUE, params, strChosen)) {
        return FALSE;
    }
    strValue = strChosen;
    return TRUE;
}

BOOL CPropertyList::IsNearSplit(int x) const
{
    return m_nSplit != 0 && x >= m_nSplit - cxSplitGrab && x <= m_nSplit + cxSplitGrab;
}

void CPropertyList::InvertSplitLine(int x)
{
    CClientDC dc(m_hWnd);
    CRect rc;
    GetClientRect(&rc);
    dc.PatBlt(x, rc.top, 1, rc.Height(), DSTINVERT);
}

void CPropertyList::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!IsNearSplit(point.x)) {
        CListBox::OnLButtonDown(nFlags, point);
        return;
    }
    m_bSplitting = TRUE;
    ::SetCursor(m_hSizeCursor);
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    rcWindow.DeflateRect(cxSplitMargin, 0);
    ::ClipCursor(&rcWindow);
    HideEditors();
    ::SetCapture(m_hWnd);
    m_xSplitLine = point.x;
    InvertSplitLine(m_xSplitLine);
}

void CPropertyList::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bSplitting) {
        InvertSplitLine(m_xSplitLine);
        m_xSplitLine = point.x;
        InvertSplitLine(m_xSplitLine);
        return;
    }
    if (IsNearSplit(point.x)) {
        ::SetCursor(m_hSizeCursor);
    }
    CListBox::OnMouseMove(nFlags, point);
}

void CPropertyList::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bSplitting) {
        InvertSplitLine(m_xSplitLine);
        m_bSplitting = FALSE;
        m_nSplit = point.x;
        ::ReleaseCapture();
        ::ClipCursor(nullptr);
        ::SetCursor(m_hArrowCursor);
        Invalidate();
        return;
    }
    CListBox::OnLButtonUp(nFlags, point);
    BOOL bOutside = FALSE;
    const int nIndex = static_cast<int>(ItemFromPoint(point, bOutside));
    CRect rcItem;
    // The list box answers the nearest row for a point below the last one: only a hit counts.
    const BOOL bHit =
        nIndex >= 0 && nIndex < GetCount() && GetItemRect(nIndex, &rcItem) != LB_ERR && rcItem.PtInRect(point);
    if (!bHit) {
        SetCurSel(-1);
        m_nCurSel = -1;
        HideEditors();
        Notify(WM_PROPLIST_SELCHANGE);
        return;
    }
    if (nIndex != m_nCurSel) {
        SetCurSel(nIndex);
        OnSelChange();
    }
}

LRESULT CPropertyList::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SETCURSOR && LOWORD(lParam) == HTCLIENT) {
        CPoint point;
        ::GetCursorPos(&point);
        ::ScreenToClient(m_hWnd, &point);
        if (m_bSplitting || IsNearSplit(point.x)) {
            ::SetCursor(m_hSizeCursor);
            return TRUE;
        }
    }
    return CListBox::WindowProc(message, wParam, lParam);
}
