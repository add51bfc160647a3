// A static control that paints a bitmap resource, optionally with one colour transparent.
#pragma once

#include "common/KvCommLibExport.h"
#include "common/KvImage.h"
#include "platform/win/Static.h"

class KVCOMM_API CKvBmpStatic : public CStatic
{
    FX_DECLARE_DYNAMIC(CKvBmpStatic)

public:
    CKvBmpStatic();

    BOOL LoadBmp(UINT nID);
    void SetTransColor(COLORREF crColor) { m_clrTrans = crColor; }
    void SetTrans(BOOL bTrans) { m_bTrans = bTrans; }
    BOOL GetTrans() const { return m_bTrans; }

    void OnPaint() override;

    CKvImage m_image;
    COLORREF m_clrTrans;
    BOOL m_bTrans;
};
