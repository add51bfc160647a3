#include "common/KvDraw3dRect.h"

void KvDraw3dRect(HDC hDC, const RECT& rc, COLORREF crTopLeft, COLORREF crBottomRight)
{
    auto fill = [hDC](int l, int t, int r, int b, COLORREF cr) {
        const RECT rcFill = {l, t, r, b};
        const COLORREF crOld = ::SetBkColor(hDC, cr);
        ::ExtTextOutA(hDC, 0, 0, ETO_OPAQUE, &rcFill, nullptr, 0, nullptr);
        ::SetBkColor(hDC, crOld);
    };
    fill(rc.left, rc.top, rc.right - 1, rc.top + 1, crTopLeft);
    fill(rc.left, rc.top, rc.left + 1, rc.bottom - 1, crTopLeft);
    fill(rc.right - 1, rc.top, rc.right, rc.bottom, crBottomRight);
    fill(rc.left, rc.bottom - 1, rc.right, rc.bottom, crBottomRight);
}
