#include "common/KvImage.h"

#include <cstring>
#include <vector>

#include "platform/base/FxResMgr.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/Rgn.h"

namespace
{
void WindowSizeOfDC(CDC* pDC, int& cx, int& cy)
{
    cx = 0;
    cy = 0;
    HWND hWnd = WindowFromDC(pDC->GetSafeHdc());
    RECT rc = {};
    if (hWnd != nullptr && GetClientRect(hWnd, &rc)) {
        cx = rc.right;
        cy = rc.bottom;
    }
}

// Regions are built in blocks of rectangles and joined every so many.
const DWORD kRectBlock = 100;
const DWORD kRectsPerJoin = 2000;

HRGN RegionFromRects(const std::vector<RECT>& rects, const RECT& rcBound)
{
    std::vector<BYTE> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    RGNDATA* pData = reinterpret_cast<RGNDATA*>(data.data());
    pData->rdh.dwSize = sizeof(RGNDATAHEADER);
    pData->rdh.iType = RDH_RECTANGLES;
    pData->rdh.nCount = static_cast<DWORD>(rects.size());
    pData->rdh.nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
    pData->rdh.rcBound = rcBound;
    memcpy(pData->Buffer, rects.data(), rects.size() * sizeof(RECT));
    return ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), pData);
}
} // namespace

CKvImage::CKvImage() : m_hIcon(nullptr), m_nResourceID(0)
{
}

CKvImage::~CKvImage()
{
}

BOOL CKvImage::OpenBmpFile(const char* pszPath)
{
    if (pszPath == nullptr) {
        return FALSE;
    }
    HBITMAP hBitmap =
        static_cast<HBITMAP>(LoadImageA(nullptr, pszPath, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (hBitmap == nullptr) {
        return FALSE;
    }
    m_bitmap.DeleteObject();
    m_bitmap.Attach(hBitmap);
    m_nResourceID = 0;
    return TRUE;
}

BOOL CKvImage::OpenBmpID(UINT nID)
{
    m_bitmap.DeleteObject();
    if (!m_bitmap.LoadBitmap(nID)) {
        return FALSE;
    }
    m_nResourceID = nID;
    return TRUE;
}

BOOL CKvImage::AttachBitmap(HBITMAP hBitmap)
{
    if (hBitmap == nullptr) {
        return FALSE;
    }
    m_bitmap.DeleteObject();
    return m_bitmap.Attach(hBitmap);
}

BOOL CKvImage::OpneIconID(UINT nID)
{
    LPCSTR pszName = MAKEINTRESOURCEA(nID);
    HINSTANCE hInst = CFxResMgr::FindResourceHandle(pszName, MAKEINTRESOURCEA(14)); // RT_GROUP_ICON
    HICON hIcon = hInst != nullptr ? LoadIconA(hInst, pszName) : nullptr;
    if (hIcon == nullptr) {
        return FALSE;
    }
    m_hIcon.Attach(CopyIcon(hIcon));
    return m_hIcon.IsValid();
}

BOOL CKvImage::OpenIconFile(const char* pszPath)
{
    if (pszPath == nullptr) {
        return FALSE;
    }
    HICON hIcon = static_cast<HICON>(LoadImageA(nullptr, pszPath, IMAGE_ICON, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE));
    if (hIcon == nullptr) {
        return FALSE;
    }
    m_hIcon.Attach(hIcon);
    return TRUE;
}

int CKvImage::GetBmpWidth() const
{
    BITMAP bm = {};
    return m_bitmap.GetSafeHandle() != nullptr && m_bitmap.GetBitmap(&bm) != 0 ? bm.bmWidth : 0;
}

int CKvImage::GetBmpHeight() const
{
    BITMAP bm = {};
    return m_bitmap.GetSafeHandle() != nullptr && m_bitmap.GetBitmap(&bm) != 0 ? bm.bmHeight : 0;
}

void CKvImage::ShowBmp(CDC* pDC)
{
    int cx = 0;
    int cy = 0;
    WindowSizeOfDC(pDC, cx, cy);
    DrawBlt(pDC, 0, 0, cx, cy);
}

void CKvImage::ShowBmp(CDC* pDC, int x, int y)
{
    DrawBlt(pDC, x, y, GetBmpWidth(), GetBmpHeight());
}

void CKvImage::ShowBmp(CDC* pDC, int x, int y, int cx, int cy)
{
    DrawBlt(pDC, x, y, cx, cy);
}

void CKvImage::DrawBlt(CDC* pDC, int x, int y, int cx, int cy)
{
    if (pDC == nullptr || m_bitmap.GetSafeHandle() == nullptr) {
        return;
    }
    CDC memDC;
    if (!memDC.CreateCompatibleDC(pDC)) {
        return;
    }
    CFxSelectGuard guard(&memDC, &m_bitmap);
    pDC->BitBlt(x, y, cx, cy, &memDC, 0, 0, SRCCOPY);
}

void CKvImage::ShowIcon(CDC* pDC)
{
    if (pDC != nullptr && m_hIcon != nullptr) {
        pDC->DrawIcon(0, 0, m_hIcon);
    }
}

void CKvImage::StretchBmp(CDC* pDC, int x, int y, int cx, int cy, int xSrc, int ySrc, int cxSrc, int cySrc)
{
    if (pDC == nullptr || m_bitmap.GetSafeHandle() == nullptr) {
        return;
    }
    CDC memDC;
    if (!memDC.CreateCompatibleDC(pDC)) {
        return;
    }
    CFxSelectGuard guard(&memDC, &m_bitmap);
    ::SetStretchBltMode(pDC->GetSafeHdc(), COLORONCOLOR);
    pDC->StretchBlt(x, y, cx, cy, &memDC, xSrc, ySrc, cxSrc, cySrc, SRCCOPY);
}

void CKvImage::StretchBmp(CDC* pDC)
{
    int cx = 0;
    int cy = 0;
    WindowSizeOfDC(pDC, cx, cy);
    StretchBmp(pDC, 0, 0, cx, cy, 0, 0, GetBmpWidth(), GetBmpHeight());
}

void CKvImage::ScaleBmp(CDC* pDC, CRect rect, int nCentre)
{
    const int cxBmp = GetBmpWidth();
    const int cyBmp = GetBmpHeight();
    if (cxBmp <= 0 || cyBmp <= 0 || rect.Width() <= 0 || rect.Height() <= 0) {
        return;
    }
    // The smaller factor keeps the whole picture inside, in both directions.
    const double dScaleX = static_cast<double>(rect.Width()) / cxBmp;
    const double dScaleY = static_cast<double>(rect.Height()) / cyBmp;
    const double dScale = dScaleX < dScaleY ? dScaleX : dScaleY;
    const int cx = static_cast<int>(cxBmp * dScale);
    const int cy = static_cast<int>(cyBmp * dScale);
    int x = 0;
    int y = 0;
    if (nCentre != 0) {
        x = (rect.Width() - cx) / 2;
        y = (rect.Height() - cy) / 2;
    }
    StretchBmp(pDC, x, y, cx, cy, rect.left, rect.top, cxBmp - rect.left, cyBmp - rect.top);
}

void CKvImage::DrawTransBlt(CDC* pDC, int x, int y, int cx, int cy, COLORREF crTransparent)
{
    if (pDC == nullptr || m_bitmap.GetSafeHandle() == nullptr) {
        return;
    }
    CDC imageDC;
    CDC maskDC;
    if (!imageDC.CreateCompatibleDC(pDC) || !maskDC.CreateCompatibleDC(pDC)) {
        return;
    }
    CBitmap bmpMask;
    if (!bmpMask.Attach(::CreateBitmap(cx, cy, 1, 1, nullptr))) {
        return;
    }
    CFxSelectGuard guardImage(&imageDC, &m_bitmap);
    CFxSelectGuard guardMask(&maskDC, &bmpMask);
    // The mask: white where the picture has the transparent colour.
    const COLORREF crOldImageBk = imageDC.SetBkColor(crTransparent);
    maskDC.BitBlt(0, 0, cx, cy, &imageDC, 0, 0, SRCCOPY);
    imageDC.SetBkColor(crOldImageBk);
    const COLORREF crOldBk = pDC->SetBkColor(RGB(255, 255, 255));
    const COLORREF crOldText = pDC->SetTextColor(RGB(0, 0, 0));
    pDC->BitBlt(x, y, cx, cy, &imageDC, 0, 0, SRCINVERT);
    pDC->BitBlt(x, y, cx, cy, &maskDC, 0, 0, SRCAND);
    pDC->BitBlt(x, y, cx, cy, &imageDC, 0, 0, SRCINVERT);
    pDC->SetBkColor(crOldBk);
    pDC->SetTextColor(crOldText);
}

void CKvImage::ShowTransBmp(CDC* pDC, int x, int y, int cx, int cy, COLORREF crTransparent)
{
    DrawTransBlt(pDC, x, y, cx, cy, crTransparent);
}

void CKvImage::ShowTransBmp(CDC* pDC, int x, int y, COLORREF crTransparent)
{
    DrawTransBlt(pDC, x, y, GetBmpWidth(), GetBmpHeight(), crTransparent);
}

HRGN CKvImage::GetBmpRgn(COLORREF crTransparent)
{
    const int cx = GetBmpWidth();
    const int cy = GetBmpHeight();
    if (cx <= 0 || cy <= 0) {
        return nullptr;
    }
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    std::vector<DWORD> pixels(static_cast<size_t>(cx) * static_cast<size_t>(cy));
    CDC memDC;
    if (!memDC.CreateCompatibleDC(nullptr) ||
        GetDIBits(memDC.GetSafeHdc(), static_cast<HBITMAP>(m_bitmap.GetSafeHandle()), 0, static_cast<UINT>(cy),
                  pixels.data(), &bmi, DIB_RGB_COLORS) == 0) {
        return nullptr;
    }
    const auto rangeTop = [](BYTE b) { return b + 16 > 255 ? 255 : b + 16; };
    const BYTE lr = GetRValue(crTransparent);
    const BYTE lg = GetGValue(crTransparent);
    const BYTE lb = GetBValue(crTransparent);
    const int hr = rangeTop(lr);
    const int hg = rangeTop(lg);
    const int hb = rangeTop(lb);
    CRgn rgnResult;
    std::vector<RECT> rects;
    rects.reserve(kRectBlock);
    RECT rcBound = {0, 0, cx, cy};
    const auto flush = [&]() {
        if (rects.empty()) {
            return true;
        }
        CRgn rgnPart;
        if (!rgnPart.Attach(RegionFromRects(rects, rcBound))) {
            return false;
        }
        if (rgnResult.GetSafeHandle() == nullptr) {
            rgnResult.Attach(rgnPart.Detach());
        } else {
            CombineRgn(rgnResult, rgnResult, rgnPart, RGN_OR);
        }
        rects.clear();
        return true;
    };
    for (int y = 0; y < cy; ++y) {
        const BYTE* pRow = reinterpret_cast<const BYTE*>(&pixels[static_cast<size_t>(y) * static_cast<size_t>(cx)]);
        // A DIB pixel is blue, green, red: each byte is compared with its own channel's range.
        const auto inRange = [&](int i) {
            const BYTE* p = pRow + 4 * i;
            return p[2] >= lr && p[2] <= hr && p[1] >= lg && p[1] <= hg && p[0] >= lb && p[0] <= hb;
        };
        int x = 0;
        while (x < cx) {
            while (x < cx && inRange(x)) {
                ++x;
            }
            const int x0 = x;
            while (x < cx && !inRange(x)) {
                ++x;
            }
            if (x > x0) {
                if (rects.size() == rects.capacity()) {
                    rects.reserve(rects.capacity() + kRectBlock);
                }
                rects.push_back({x0, y, x, y + 1});
                if (rects.size() >= kRectsPerJoin && !flush()) {
                    return nullptr;
                }
            }
        }
    }
    if (!flush()) {
        return nullptr;
    }
    if (rgnResult.GetSafeHandle() == nullptr && !rgnResult.CreateRectRgn(0, 0, 0, 0)) {
        return nullptr;
    }
    return static_cast<HRGN>(rgnResult.Detach());
}
