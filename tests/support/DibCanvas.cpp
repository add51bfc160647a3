#include "DibCanvas.h"

#include <algorithm>

CTestDib::CTestDib(int cx, int cy, COLORREF crFill) : m_cx(cx), m_cy(cy)
{
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy; // top-down
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    m_bitmap.Attach(::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0));
    m_pBits = static_cast<DWORD*>(pBits);
    m_dc.CreateCompatibleDC(nullptr);
    m_pOldBitmap = m_dc.SelectObject(&m_bitmap);
    m_dc.FillSolidRect(0, 0, cx, cy, crFill);
}

CTestDib::~CTestDib()
{
    m_dc.SelectObject(m_pOldBitmap);
}

COLORREF CTestDib::Pixel(int x, int y) const
{
    ::GdiFlush();
    DWORD dw = m_pBits[static_cast<size_t>(y) * static_cast<size_t>(m_cx) + static_cast<size_t>(x)];
    return RGB((dw >> 16) & 0xFF, (dw >> 8) & 0xFF, dw & 0xFF);
}

const DWORD* CTestDib::Bits() const
{
    ::GdiFlush();
    return m_pBits;
}

int CTestDib::CountInk(const RECT& rc, COLORREF crBackground) const
{
    int nInk = 0;
    for (int y = std::max(0, static_cast<int>(rc.top)); y < std::min(m_cy, static_cast<int>(rc.bottom)); ++y) {
        for (int x = std::max(0, static_cast<int>(rc.left)); x < std::min(m_cx, static_cast<int>(rc.right)); ++x) {
            if (Pixel(x, y) != crBackground) {
                ++nInk;
            }
        }
    }
    return nInk;
}

CRect CTestDib::InkBounds(const RECT& rc, COLORREF crBackground) const
{
    CRect rcInk;
    for (int y = std::max(0, static_cast<int>(rc.top)); y < std::min(m_cy, static_cast<int>(rc.bottom)); ++y) {
        for (int x = std::max(0, static_cast<int>(rc.left)); x < std::min(m_cx, static_cast<int>(rc.right)); ++x) {
            if (Pixel(x, y) != crBackground) {
                CRect rcPixel(x, y, x + 1, y + 1);
                if (rcInk.IsRectEmpty()) {
                    rcInk = rcPixel;
                } else {
                    rcInk |= rcPixel;
                }
            }
        }
    }
    return rcInk;
}
