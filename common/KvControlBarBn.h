// The close button a sizing control bar draws in its non-client area (window coordinates).
#pragma once

#include "common/KvCommLibExport.h"
#include "platform/base/Point.h"
#include "platform/base/Rect.h"
#include "platform/base/Size.h"

class CDC;

class KVCOMM_API CKvControlBarBn
{
public:
    CKvControlBarBn();

    void Move(CPoint ptTo) { m_ptOrg = ptTo; }
    CRect GetRect() const { return CRect(m_ptOrg, CSize(11, 11)); }
    void Paint(CDC* pDC);

    BOOL m_bPushed;
    BOOL m_bRaised;
    CPoint m_ptOrg;
};
