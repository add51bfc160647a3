#include "framework/FwBufferDC.h"

#include "platform/base/ResourceException.h"

FwBufferDC::FwBufferDC(CDC* pTarget, const CRect& rc) : m_pTarget(pTarget), m_rc(rc), m_hOldBitmap(nullptr)
{
    if (!CreateCompatibleDC(pTarget)) {
        CResourceException::Throw();
    }
    if (!m_bitmap.CreateCompatibleBitmap(pTarget, rc.Width() > 0 ? rc.Width() : 1, rc.Height() > 0 ? rc.Height() : 1)) {
        DeleteDC();
        CResourceException::Throw();
    }
    m_hOldBitmap = ::SelectObject(m_hDC, m_bitmap.m_hObject);
    SetWindowOrg(rc.left, rc.top);
}

FwBufferDC::~FwBufferDC()
{
    m_pTarget->BitBlt(m_rc.left, m_rc.top, m_rc.Width(), m_rc.Height(), this, m_rc.left, m_rc.top, SRCCOPY);
    ::SelectObject(m_hDC, m_hOldBitmap);
    DeleteDC();
}
