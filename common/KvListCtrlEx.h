// A report-view list that draws its own highlight (label, all columns or whole row), sorts by a
// header click according to each column's value type, lets its header reorder columns by drag
// and toggles check-box state images by a click.
#pragma once

#include "common/KvCommLibExport.h"
#include "common/KvDragHeaderCtrl.h"
#include "platform/base/String.h"
#include "platform/win/ListCtrl.h"

#include <vector>

class KVCOMM_API CKvListCtrlEx : public CListCtrl
{
    FX_DECLARE_DYNAMIC(CKvListCtrlEx)

public:
    // Column value types.
    enum {
        typeText = 0,
        typeTextNoCase = 1,
        typeInt = 2,
        typeDateTime = 3,
        typeNone = 4,
        typeDecimal = 5,
        typeTimeOfDay = 6
    };

    CKvListCtrlEx();
    ~CKvListCtrlEx() override;

    // 0 label, 1 all columns, 2 whole row; above 2 changes nothing. Returns the previous type.
    int SetHighlightType(int nType);
    int GetHighlightType() const { return m_nHighlight; }
    bool EnableSort(bool bEnable);
    bool EnableHeaderDrag(bool bEnable);
    // A type above 6 fails and leaves no types.
    bool SetColumnTypes(BYTE* pTypes, UINT nCount);
    // Parsed in the user's default locale; an invalid text keeps the old base time.
    bool SetBaseTime(CString strText);
    int GetSortColumn() const { return m_nSortCol; }
    BOOL IsAscending() const { return m_bAscending; }
    CKvDragHeaderCtrl& GetDragHeader() { return m_header; }

    // Moves column nFrom to position nTo (before the column now there).
    void DragColumn(int nFrom, int nTo);

    // Sorts as a header click with the left button on the column does.
    void SortColumn(int nCol);
    // The comparison of two values by type; sign only, 0 for equal values.
    static int CompareValues(int nType, const CString& strA, const CString& strB, double dBase, bool bBaseValid);

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);

    void OnPaint() override;
    void OnSetFocus(CWnd* pOldWnd) override;
    void OnKillFocus(CWnd* pNewWnd) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;

protected:
    void PreSubclassWindow() override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    BOOL OnHeaderClicked(int nCol, int nButton);

private:
    void InvalidateFocusRows(CWnd* pOther);

    int m_nHighlight;
    bool m_bSortEnabled;
    std::vector<BYTE> m_columnTypes;
    double m_dBaseTime;
    bool m_bBaseTimeValid;
    int m_nSortCol;
    BOOL m_bAscending;
    CKvDragHeaderCtrl m_header;
};
