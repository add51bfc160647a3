#include "common/KvHotButton.h"

#include "platform/base/FxIcon.h"
#include "platform/base/FxResMgr.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/ClientDC.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/Pen.h"

namespace
{
const UINT_PTR kToolId = 1;

HICON LoadIconResource(int nId, int cx, int cy)
{
    LPCSTR pszName = MAKEINTRESOURCEA(nId);
    HINSTANCE hInst = CFxResMgr::FindResourceHandle(pszName, MAKEINTRESOURCEA(14)); // RT_GROUP_ICON
    if (hInst == nullptr) {
        return nullptr;
    }
    return static_cast<HICON>(LoadImageA(hInst, pszName, IMAGE_ICON, cx, cy, 0));
}

HICON LoadIconFile(const CString& strFile)
{
    return static_cast<HICON>(LoadImageA(nullptr, strFile, IMAGE_ICON, 32, 32, LR_LOADFROMFILE));
}

HBITMAP LoadBitmapFile(const CString& strFile)
{
    return static_cast<HBITMAP>(LoadImageA(nullptr, strFile, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
}
} // namespace

FX_IMPLEMENT_DYNAMIC(CKvHotButton, CButton)

FX_BEGIN_MESSAGE_MAP(CKvHotButton, CButton)
FX_ON_MESSAGE(WM_SETCURSOR, OnSetCursor)
FX_ON_MESSAGE(WM_SYSCOLORCHANGE, OnSysColorChange)
FX_ON_MESSAGE(WM_CAPTURECHANGED, OnCaptureChanged)
FX_END_MESSAGE_MAP()

CKvHotButton::CKvHotButton()
    : m_bMouseDown(FALSE), m_nAlign(0), m_bShowText(TRUE), m_bDrawBorder(TRUE), m_bFlat(TRUE), m_bHot(FALSE),
      m_bFlatFocus(FALSE), m_nImageKind(0), m_bDrawDisabledImage(TRUE), m_bCheckEnabled(FALSE), m_bChecked(FALSE),
      m_hCursor(nullptr), m_hOldBk(nullptr), m_cxImage(0), m_cyImage(0), m_bTransparent(FALSE), m_bDefault(FALSE),
      m_crInactiveBg(GetSysColor(COLOR_BTNFACE)), m_crInactiveFg(GetSysColor(COLOR_BTNTEXT)),
      m_crActiveBg(GetSysColor(COLOR_BTNFACE)), m_crActiveFg(GetSysColor(COLOR_BTNTEXT))
{
}

CKvHotButton::~CKvHotButton()
{
    ResetImageList();
    FreeBackground();
    if (m_toolTip.m_hWnd != nullptr) {
        m_toolTip.DestroyWindow();
    }
}

void CKvHotButton::Repaint()
{
    if (m_hWnd != nullptr) {
        Invalidate(TRUE);
    }
}

void CKvHotButton::ResetImageList()
{
    if (m_imageList.GetSafeHandle() == nullptr) {
        return;
    }
    while (m_imageList.GetImageCount() > 0) {
        m_imageList.Remove(0);
    }
    m_imageList.DeleteImageList();
}

void CKvHotButton::FreeBackground()
{
    if (m_dcBk.GetSafeHdc() != nullptr && m_hOldBk != nullptr) {
        ::SelectObject(m_dcBk.GetSafeHdc(), m_hOldBk);
    }
    m_hOldBk = nullptr;
    m_dcBk.DeleteDC();
    m_bmpBk.DeleteObject();
}

void CKvHotButton::SetBitmap(int nNormalId, int nHotId, COLORREF crMask)
{
    if (nNormalId <= 0) {
        m_nImageKind = 0;
        Repaint();
        return;
    }
    m_nImageKind = 1;
    CBitmap bmpNormal;
    if (!bmpNormal.LoadBitmap(static_cast<UINT>(nNormalId))) {
        return;
    }
    BITMAP bm = {};
    bmpNormal.GetBitmap(&bm);
    m_cxImage = bm.bmWidth;
    m_cyImage = bm.bmHeight;
    ResetImageList();
    m_imageList.Create(m_cxImage, m_cyImage, ILC_COLOR24 | ILC_MASK, 6, 6);
    m_imageList.Add(&bmpNormal, crMask);
    CBitmap bmpHot;
    if (nHotId != 0 && bmpHot.LoadBitmap(static_cast<UINT>(nHotId))) {
        m_imageList.Add(&bmpHot, crMask);
    } else {
        m_imageList.Add(&bmpNormal, crMask);
    }
    Repaint();
}

void CKvHotButton::SetBitmap(CString strNormalFile, CString strHotFile, COLORREF crMask)
{
    if (strNormalFile.IsEmpty()) {
        m_nImageKind = 0;
        Repaint();
        return;
    }
    m_nImageKind = 1;
    CBitmap bmpNormal;
    if (!bmpNormal.Attach(LoadBitmapFile(strNormalFile))) {
        return;
    }
    BITMAP bm = {};
    bmpNormal.GetBitmap(&bm);
    m_cxImage = bm.bmWidth;
    m_cyImage = bm.bmHeight;
    ResetImageList();
    m_imageList.Create(m_cxImage, m_cyImage, ILC_COLOR24 | ILC_MASK, 6, 6);
    m_imageList.Add(&bmpNormal, crMask);
    CBitmap bmpHot;
    if (!bmpHot.Attach(LoadBitmapFile(strHotFile.IsEmpty() ? strNormalFile : strHotFile))) {
        return;
    }
    m_imageList.Add(&bmpHot, crMask);
    Repaint();
}

void CKvHotButton::SetIcon(int nNormalId, int nHotId)
{
    if (nNormalId < 1) {
        m_nImageKind = 0;
        Repaint();
        return;
    }
    m_nImageKind = 2;
    m_cxImage = 32;
    m_cyImage = 32;
    ResetImageList();
    m_imageList.Create(32, 32, ILC_COLOR24 | ILC_MASK, 6, 6);
    CFxIcon normal(LoadIconResource(nNormalId, 32, 32));
    CFxIcon hot(nHotId != 0 ? LoadIconResource(nHotId, 32, 32) : nullptr);
    if (normal.IsValid()) {
        m_imageList.Add(normal);
        m_imageList.Add(hot.IsValid() ? hot : normal);
    }
    Repaint();
}

void CKvHotButton::SetIcon(CString strNormalFile, CString strHotFile)
{
    if (strNormalFile.IsEmpty()) {
        m_nImageKind = 0;
        Repaint();
        return;
    }
    CFxIcon normal(LoadIconFile(strNormalFile));
    m_nImageKind = 2;
    if (!normal.IsValid()) {
        return;
    }
    m_cxImage = 32;
    m_cyImage = 32;
    ResetImageList();
    m_imageList.Create(32, 32, ILC_COLOR24 | ILC_MASK, 6, 6);
    m_imageList.Add(normal);
    CFxIcon hot(strHotFile.IsEmpty() ? nullptr : LoadIconFile(strHotFile));
    m_imageList.Add(hot.IsValid() ? hot : normal);
    Repaint();
}

void CKvHotButton::SetImageList(UINT nBitmapId, int cx, int cy, COLORREF crMask)
{
    if (nBitmapId == 0) {
        m_nImageKind = 0;
        Repaint();
        return;
    }
    m_nImageKind = 1;
    m_cxImage = cx;
    m_cyImage = cy;
    ResetImageList();
    m_imageList.Create(cx, cy, ILC_COLOR24 | ILC_MASK, 6, 6);
    CBitmap bmp;
    if (bmp.LoadBitmap(nBitmapId)) {
        m_imageList.Add(&bmp, crMask);
    }
    Repaint();
}

BOOL CKvHotButton::SetBtnCursor(int nCursorId)
{
    LPCSTR pszName = MAKEINTRESOURCEA(nCursorId);
    HINSTANCE hInst = CFxResMgr::FindResourceHandle(pszName, MAKEINTRESOURCEA(12)); // RT_GROUP_CURSOR
    m_hCursor.Attach(hInst != nullptr ? static_cast<HCURSOR>(LoadImageA(hInst, pszName, IMAGE_CURSOR, 0, 0, 0))
                                      : nullptr);
    return TRUE;
}

void CKvHotButton::SetFlat(BOOL bFlat)
{
    m_bFlat = bFlat;
    Repaint();
}

void CKvHotButton::SetShowText(BOOL bShow)
{
    m_bShowText = bShow;
    Repaint();
}

void CKvHotButton::SetAlign(int nAlign)
{
    if (nAlign >= 0 && nAlign <= 2) {
        m_nAlign = nAlign;
    }
    Repaint();
}

void CKvHotButton::DrawBorder(BOOL bEnable)
{
    m_bDrawBorder = bEnable;
}

void CKvHotButton::SetDisableImage(BOOL bEnable)
{
    m_bDrawDisabledImage = bEnable;
}

void CKvHotButton::EnableCheck(BOOL bEnable)
{
    m_bCheckEnabled = bEnable;
}

void CKvHotButton::SetCheck(BOOL bCheck)
{
    m_bChecked = bCheck;
}

void CKvHotButton::SetFlatFocus(BOOL bFlatFocus, BOOL bRepaint)
{
    m_bFlatFocus = bFlatFocus;
    if (bRepaint == 1) {
        Repaint();
    }
}

void CKvHotButton::SetInactiveBgColor(COLORREF crColor, BOOL bRepaint)
{
    m_crInactiveBg = crColor;
    if (bRepaint == 1) {
        Repaint();
    }
}

void CKvHotButton::SetInactiveFgColor(COLORREF crColor, BOOL bRepaint)
{
    m_crInactiveFg = crColor;
    if (bRepaint == 1) {
        Repaint();
    }
}

void CKvHotButton::SetActiveBgColor(COLORREF crColor, BOOL bRepaint)
{
    m_crActiveBg = crColor;
    if (bRepaint == 1) {
        Repaint();
    }
}

void CKvHotButton::SetActiveFgColor(COLORREF crColor, BOOL bRepaint)
{
    m_crActiveFg = crColor;
    if (bRepaint == 1) {
        Repaint();
    }
}

void CKvHotButton::SetDefaultInactiveBgColor(BOOL bRepaint)
{
    SetInactiveBgColor(GetSysColor(COLOR_BTNFACE), bRepaint);
}

void CKvHotButton::SetDefaultInactiveFgColor(BOOL bRepaint)
{
    SetInactiveFgColor(GetSysColor(COLOR_BTNTEXT), bRepaint);
}

void CKvHotButton::SetDefaultActiveBgColor(BOOL bRepaint)
{
    SetActiveBgColor(GetSysColor(COLOR_BTNFACE), bRepaint);
}

void CKvHotButton::SetDefaultActiveFgColor(BOOL bRepaint)
{
    SetActiveFgColor(GetSysColor(COLOR_BTNTEXT), bRepaint);
}

void CKvHotButton::DrawTransparent(BOOL bRepaint)
{
    m_bTransparent = TRUE;
    // The old capture is freed rather than let go: nothing else holds it.
    FreeBackground();
    if (bRepaint == 1) {
        Repaint();
    }
}

void CKvHotButton::InitToolTip()
{
    if (m_toolTip.m_hWnd == nullptr) {
        m_toolTip.Create(this);
        m_toolTip.Activate(FALSE);
    }
}

void CKvHotButton::SetTooltipText(CString strText, BOOL bActivate)
{
    if (strText == m_strToolTip || m_hWnd == nullptr) {
        return;
    }
    m_strToolTip = strText;
    InitToolTip();
    if (m_toolTip.GetToolCount() == 0) {
        CRect rc;
        GetClientRect(&rc);
        m_toolTip.AddTool(this, strText, &rc, kToolId);
    }
    m_toolTip.UpdateTipText(strText, this, kToolId);
    m_toolTip.Activate(bActivate);
}

void CKvHotButton::SetTooltipText(UINT nStringId, BOOL bActivate)
{
    CString strText;
    strText.LoadString(nStringId);
    if (!strText.IsEmpty()) {
        SetTooltipText(strText, bActivate);
    }
}

void CKvHotButton::ActivateTooltip(BOOL bActivate)
{
    if (m_toolTip.m_hWnd != nullptr && m_toolTip.GetToolCount() > 0) {
        m_toolTip.Activate(bActivate);
    }
}

void CKvHotButton::PreSubclassWindow()
{
    DWORD dwStyle = GetStyle();
    if ((dwStyle & BS_DEFPUSHBUTTON) != 0) {
        m_bDefault = TRUE;
    }
    SendMessage(BM_SETSTYLE, (dwStyle & 0xFF) | BS_OWNERDRAW, TRUE);
    CButton::PreSubclassWindow();
}

BOOL CKvHotButton::PreTranslateMessage(MSG* pMsg)
{
    InitToolTip();
    m_toolTip.RelayEvent(pMsg);
    return CButton::PreTranslateMessage(pMsg);
}

LRESULT CKvHotButton::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_LBUTTONDBLCLK) {
        message = WM_LBUTTONDOWN;
    }
    return CButton::DefWindowProc(message, wParam, lParam);
}

BOOL CKvHotButton::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_CTLCOLORBTN) {
        if (pResult != nullptr) {
            *pResult = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        }
        return TRUE;
    }
    return CButton::OnChildNotify(message, wParam, lParam, pResult);
}

void CKvHotButton::OnKillFocus(CWnd* pNewWnd)
{
    CButton::OnKillFocus(pNewWnd);
    if (m_bFlat) {
        m_bHot = FALSE;
        Repaint();
    }
}

void CKvHotButton::OnMouseMove(UINT nFlags, CPoint point)
{
    CButton::OnMouseMove(nFlags, point);
    if ((nFlags & MK_LBUTTON) != 0 && !m_bHot) {
        return;
    }
    if (!m_bFlat) {
        return;
    }
    HWND hOwner = ::GetWindow(m_hWnd, GW_OWNER);
    if (hOwner == nullptr) {
        hOwner = ::GetParent(m_hWnd);
    }
    if (::GetActiveWindow() != nullptr && hOwner != nullptr && ::GetCapture() != m_hWnd) {
        m_bHot = TRUE;
        ::SetCapture(m_hWnd);
        Repaint();
        return;
    }
    POINT ptScreen = point;
    ::ClientToScreen(m_hWnd, &ptScreen);
    if (::WindowFromPoint(ptScreen) != m_hWnd) {
        if (m_bHot) {
            m_bHot = FALSE;
            Repaint();
        }
        if ((nFlags & MK_LBUTTON) == 0) {
            ::ReleaseCapture();
        }
    }
}

void CKvHotButton::OnLButtonDown(UINT nFlags, CPoint point)
{
    m_bMouseDown = TRUE;
    CButton::OnLButtonDown(nFlags, point);
}

void CKvHotButton::OnLButtonUp(UINT nFlags, CPoint point)
{
    CRect rc;
    GetClientRect(&rc);
    if (rc.PtInRect(point) && m_bCheckEnabled && m_bMouseDown) {
        m_bChecked = !m_bChecked;
    }
    m_bMouseDown = FALSE;
    CButton::OnLButtonUp(nFlags, point);
}

LRESULT CKvHotButton::OnSetCursor(WPARAM, LPARAM)
{
    if (m_hCursor != nullptr) {
        ::SetCursor(m_hCursor);
        return TRUE;
    }
    return Default();
}

LRESULT CKvHotButton::OnSysColorChange(WPARAM, LPARAM)
{
    LRESULT lResult = Default();
    FreeBackground();
    return lResult;
}

LRESULT CKvHotButton::OnCaptureChanged(WPARAM, LPARAM)
{
    if (m_bHot) {
        ::ReleaseCapture();
        // The hot look ends with the capture unless the mouse is still over the button (the
        // button's own press takes the capture too).
        POINT pt = {};
        ::GetCursorPos(&pt);
        if (::WindowFromPoint(pt) != m_hWnd) {
            m_bHot = FALSE;
        }
        Repaint();
    }
    return Default();
}

void CKvHotButton::PaintBk(CDC* pDC)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    if (m_dcBk.GetSafeHdc() == nullptr) {
        HWND hParent = ::GetParent(m_hWnd);
        CRect rcWindow;
        GetWindowRect(&rcWindow);
        ::MapWindowPoints(nullptr, hParent, reinterpret_cast<LPPOINT>(&rcWindow), 2);
        CClientDC dcParent(hParent);
        if (!m_dcBk.CreateCompatibleDC(&dcParent) ||
            !m_bmpBk.CreateCompatibleBitmap(&dcParent, rcClient.Width(), rcClient.Height())) {
            FreeBackground();
            return;
        }
        m_hOldBk = ::SelectObject(m_dcBk.GetSafeHdc(), m_bmpBk.GetSafeHandle());
        m_dcBk.BitBlt(0, 0, rcClient.Width(), rcClient.Height(), &dcParent, rcWindow.left, rcWindow.top, SRCCOPY);
    }
    pDC->BitBlt(0, 0, rcClient.Width(), rcClient.Height(), &m_dcBk, 0, 0, SRCCOPY);
}

void CKvHotButton::PlaceImage(CDC* pDC, BOOL bHasTitle, const CRect& rcItem, CRect& rcTitle, BOOL bPressed,
                              BOOL bDisabled)
{
    CRect rcImage = rcItem;
    CRect rcClient;
    GetClientRect(&rcClient);
    const int cx = m_cxImage;
    const int cy = m_cyImage;
    switch (m_nAlign) {
    case 1:
        rcImage.left += (rcImage.Width() - cx) / 2;
        if (!bHasTitle) {
            rcImage.top += (rcImage.Height() - cy) / 2;
        } else {
            rcTitle.top += cy;
        }
        break;
    case 2:
        if (!bHasTitle) {
            rcImage.left += (rcImage.Width() - cx) / 2;
        } else {
            const int nOldWidth = rcTitle.Width();
            rcTitle.left = 3;
            rcTitle.right = nOldWidth - cx - 3;
            rcImage.left = rcClient.Width() - cx - 3;
            rcImage.top += (rcImage.Height() - cy) / 2;
        }
        break;
    default:
        if (!bHasTitle) {
            rcImage.left += (rcImage.Width() - cx) / 2;
        } else {
            // The caption starts past the image: it must not be drawn over it.
            rcImage.left += 3;
            rcTitle.left += cx + 3;
        }
        if (rcImage.Height() > cy) {
            rcImage.top += (rcImage.Height() - cy) / 2;
        }
        break;
    }
    if (bPressed) {
        rcImage.OffsetRect(1, 1);
    }
    int nImage = 0;
    UINT nState = DSS_NORMAL;
    if (bDisabled && m_bDrawDisabledImage) {
        nState = DSS_DISABLED;
    } else if (m_bHot || bPressed) {
        nState = DSS_NORMAL;
        nImage = 1;
    }
    CFxIcon icon(m_imageList.ExtractIcon(nImage));
    if (!icon.IsValid()) {
        return;
    }
    ::DrawStateA(pDC->GetSafeHdc(), nullptr, nullptr, reinterpret_cast<LPARAM>(static_cast<HICON>(icon)), 0,
                 rcImage.left, rcImage.top, cx, cy, DST_ICON | nState);
}

void CKvHotButton::DrawItem(LPDRAWITEMSTRUCT lpDis)
{
    if (lpDis == nullptr) {
        return;
    }
    CDC* pDC = CDC::FromHandle(lpDis->hDC);
    const BOOL bDisabled = (lpDis->itemState & ODS_DISABLED) != 0;
    const BOOL bPressed = (lpDis->itemState & ODS_SELECTED) != 0 || (m_bCheckEnabled && m_bChecked);
    const CRect rcItem = lpDis->rcItem;
    pDC->SetBkMode(TRANSPARENT);

    if (m_bTransparent) {
        PaintBk(pDC);
    } else {
        pDC->FillSolidRect(&rcItem, m_bHot || bPressed ? m_crActiveBg : m_crInactiveBg);
    }

    CString strTitle;
    if (m_bShowText) {
        GetWindowText(strTitle);
    }
    CRect rcTitle = rcItem;

    if (m_bCheckEnabled && m_bChecked) {
        pDC->FillSolidRect(&rcItem, RGB(216, 216, 216));
    }

    if (m_nImageKind == 1 || m_nImageKind == 2) {
        PlaceImage(pDC, !strTitle.IsEmpty(), rcItem, rcTitle, bPressed, bDisabled);
    }

    if (!strTitle.IsEmpty()) {
        if (bPressed) {
            rcTitle.OffsetRect(1, 1);
        }
        const BOOL bActive = m_bHot || bPressed;
        pDC->SetTextColor(bActive ? m_crActiveFg : m_crInactiveFg);
        pDC->SetBkColor(bActive ? m_crActiveBg : m_crInactiveBg);
        CRect rcCenter = rcTitle;
        pDC->DrawText(strTitle, &rcTitle, DT_SINGLELINE | DT_CALCRECT);
        rcTitle.OffsetRect((rcCenter.Width() - rcTitle.Width()) / 2, (rcCenter.Height() - rcTitle.Height()) / 2);
        if (bDisabled) {
            ::DrawStateA(pDC->GetSafeHdc(), nullptr, nullptr, reinterpret_cast<LPARAM>(static_cast<LPCSTR>(strTitle)),
                         static_cast<WPARAM>(strTitle.GetLength()), rcTitle.left, rcTitle.top, rcTitle.Width(),
                         rcTitle.Height(), DST_TEXT | DSS_DISABLED);
        } else {
            pDC->DrawText(strTitle, &rcTitle, DT_SINGLELINE | DT_CENTER);
        }
    }

    CPen penHighlight(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
    CPen penLight(PS_SOLID, 1, GetSysColor(COLOR_3DLIGHT));
    CPen penShadow(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    CPen penDark(PS_SOLID, 1, GetSysColor(COLOR_3DDKSHADOW));
    const int l = rcItem.left;
    const int t = rcItem.top;
    const int r = rcItem.right;
    const int b = rcItem.bottom;
    if (!m_bFlat) {
        {
            CFxSelectGuard guard(pDC, &penDark);
            pDC->MoveTo(l, b - 1);
            pDC->LineTo(l, t);
            pDC->LineTo(r, t);
            pDC->MoveTo(l, b - 1);
            pDC->LineTo(r - 1, b - 1);
            pDC->LineTo(r - 1, t - 1);
        }
        if (!bPressed) {
            {
                CFxSelectGuard guard(pDC, &penHighlight);
                pDC->MoveTo(l + 1, b - 2);
                pDC->LineTo(l + 1, t + 1);
                pDC->LineTo(r - 1, t + 1);
            }
            CFxSelectGuard guard(pDC, &penShadow);
            pDC->MoveTo(l + 1, b - 2);
            pDC->LineTo(r - 2, b - 2);
            pDC->LineTo(r - 2, t);
        }
    } else if (m_bDrawBorder) {
        if (bPressed) {
            pDC->Draw3dRect(&rcItem, GetSysColor(COLOR_BTNSHADOW), GetSysColor(COLOR_BTNHIGHLIGHT));
        } else if (m_bHot) {
            pDC->Draw3dRect(&rcItem, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW));
        }
    }
}

LRESULT CKvHotButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_toolTip.m_hWnd != nullptr) {
        m_toolTip.RelayEvent(m_hWnd, message, wParam, lParam);
    }
    return CButton::WindowProc(message, wParam, lParam);
}
