// The free-object tool of the sheet view: creates, selects, moves and arranges the drawing
// objects over the table while the view's free-object switch is on. Points are in sheet units.
// CDesignFreeObjEditTool is the designer's form, which binds floating variables to cells.
#pragma once

#include "platform/base/Rect.h"

class CCappFreeObj;
class CCappSheetDefView;
class CDC;

class CFreeObjEditTool
{
public:
    CFreeObjEditTool();
    virtual ~CFreeObjEditTool();

    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnKeyDown(UINT nChar);
    void OnKeyUp(UINT nChar);
    // Every object in list order; also when printing.
    virtual void Draw(CDC* pDC);
    // Drops the selected and focus flags of every object.
    void DeselectAll();
    // The kind made by the next click; 0 makes none.
    void SetCreateKind(int nKind);
    // The object a floating variable's cell is bound to, or null.
    CCappFreeObj* FindByCellID(int nCellID) const;
    // Unlinks the object, or with none deletes every selected object, as far as CanDelete agrees.
    virtual void DeleteObj(CCappFreeObj* pObj);

    CCappSheetDefView* m_pView = nullptr;
};

class CDesignFreeObjEditTool : public CFreeObjEditTool
{
public:
    explicit CDesignFreeObjEditTool(CCappSheetDefView* pView);
};
