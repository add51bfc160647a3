// A memory DC over a 32-bit top-down DIB section: draw into it, then read its pixels.
#pragma once

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/DC.h"

class CTestDib
{
public:
    CTestDib(int cx, int cy, COLORREF crFill = RGB(255, 255, 255));
    ~CTestDib();
    CTestDib(const CTestDib&) = delete;
    CTestDib& operator=(const CTestDib&) = delete;

    CDC& DC() { return m_dc; }
    int Width() const { return m_cx; }
    int Height() const { return m_cy; }
    // Flushes pending GDI drawing first. The alpha byte GDI text leaves is ignored.
    COLORREF Pixel(int x, int y) const;
    // Pixels within rc (clipped to the bitmap) whose colour differs from crBackground.
    int CountInk(const RECT& rc, COLORREF crBackground = RGB(255, 255, 255)) const;
    // Bounding box of pixels differing from crBackground; empty when there are none.
    CRect InkBounds(const RECT& rc, COLORREF crBackground = RGB(255, 255, 255)) const;
    // Rows of BGRX pixels, top row first.
    const DWORD* Bits() const;

private:
    // The bitmap outlives the DC it is selected into.
    CBitmap m_bitmap;
    CDC m_dc;
    CBitmap* m_pOldBitmap = nullptr;
    DWORD* m_pBits = nullptr;
    int m_cx = 0;
    int m_cy = 0;
};
