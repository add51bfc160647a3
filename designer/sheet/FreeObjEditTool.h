// The free-object tool of the sheet view: creates, selects, moves and arranges the drawing
// objects over the table while the view's free-object switch is on. Points are in sheet units.
// CDesignFreeObjEditTool is the designer's form, which binds floating variables to cells.
#pragma once

#include "core/FreeObjPoint.h"
#include "platform/base/ObList.h"
#include "platform/base/Rect.h"

class CCappCell;
class CCappFreeObj;
class CSheetToolHost;
class CDC;
class CWnd;

class CFreeObjEditTool
{
public:
    // Creation kinds beyond the object kinds: a rectangle bound to a new card-variable or
    // graphic-variable cell.
    enum { createFloatCardVar = 1000, createFloatGraphVar = 1001 };
    // Drag states of a pressed button.
    enum { dragNone = 0, dragEmpty = 1, dragMove = 2, dragHandle = 3 };

    CFreeObjEditTool();
    virtual ~CFreeObjEditTool();
    CFreeObjEditTool(const CFreeObjEditTool&) = delete;
    CFreeObjEditTool& operator=(const CFreeObjEditTool&) = delete;

    virtual BOOL CanDelete(CCappFreeObj* pObj);
    // The property sheet on a working copy, stored back on OK.
    virtual void EditProperties(CCappFreeObj* pObj);
    // A new object of the kind centred on the point (a line 100 units long, a box 100 by 100),
    // appended, selected and focused; null when the kind cannot be made.
    virtual CCappFreeObj* CreateObj(int nKind, int x, int y);
    // Takes the object out of the list and frees it, or with none every selected object, as far
    // as CanDelete agrees.
    virtual void DeleteObj(CCappFreeObj* pObj);
    virtual void InvalidateArea(const CRect& rcSheet);
    virtual void OnObjDblClk(CCappFreeObj* pObj);
    // Appends a copy of every kind, geometry included; nothing for an unknown class.
    virtual void AddCopy(CObList& list, CCappFreeObj* pObj);
    // Every object in list order; also when printing.
    virtual void Draw(CDC* pDC);

    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    void OnRButtonDown(UINT nFlags, CPoint point);
    void OnKeyDown(UINT nChar);
    void OnKeyUp(UINT nChar);

    // Without bKeep every other object is deselected, with it only their focus goes.
    void Select(CCappFreeObj* pObj, BOOL bKeep);
    // One object or, with none, every object: the selection (bAll) or only the focus.
    void Deselect(CCappFreeObj* pObj, BOOL bAll);
    // Drops the selected and focus flags of every object.
    void DeselectAll();
    // The topmost object the point picks, or null.
    CCappFreeObj* HitObject(CPoint point) const;
    // The first selected object with the focus, or null.
    CCappFreeObj* GetFocused() const;
    int GetSelectedCount() const;

    // Edges of the focused object: 0 left, 1 right, 2 top, 3 bottom.
    void Align(int nCode);
    // The focused object's size: 4 width, 5 height, 6 both.
    void SameSize(int nCode);
    void SpaceEvenlyX();
    void SpaceEvenlyY();

    // The kind made by the next click; 0 makes none.
    void SetCreateKind(int nKind);
    int GetCreateKind() const { return m_nCreateKind; }
    BOOL IsCreatePending() const { return m_bCreatePending; }

    // The object a floating variable's cell is bound to, or null.
    CCappFreeObj* FindByCellID(int nCellID) const;
    // Frees every object and empties the list.
    void DetachList();
    // Replaces the objects with copies of the list's.
    void LoadCopies(const CObList& listFrom);
    // Replaces the list's objects with copies of the tool's, not selected.
    void StoreCopies(CObList& listTo) const;

    // The focus is the handle-inverting flag: the focused object shows inverted handles.
    static BOOL IsFocused(const CCappFreeObj* pObj);
    // Floating variables: the flag and the id of the bound cell are kept in two integers of the
    // object's record, so that they travel with the template.
    static BOOL IsFloatVar(const CCappFreeObj* pObj);
    static int GetCellID(const CCappFreeObj* pObj);
    static void BindCell(CCappFreeObj* pObj, int nCellID);

    CObList m_listFreeObj; // CCappFreeObj, owned, in drawing order
    // The window the tool works in; null for a tool on its own.
    CSheetToolHost* m_pHost = nullptr;
    CPoint m_ptLast;
    int m_nCreateKind = 0;
    BOOL m_bCreatePending = FALSE;
    int m_nDragState = dragNone;
    int m_nHandle = -1;
    CObList m_listSpline; // CFreeObjPoint, owned: the points of a spline to create
    CFreeObjPoint m_ptSpline;

protected:
    // Called after every change of the objects.
    virtual void OnObjectsChanged() {}
    // Moves one object and repaints where it was and is.
    void MoveObjBy(CCappFreeObj* pObj, int dx, int dy);
    void MoveSelectedBy(int dx, int dy);
    void SpaceEvenly(BOOL bVertical);
    // The object's property sheet on a working copy; TRUE when it ended with OK and the copy was
    // stored back. Kinds without pages (the spline) get no sheet.
    static BOOL RunPropertySheet(CWnd* pParent, CCappFreeObj* pObj);
};
