// The pen and brush a free object draws with, selected into a DC for a scope.
#pragma once

#include <memory>

#include "platform/gdi/Brush.h"
#include "platform/gdi/FxSelectGuard.h"
#include "platform/gdi/Pen.h"

class CCappFreeObj;

class CCappFreeObjPaint
{
public:
    enum Mode {
        // A line: solid pen of the line width and colour; the brush is left alone.
        modeStroke,
        // An area: outlined with the line pen when the border is shown and wider than 0 and
        // filled unless transparent; without a border only an opaque area is filled.
        modeArea,
    };

    CCappFreeObjPaint(CDC* pDC, const CCappFreeObj& obj, Mode mode);
    CCappFreeObjPaint(const CCappFreeObjPaint&) = delete;
    CCappFreeObjPaint& operator=(const CCappFreeObjPaint&) = delete;

    // FALSE for an area with neither border nor fill: nothing to draw.
    BOOL IsDrawn() const { return m_bDrawn; }

private:
    // Objects first: the guards die before them and select the previous ones back.
    CPen m_pen;
    CBrush m_brush;
    std::unique_ptr<CFxSelectGuard> m_pPenGuard;
    std::unique_ptr<CFxSelectGuard> m_pBrushGuard;
    BOOL m_bDrawn = TRUE;
};
