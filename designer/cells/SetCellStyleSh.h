// The property sheet in which the designer sets every property of one table cell. All pages edit
// the sheet's working cell; the caller copies it back with GetCell only after OK.
#pragma once

#include "common/KvPropertySheet.h"
#include "core/CappCell.h"
#include "designer/cells/CelDisTypePg.h"
#include "designer/cells/CelExtPg.h"
#include "designer/cells/CelFieldPg.h"
#include "designer/cells/CelFontPg.h"
#include "designer/cells/CelStaticPg.h"
#include "designer/cells/CelTextPg.h"
#include "platform/base/ObList.h"
#include "platform/base/StringArray.h"

class CCappFreeObj;
class CCappSheet;
class CDC;

class CSetCellStyleSh : public CKvPropertySheet
{
    FX_DECLARE_DYNAMIC(CSetCellStyleSh)

public:
    enum { kindStatic = 1, kindVariable = 2 };

    CSetCellStyleSh(LPCSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage, int nCellKind);

    void SetCell(const CCappCell& cell);
    void GetCell(CCappCell& cell) const;

    BOOL OnInitDialog() override;

    // The sheet that holds a page, found as the page's parent window.
    static CSetCellStyleSh* FromPage(const CWnd* pPage);
    // The selected entry of a drop-down list (its window text may still be the old one while the
    // selection-change notice runs); empty when none is selected.
    static CString GetComboSelText(const CWnd* pDlg, int nID);

    CCelStaticPg m_pageStatic;
    CCelFieldPg m_pageField;
    CCelDisTypePg m_pageDisType;
    CCelTextPg m_pageText;
    CCelFontPg m_pageFont;
    CCelExtPg m_pageExt;
    // Offered in the variable-name list.
    CStringArray m_arrPreNames;
    // The names of the template's other card variables: refused as this cell's name.
    CStringArray m_arrUsedNames;
    int m_nCellKind;
    CString m_strExtra;
    CCappSheet* m_pSheet;
    CDC* m_pDC;
    CObList m_listExtra1;
    CObList m_listExtra2;
    // The template's own free object around the cell, or null; not a copy.
    CCappFreeObj* m_pFrameObj;
    CCappCell m_cell;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
};
