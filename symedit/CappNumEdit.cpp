#include "symedit/CappNumEdit.h"

#include <cstdlib>

#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/SavedDC.h"
#include "platform/gdi/SelectGuard.h"
#include "symedit/CappStaticTextCtl.h"

void CCappNumEdit::DrawData(CDC* pDC, CRect rect, CString strText, LOGFONT font, UINT nFormat, int nFlags,
                            COLORREF crColor)
{
    if (pDC == nullptr || pDC->m_hDC == nullptr) {
        return;
    }
    if (nFlags & 0x2) {
        font.lfHeight = std::abs(font.lfHeight);
        GetTextAutoSize(pDC, rect, strText, font);
    }
    CFont fontDraw;
    if (!fontDraw.CreateFontIndirect(&font)) {
        return;
    }
    CFxSavedDC savedDC(pDC);
    CFxSelectGuard selectFont(pDC, &fontDraw);
    pDC->SetTextColor(crColor);
    pDC->SetBkMode(TRANSPARENT);
    pDC->DrawText(strText, rect, nFormat | DT_SINGLELINE);
}

void CCappNumEdit::GetTextAutoSize(CDC* pDC, CRect rect, CString strText, LOGFONT& font)
{
    // The same narrowing as plain cell text.
    CCappStaticTextCtl::GetTextAutoSize(pDC, rect, strText, font);
}
