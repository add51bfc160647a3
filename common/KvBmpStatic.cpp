#include "common/KvBmpStatic.h"

#include "platform/gdi/PaintDC.h"

FX_IMPLEMENT_DYNAMIC(CKvBmpStatic, CStatic)

CKvBmpStatic::CKvBmpStatic() : m_clrTrans(RGB(192, 192, 192)), m_bTrans(FALSE)
{
}

BOOL CKvBmpStatic::LoadBmp(UINT nID)
{
    return m_image.OpenBmpID(nID);
}

void CKvBmpStatic::OnPaint()
{
    CPaintDC dc(m_hWnd);
    if (!m_image.HasBitmap() && !m_image.HasIcon()) {
        // A static with a picture in its template paints without LoadBmp. The control keeps
        // owning its picture: we draw a copy.
        HBITMAP hShown = reinterpret_cast<HBITMAP>(SendMessage(STM_GETIMAGE, IMAGE_BITMAP));
        if (hShown != nullptr) {
            m_image.AttachBitmap(static_cast<HBITMAP>(CopyImage(hShown, IMAGE_BITMAP, 0, 0, 0)));
        }
    }
    if (m_bTrans) {
        m_image.ShowTransBmp(&dc, 0, 0, m_clrTrans);
    } else {
        m_image.ShowBmp(&dc);
    }
}
