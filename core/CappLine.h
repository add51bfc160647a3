// One line of a sheet's ruled grid: a cell line, a frame line or a left-hand outline line.
#pragma once

#include "core/VornCardExport.h"
#include "platform/base/Object.h"

class VORNCARD_API CCappLine : public CObject
{
    FX_DECLARE_SERIAL(CCappLine)
public:
    enum {
        typeHCell = 1,  // horizontal cell line
        typeVCell = 2,  // vertical cell line
        typeHFrame = 3, // horizontal frame line
        typeVFrame = 4, // vertical frame line
        typeLHOut = 5,  // left-hand outline line
    };
    // Format of the current record; older records start directly with the type.
    static constexpr int kFormat = 100;

    CCappLine();

    void Serialize(CArchive& ar) override;

    BOOL IsHorizontal() const { return m_nType == typeHCell || m_nType == typeHFrame; }
    BOOL IsVertical() const { return m_nType == typeVCell || m_nType == typeVFrame; }

    void SetLineColor(COLORREF cr) { m_crColor = cr; }
    // Does nothing: the width changes only through the archive or by assigning m_nWidth.
    void SetLineWidth(int nWidth);

    int m_nFormat;
    int m_nType;
    int m_nBlock1[2];
    int m_nBlock2[2];
    // Ids of the crossing lines where the line starts and ends.
    int m_nStartID;
    int m_nEndID;
    int m_nID;
    // Pen width; 0 is an invisible line.
    int m_nWidth;
    // Offset from the frame's top (horizontal) or left (vertical) edge.
    int m_nPos;
    COLORREF m_crColor;
    int m_nLineInt;
    CString m_strLineText;
};
