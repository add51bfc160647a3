// The box kinds with a pointer: a body and a triangle from the body's centre to a tip, drawn as
// one outline. A tip with x -9999 is no pointer.
#pragma once

#include "core/CappFreeBox.h"

class CRgn;

class VORNCARD_API CCappFreePointerBox : public CCappFreeBox
{
    FX_DECLARE_DYNAMIC(CCappFreePointerBox)
public:
    static constexpr int kNoTip = -9999;

    CCappFreePointerBox& operator=(const CCappFreePointerBox& src);

    // The left, bottom, right and top middles, then the tip.
    void Serialize(CArchive& ar) override;
    void Draw(CDC* pDC) override;
    // The box handles and 9, the tip.
    int GetHandleCount() override;
    CPoint GetHandlePoint(int nHandle) override;
    void MoveHandleTo(int nHandle, CPoint point) override;
    void MoveObj(CPoint ptOffset) override;
    // The body's and the tip's.
    CRect GetOutIineRect() override;
    // On the body or in the pointer's triangle.
    int CanPick(CPoint point) override;

    BOOL HasPointer() const { return m_ptTip.m_x != kNoTip; }
    // The pointer's base corners beside the body's centre (m_ptBase1, m_ptBase2), from the tip.
    void CalcPointer();

    CFreeObjPoint m_ptTip;
    CFreeObjPoint m_ptBase1;
    CFreeObjPoint m_ptBase2;

protected:
    CCappFreePointerBox();
    CCappFreePointerBox(const CCappFreePointerBox& src);

    // The body's outline as a region over the normalised box.
    virtual BOOL CreateBodyRgn(CRgn& rgn, const CRect& rcBody) = 0;
    virtual BOOL CanPickBody(const CRect& rcBody, CPoint point) = 0;
};
