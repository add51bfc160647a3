// The sortable list's header: reorders columns by dragging a header item and reports the drop to
// its list.
#pragma once

#include "common/KvCommLibExport.h"
#include "platform/base/Rect.h"
#include "platform/win/Wnd.h"

#include <vector>

class CKvListCtrlEx;

class KVCOMM_API CKvDragHeaderCtrl : public CWnd
{
    FX_DECLARE_DYNAMIC(CKvDragHeaderCtrl)

public:
    CKvDragHeaderCtrl();

    // Returns the previous value.
    bool EnableDrag(bool bEnable);
    void SetDropTarget(CKvListCtrlEx* pList) { m_pList = pList; }
    BOOL IsDragging() const { return m_bDragging; }
    int GetDropColumn() const { return m_nDropCol; }

    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;

private:
    int DropColumnAt(int x) const;
    void DrawMarker(int nCol);

    bool m_bDragEnabled;
    BOOL m_bPressed;
    BOOL m_bDragging;
    std::vector<int> m_widths;
    int m_nSourceCol;
    int m_nDropCol;
    CRect m_rcMarker;
    CKvListCtrlEx* m_pList;
};
