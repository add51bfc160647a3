// Which row set feeds the head, the page area and each detail area of a template; the "..." of a
// row runs the row-set wizard on that row's row set.
#pragma once

#include "designer/detail/PropertyList.h"
#include "platform/base/StringArray.h"
#include "platform/base/UIntArray.h"
#include "platform/win/Dialog.h"

class CCappSheet;

class CDataBindDlg : public CDialog
{
public:
    explicit CDataBindDlg(CWnd* pParent = nullptr);

    // Set before the dialog runs; not owned.
    CCappSheet* m_pSheet;
    CPropertyList m_list;
    // Set when a row set was added to the sheet or the wizard changed one.
    BOOL m_bChanged;

    BOOL OnInitDialog() override;

protected:
    LRESULT OnRowAction(WPARAM wParam, LPARAM lParam);

    FX_DECLARE_MESSAGE_MAP()

private:
    // Per row: the kind of row set it shows (0 head, 1 page, 2 detail area) and the area's name.
    CUIntArray m_arrKind;
    CStringArray m_arrName;
};
