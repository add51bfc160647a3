// The designer's free-object tool: floating variables are rectangles bound to card-variable or
// graphic-variable cells of the sheet, which follow their objects and go with them.
#pragma once

#include "designer/sheet/FreeObjEditTool.h"

class CCappCell;
class CCappSheetDefView;

class CDesignFreeObjEditTool : public CFreeObjEditTool
{
public:
    explicit CDesignFreeObjEditTool(CCappSheetDefView* pView);

    // Removes the object's cell from the sheet first.
    BOOL CanDelete(CCappFreeObj* pObj) override;
    // A floating variable's cell goes to its cell dialog, any other object to the property sheet.
    void EditProperties(CCappFreeObj* pObj) override;
    // Floating variables make a rectangle bound to a new head cell.
    CCappFreeObj* CreateObj(int nKind, int x, int y) override;
    void InvalidateArea(const CRect& rcSheet) override;

    // The sheet's cell with that id, or null.
    CCappCell* GetCell(int nCellID) const;
    // Each floating variable's cell takes its object's rectangle; TRUE when a cell moved.
    BOOL FollowBoundCells();

protected:
    void OnObjectsChanged() override;

private:
    // The view whose cells the floating variables are bound to.
    CCappSheetDefView* m_pView;
};
