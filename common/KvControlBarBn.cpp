#include "common/KvControlBarBn.h"

#include <algorithm>

#include "common/KvDraw3dRect.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/FxSelectGuard.h"

CKvControlBarBn::CKvControlBarBn() : m_bPushed(FALSE), m_bRaised(FALSE), m_ptOrg(0, 0)
{
}

void CKvControlBarBn::Paint(CDC* pDC)
{
    const CRect rc = GetRect();
    if (m_bPushed) {
        KvDraw3dRect(pDC->m_hDC, rc, ::GetSysColor(COLOR_BTNSHADOW), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    } else if (m_bRaised) {
        KvDraw3dRect(pDC->m_hDC, rc, ::GetSysColor(COLOR_BTNHIGHLIGHT), ::GetSysColor(COLOR_BTNSHADOW));
    }
    // The cross is the "r" of the Marlett symbol font, 6 points at 96 pixels per inch.
    const int nTenths = 60 * 96 / std::max(1, pDC->GetDeviceCaps(LOGPIXELSX));
    CFont font;
    font.CreateFont(-::MulDiv(nTenths, pDC->GetDeviceCaps(LOGPIXELSY), 720), 0, 0, 0, FW_NORMAL, FALSE, FALSE, 0,
                    SYMBOL_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Marlett");
    CFxSelectGuard guard(pDC, &font);
    const COLORREF crOld = ::SetTextColor(pDC->m_hDC, ::GetSysColor(COLOR_BTNTEXT));
    const int nOldMode = ::SetBkMode(pDC->m_hDC, TRANSPARENT);
    ::TextOutA(pDC->m_hDC, m_ptOrg.x + 2, m_ptOrg.y + 2, "r", 1);
    ::SetBkMode(pDC->m_hDC, nOldMode);
    ::SetTextColor(pDC->m_hDC, crOld);
}
