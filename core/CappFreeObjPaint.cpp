#include "core/CappFreeObjPaint.h"

#include "core/CappFreeObj.h"
#include "core/CappSizeLimit.h"

CCappFreeObjPaint::CCappFreeObjPaint(CDC* pDC, const CCappFreeObj& obj, Mode mode)
{
    if (mode == modeStroke) {
        m_pen.CreatePen(PS_SOLID, CappClampPenWidth(obj.m_nLineWidth), obj.m_crLine);
        m_pPenGuard = std::make_unique<CFxSelectGuard>(pDC, &m_pen);
        return;
    }
    if (obj.m_bBorder != 0 && obj.m_nLineWidth > 0) {
        m_pen.CreatePen(PS_SOLID, CappClampPenWidth(obj.m_nLineWidth), obj.m_crLine);
    } else if (obj.m_bTransparent == 0) {
        m_pen.CreatePen(PS_SOLID, 1, obj.m_crFill);
    } else {
        m_bDrawn = FALSE;
        return;
    }
    m_pPenGuard = std::make_unique<CFxSelectGuard>(pDC, &m_pen);
    if (obj.m_bTransparent == 0) {
        m_brush.CreateSolidBrush(obj.m_crFill);
        m_pBrushGuard = std::make_unique<CFxSelectGuard>(pDC, &m_brush);
    } else {
        m_pBrushGuard = std::make_unique<CFxSelectGuard>(pDC, NULL_BRUSH);
    }
}
